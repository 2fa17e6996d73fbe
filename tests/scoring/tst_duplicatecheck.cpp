// The call-sign box while it is typed: help text, mode line, the missing-band
// warning and the report of a contact already worked on the band.

#include "ScoringFixture.h"

using namespace Scoring;

namespace {
QStringList report(const QString &particulars)
{
    return {QStringLiteral("Duplicate Contact"), QString(), particulars,
            QStringLiteral("Press CLEAR BUTTON and start again.")};
}
} // namespace

class tst_DuplicateCheck : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void helpTextWhileTyping();
    void duplicate_data();
    void duplicate();
    void prefixReportedWhileItStands();
    void bandWarning();
    void leadingBlank();
    void emptiedBox();
    void duplicateStillSaves();
    void badInput();
};

void tst_DuplicateCheck::helpTextWhileTyping()
{
    Window w({contact("W1AW", "CT", "40"), contact("K1ABC", "MA", "20")}, "40");
    w->ui().txtCallsign->setFocus();
    for (const QChar c : QStringLiteral("k1abc")) {
        w->ui().txtSpecs->setFontSize(18);
        type(w->ui().txtCallsign, QString(c));
        QCOMPARE(w.panel(), lines(CallsignHelp));
        QCOMPARE(w.panelSize(), 8.0);
        QCOMPARE(w->ui().lblMode->text(), mode("Entering Data"));
    }
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("K1ABC"));
    QCOMPARE(w.beeps(), 0);
    // Nothing but the panel and the mode line is touched (the exchange boxes take
    // what the log knows of the call: tst_historywindow).
    for (QLineEdit *box : {w->ui().txtRstRcvd, w->ui().txtRstSent})
        QCOMPARE(box->text(), QString());
    QCOMPARE(w->ui().txtBand->text(), QStringLiteral("40"));
}

// clang-format off
void tst_DuplicateCheck::duplicate_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("panel");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("beeps"); // at the last keystroke
    const auto log = [](const QList<QrpRecord> &records, const QString &band) {
        return Window::bytesOf(records, band);
    };
    const QList<QrpRecord> worked{contact("W1AW", "CT", "40", "5", "1", "13:00:00"),
                                  contact("K1ABC", "MA", "20", "2", "1", "13:05:00"),
                                  contact("K1ABC", "NH", "40", "2", "0", "13:10:00"),
                                  contact("K1ABC", "VT", "40", "2", "0", "13:20:00")};

    QTest::newRow("no log file") << QByteArray() << "40" << "k1abc" << CallsignHelp << 8.0 << 0;
    QTest::newRow("placeholder only") << log({}, "40") << "40" << "k1abc" << CallsignHelp << 8.0 << 0;
    QTest::newRow("other band only") << log({worked[1]}, "40") << "40" << "k1abc" << CallsignHelp << 8.0 << 0;
    QTest::newRow("same band") << log({worked[1], worked[2]}, "40") << "40" << "k1abc"
                               << report("K1ABC  40  NH  12/07/98  13:10:00") << 8.0 << 1;
    QTest::newRow("first of two reported") << log(worked, "40") << "40" << "k1abc"
                                           << report("K1ABC  40  NH  12/07/98  13:10:00") << 8.0 << 1;
    QTest::newRow("on 20 m") << log(worked, "20") << "20" << "k1abc" << report("K1ABC  20  MA  12/07/98  13:05:00")
                             << 8.0 << 1;
    QTest::newRow("stored with blanks around")
        << log({TestLog::record({" W1AW", "", "", " CT ", "", "", " 40", " 1/2/98", "1:00 "})}, "40") << "40"
        << "w1aw" << report("W1AW  40  CT  1/2/98  1:00") << 8.0 << 1;
    QTest::newRow("blank fields show as nothing") << log({TestLog::record({"W1AW", "", "", "", "", "", "40"})}, "40")
                                                  << "40" << "w1aw" << report("W1AW  40      ") << 8.0 << 1;
    QTest::newRow("case counts") << log({contact("w1aw", "CT", "40")}, "40") << "40" << "w1aw" << CallsignHelp
                                 << 8.0 << 0;
    QTest::newRow("band typed otherwise") << log({contact("W1AW", "CT", "40")}, "40.") << "40." << "w1aw"
                                          << CallsignHelp << 8.0 << 0;
    // A contact saved without a band, looked for with the band still unset: warning and report in 12 points.
    QTest::newRow("empty band") << log({contact("W1AW", "CT", "")}, "") << "" << "w1aw"
                                << report("W1AW    CT  12/07/98  14:03:27") << 12.0 << 2;
    QTest::newRow("empty band, stored band") << log({contact("W1AW", "CT", "40")}, "") << "" << "w1aw"
                                             << BandWarning << 12.0 << 1;
    QTest::newRow("deleted, band unset") << log({deleted(), contact("W1AW", "CT", "40")}, "") << "" << "deleted"
                                         << report("DELETED        ") << 12.0 << 2;
    QTest::newRow("deleted, band set") << log({deleted()}, "40") << "40" << "deleted" << CallsignHelp << 8.0 << 0;
    QByteArray latin = contact("W1AW", "CT", "40").bytes();
    latin.replace(0, 4, "\xC9\xC0Z1");
    QTest::newRow("Latin-1 call sign") << latin + log({}, "40") << "40" << QString::fromUtf8("éàz1")
                                       << report(QString::fromUtf8("ÉÀZ1  40  CT  12/07/98  14:03:27")) << 8.0 << 1;
    QByteArray odd = contact("W1AW", "CT", "40").bytes();
    odd.replace(8, 13, QByteArray("\x01\x02\x7F\x00\xFF\xFE  \x1B\x0D\x0A\x09\x08", 13));
    QTest::newRow("unprintable bytes") << odd + log({}, "40") << "40" << "w1aw"
                                       << report(QString::fromLatin1("W1AW  40  \x0D\x0A\x09\x08  12/07/98  14:03:27"))
                                       << 8.0 << 1;
    // 4 whole records and 30 bytes: 4.6 rounds to 5 records; the cut record
    // stands for the placeholder and is not looked at.
    QByteArray cut = log({contact("A1", "NJ", "40"), contact("A2", "NY", "40"), contact("A3", "NH", "40")}, "40");
    cut += contact("A4", "VT", "40").bytes().left(30);
    QTest::newRow("length not a multiple of 48, worked") << cut << "40" << "a2"
                                                          << report("A2  40  NY  12/07/98  14:03:27") << 8.0 << 1;
    QTest::newRow("length not a multiple of 48, cut record") << cut << "40" << "a4" << CallsignHelp << 8.0 << 0;
}
// clang-format on

void tst_DuplicateCheck::duplicate()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, band);
    QFETCH(QString, typed);
    QFETCH(QStringList, panel);
    QFETCH(double, size);
    QFETCH(int, beeps);
    Window w(log);
    w->ui().txtBand->setText(band);
    w->ui().txtCallsign->setFocus();
    type(w->ui().txtCallsign, typed.chopped(1));
    const int before = w.beeps();
    type(w->ui().txtCallsign, typed.right(1));
    QCOMPARE(w.panel(), lines(panel));
    QCOMPARE(w.panelSize(), size);
    QCOMPARE(w.beeps() - before, beeps);
    QCOMPARE(w->ui().lblMode->text(), mode("Entering Data"));
    QCOMPARE(w->ui().txtBand->text(), band);
}

void tst_DuplicateCheck::prefixReportedWhileItStands()
{
    Window w({contact("K1AB", "ME", "40"), contact("K1ABCD", "RI", "40")}, "40");
    w->ui().txtCallsign->setFocus();
    type(w->ui().txtCallsign, "k1a");
    QCOMPARE(w.beeps(), 0);
    type(w->ui().txtCallsign, "b");
    QCOMPARE(w.panel(), lines(report("K1AB  40  ME  12/07/98  14:03:27")));
    QCOMPARE(w.beeps(), 1);
    type(w->ui().txtCallsign, "c");
    QCOMPARE(w.panel(), lines(CallsignHelp));
    QCOMPARE(w.beeps(), 1);
    type(w->ui().txtCallsign, "d");
    QCOMPARE(w.panel(), lines(report("K1ABCD  40  RI  12/07/98  14:03:27")));
    QCOMPARE(w.beeps(), 2);
    // Backspace makes the shorter call sign stand again.
    QTest::keyClick(w->ui().txtCallsign, Qt::Key_Backspace);
    QTest::keyClick(w->ui().txtCallsign, Qt::Key_Backspace);
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("K1AB"));
    QCOMPARE(w.panel(), lines(report("K1AB  40  ME  12/07/98  14:03:27")));
    QCOMPARE(w.beeps(), 3);
}

void tst_DuplicateCheck::bandWarning()
{
    Window w({contact("W1AW", "CT", "40")}, "");
    QCOMPARE(w->ui().txtBand->text(), QString());
    w->ui().txtCallsign->setFocus();
    const QString typed = QStringLiteral("w1a/4");
    for (int i = 0; i < typed.size(); ++i) {
        type(w->ui().txtCallsign, typed.mid(i, 1));
        QCOMPARE(w.panel(), lines(BandWarning));
        QCOMPARE(w.panelSize(), 12.0);
        QCOMPARE(w.beeps(), i + 1);
        QCOMPARE(w->ui().lblMode->text(), mode("Entering Data"));
    }
    // With the band set from the menu the warning is gone at the next keystroke.
    w->ui().mnu40->trigger();
    QTest::keyClick(w->ui().txtCallsign, Qt::Key_Backspace);
    QTest::keyClick(w->ui().txtCallsign, Qt::Key_Backspace);
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("W1A"));
    QCOMPARE(w.panel(), lines(CallsignHelp));
    QCOMPARE(w.panelSize(), 8.0);
    QCOMPARE(w.beeps(), 5);
    type(w->ui().txtCallsign, "w");
    QCOMPARE(w.panel(), lines(report("W1AW  40  CT  12/07/98  14:03:27")));
    QCOMPARE(w.panelSize(), 8.0);
    QCOMPARE(w.beeps(), 6);
}

void tst_DuplicateCheck::leadingBlank()
{
    // A blank first is not above "0": no mode line, no band warning; and the box is
    // compared as it stands, so the stored W1AW (band blank) is no match.
    Window w({contact("W1AW", "CT", "")}, "");
    w->ui().txtCallsign->setFocus();
    type(w->ui().txtCallsign, " w1aw");
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral(" W1AW"));
    QCOMPARE(w.panel(), lines(CallsignHelp));
    QCOMPARE(w.panelSize(), 8.0);
    QCOMPARE(w.beeps(), 0);
    QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Current Record =  2"));
}

void tst_DuplicateCheck::emptiedBox()
{
    // A stored contact with a blank call sign on the band is reported when the box
    // is emptied; the mode line stays as it was and no band warning is given.
    Window w({contact("", "CT", "40", "5", "1", "09:00:00")}, "40");
    w->ui().txtCallsign->setFocus();
    type(w->ui().txtCallsign, "x");
    w->ui().lblMode->setText("Mode\r\nReviewing Records");
    const int before = w.beeps();
    Window::erase(w->ui().txtCallsign);
    QCOMPARE(w.panel(), lines(report("  40  CT  12/07/98  09:00:00")));
    QCOMPARE(w.panelSize(), 8.0);
    QCOMPARE(w.beeps() - before, 1);
    QCOMPARE(w->ui().lblMode->text(), mode("Reviewing Records"));

    // The placeholder (blank call sign on the band) is the contact being entered: not reported.
    Window fresh({contact("W1AW", "CT", "40")}, "40");
    fresh->ui().txtCallsign->setText("x");
    fresh->ui().txtCallsign->setText("");
    QCOMPARE(fresh.panel(), lines(CallsignHelp));
    QCOMPARE(fresh.beeps(), 0);

    // The Clear button empties the box, so the check runs, and then shows the title.
    type(fresh->ui().txtCallsign, "w1aw");
    QCOMPARE(fresh.beeps(), 1);
    QTest::mouseClick(fresh->ui().cmdClear, Qt::LeftButton);
    QCOMPARE(fresh.panel(), lines(TitleText));
    QCOMPARE(fresh.panelSize(), 18.0);
    QCOMPARE(fresh->ui().lblMode->text(), mode("Screens Cleared"));
    QCOMPARE(fresh.beeps(), 1);
}

void tst_DuplicateCheck::duplicateStillSaves()
{
    Window w({contact("W1AW", "CT", "40")}, "40");
    w->ui().txtCallsign->setFocus();
    type(w->ui().txtCallsign, "w1aw");
    QCOMPARE(w.beeps(), 1);
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
    const QByteArray file = TestLog::readFile(w.dir.path(), "QRPDATA.DAT");
    QCOMPARE(file.size(), 3 * 48);
    QCOMPARE(file.mid(48, 8), QByteArray("W1AW    "));
    // Saving empties the box: the check runs again and finds nothing for an empty call sign.
    QCOMPARE(w.beeps(), 1);
    QCOMPARE(w.panel(), lines(TitleText));
    QCOMPARE(w->ui().lblMode->text(), mode("Adding New Record"));
    // Typed again, the call sign now has two earlier contacts; the first is reported.
    type(w->ui().txtCallsign, "w1aw");
    QCOMPARE(w.panel(), lines(report("W1AW  40  CT  12/07/98  14:03:27")));
    QCOMPARE(w.beeps(), 2);
}

void tst_DuplicateCheck::badInput()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes += char(255 - i);
    bytes = bytes.repeated(4) + QByteArray(25, '\0');
    Window w(bytes);
    QCOMPARE(w->RecordCount(), 22);
    w->ui().txtCallsign->setFocus();
    const QString typed = QString::fromUtf8("д\U0001F600ÿ \t");
    type(w->ui().txtCallsign, typed);
    type(w->ui().txtCallsign, "        ");
    QVERIFY(w->ui().txtCallsign->text().size() <= 8);
    for (const QString &t : {QString(), QStringLiteral("        "), QString(QChar(0xDC00)), QString(QChar(0))}) {
        w->ui().txtBand->setText(t);
        w->ui().txtCallsign->setText(t);
        w->ui().txtCallsign->setText(t + QStringLiteral("x"));
        QVERIFY(w.panel() == lines(CallsignHelp) || w.panel() == lines(BandWarning));
    }
}

QTEST_MAIN(tst_DuplicateCheck)
#include "tst_duplicatecheck.moc"
