// The band chart and the summary sheet's figures: the recount at start-up and
// by the Update button.

#include "ScoringFixture.h"
#include "reports/frmSummary.h"

#include <QPushButton>

using namespace Scoring;

namespace {
QStringList texts(const QList<QLabel *> &labels)
{
    QStringList out;
    for (QLabel *l : labels)
        out << l->text();
    return out;
}

// The summary sheet's band rows, 160 to 6, points box then S-P-C box.
QStringList bandBoxes(frmSummary &s)
{
    QStringList out;
    for (QLineEdit *b : {s.txt9A, s.txt9B, s.txt10A, s.txt10B, s.txt11A, s.txt11B, s.txt12A, s.txt12B, s.txt13A,
                         s.txt13B, s.txt14A, s.txt14B, s.txt15A, s.txt15B})
        out << b->text();
    return out;
}

QStringList totalBoxes(frmSummary &s)
{
    return {s.txt16A->text(), s.txt22A->text(), s.txt16B->text(), s.txt23A->text()};
}

const QStringList UpdateText{QStringLiteral("Pressing the [Update] button updates the "),
                             QStringLiteral("Points and Multipliers screen.")};
} // namespace

class tst_BandTotals : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void emptyLog_data();
    void emptyLog();
    void totalsAtStartUp();
    void updateButton();
    void deletedBandAndTypedOverBoxes();
    void sumsBeyondSixteenBits();
    void badInput();
};

// clang-format off
void tst_BandTotals::emptyLog_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::newRow("no log file") << QByteArray();
    QTest::newRow("placeholder only") << Window::bytesOf({}, "40");
    QTest::newRow("a cut placeholder") << QByteArray(30, ' ');
}
// clang-format on

void tst_BandTotals::emptyLog()
{
    QFETCH(QByteArray, log);
    Window w(log);
    QCOMPARE(w->ui().lblChartHeader->text(), QStringLiteral("Band\r\nPoints\r\nMultipliers"));
    QCOMPARE(w->ui().lblBands->text(),
             QStringLiteral("   160       80        40        20        15        10         6"));
    QCOMPARE(texts(w->ui().pointLabels()), QStringList(7, "0"));
    QCOMPARE(texts(w->ui().multiplierLabels()), QStringList(7, "0"));
    frmSummary &sheet = w->summarySheet();
    QVERIFY(!sheet.isVisible());
    QCOMPARE(bandBoxes(sheet), QStringList(14, QString()));
    QCOMPARE(totalBoxes(sheet), QStringList(4, "0"));
    // Start-up leaves the title and the record number where they were.
    QCOMPARE(w.panel(), lines(TitleText));
    QCOMPARE(w.panelSize(), 18.0);
    QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Current Record =  1"));
}

void tst_BandTotals::totalsAtStartUp()
{
    const QList<QrpRecord> log{
        contact("A1", "NY", "160", "5", "1"),
        contact("A2", "NJ", "160", "2", "1"),
        contact("A3", "NY", "160", "2", "0"),                                      // same S-P-C again: no multiplier
        contact("A1", "VT", "160", "5", "1"),                                      // a duplicate: nothing
        contact("A4", "ON", "80", "", "1"),                                        // points blank: the member's 5 count
        deleted(),                                                                 // band blank: nowhere
        contact("A5", "NY", "", "5", "1"),                                         // saved without a band: nowhere
        TestLog::record({"A6", "", "5", "CT", "", "", " 20", "", "", "4", "1"}),   // power: 2 points
        TestLog::record({"A7", "", "", "MA", "", "", "20 ", "", "", "2", "1"}),    // no exchange: 0 points
        TestLog::record({"A8", "", "5", "RIXX", "", "", " 15", "", "", "x", "?"}), // DX: 4 points
        contact("A9", "SCOT", "6", "4", "1"),
        contact("B1", "DL", "60", "4", "1"),  // no such band
        contact("B2", "GM", "1 0", "4", "1"), // a blank inside is not removed
        contact("B3", "G", "10", "4", "0"),
        contact("B4", "F", "40", "9", "9"), // hand-changed figures do not count
    };
    Window w(log, "40");
    QCOMPARE(texts(w->ui().pointLabels()), (QStringList{"15", "5", "5", "2", "4", "5", "5"}));
    QCOMPARE(texts(w->ui().multiplierLabels()), (QStringList{"2", "1", "1", "2", "1", "1", "1"}));
    frmSummary &sheet = w->summarySheet();
    QVERIFY(!sheet.isVisible());
    QCOMPARE(bandBoxes(sheet), (QStringList{"15", "2", "5", "1", "5", "1", "2", "2", "4", "1", "5", "1", "5", "1"}));
    QCOMPARE(totalBoxes(sheet), (QStringList{"41", "41", "9", "9"}));
    QCOMPARE(w.beeps(), 0);
}

void tst_BandTotals::updateButton()
{
    Window w({contact("A1", "NY", "40", "5", "1")}, "40");
    w->Timer1_Timer();
    frmSummary &sheet = w->summarySheet();
    QCOMPARE(texts(w->ui().pointLabels()), (QStringList{"0", "0", "5", "0", "0", "0", "0"}));

    // A contact saved on 20 m: the chart waits for Update.
    w->ui().mnu20->trigger();
    w->ui().txtCallsign->setFocus();
    QTest::keyClicks(w->ui().txtCallsign, "g4xyz");
    w->ui().txtSpc->setFocus();
    QTest::keyClicks(w->ui().txtSpc, "eng");
    w->ui().txtPower->setFocus();
    QTest::keyClicks(w->ui().txtPower, "5");
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
    QCOMPARE(texts(w->ui().pointLabels()), (QStringList{"0", "0", "5", "0", "0", "0", "0"}));
    QCOMPARE(bandBoxes(sheet).mid(6, 2), (QStringList{"", ""}));

    w->ui().txtSpecs->setFontSize(18);
    QTest::mouseClick(w->ui().cmdUpdate, Qt::LeftButton);
    QCOMPARE(texts(w->ui().pointLabels()), (QStringList{"0", "0", "5", "2", "0", "0", "0"}));
    QCOMPARE(texts(w->ui().multiplierLabels()), (QStringList{"0", "0", "1", "1", "0", "0", "0"}));
    QCOMPARE(bandBoxes(sheet), (QStringList{"", "", "", "", "5", "1", "2", "1", "", "", "", "", "", ""}));
    QCOMPARE(totalBoxes(sheet), (QStringList{"7", "7", "2", "2"}));
    QCOMPARE(w->ui().lblMode->text(), mode("Updating"));
    QCOMPARE(w.panel(), lines(UpdateText));
    QCOMPARE(w.panelSize(), 8.0);
    QVERIFY(!sheet.isVisible());
    QCOMPARE(w.beeps(), 0);
    // The entry row is not touched.
    QCOMPARE(w->ui().txtBand->text(), QStringLiteral("20"));
    QCOMPARE(w->ui().txtCallsign->text(), QString());

    // The chart header is a label only.
    QTest::mouseClick(w->ui().lblChartHeader, Qt::LeftButton);
    QCOMPARE(w.panel(), lines(UpdateText));
}

void tst_BandTotals::deletedBandAndTypedOverBoxes()
{
    Window w(
        {contact("A1", "NY", "40", "5", "1"), contact("A2", "ON", "80", "2", "1"), contact("A3", "VT", "10", "2", "1")},
        "40");
    frmSummary &sheet = w->summarySheet();
    QCOMPARE(bandBoxes(sheet), (QStringList{"", "", "5", "1", "5", "1", "", "", "", "", "5", "1", "", ""}));
    // The operator writes over the 10 m figures on the sheet.
    sheet.txt14A->setText("7");

    // The only contacts on 40 m and on 10 m are deleted, as the delete command stores it.
    for (qint32 n : {1, 3})
        QCOMPARE(w->log().deleteRecord(n), LogStore::Outcome::Written);
    QTest::mouseClick(w->ui().cmdUpdate, Qt::LeftButton);
    QCOMPARE(texts(w->ui().pointLabels()), (QStringList{"0", "5", "0", "0", "0", "0", "0"}));
    QCOMPARE(texts(w->ui().multiplierLabels()), (QStringList{"0", "1", "0", "0", "0", "0", "0"}));
    // The figures the recount wrote for a band now without contacts are taken
    // away; what the operator typed stays.
    QCOMPARE(bandBoxes(sheet), (QStringList{"", "", "5", "1", "", "", "", "", "", "", "7", "", "", ""}));
    QCOMPARE(totalBoxes(sheet), (QStringList{"5", "5", "1", "1"}));
}

void tst_BandTotals::sumsBeyondSixteenBits()
{
    QList<QrpRecord> log;
    for (int i = 0; i < 7000; ++i)
        log << contact("A" + QString::number(i), "N" + QString::number(i % 900), i % 2 ? "15" : " 15", "5", "1");
    Window w(log, "15");
    QCOMPARE(w->ui().lblS15->text(), QStringLiteral("35000"));
    QCOMPARE(w->ui().lblM15->text(), QStringLiteral("900"));
    QCOMPARE(totalBoxes(w->summarySheet()), (QStringList{"35000", "35000", "900", "900"}));
}

void tst_BandTotals::badInput()
{
    // Arbitrary bytes, a length that is no multiple of 48: records whose band text
    // happens to be one of the seven count, nothing else does.
    QByteArray bytes;
    for (int i = 0; i < 48 * 20; ++i)
        bytes += char((i * 37) & 0xFF);
    QByteArray band20 = contact("A1", "NY", "20", "3", "7").bytes();
    band20[46] = '\xFF';
    bytes += band20 + contact("A2", "NY", "6", "\x01", "8").bytes() + QByteArray(23, '\x00');
    Window w(bytes);
    // The 23 stray bytes are set aside and A2 is kept as a contact, with a placeholder after it.
    QCOMPARE(w->RecordCount(), 23);
    // Both score as the members they are, whatever their Points and Multiplier bytes hold.
    QCOMPARE(texts(w->ui().pointLabels()), (QStringList{"0", "0", "0", "5", "0", "0", "5"}));
    QCOMPARE(texts(w->ui().multiplierLabels()), (QStringList{"0", "0", "0", "1", "0", "0", "1"}));
    QTest::mouseClick(w->ui().cmdUpdate, Qt::LeftButton);
    QCOMPARE(totalBoxes(w->summarySheet()), (QStringList{"10", "10", "2", "2"}));
}

QTEST_MAIN(tst_BandTotals)
#include "tst_bandtotals.moc"
