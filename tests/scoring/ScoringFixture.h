#pragma once
// A shown main window on a log in a temporary folder, and the texts of the
// display panel and the mode line as the scoring rules write them.

#include "TestLog.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace Scoring {

inline QString lines(const QStringList &l) { return l.join(QStringLiteral("\r\n")); }

// Types a text key by key: printable ASCII as the keys that give it, anything
// else (letters outside ASCII, a pair of surrogates, control characters) as a
// key press carrying that text, as a keyboard layout or input method sends it.
inline void type(QWidget *box, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(box, char(c.unicode()));
            continue;
        }
        QString one(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            one += text.at(++i);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

inline QString mode(const QString &activity) { return QStringLiteral("Mode\r\n") + activity; }

// The help texts the boxes show, as the operator reads them.
inline const QStringList CallsignHelp{
    QStringLiteral("Entering Callsigns"), QStringLiteral("You can enter up to a maximum of"),
    QStringLiteral("8 characters, so Dravek/4 is valid."), QStringLiteral("ENTER DATA ONLY IN RED BOXES")};
inline const QStringList BandWarning{QStringLiteral("You forgot to set the BAND!"),
                                     QStringLiteral("Select Kestrix Program/Set Band"),
                                     QStringLiteral("from Main Menu ... NOW !")};
inline const QStringList RstRcvdHelp{QStringLiteral("Entering RST"), QStringLiteral("Use standard CW 579 format"),
                                     QStringLiteral("or for SSB, 59 format"),
                                     QStringLiteral("In RST-Sent box, SPACEBAR enters 579 report")};
inline const QStringList RstSentHelp{QStringLiteral("You SHOULD NOT enter data in the"),
                                     QStringLiteral("POINTS, MULTIPLIER or Record Nuumber boxes."),
                                     QStringLiteral("These boxes are calculated.")};
inline const QStringList SpcHelp{QStringLiteral("SPC Info"), QStringLiteral("Use 2 letter abbreviations for STATES"),
                                 QStringLiteral("Use 3 letters for Canadian provinces & Mexico (MEX)"),
                                 QStringLiteral("Use 4 letter abbreviations (ex. SCOT) for DX")};
inline const QStringList ArciHelp{QStringLiteral("Entering ARCI Number"),
                                  QStringLiteral("If you have an ARCI number, enter it here"),
                                  QStringLiteral("If you enter an ARCI #, the POWER box = 0")};
inline const QStringList PowerHelp{
    QStringLiteral("Entering Power Number"), QStringLiteral("This number should be power OUTPUT"),
    QStringLiteral("and can be up to 4 digits in length"), QStringLiteral("Do NOT enter both a POWER AND AN ARCI #.")};
inline const QStringList TitleText{QStringLiteral("Dravek's"), QStringLiteral("ARCI Kestrix Program")};

// A contact from the fields the scans look at; the rest as a saved contact has them.
inline QrpRecord contact(const QString &call, const QString &spc, const QString &band, const QString &points = "5",
                         const QString &multiplier = "1", const QString &time = "14:03:27")
{
    return TestLog::record({call, "1234", "", spc, "579", "599", band, "12/07/98", time, points, multiplier});
}

inline QrpRecord deleted() { return TestLog::record({"DELETED"}); }

struct Window {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<frmKestrix> w;

    // Opens the window on `bytes` as QRPDATA.DAT (nothing written for a null array)
    // with an ARCIFILE.DAT line for every whole record, so start-up repairs nothing.
    explicit Window(const QByteArray &bytes = QByteArray())
    {
        if (!bytes.isNull()) {
            TestLog::writeFile(dir.path(), QStringLiteral("QRPDATA.DAT"), bytes);
            const qsizetype lines = qMax<qsizetype>(0, bytes.size() / 48 - 1);
            TestLog::writeFile(dir.path(), QStringLiteral("ARCIFILE.DAT"), QByteArray(lines * 83, ' '));
        }
        w = TestLog::openWindow(dir.path(), fakes);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        // The clock's first tick must not land inside a test's expectations.
        w->ui().Timer1->stop();
    }
    // The contacts, then a placeholder carrying `band`.
    Window(const QList<QrpRecord> &records, const QString &band) : Window(bytesOf(records, band)) {}

    static QByteArray bytesOf(const QList<QrpRecord> &records, const QString &band)
    {
        QByteArray bytes;
        for (const QrpRecord &r : records)
            bytes += r.bytes();
        QrpRecord placeholder;
        placeholder.set(QrpRecord::Band, band);
        return bytes + placeholder.bytes();
    }

    frmKestrix *operator->() const { return w.get(); }
    int beeps() const { return fakes.beeper.count; }
    QString panel() const { return w->ui().txtSpecs->text(); }
    qreal panelSize() const { return w->ui().txtSpecs->fontSize(); }
    // Empties a box as the operator does: select all, delete.
    static void erase(QLineEdit *box)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
    }
};

} // namespace Scoring
