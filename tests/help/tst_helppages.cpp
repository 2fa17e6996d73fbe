// The help, title and information pages: what each menu item and menu opening
// writes into the display panel, through the real menus, and what it leaves alone.

#include "FakePlatform.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString CrLf = QStringLiteral("\r\n");

// Shows a page the way the operator reaches it: an item is chosen, a menu opens.
void reach(frmKestrix &w, const QString &name, bool opening)
{
    if (opening) {
        auto *menu = w.findChild<QMenu *>(name);
        QVERIFY2(menu, qPrintable(name));
        menu->popup(QPoint(10, 10));
        QVERIFY(menu->isVisible());
        menu->close();
    } else {
        auto *item = w.findChild<QAction *>(name);
        QVERIFY2(item, qPrintable(name));
        QVERIFY2(item->isEnabled(), qPrintable(name + QStringLiteral(" is disabled")));
        item->trigger();
    }
}

// Opens a menu of the menu bar with a mouse click on its title.
void clickMenuTitle(frmKestrix &w, QMenu *menu)
{
    const QRect title = w.menuBar()->actionGeometry(menu->menuAction());
    QVERIFY(title.isValid());
    QTest::mouseClick(w.menuBar(), Qt::LeftButton, {}, title.center());
    QTRY_VERIFY(menu->isVisible());
}
} // namespace

class tst_HelpPages : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyPage_data();
    void everyPage();
    void helpTexts_data();
    void helpTexts();
    void pagesLeft();
    void menuOpenedAndClosed();
    void instructionsThenChoice();
    void pagesChangeNothingElse();
};

// clang-format off
void tst_HelpPages::everyPage_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("opening");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("firstLine");

    auto row = [](const char *control, bool opening, int size, int lines, const QString &first) {
        QTest::newRow(control) << QString::fromLatin1(control) << opening << size << lines << first;
    };
    row("mnuSpecs", true, 18, 2, QStringLiteral("Orvane's Fabulous"));
    row("mnuFeatures", false, 10, 20, QStringLiteral("General Features Zell Transceiver"));
    row("mnuRcvr", false, 10, 19, QStringLiteral("Receiver Specifications Zell Transceiver"));
    row("mnuCw", false, 10, 10, QStringLiteral("CW Features Zell Transceiver"));
    row("mnuBuild", false, 10, 12, QStringLiteral("Easy to Build Zell Transceiver"));
    row("mnuPricing", false, 10, 3, QString()); // no title line; checked below
    row("mnuHomepage", false, 18, 2, QStringLiteral("Orvane's Homepage"));
    row("mnuKestrix", true, 18, 2, QStringLiteral("Dravek's"));
    row("mnuInstructions", true, 10, 5, QStringLiteral("             Instructions"));
    row("mnuIntro", false, 10, 4, QStringLiteral("This program is designed specifically"));
    row("mnuStart", false, 10, 7, QStringLiteral("Make sure that you set date and clock."));
    row("mnuDupe", false, 10, 3, QStringLiteral("Kestrix automatically checks for duplicates"));
    row("mnuPoints", false, 10, 6, QStringLiteral("Kestrix automatically calculates points"));
    row("mnuAddingRecords", false, 10, 4, QStringLiteral("Complete the data in the RED boxes."));
    row("mnuSearchingRecords", false, 10, 5, QStringLiteral("To search the file, click the [SEARCH] button"));
    row("mnuDeletingRecords", false, 10, 4, QStringLiteral("To delete a record, click [DELETE] button."));
    row("mnuChangingRecords", false, 10, 5, QStringLiteral("To alter record, click  the [CHANGE] button."));
    row("mnuReview", false, 10, 3, QStringLiteral("To review records, enter a record number"));
    row("mnuUpdatingRecords", false, 10, 3, QStringLiteral("Simply click the [UPDATE] button to"));
    row("mnuPrintingRecords", false, 10, 3, QStringLiteral("Click the [PRINT] button to prepare to print."));
    row("mnuFiles", false, 10, 5, QStringLiteral("Kestrix creates a second file called"));
    row("mnuEnding", false, 10, 8, QStringLiteral("After you finish contest and print out logs"));
    row("mnuContact", false, 10, 6, QString()); // the author's first name is free; checked below
}
// clang-format on

void tst_HelpPages::everyPage()
{
    QFETCH(QString, control);
    QFETCH(bool, opening);
    QFETCH(int, size);
    QFETCH(int, lines);
    QFETCH(QString, firstLine);

    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    // Something else in the panel first, at another size, so a page that writes
    // nothing (or keeps the old size) shows.
    w->writePanel(12, {QStringLiteral("before"), QStringLiteral("the page")});

    reach(*w, control, opening);

    const QString text = w->ui().txtSpecs->text();
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(size));
    QVERIFY2(!text.startsWith(CrLf) && !text.endsWith(CrLf), qPrintable(text));
    QCOMPARE(text.count(QLatin1Char('\n')), text.count(CrLf)); // every break is CR LF
    const QStringList got = text.split(CrLf);
    QCOMPARE(got.size(), lines);
    for (const QString &line : got)
        QVERIFY2(!line.trimmed().isEmpty(), qPrintable(text));
    if (!firstLine.isNull())
        QCOMPARE(got.first(), firstLine);

    if (control == QLatin1String("mnuSpecs"))
        QCOMPARE(got.at(1), QStringLiteral("Zell  QRP Transceiver"));
    if (control == QLatin1String("mnuKestrix"))
        QCOMPARE(text, w->titleText());
    if (control == QLatin1String("mnuHomepage")) // a web address: one word with dots
        QVERIFY2(QRegularExpression(QStringLiteral("^[\\w./:-]+\\.[a-z]+/?$")).match(got.at(1)).hasMatch(),
                 qPrintable(got.at(1)));
    if (control == QLatin1String("mnuPricing")) {
        QVERIFY(!got.first().contains(QStringLiteral("Zell Transceiver")));
        QVERIFY2(text.contains(QLatin1Char('$')), qPrintable(text));
    }
    if (control == QLatin1String("mnuContact")) {
        QVERIFY2(QRegularExpression(QStringLiteral("^To contact \\S+, Dravek$")).match(got.at(0)).hasMatch(),
                 qPrintable(got.at(0)));
        QCOMPARE(got.at(1), QStringLiteral("From May 1 - October 1"));
        QCOMPARE(got.at(3), QStringLiteral("From October 1 - May 1"));
        const QRegularExpression mail(QStringLiteral("^E-Mail: \\S+@\\S+\\.\\S+$"));
        QVERIFY2(mail.match(got.at(2)).hasMatch(), qPrintable(got.at(2)));
        QVERIFY2(mail.match(got.at(4)).hasMatch(), qPrintable(got.at(4)));
        QVERIFY(got.at(2) != got.at(4));
        QVERIFY(got.at(5).startsWith(QStringLiteral("Or leave message on ")));
        QVERIFY(got.at(5).size() > QStringLiteral("Or leave message on ").size());
    }
}

// clang-format off
void tst_HelpPages::helpTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("opening");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("Instructions") << "mnuInstructions" << true
                                  << QStringList{"             Instructions",
                                                 "Kestrix using random access files for speed purposes.",
                                                 "Some of the buttons (DELETE, CHANGE) have been made",
                                                 "deliberately a bit more difficult to use",
                                                 "to avoid inadvertant errors."};
    QTest::newRow("Introduction") << "mnuIntro" << false
                                  << QStringList{"This program is designed specifically", "for ARCI contests.",
                                                 "The point/multiplier system used", "only works with ARCI contests."};
    QTest::newRow("Starting contest") << "mnuStart" << false << QStringList{"Make sure that you set date and clock.",
                                                                            "The first time you use Kestrix",
                                                                            "the program creates QRPDATA.DAT",
                                                                            "the file that stores all your data.",
                                                                            "Begin by typing in entries in the",
                                                                            "RED BOXES and click the",
                                                                            "[SAVE RECORD] box after each entry."};
    QTest::newRow("Dupe Checking") << "mnuDupe" << false
                                   << QStringList{"Kestrix automatically checks for duplicates",
                                                  "after you enter the callsign in the", "RED callsign box."};
    QTest::newRow("Points and Multipliers") << "mnuPoints" << false
                                            << QStringList{"Kestrix automatically calculates points",
                                                           "and multipliers based on the",
                                                           "ARCI QRP Club scoring system.",
                                                           "Member = 5 points",
                                                           "Non-member different continent = 4 points",
                                                           "Non-member same continent = 2 points"};
    QTest::newRow("Adding Records") << "mnuAddingRecords" << false
                                    << QStringList{"Complete the data in the RED boxes.",
                                                   "Click the [SAVE RECORD] button.",
                                                   "You do NOT have to fill in time/date boxes.",
                                                   "Use TAB KEY to step through boxes."};
    QTest::newRow("Searching Records") << "mnuSearchingRecords" << false
                                       << QStringList{"To search the file, click the [SEARCH] button",
                                                      "and enter Callsign, SPC, or ARCI # in the Zell",
                                                      "[ON/OFF] button. This screen shows data.",
                                                      "It's helpful to note the RECORD NUMBER.",
                                                      "Click [SEARCH] again to clear/start over."};
    QTest::newRow("Deleting Records") << "mnuDeletingRecords" << false
                                      << QStringList{"To delete a record, click [DELETE] button.",
                                                     "Enter RECORD # in WHITE  [RecNum]  box.",
                                                     "When data appears in BLUE boxes",
                                                     "RIGHT CLICK [DELETE] button to DELETE"};
    QTest::newRow("Changing Records") << "mnuChangingRecords" << false
                                      << QStringList{"To alter record, click  the [CHANGE] button.",
                                                     "Enter record number in WHITE [RecNum] box.",
                                                     "Make your changes in the BLUE boxes and",
                                                     "RIGHT CLICK  the [CHANGE] button to SAVE",
                                                     "DO NOT USE [ADD] button for this function."};
    QTest::newRow("Reviewing Records") << "mnuReview" << false
                                       << QStringList{"To review records, enter a record number",
                                                      "in the WHITE RecNum box and press",
                                                      "[+] or [-] buttons to change records"};
    QTest::newRow("Updating Records") << "mnuUpdatingRecords" << false
                                      << QStringList{"Simply click the [UPDATE] button to",
                                                     "update your contest progress in terms of",
                                                     "Points and Multipliers."};
    QTest::newRow("Printing Records") << "mnuPrintingRecords" << false
                                      << QStringList{"Click the [PRINT] button to prepare to print.",
                                                     "Complete the requested information and",
                                                     "RIGHT CLICK [PRINT] button to print."};
    QTest::newRow("Kestrix File Information")
        << "mnuFiles" << false
        << QStringList{"Kestrix creates a second file called", "ARCIFILE.DAT which is a modified version",
                       "of QRPDATA.DAT.  Use NOTEPAD to open", "this file.  You will be able to exchange files",
                       "and use the file for remote printing."};
    QTest::newRow("Ending contest") << "mnuEnding" << false
                                    << QStringList{"After you finish contest and print out logs",
                                                   "you MUST rename or delete the files",
                                                   "QRPDATA.DAT and ARCIFILE.DAT",
                                                   "Otherwise when you start a new contest",
                                                   "your old entries will still be there.",
                                                   "If you delete the files the program will",
                                                   "create new QRPDATA.DAT",
                                                   "and ARCIFILE.DAT files upon startup."};
    QTest::newRow("Orvane title") << "mnuSpecs" << true << QStringList{"Orvane's Fabulous", "Zell  QRP Transceiver"};
    QTest::newRow("Kestrix title") << "mnuKestrix" << true << QStringList{"Dravek's", "ARCI Kestrix Program"};
}
// clang-format on

void tst_HelpPages::helpTexts()
{
    QFETCH(QString, control);
    QFETCH(bool, opening);
    QFETCH(QStringList, lines);

    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->writePanel(8, {QStringLiteral("-")});
    reach(*w, control, opening);
    QCOMPARE(w->ui().txtSpecs->text(), lines.join(CrLf));
}

// A page stays in the panel until the next writer replaces it, and the next page
// replaces the whole text, whatever was there.
void tst_HelpPages::pagesLeft()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->ui().mnuEnding->trigger();
    QCOMPARE(w->ui().txtSpecs->text().split(CrLf).size(), 8);
    w->ui().mnuHomepage->trigger(); // 18-point page after a 10-point one
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(18));
    QCOMPARE(w->ui().txtSpecs->text().split(CrLf).size(), 2);
    w->ui().mnuDupe->trigger(); // and back
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(10));
    QCOMPARE(w->ui().txtSpecs->text().split(CrLf).size(), 3);
}

// Through the menu bar: a menu opened and closed without a choice leaves its
// title page; "Help" and "Set Band" show nothing when they open.
void tst_HelpPages::menuOpenedAndClosed()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    clickMenuTitle(*w, w->ui().mnuSpecs);
    QTest::keyClick(w->ui().mnuSpecs, Qt::Key_Escape);
    QTRY_VERIFY(!w->ui().mnuSpecs->isVisible());
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("Orvane's Fabulous\r\nZell  QRP Transceiver"));
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(18));

    w->writePanel(8, {QStringLiteral("search result")});
    clickMenuTitle(*w, w->ui().mnuKestrix);
    QTest::keyClick(w->ui().mnuKestrix, Qt::Key_Escape);
    QTRY_VERIFY(!w->ui().mnuKestrix->isVisible());
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("Dravek's\r\nARCI Kestrix Program"));
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(18));

    // "Set Band" inside "Kestrix Program": the menu's own title page stays.
    w->writePanel(8, {QStringLiteral("search result")});
    clickMenuTitle(*w, w->ui().mnuKestrix);
    w->ui().mnuBand->popup(w->mapToGlobal(QPoint(40, 40)));
    QTRY_VERIFY(w->ui().mnuBand->isVisible());
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("Dravek's\r\nARCI Kestrix Program"));
    w->ui().mnuBand->close();
    w->ui().mnuKestrix->close();
    w->writePanel(8, {QStringLiteral("search result")});
    w->ui().mnuBand->popup(w->mapToGlobal(QPoint(40, 40)));
    QTRY_VERIFY(w->ui().mnuBand->isVisible());
    w->ui().mnuBand->close();
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("search result"));
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(8));

    clickMenuTitle(*w, w->ui().mnuHelp);
    QTest::keyClick(w->ui().mnuHelp, Qt::Key_Escape);
    QTRY_VERIFY(!w->ui().mnuHelp->isVisible());
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("search result"));
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(8));
}

// "Help" > "Instructions" > "Dupe Checking": the Instructions page while the
// submenu is open, the Dupe Checking page after the choice.
void tst_HelpPages::instructionsThenChoice()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QString startText = w->ui().txtSpecs->text();

    clickMenuTitle(*w, w->ui().mnuHelp);
    QCOMPARE(w->ui().txtSpecs->text(), startText);
    QTest::keyClick(w->ui().mnuHelp, Qt::Key_Down); // onto "Instructions"
    QCOMPARE(w->ui().mnuHelp->activeAction(), w->ui().mnuInstructions->menuAction());
    QTest::keyClick(w->ui().mnuHelp, Qt::Key_Right); // opens the submenu
    QTRY_VERIFY(w->ui().mnuInstructions->isVisible());
    QCOMPARE(w->ui().txtSpecs->text().split(CrLf).first(), QStringLiteral("             Instructions"));
    QCOMPARE(w->ui().txtSpecs->text().split(CrLf).size(), 5);

    const QRect dupe = w->ui().mnuInstructions->actionGeometry(w->ui().mnuDupe);
    QTest::mouseClick(w->ui().mnuInstructions, Qt::LeftButton, {}, dupe.center());
    QTRY_VERIFY(!w->ui().mnuInstructions->isVisible());
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("Kestrix automatically checks for duplicates\r\n"
                                                      "after you enter the callsign in the\r\n"
                                                      "RED callsign box."));
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(10));
}

// Pages write the display panel only: the mode line, the boxes, the band chart,
// the caption and both log files stay as they were.
void tst_HelpPages::pagesChangeNothingElse()
{
    QTemporaryDir dir;
    TestLog::writeLog(
        dir.path(),
        {TestLog::record({"K1ABC", "1234", "", "MA", "579", "559", "40", "12/07/98", "14:03:27", "5", "1"}),
         TestLog::record({"VE3XYZ", "", "5", "ONT", "599", "579", "40", "12/07/98", "14:10:02", "4", "1"})},
        QStringLiteral("40"));
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->ui().txtCallsign->setText(QStringLiteral("W2"));
    w->ui().txtCall->setText(QStringLiteral("N0CALL"));
    QTest::mouseClick(w->ui().cmdCalendar, Qt::LeftButton); // "Date"
    QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Date"));

    auto snapshot = [&] {
        QStringList s{w->ui().lblMode->text(), w->windowTitle(), w->ui().lblChartHeader->text()};
        for (QLineEdit *box : w->findChildren<QLineEdit *>())
            s << box->objectName() + QLatin1Char('=') + box->text();
        for (QLabel *cell : w->ui().pointLabels() + w->ui().multiplierLabels())
            s << cell->text();
        return s;
    };
    const QStringList before = snapshot();
    const QByteArray qrp = TestLog::readFile(dir.path(), QStringLiteral("QRPDATA.DAT"));
    const QByteArray arci = TestLog::readFile(dir.path(), QStringLiteral("ARCIFILE.DAT"));

    for (QMenu *menu : {w->ui().mnuSpecs, w->ui().mnuKestrix, w->ui().mnuInstructions}) {
        menu->popup(QPoint(10, 10));
        menu->close();
    }
    for (QAction *item : w->ui().mnuSpecs->actions() + w->ui().mnuInstructions->actions())
        item->trigger();

    QCOMPARE(w->ui().txtSpecs->text().split(CrLf).first().left(11), QStringLiteral("To contact "));
    QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Date"));
    QCOMPARE(snapshot(), before);
    QCOMPARE(TestLog::readFile(dir.path(), QStringLiteral("QRPDATA.DAT")), qrp);
    QCOMPARE(TestLog::readFile(dir.path(), QStringLiteral("ARCIFILE.DAT")), arci);
}

QTEST_MAIN(tst_HelpPages)
#include "tst_helppages.moc"
