#pragma once
// The CW messages of the function keys: their macros filled in from the
// station details and the entry row, and how long the result takes to send.

#include <QString>
#include <QStringList>

namespace CwMacros {

struct Values {
    QString myCall; // own call sign
    QString mySpc;  // own S-P-C
    QString myNr;   // own ARCI number, else own power
    QString call;   // the call-sign box as it stands
    QString rst;    // the report sent
};

// The macro names, braces included: {MYCALL} {MYSPC} {MYNR} {CALL} {RST}.
const QStringList &names();
// The message with every macro replaced, upper case, blanks run together and
// trimmed, holding only what the keyer will key: a letter with an accent
// becomes its plain letter and anything without a Morse code is left out
// (control characters too), as are '+' and '-' for cwdaemon, which reads
// them as speed changes. Each character left out or replaced goes, once, to
// *changed.
QString expand(const QString &message, const Values &values, bool forCwDaemon = false, QString *changed = nullptr);
// Braced words in the message that are no macro, and stray braces.
QStringList unknown(const QString &message);
// The station macros ({MYCALL} {MYSPC} {MYNR}) the message uses that are empty.
QStringList emptyOwn(const QString &message, const Values &values);
// The message text with the default contents of F1..F8.
const QStringList &defaults();
// How long a keyer takes to send text at wpm words per minute (PARIS timing).
int sendingMillis(const QString &text, int wpm);

} // namespace CwMacros
