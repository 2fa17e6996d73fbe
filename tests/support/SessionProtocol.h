#pragma once
// What the session test and its driver say to each other over the driver's
// stdin and stdout, one line each way per step:
//
//   test -> driver   "<step> <clock, seconds since the epoch> <verb> <arguments>"
//   driver -> test   "S <step> <snapshot>" just before the step acts,
//                    "A <step> <snapshot>" once it has returned,
//                    "R <snapshot>" once start-up is done.
//
// Verbs: key <box> <text> (the box emptied, then the text typed), paste <box>
// <text> (through the clipboard and Ctrl+V), set <box> <text> (setText), click
// <button>, right <button> <yes|no> (the right mouse button, and the answer the
// delete question gets), menu <action>, close (the close box).
//
// A snapshot is what the window shows at that moment, in the order of
// `Slot`: the entry row in the contact record's field order (the clock labels
// in place of the date and time), txtRecNumber, the review row in the same
// order, txtRecNum, then the display panel's text. Every text travels as "="
// and its UTF-8 percent-encoded, so empty texts and any character survive.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>

namespace Session {

enum Slot {
    Entry = 0, // 11 slots: txtCallsign .. txtMultiplier, lblDate and lblClock at 7 and 8
    RecNumber = 11,
    Review = 12, // 11 slots: txtCall .. txtMult
    RecNum = 23,
    Panel = 24,
    SlotCount = 25
};

inline const QStringList &snapshotNames()
{
    static const QStringList names{
        QStringLiteral("txtCallsign"), QStringLiteral("txtArci"),       QStringLiteral("txtPower"),
        QStringLiteral("txtSpc"),      QStringLiteral("txtRstSent"),    QStringLiteral("txtRstRcvd"),
        QStringLiteral("txtBand"),     QStringLiteral("lblDate"),       QStringLiteral("lblClock"),
        QStringLiteral("txtPoints"),   QStringLiteral("txtMultiplier"), QStringLiteral("txtRecNumber"),
        QStringLiteral("txtCall"),     QStringLiteral("txtClub"),       QStringLiteral("txtPwr"),
        QStringLiteral("txtLocale"),   QStringLiteral("txtRstS"),       QStringLiteral("txtRstR"),
        QStringLiteral("txtBnd"),      QStringLiteral("txtCalendar"),   QStringLiteral("txtClock"),
        QStringLiteral("txtPts"),      QStringLiteral("txtMult"),       QStringLiteral("txtRecNum"),
        QStringLiteral("txtSpecs")};
    return names;
}

inline QByteArray encode(const QString &text) { return '=' + text.toUtf8().toPercentEncoding(); }

inline QString decode(const QByteArray &word)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(word.mid(1)));
}

inline QByteArray encodeAll(const QStringList &texts)
{
    QByteArrayList words;
    for (const QString &t : texts)
        words.append(encode(t));
    return words.join(' ');
}

inline QStringList decodeAll(const QByteArray &line)
{
    QStringList texts;
    for (const QByteArray &w : line.split(' '))
        if (w.startsWith('='))
            texts.append(decode(w));
    return texts;
}

// The test's end: the driver as a child process, read line by line.
class Driver {
  public:
    QProcess process;
    void start(const QString &program, const QString &dir)
    {
        process.start(program, {dir});
        process.waitForStarted();
    }
    // The next whole line; false when the driver ended first or went silent.
    bool readLine(QByteArray *line)
    {
        while (!process.canReadLine()) {
            if (process.state() == QProcess::NotRunning || !process.waitForReadyRead(30000)) {
                if (process.canReadLine())
                    break;
                return false;
            }
        }
        *line = process.readLine();
        line->chop(1);
        return true;
    }
    QString ended()
    {
        process.waitForFinished(30000);
        return QStringLiteral("the driver ended (status %1, %2, %3): %4")
            .arg(process.exitCode())
            .arg(process.exitStatus() == QProcess::NormalExit ? "normal" : "crashed", process.errorString(),
                 QString::fromLocal8Bit(process.readAllStandardError()));
    }
    void kill()
    {
        if (process.state() != QProcess::NotRunning)
            ::kill(pid_t(process.processId()), SIGKILL);
        process.waitForFinished(30000);
    }
};

} // namespace Session
