// The band log sheet: the print-options dialog, which contacts print and where
// their texts stand, the totals, page breaks and what the operator is told.

#include "FakePlatform.h"
#include "OwnSettings.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "reports/LogSheetPrinting.h"
#include "reports/LogSheetRenderer.h"
#include "reports/frmPrinter.h"
#include "rules/LogSheetLayout.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Failure messages name the column and the text.
char *toString(const LogSheetText &t) { return QTest::toString(QStringLiteral("%1@%2").arg(t.text).arg(t.column)); }

namespace {

// Call, ARCI, power, S-P-C, RST sent, RST received, band, date, time, points, multiplier.
QrpRecord contact(const QString &call, const QString &arci, const QString &power, const QString &band,
                  const QString &points = QStringLiteral("5"), const QString &mult = QStringLiteral("1"))
{
    return TestLog::record({call, arci, power, QStringLiteral("NY"), QStringLiteral("579"), QStringLiteral("599"), band,
                            QStringLiteral("12/07/98"), QStringLiteral("14:03:27"), points, mult});
}

QrpRecord deleted()
{
    QrpRecord r;
    r.set(QrpRecord::Callsign, QStringLiteral("DELETED"));
    return r;
}

// Every printed line of a sheet, pages joined.
QList<LogSheetLine> allLines(const QList<QList<LogSheetLine>> &pages)
{
    QList<LogSheetLine> lines;
    for (const auto &p : pages)
        lines += p;
    return lines;
}

// The call signs printed on contact lines (the lines after the header's last rule,
// before the dashes).
QStringList printedCalls(const QList<QList<LogSheetLine>> &pages)
{
    const QList<LogSheetLine> lines = allLines(pages);
    QStringList calls;
    for (qsizetype i = LogSheetLayout::HeaderLines; i < lines.size() - 2; ++i)
        calls << LogSheetLayout::textAt(lines[i], 28);
    return calls;
}

bool isRule(const LogSheetLine &line)
{
    return line.size() == 1 && line[0].column == 1 && line[0].text == QString(86, u'=');
}

} // namespace

class tst_LogSheet : public QObject {
    Q_OBJECT

    struct Setup {
        QTemporaryDir dir;
        FakePlatform fakes;
        std::unique_ptr<frmKestrix> window;
        frmPrinter *dialog = nullptr;

        explicit Setup(const QList<QrpRecord> &records, const QString &placeholderBand = QStringLiteral("40"))
        {
            TestLog::writeLog(dir.path(), records, placeholderBand);
            window = TestLog::openWindow(dir.path(), fakes);
            dialog = &window->logSheetPrinting().form();
        }
        LogSheetPrinting &printing() { return window->logSheetPrinting(); }
        void type(QLineEdit *box, const QString &text)
        {
            box->clear();
            QTest::keyClicks(box, text);
        }
        void rightClickPrint() { QTest::mouseClick(window->ui().cmdPrinter, Qt::RightButton); }
        QString panel() const { return window->ui().txtSpecs->text(); }
    };

    OwnSettings m_settings;

  private Q_SLOTS:

    void init() { m_settings.renew(); }
    void dialogOpensAndOkTellsToRightClick();
    void memberContactLine();
    void selection_data();
    void selection();
    void totals();
    void headerTexts();
    void longContestNameInArial();
    void threePagesWithoutRepeatedHeader();
    void rendererPutsTextsAtTheirColumns();
    void emptyBandBoxPrintsNothing();
    void printerFailureIsReported();
    void successfulPrintLeavesPanelAndModeAlone();
};

void tst_LogSheet::dialogOpensAndOkTellsToRightClick()
{
    Setup s({contact(QStringLiteral("Q1ABC"), QStringLiteral("1234"), {}, QStringLiteral("40"))});
    QVERIFY(s.window->ui().mnuPrint->isEnabled());
    QVERIFY(!s.dialog->isVisible());

    // A left click opens the dialog and prints nothing.
    QTest::mouseClick(s.window->ui().cmdPrinter, Qt::LeftButton);
    QVERIFY(s.dialog->isVisible());
    QCOMPARE(s.dialog->windowTitle(), QStringLiteral("Printer Info"));
    QVERIFY(s.fakes.printTarget.jobs.isEmpty());

    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.type(s.dialog->txtCall, QStringLiteral("k2xyz"));
    QTest::mouseClick(s.dialog->cmdOK, Qt::LeftButton);
    QVERIFY(!s.dialog->isVisible());
    QCOMPARE(s.panel(), QStringLiteral("Turn printer online, check paper supply\r\nRIGHT CLICK ON PRINT BUTTON\r\n"
                                       "to begin printing."));
    QCOMPARE(s.window->ui().txtSpecs->fontSize(), 12.0);

    // The menu item shows the same dialog, fields kept; Cancel hides it and changes nothing.
    s.window->ui().txtSpecs->setText(QStringLiteral("before"));
    s.window->ui().mnuPrint->trigger();
    QVERIFY(s.dialog->isVisible());
    QCOMPARE(&s.printing().form(), s.dialog);
    QCOMPARE(s.dialog->txtWhichBand->text(), QStringLiteral("40"));
    QCOMPARE(s.dialog->txtCall->text(), QStringLiteral("K2XYZ"));
    QTest::mouseClick(s.dialog->cmdCancel, Qt::LeftButton);
    QVERIFY(!s.dialog->isVisible());
    QCOMPARE(s.panel(), QStringLiteral("before"));
    QVERIFY(s.fakes.printTarget.jobs.isEmpty());

    // The band box holds three characters at most.
    s.type(s.dialog->txtWhichBand, QStringLiteral("1600"));
    QCOMPARE(s.dialog->txtWhichBand->text(), QStringLiteral("160"));
}

void tst_LogSheet::memberContactLine()
{
    Setup s({contact(QStringLiteral("Q1ABC"), QStringLiteral("1234"), {}, QStringLiteral("40"))});
    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.rightClickPrint();

    QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
    QCOMPARE(s.fakes.printTarget.jobs[0].baseName, QStringLiteral("LOGSHEET-40"));
    const QList<LogSheetLine> lines = allLines(s.printing().lastSheet());
    QCOMPARE(lines.size(), 15);
    const LogSheetLine expected{
        {1, QStringLiteral("12/07/98")}, {14, QStringLiteral("14:03:27")}, {28, QStringLiteral("Q1ABC")},
        {43, QStringLiteral("599")},     {55, QStringLiteral("NY")},       {65, QStringLiteral("1234")},
        {83, QStringLiteral("579")},     {94, QStringLiteral("5")},        {105, QStringLiteral("1")}};
    QCOMPARE(lines[12], expected);
    // Column heads stand where the sheet puts them, not over the data columns.
    const LogSheetLine heads{
        {2, QStringLiteral("Date")},   {16, QStringLiteral("Time")},   {29, QStringLiteral("Call")},
        {42, QStringLiteral("RST-R")}, {54, QStringLiteral("S-P-C")},  {64, QStringLiteral("ARCI #/PWR")},
        {81, QStringLiteral("RST-S")}, {91, QStringLiteral("Points")}, {103, QStringLiteral("Mult")}};
    QCOMPARE(lines[10], heads);
    QVERIFY(isRule(lines[4]) && isRule(lines[9]) && isRule(lines[11]));
    for (int i : {0, 1, 2, 3, 6, 8})
        QVERIFY2(lines[i].isEmpty(), qPrintable(QString::number(i)));
}

// clang-format off
void tst_LogSheet::selection_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("arciColumn");
    QTest::newRow("40 m only, record order")
        << "40" << QStringList{"K1AAA", "K3CCC", "K4DDD"} << QStringList{"101", "5W", "404"};
    QTest::newRow("20 m") << "20" << QStringList{"K2BBB"} << QStringList{"202"};
    QTest::newRow("trailing blank selects nothing") << "40 " << QStringList{} << QStringList{};
    QTest::newRow("7 for a 40 m log") << "7" << QStringList{} << QStringList{};
    QTest::newRow("part of the band") << "4" << QStringList{} << QStringList{};
    QTest::newRow("band of no contact") << "160" << QStringList{} << QStringList{};
}
// clang-format on

void tst_LogSheet::selection()
{
    QFETCH(QString, band);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, arciColumn);

    QrpRecord blankCall = contact(QString(), QStringLiteral("999"), {}, QStringLiteral("40"));
    QrpRecord paddedBand = contact(QStringLiteral("K4DDD"), QStringLiteral("404"), {}, QString());
    paddedBand.set(QrpRecord::Band, QStringLiteral(" 40")); // stored with a leading blank
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("101"), {}, QStringLiteral("40")),
             contact(QStringLiteral("K2BBB"), QStringLiteral("202"), {}, QStringLiteral("20")), deleted(),
             contact(QStringLiteral("K3CCC"), QString(), QStringLiteral("5W"), QStringLiteral("40"),
                     QStringLiteral("2"), QStringLiteral("0")),
             blankCall, paddedBand},
            QStringLiteral("40"));
    s.type(s.dialog->txtWhichBand, band);
    s.rightClickPrint();

    QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
    const auto &sheet = s.printing().lastSheet();
    QCOMPARE(printedCalls(sheet), calls);
    const QList<LogSheetLine> lines = allLines(sheet);
    QStringList arci;
    for (qsizetype i = LogSheetLayout::HeaderLines; i < lines.size() - 2; ++i)
        arci << LogSheetLayout::textAt(lines[i], 65);
    QCOMPARE(arci, arciColumn);
    // The dashes and totals follow, zero when nothing was selected.
    QCOMPARE(lines[lines.size() - 2], (LogSheetLine{{92, QStringLiteral("------")}, {105, QStringLiteral("----")}}));
    if (calls.isEmpty())
        QCOMPARE(lines.last(), (LogSheetLine{{93, QStringLiteral(" 0")}, {105, QStringLiteral(" 0")}}));
}

void tst_LogSheet::totals()
{
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("1"), {}, QStringLiteral("40"), "5", "1"),
             contact(QStringLiteral("K2BBB"), {}, QStringLiteral("5"), QStringLiteral("40"), "4", "1"),
             contact(QStringLiteral("K3CCC"), {}, QStringLiteral("5"), QStringLiteral("40"), "2", "0"),
             contact(QStringLiteral("K4DDD"), QStringLiteral("4"), {}, QStringLiteral("20"), "5", "1"),
             contact(QStringLiteral("K5EEE"), QStringLiteral("5"), {}, QStringLiteral("40"), " ", "x")});
    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.rightClickPrint();

    const QList<LogSheetLine> lines = allLines(s.printing().lastSheet());
    QCOMPARE(printedCalls(s.printing().lastSheet()).size(), 4);
    QCOMPARE(lines.last(), (LogSheetLine{{93, QStringLiteral(" 11")}, {105, QStringLiteral(" 2")}}));
    // A blank points field prints as nothing and counts 0.
    QCOMPARE(LogSheetLayout::textAt(lines[15], 94), QString());
    QCOMPARE(LogSheetLayout::textAt(lines[15], 105), QStringLiteral("x"));
}

void tst_LogSheet::headerTexts()
{
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("1"), {}, QStringLiteral("80"))});
    // Contest name, call, S-P-C and mode take upper case; date, number and band print as typed.
    s.type(s.dialog->txtContestName, QStringLiteral("winter fireside"));
    s.type(s.dialog->txtDate, QStringLiteral("dec 7th"));
    s.type(s.dialog->txtCall, QStringLiteral("w1aw"));
    s.type(s.dialog->txtSPC, QStringLiteral("ct"));
    s.type(s.dialog->txtNumber, QStringLiteral("5w"));
    s.type(s.dialog->txtWhichBand, QStringLiteral("80"));
    s.type(s.dialog->txtMode, QStringLiteral("cw"));
    s.rightClickPrint();

    const QList<LogSheetLine> lines = allLines(s.printing().lastSheet());
    QCOMPARE(lines[5], (LogSheetLine{{50, QStringLiteral("WINTER FIRESIDE")}, {90, QStringLiteral("dec 7th")}}));
    QCOMPARE(lines[7], (LogSheetLine{{1, QStringLiteral("Callsign = W1AW")},
                                     {25, QStringLiteral("SPC = CT")},
                                     {45, QStringLiteral("ARCI #/Power = 5w")},
                                     {75, QStringLiteral("Band = 80")},
                                     {90, QStringLiteral("Mode = CW")}}));
}

void tst_LogSheet::longContestNameInArial()
{
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("1"), {}, QStringLiteral("40"))});
    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.type(s.dialog->txtDate, QStringLiteral("12/07/98"));
    // 25 capitals fit between columns 50 and 90 in Arial; 40 do not.
    s.type(s.dialog->txtContestName, QStringLiteral("QRP ARCI FIREPLACE SPRINT"));
    s.rightClickPrint();
    QList<LogSheetLine> lines = allLines(s.printing().lastSheet());
    QCOMPARE(LogSheetLayout::textAt(lines[5], 90), QStringLiteral("12/07/98"));

    s.type(s.dialog->txtContestName, QStringLiteral("QRP ARCI HOLIDAY SPIRITS HOMEBREW SPRINT"));
    s.rightClickPrint();
    lines = allLines(s.printing().lastSheet());
    QCOMPARE(lines[5], (LogSheetLine{{50, QStringLiteral("QRP ARCI HOLIDAY SPIRITS HOMEBREW SPRINT")}}));
    QCOMPARE(lines[6], (LogSheetLine{{90, QStringLiteral("12/07/98")}}));
    // The header is one line longer, so the contact prints on line 14.
    QVERIFY(isRule(lines[12]));
    QCOMPARE(LogSheetLayout::textAt(lines[13], 28), QStringLiteral("K1AAA"));
}

void tst_LogSheet::threePagesWithoutRepeatedHeader()
{
    QList<QrpRecord> records;
    for (int i = 1; i <= 150; ++i)
        records << contact(QStringLiteral("K%1X").arg(i), QString::number(i), {}, QStringLiteral("40"));
    Setup s(records);
    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.rightClickPrint();

    QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
    const auto &job = s.fakes.printTarget.jobs[0];
    const auto &sheet = s.printing().lastSheet();
    QCOMPARE(sheet.size(), 3);
    QCOMPARE(job.pages.size(), 3);
    // Page 1 holds the header once; pages 2 and 3 go on with contact lines.
    int rules = 0, heads = 0;
    for (const auto &page : sheet)
        for (const auto &line : page) {
            rules += isRule(line);
            heads += LogSheetLayout::textAt(line, 2) == QStringLiteral("Date");
        }
    QCOMPARE(rules, 3);
    QCOMPARE(heads, 1);
    QCOMPARE(LogSheetLayout::textAt(sheet[1].first(), 14), QStringLiteral("14:03:27"));
    QCOMPARE(LogSheetLayout::textAt(sheet[2].first(), 14), QStringLiteral("14:03:27"));
    QCOMPARE(sheet[0].size(), sheet[1].size());
    // Every contact once, in order; the totals after the last one.
    QStringList expected;
    for (int i = 1; i <= 150; ++i)
        expected << QStringLiteral("K%1X").arg(i);
    QCOMPARE(printedCalls(sheet), expected);
    QCOMPARE(sheet[2].last(), (LogSheetLine{{93, QStringLiteral(" 750")}, {105, QStringLiteral(" 150")}}));
    // The pages the renderer drew: the lines of each page fit on it, the last page has ink.
    const int linesOnPage = int(sheet[0].size());
    QVERIFY(linesOnPage > 40 && linesOnPage < 100);
    QVERIFY(TestLog::hasInk(job.pages[2], QRect(0, 0, job.pages[2].width(), 200)));
    QVERIFY(!TestLog::hasInk(job.pages[2], QRect(0, 1000, job.pages[2].width(), 600)));
}

void tst_LogSheet::rendererPutsTextsAtTheirColumns()
{
    QImage page(1275, 1650, QImage::Format_RGB32);
    page.setDotsPerMeterX(5906);
    page.setDotsPerMeterY(5906);
    page.fill(Qt::white);
    const LogSheetLine line{
        {1, QStringLiteral("12/07/98")}, {14, QStringLiteral("14:03:27")}, {28, QStringLiteral("Q1ABC")},
        {43, QStringLiteral("599")},     {55, QStringLiteral("NY")},       {65, QStringLiteral("1234")},
        {83, QStringLiteral("579")},     {94, QStringLiteral("5")},        {105, QStringLiteral("1")}};
    QPainter painter(&page);
    LogSheetRenderer renderer(painter);
    renderer.drawLine(line, 2);
    QCOMPARE(painter.font().family(), QStringLiteral("Arial"));
    QCOMPARE(painter.font().pointSizeF(), 10.0);
    painter.end();

    // A column is the font's average character width: about 0.44 em for Arial
    // (10 pt at 150 dpi is 20.8 pixels to the em).
    QVERIFY2(renderer.columnWidth() > 8.5 && renderer.columnWidth() < 9.9,
             qPrintable(QString::number(renderer.columnWidth())));
    const int top = int(2 * renderer.lineHeight()), bottom = int(3 * renderer.lineHeight());
    QVERIFY(!TestLog::hasInk(page, QRect(0, 0, page.width(), top)));
    QVERIFY(!TestLog::hasInk(page, QRect(0, bottom + 1, page.width(), page.height())));
    for (const LogSheetText &t : line) {
        const int x = qRound((t.column - 1) * renderer.columnWidth()); // column 1 is the left edge
        // Nothing in the half column before the text's column, ink within its first column.
        if (t.column > 1)
            QVERIFY2(!TestLog::hasInk(page, QRect(x - int(renderer.columnWidth() / 2), top,
                                                  int(renderer.columnWidth() / 2) - 1, bottom - top)),
                     qPrintable(t.text));
        QVERIFY2(TestLog::hasInk(page, QRect(x, top, int(renderer.columnWidth()), bottom - top)), qPrintable(t.text));
    }
}

void tst_LogSheet::emptyBandBoxPrintsNothing()
{
    // With an empty band box only deleted records would match.
    Setup s({deleted(), contact(QStringLiteral("K1AAA"), QStringLiteral("1"), {}, QStringLiteral("40"))});
    s.rightClickPrint(); // before the dialog was ever opened
    QVERIFY(s.fakes.printTarget.jobs.isEmpty());
    QCOMPARE(s.fakes.beeper.count, 1);
    QVERIFY(s.panel().contains(QStringLiteral("band box is empty")));
    QCOMPARE(s.window->ui().txtSpecs->fontSize(), 12.0);
    QVERIFY(s.printing().lastSheet().isEmpty());
}

void tst_LogSheet::printerFailureIsReported()
{
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("1"), {}, QStringLiteral("40"))});
    const QByteArray before = TestLog::readFile(s.dir.path(), QStringLiteral("QRPDATA.DAT"));
    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.type(s.dialog->txtContestName, QStringLiteral("SPRINT"));
    s.fakes.printTarget.fail = true;
    s.rightClickPrint();

    QCOMPARE(s.panel(), QStringLiteral("Log sheet not printed.\r\nThe printer is out of paper."));
    QCOMPARE(s.fakes.beeper.count, 1);
    QVERIFY(s.printing().lastSheet().isEmpty());
    QCOMPARE(s.dialog->txtWhichBand->text(), QStringLiteral("40"));
    QCOMPARE(s.dialog->txtContestName->text(), QStringLiteral("SPRINT"));
    QCOMPARE(TestLog::readFile(s.dir.path(), QStringLiteral("QRPDATA.DAT")), before);

    // The next attempt, printer back, goes through.
    s.fakes.printTarget.fail = false;
    s.rightClickPrint();
    QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
}

void tst_LogSheet::successfulPrintLeavesPanelAndModeAlone()
{
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("1"), {}, QStringLiteral("40"))});
    s.type(s.dialog->txtWhichBand, QStringLiteral("40"));
    s.window->setNewLine();
    s.window->writePanel(8, {QStringLiteral("something else")});
    const QString mode = s.window->ui().lblMode->text();
    const QByteArray before = TestLog::readFile(s.dir.path(), QStringLiteral("QRPDATA.DAT"));
    // Only the right button prints.
    QTest::mouseClick(s.window->ui().cmdPrinter, Qt::MiddleButton);
    QVERIFY(s.fakes.printTarget.jobs.isEmpty());
    s.rightClickPrint();
    QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
    QCOMPARE(s.panel(), QStringLiteral("something else"));
    QCOMPARE(s.window->ui().lblMode->text(), mode);
    QCOMPARE(s.fakes.beeper.count, 0);
    QCOMPARE(TestLog::readFile(s.dir.path(), QStringLiteral("QRPDATA.DAT")), before);
    QVERIFY(!s.dialog->isVisible());
}

QTEST_MAIN(tst_LogSheet)
#include "tst_logsheet.moc"
