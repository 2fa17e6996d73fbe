// The contest summary sheet: the final score, Clear Form, Cancel, printing the
// window, and the band totals the recount writes into it.

#include "FakePlatform.h"
#include "OwnSettings.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "reports/SummarySheet.h"
#include "reports/frmSummary.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QrpRecord contact(const QString &call, const QString &band, const QString &points, const QString &mult)
{
    return TestLog::record({call,
                            QStringLiteral("1"),
                            {},
                            QStringLiteral("NY"),
                            QStringLiteral("579"),
                            QStringLiteral("599"),
                            band,
                            QStringLiteral("12/07/98"),
                            QStringLiteral("14:03:27"),
                            points,
                            mult});
}

int inkPixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

} // namespace

class tst_SummarySheet : public QObject {
    Q_OBJECT

    struct Setup {
        QTemporaryDir dir;
        FakePlatform fakes;
        std::unique_ptr<frmKestrix> window;
        frmSummary *sheet = nullptr;

        explicit Setup(const QList<QrpRecord> &records = {})
        {
            TestLog::writeLog(dir.path(), records, QStringLiteral("40"));
            window = TestLog::openWindow(dir.path(), fakes);
            sheet = &window->summarySheet();
        }
        void type(QLineEdit *box, const QString &text)
        {
            box->clear();
            QTest::keyClicks(box, text);
        }
        void calculate() { QTest::mouseClick(sheet->cmdCalculate, Qt::LeftButton); }
    };

    OwnSettings m_settings;

  private Q_SLOTS:

    void init() { m_settings.renew(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void finalScore_data();
    void finalScore();
    void overflowKeepsTheScore();
    void clearFormKeepsBonusBoxes();
    void cancelKeepsContents();
    void instructionsAndTabOrder();
    void printSummaryIsOnePage();
    void printFailureChangesNothing();
    void recountWritesBandsWithContacts();
};

// clang-format off
void tst_SummarySheet::finalScore_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("spc");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("bonusMult"); // null: the box keeps its first text
    QTest::addColumn<QString>("bonusPoints");
    QTest::addColumn<QString>("score");
    // The arithmetic is the rules' (tests/rules/tst_finalscore.cpp); here the boxes
    // it is read from and written to, the bonus boxes with and without their first texts.
    QTest::newRow("840") << "24"
                         << "5"
                         << "7" << QString() << QString() << "840";
    QTest::newRow("empty power: bonus points") << "24"
                                               << "5"
                                               << ""
                                               << "2"
                                               << "100"
                                               << "100";
    QTest::newRow("bonus multiplier and points") << "100"
                                                 << "20"
                                                 << "2"
                                                 << "1.5"
                                                 << "50"
                                                 << "6050";
}
// clang-format on

void tst_SummarySheet::finalScore()
{
    QFETCH(QString, points);
    QFETCH(QString, spc);
    QFETCH(QString, power);
    QFETCH(QString, bonusMult);
    QFETCH(QString, bonusPoints);
    QFETCH(QString, score);

    Setup s;
    s.type(s.sheet->txt22A, points);
    s.type(s.sheet->txt23A, spc);
    s.type(s.sheet->txt24A, power);
    if (!bonusMult.isNull())
        s.type(s.sheet->txt25A, bonusMult);
    if (!bonusPoints.isNull())
        s.type(s.sheet->txt26A, bonusPoints);
    s.type(s.sheet->txt27A, QStringLiteral("old"));
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), score);
    // The export reads the multipliers and bonus the way Calculate does.
    const std::optional<double> fromFigures = FinalScore::of(s.window->summary().scoreFigures());
    QVERIFY(fromFigures.has_value());
    QCOMPARE(FinalScore::text(*fromFigures), score);
    // Nothing else changes.
    QCOMPARE(s.sheet->txt22A->text(), points);
    QCOMPARE(s.sheet->txt24A->text(), power);
    QCOMPARE(s.fakes.beeper.count, 0);
}

void tst_SummarySheet::overflowKeepsTheScore()
{
    Setup s;
    s.type(s.sheet->txt22A, QStringLiteral("24"));
    s.type(s.sheet->txt23A, QStringLiteral("5"));
    s.type(s.sheet->txt24A, QStringLiteral("7"));
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), QStringLiteral("840"));

    s.type(s.sheet->txt22A, QStringLiteral("1E300"));
    s.type(s.sheet->txt23A, QStringLiteral("1E300"));
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), QStringLiteral("840"));
    QCOMPARE(s.fakes.beeper.count, 1);
    QVERIFY(s.window->ui().txtSpecs->text().contains(QStringLiteral("too large")));
    QCOMPARE(s.sheet->txt22A->text(), QStringLiteral("1E300"));

    // Infinity times zero is no number either.
    s.type(s.sheet->txt24A, QStringLiteral("0"));
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), QStringLiteral("840"));
    QCOMPARE(s.fakes.beeper.count, 2);
}

void tst_SummarySheet::clearFormKeepsBonusBoxes()
{
    Setup s;
    const QString instructions = s.sheet->lbl19->text();
    for (QLineEdit *box : s.sheet->boxes())
        if (box != s.sheet->txt25A && box != s.sheet->txt26A)
            s.type(box, QStringLiteral("x") + box->objectName());
    QCOMPARE(s.sheet->boxes().size(), 43);
    QTest::mouseClick(s.sheet->cmdClear, Qt::LeftButton);
    for (QLineEdit *box : s.sheet->boxes()) {
        if (box == s.sheet->txt25A || box == s.sheet->txt26A)
            continue;
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QCOMPARE(s.sheet->txt25A->text(), QStringLiteral("1\r\n"));
    QCOMPARE(s.sheet->txt26A->text(), QStringLiteral("0\r\n"));
    QCOMPARE(s.sheet->lbl19->text(), instructions);
    QCOMPARE(s.sheet->lbl17->text(), QStringLiteral("Points"));

    // The emptied boxes count 0: the score is the bonus points.
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), QStringLiteral("0"));
    s.type(s.sheet->txt26A, QStringLiteral("25"));
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), QStringLiteral("25"));
}

void tst_SummarySheet::cancelKeepsContents()
{
    Setup s;
    QVERIFY(s.window->ui().mnuSummary->isEnabled());
    QVERIFY(!s.sheet->isVisible());
    s.window->ui().mnuSummary->trigger();
    QVERIFY(s.sheet->isVisible());
    QCOMPARE(s.sheet->windowTitle(), QStringLiteral("ARCI Contest Summary Sheet"));
    s.type(s.sheet->txt1A, QStringLiteral("Fireside Sprint"));
    s.type(s.sheet->txt9A, QStringLiteral("12"));
    QTest::mouseClick(s.sheet->cmdCancel, Qt::LeftButton);
    QVERIFY(!s.sheet->isVisible());
    s.window->ui().mnuSummary->trigger();
    QVERIFY(s.sheet->isVisible());
    QCOMPARE(&s.window->summarySheet(), s.sheet);
    QCOMPARE(s.sheet->txt1A->text(), QStringLiteral("Fireside Sprint"));
    QCOMPARE(s.sheet->txt9A->text(), QStringLiteral("12"));
}

void tst_SummarySheet::instructionsAndTabOrder()
{
    Setup s;
    const QStringList lines = s.sheet->lbl19->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines[0], QStringLiteral("1. Enter all data above and indicate entry"));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[9], QStringLiteral("add bonus points for final score."));
    // No address until the operator types one beside the last line.
    QCOMPARE(lines[11], QStringLiteral("5. Send entries to:"));
    QCOMPARE(s.sheet->txtSendEntriesTo->toPlainText(), QString());

    // Tab walks the boxes row by row, the address, then the four buttons.
    QStringList order;
    QWidget *w = s.sheet->txt1A;
    for (int i = 0; i < 48; ++i) {
        order << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(order.mid(0, 10),
             (QStringList{"txt1A", "txt2A", "txt3A", "txt4A", "txt5A", "txt6A", "txt7A", "txt9A", "txt9B", "txt10A"}));
    QCOMPARE(order.mid(22, 7), (QStringList{"txt16B", "txt22A", "txt23A", "txt24A", "txt25A", "txt26A", "txt27A"}));
    QCOMPARE(order.mid(39, 9), (QStringList{"txt38A", "Text3", "txt40A", "Text4", "txtSendEntriesTo", "cmcPrint",
                                            "cmdCancel", "cmdCalculate", "cmdClear"}));
}

void tst_SummarySheet::printSummaryIsOnePage()
{
    Setup s;
    s.window->ui().mnuSummary->trigger();
    s.type(s.sheet->txt1A, QStringLiteral("FIRESIDE SPRINT"));
    s.window->ui().txtSpecs->setText(QStringLiteral("unchanged"));
    QTest::mouseClick(s.sheet->cmcPrint, Qt::LeftButton);

    QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
    const auto &job = s.fakes.printTarget.jobs[0];
    QCOMPARE(job.baseName, QStringLiteral("SUMMARY"));
    QCOMPARE(job.pages.size(), 1);
    // The window is drawn on the page's upper part, the rest stays white.
    const QImage &page = job.pages[0];
    QVERIFY(inkPixels(page.copy(0, 0, page.width(), page.height() / 2)) > 1000);
    QCOMPARE(inkPixels(page.copy(0, page.height() * 3 / 4, page.width(), page.height() / 4)), 0);
    QCOMPARE(s.window->ui().txtSpecs->text(), QStringLiteral("unchanged"));
    QCOMPARE(s.sheet->txt1A->text(), QStringLiteral("FIRESIDE SPRINT"));
    QVERIFY(s.sheet->isVisible());
}

void tst_SummarySheet::printFailureChangesNothing()
{
    Setup s;
    s.window->ui().mnuSummary->trigger();
    s.type(s.sheet->txt3A, QStringLiteral("W1AW"));
    s.fakes.printTarget.fail = true;
    QTest::mouseClick(s.sheet->cmcPrint, Qt::LeftButton);
    QCOMPARE(s.window->ui().txtSpecs->text(),
             QStringLiteral("Summary sheet not printed.\r\nThe printer is out of paper."));
    QCOMPARE(s.fakes.beeper.count, 1);
    QCOMPARE(s.sheet->txt3A->text(), QStringLiteral("W1AW"));
    QCOMPARE(s.sheet->txt25A->text(), QStringLiteral("1\r\n"));
    QVERIFY(s.sheet->isVisible());
}

void tst_SummarySheet::recountWritesBandsWithContacts()
{
    Setup s({contact(QStringLiteral("K1AAA"), QStringLiteral("40"), QStringLiteral("5"), QStringLiteral("1")),
             contact(QStringLiteral("K2BBB"), QStringLiteral("20"), QStringLiteral("4"), QStringLiteral("1")),
             contact(QStringLiteral("K1AAA"), QStringLiteral("40"), QStringLiteral("5"), QStringLiteral("1"))});
    // Start-up's recount created the sheet hidden and filled it.
    QVERIFY(!s.sheet->isVisible());
    // The second K1AAA on 40 m is a duplicate and scores nothing; the stored "4" is
    // not the member's 5.
    QCOMPARE(s.sheet->txt11A->text(), QStringLiteral("5"));
    QCOMPARE(s.sheet->txt11B->text(), QStringLiteral("1"));
    QCOMPARE(s.sheet->txt12A->text(), QStringLiteral("5"));
    QCOMPARE(s.sheet->txt12B->text(), QStringLiteral("1"));
    for (QLineEdit *box : {s.sheet->txt9A, s.sheet->txt9B, s.sheet->txt10A, s.sheet->txt13A, s.sheet->txt15B})
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(s.sheet->txt16A->text(), QStringLiteral("10"));
    QCOMPARE(s.sheet->txt22A->text(), QStringLiteral("10"));
    QCOMPARE(s.sheet->txt16B->text(), QStringLiteral("2"));
    QCOMPARE(s.sheet->txt23A->text(), QStringLiteral("2"));

    // Hand-typed rows of bands without contacts survive Update; the others are rewritten.
    s.type(s.sheet->txt9A, QStringLiteral("30"));
    s.type(s.sheet->txt11A, QStringLiteral("99"));
    QTest::mouseClick(s.window->ui().cmdUpdate, Qt::LeftButton);
    QCOMPARE(s.sheet->txt9A->text(), QStringLiteral("30"));
    QCOMPARE(s.sheet->txt11A->text(), QStringLiteral("5"));
    QVERIFY(!s.sheet->isVisible());

    // The recount's totals feed the final score.
    s.type(s.sheet->txt24A, QStringLiteral("7"));
    s.calculate();
    QCOMPARE(s.sheet->txt27A->text(), QStringLiteral("140"));
}

QTEST_MAIN(tst_SummarySheet)
#include "tst_summarysheet.moc"
