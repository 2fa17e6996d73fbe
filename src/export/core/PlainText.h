#pragma once
// Both export formats are plain ASCII: what the log or the operator typed is
// written with a plain transliteration of its letters.

#include <QString>

namespace PlainText {

struct Result {
    QString text;
    bool transliterated = false; // a character outside ASCII was replaced
    bool controls = false;       // a control character was blanked
};

// Printable ASCII is kept. A control character (below 0x20, 0x7F, 0x80-0x9F)
// becomes a blank. A letter with a mark loses the mark (Ä as A, é as e), a few
// letters are spelt out (ß as ss, Æ as AE, Þ as TH), and anything else is '?'.
Result ascii(const QString &text);

} // namespace PlainText
