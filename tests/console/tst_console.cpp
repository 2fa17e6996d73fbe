// The main window through its real controls: start-up, the entry row's
// Add / Save Record / Clear, Exit and the close box, the clock, the layout.

#include "FakePlatform.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "history/ui/CallHistorySubsystem.h"
#include "platform/Confirmation.h"
#include "reports/LogSheetPrinting.h"
#include "reports/frmPrinter.h"
#include "reports/frmSummary.h"
#include "widgets/DisplayPanel.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using TestLog::readFile;

namespace {
const QString CRLF = QStringLiteral("\r\n");
const QString Title = QStringLiteral("Dravek's\r\nARCI Kestrix Program");

QrpRecord contact(const QString &call, const QString &band)
{
    return TestLog::record({call, "1234", "", "NY", "579", "599", band, "12/07/98", "14:03:27", "5", "1"});
}

// Types the member contact of the example into the entry row, as the operator does.
void typeMemberContact(frmKestrix &w)
{
    QTest::keyClicks(w.ui().txtCallsign, "Q1ABC");
    QTest::keyClicks(w.ui().txtRstRcvd, "599");
    QTest::keyClicks(w.ui().txtRstSent, "579");
    QTest::keyClicks(w.ui().txtSpc, "NY");
    QTest::keyClicks(w.ui().txtArci, "1234");
}
} // namespace

class TestConsole : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void firstStartInEmptyFolder()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        QVERIFY(QFile::exists(dir.filePath("QRPDATA.DAT")));
        QVERIFY(QFile::exists(dir.filePath("ARCIFILE.DAT")));
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT").size(), 0);
        QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT").size(), 0);
        QCOMPARE(w->windowTitle(), QStringLiteral("Record  1/ 1"));
        QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Current Record =  1"));
        QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" 1"));
        QCOMPARE(w->ui().txtSpecs->text(), Title);
        QCOMPARE(w->ui().txtSpecs->fontSize(), 18.0);
        QCOMPARE(w->ui().lblChartHeader->text(), QStringLiteral("Band\r\nPoints\r\nMultipliers"));
        for (QLineEdit *box : {w->ui().txtCallsign, w->ui().txtRstRcvd, w->ui().txtRstSent, w->ui().txtSpc,
                               w->ui().txtArci, w->ui().txtPower, w->ui().txtBand, w->ui().txtDate, w->ui().txtTime,
                               w->ui().txtPoints, w->ui().txtMultiplier})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        // Until the first tick the clock labels are empty.
        QCOMPARE(w->ui().lblClock->text(), QString());
        QVERIFY(w->ui().Timer1->isActive());
        QCOMPARE(w->ui().Timer1->interval(), 500);
    }

    void saveMemberContactByteForByte()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        w->ui().mnu40->setEnabled(true);
        w->ui().txtBand->setText("40");
        w->Timer1_Timer();
        QCOMPARE(w->ui().lblClock->text(), QStringLiteral("14:03:27 GMT"));
        QCOMPARE(w->ui().lblDate->text(), QStringLiteral("12/07/98"));
        typeMemberContact(*w);
        // Points and multiplier as the scoring rules set them for a member on an empty log.
        w->ui().txtPoints->setText("5");
        w->ui().txtMultiplier->setText("1");
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);

        QrpRecord placeholder;
        placeholder.set(QrpRecord::Band, "40");
        const QByteArray qrp = readFile(dir.path(), "QRPDATA.DAT");
        QCOMPARE(qrp.size(), 96);
        QCOMPARE(qrp.left(48), QByteArray("Q1ABC   1234     NY  57959940 12/07/9814:03:2751"));
        QCOMPARE(qrp.mid(48), placeholder.bytes());
        const QByteArray arci = readFile(dir.path(), "ARCIFILE.DAT");
        QCOMPARE(arci, QByteArray("12/07/98   14:03:27   Q1ABC       40    599   NY     1234          579   5   1 ") +
                           QByteArray("\x02\x00\r\n", 4));

        QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" 2"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Record  2/ 2"));
        QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Mode\r\nAdding New Record"));
        QCOMPARE(w->ui().txtSpecs->text(), Title);
        QCOMPARE(w->ui().txtSpecs->fontSize(), 18.0);
        QCOMPARE(w->ui().txtBand->text(), QStringLiteral("40"));
        for (QLineEdit *box :
             {w->ui().txtCallsign, w->ui().txtRstRcvd, w->ui().txtRstSent, w->ui().txtSpc, w->ui().txtArci,
              w->ui().txtPower, w->ui().txtDate, w->ui().txtTime, w->ui().txtPoints, w->ui().txtMultiplier})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(w->RecordCount(), 2);
        QCOMPARE(w->CurrentRecord(), 2);
    }

    void twoSavesKeepTheBand()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        w->ui().txtBand->setText("20");
        w->Timer1_Timer();
        QTest::keyClicks(w->ui().txtCallsign, "K1AA");
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
        fakes.clock.current = fakes.clock.current.addSecs(65);
        w->Timer1_Timer();
        QTest::keyClicks(w->ui().txtCallsign, "K2BB");
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);

        const QByteArray qrp = readFile(dir.path(), "QRPDATA.DAT");
        QCOMPARE(qrp.size(), 3 * 48);
        const QrpRecord first = QrpRecord::fromBytes(qrp.left(48));
        const QrpRecord second = QrpRecord::fromBytes(qrp.mid(48, 48));
        const QrpRecord third = QrpRecord::fromBytes(qrp.mid(96, 48));
        QCOMPARE(first.value(QrpRecord::Callsign), QStringLiteral("K1AA"));
        QCOMPARE(second.value(QrpRecord::Callsign), QStringLiteral("K2BB"));
        QCOMPARE(first.value(QrpRecord::Band), QStringLiteral("20"));
        QCOMPARE(second.value(QrpRecord::Band), QStringLiteral("20"));
        QCOMPARE(second.value(QrpRecord::QsoTime), QStringLiteral("14:04:32"));
        QCOMPARE(third.raw(QrpRecord::Band), QStringLiteral("20 "));
        QCOMPARE(third.value(QrpRecord::Callsign), QString());
        QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT").size(), 2 * 83);
        QCOMPARE(w->ui().txtBand->text(), QStringLiteral("20"));
        QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" 3"));

        // An empty entry row still stores band, date and time, and moves on.
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
        const QrpRecord blank = QrpRecord::fromBytes(readFile(dir.path(), "QRPDATA.DAT").mid(96, 48));
        QCOMPARE(blank.bytes(), QByteArray("                           20 12/07/9814:04:32  "));
        QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" 4"));
    }

    void saveBeforeTheFirstTickStoresNoDateOrTime()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        QTest::keyClicks(w->ui().txtCallsign, "N0CALL");
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
        const QrpRecord r = QrpRecord::fromBytes(readFile(dir.path(), "QRPDATA.DAT").left(48));
        QCOMPARE(r.raw(QrpRecord::QsoDate), QStringLiteral("        "));
        QCOMPARE(r.raw(QrpRecord::QsoTime), QStringLiteral("        "));
    }

    // clang-format off
    void saveRefusesAnyNumberButThePlaceholders_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-2";
        QTest::newRow("a stored contact") << "1";
        QTest::newRow("past the end") << "9";
        QTest::newRow("no number") << "abc";
        QTest::newRow("huge") << "99999999999";
    }
    // clang-format on
    void saveRefusesAnyNumberButThePlaceholders()
    {
        QFETCH(QString, number);
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), {contact("K1AA", "40")}, "40");
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        const QByteArray qrp = readFile(dir.path(), "QRPDATA.DAT");
        const QByteArray arci = readFile(dir.path(), "ARCIFILE.DAT");
        QTest::keyClicks(w->ui().txtCallsign, "W9ZZ");
        w->ui().txtRecNumber->setText(number);
        const int beeps = fakes.beeper.count;
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT"), qrp);
        QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT"), arci);
        QCOMPARE(fakes.beeper.count, beeps + 1);
        QVERIFY(w->ui().txtSpecs->text().startsWith(QStringLiteral("Record NOT saved.")));
        QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("W9ZZ")); // nothing typed is lost
        // The placeholder's own number, written either way, saves.
        w->ui().txtRecNumber->setText("2.0");
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT").size(), 3 * 48);
    }

    void clearAndAdd()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), {contact("K1AA", "40")}, "40");
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        const QByteArray qrp = readFile(dir.path(), "QRPDATA.DAT");
        const QByteArray arci = readFile(dir.path(), "ARCIFILE.DAT");
        QTest::keyClicks(w->ui().txtCallsign, "W1HALF");
        QTest::keyClicks(w->ui().txtSpc, "MA");
        w->ui().txtCall->setText("K9REV");
        QTest::mouseClick(w->ui().cmdClear, Qt::LeftButton);
        for (QLineEdit *box :
             {w->ui().txtCallsign, w->ui().txtArci, w->ui().txtPower, w->ui().txtSpc, w->ui().txtRstRcvd,
              w->ui().txtRstSent, w->ui().txtDate, w->ui().txtTime, w->ui().txtPoints, w->ui().txtMultiplier,
              w->ui().txtSearchInfo, w->ui().txtCall, w->ui().txtRecNum})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(w->ui().txtBand->text(), QStringLiteral("40"));
        QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" 2"));
        QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Mode\r\nScreens Cleared"));
        QCOMPARE(w->ui().txtSpecs->text(), Title);
        QCOMPARE(w->ui().txtSpecs->fontSize(), 18.0);
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT"), qrp);
        QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT"), arci);

        // Add only instructs: no box, file or mode line changes.
        w->ui().txtCallsign->setText("K5X");
        const QString mode = w->ui().lblMode->text();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::mouseClick(w->ui().cmdAddRecord, Qt::LeftButton);
        QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("Add data in the RED BOXES only\r\n"
                                                          "CLICK the [SAVE RECORD] button to SAVE record.\r\n"
                                                          "Time/date will be added automatically\r\n"
                                                          "Use TAB KEY to step through boxes"));
        QCOMPARE(w->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(w->ui().lblMode->text(), mode);
        QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("K5X"));
        QCOMPARE(QApplication::focusWidget(), w->ui().txtCallsign);
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT"), qrp);
    }

    void startUpOnElevenContacts()
    {
        QTemporaryDir dir;
        QList<QrpRecord> log;
        for (int i = 0; i < 11; ++i)
            log << contact(QStringLiteral("K%1AA").arg(i), "40");
        TestLog::writeLog(dir.path(), log, "40");
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        QCOMPARE(w->windowTitle(), QStringLiteral("Record  12/ 12"));
        QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" 12"));
        QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Current Record =  12"));
        QCOMPARE(w->ui().txtBand->text(), QStringLiteral("40"));
        QCOMPARE(w->ui().txtCallsign->text(), QString());
        QCOMPARE(w->ui().txtSpecs->text(), Title);
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT").size(), 12 * 48); // start-up writes nothing
    }

    void startUpCompletesACutOffSave()
    {
        QTemporaryDir dir;
        const QrpRecord first = contact("K1AA", "40");
        const QrpRecord cut = contact("W2CUT", "15");
        TestLog::writeLog(dir.path(), {first, cut});
        TestLog::writeFile(dir.path(), "ARCIFILE.DAT", ArciLine::forRecord(first).bytes());
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        QCOMPARE(w->windowTitle(), QStringLiteral("Record  3/ 3"));
        QCOMPARE(w->ui().txtBand->text(), QStringLiteral("15"));
        const QByteArray qrp = readFile(dir.path(), "QRPDATA.DAT");
        QCOMPARE(qrp.left(96), first.bytes() + cut.bytes());
        QCOMPARE(qrp.size(), 144);
        QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT").mid(83), ArciLine::forRecord(cut).bytes());
        // The next contact goes after the one that was cut off.
        w->Timer1_Timer();
        QTest::keyClicks(w->ui().txtCallsign, "K3NEXT");
        QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
        const QByteArray after = readFile(dir.path(), "QRPDATA.DAT");
        QCOMPARE(after.left(96), first.bytes() + cut.bytes());
        QCOMPARE(QrpRecord::fromBytes(after.mid(96, 48)).value(QrpRecord::Callsign), QStringLiteral("K3NEXT"));
    }

    void exitWritesTheReviewRowBack()
    {
        // Empty log, empty review row: record 1 is the placeholder, and nothing is written.
        {
            QTemporaryDir dir;
            FakePlatform fakes;
            auto w = TestLog::openWindow(dir.path(), fakes);
            w->ui().mnuExit->trigger();
            QCOMPARE(readFile(dir.path(), "QRPDATA.DAT"), QByteArray());
            QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT").size(), 0);
        }
        // A review row showing record 1 and a stray "4" typed into its Power box:
        // Exit asks; Yes writes both files as Change does, No writes nothing, Cancel
        // stays open. Unedited, the row is not written and nothing is asked.
        using Answer = Confirmation::Answer;
        for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
            for (const bool edited : {true, false}) {
                QTemporaryDir dir;
                QrpRecord first = contact("K1AA", "40");
                first.set(QrpRecord::Arci, "     ");
                first.set(QrpRecord::Power, "4");
                TestLog::writeLog(dir.path(), {first}, "40");
                TestLog::writeFile(dir.path(), "ARCIFILE.DAT", ArciLine::forRecord(first).bytes());
                const QByteArray qrpBefore = readFile(dir.path(), "QRPDATA.DAT");
                FakePlatform fakes;
                fakes.confirmation.threeWay = answer;
                auto w = TestLog::openWindow(dir.path(), fakes);
                QTest::keyClicks(w->ui().txtRecNum, "1");
                if (edited)
                    QTest::keyClicks(w->ui().txtPwr, "4"); // after the "4" shown
                w->ui().mnuExit->trigger();
                QCOMPARE(fakes.confirmation.asked, edited ? 1 : 0);
                if (edited)
                    QCOMPARE(fakes.confirmation.lastText,
                             QStringLiteral("Record 1 was edited but not changed. Save the edits?"));
                QrpRecord changed = first;
                changed.set(QrpRecord::Power, "44");
                const bool written = edited && answer == Answer::Yes;
                QCOMPARE(readFile(dir.path(), "QRPDATA.DAT"),
                         written ? changed.bytes() + qrpBefore.mid(48) : qrpBefore);
                QCOMPARE(readFile(dir.path(), "ARCIFILE.DAT"), ArciLine::forRecord(written ? changed : first).bytes());
                QCOMPARE(w->log().qrpFile().isOpen(), edited && answer == Answer::Cancel);
            }
        }
        // A number that addresses no record writes nothing.
        for (const char *number : {"99", "0", "-1", "1.5", "x"}) {
            QTemporaryDir dir;
            TestLog::writeLog(dir.path(), {contact("K1AA", "40")}, "40");
            const QByteArray before = readFile(dir.path(), "QRPDATA.DAT");
            FakePlatform fakes;
            auto w = TestLog::openWindow(dir.path(), fakes);
            w->ui().txtRecNum->setText(QLatin1String(number));
            w->ui().txtCall->setText("OVERWRITE");
            w->ui().mnuExit->trigger();
            QVERIFY2(readFile(dir.path(), "QRPDATA.DAT") == before, number);
        }
    }

    // Ten keys' worth of contest at the keyboard alone: the focus starts and comes
    // back in the call sign, Enter saves, a duplicate stays marked, a corrected
    // S-P-C rescores, a full box says so, and the right-click buttons answer
    // Shift+F10, the Menu key and the accessible ShowMenu action.
    void keyboardOnly()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), {contact("K1AA", "40"), TestLog::record({"K2BB", "", "5", "ONT", "", "", "40"})},
                          "40");
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        const auto &ui = w->ui();
        QCOMPARE(w->focusWidget(), ui.txtCallsign);
        QWidget *dupe = ui.client->findChild<QWidget *>("lblDupe");
        QTest::keyClicks(ui.txtCallsign, "k1aa");
        QVERIFY(!dupe->isHidden());
        QTest::keyClicks(ui.txtRstRcvd, "599"); // the panel shows the RST help now; the mark stays
        QVERIFY(!dupe->isHidden());
        QTest::keyClick(ui.txtCallsign, Qt::Key_Backspace);
        QVERIFY(dupe->isHidden());
        QTest::keyClicks(ui.txtCallsign, "B");
        QTest::keyClicks(ui.txtSpc, "on");
        QTest::keyClicks(ui.txtPower, "5");
        QCOMPARE(ui.txtPoints->text() + ui.txtMultiplier->text(), QStringLiteral("21"));
        QTest::keyClicks(ui.txtSpc, "t"); // ONT, already worked on 40 m
        QCOMPARE(ui.txtPoints->text() + ui.txtMultiplier->text(), QStringLiteral("20"));
        ui.mnu20->trigger(); // not yet on 20 m
        QCOMPARE(ui.txtMultiplier->text(), QStringLiteral("1"));
        ui.mnu40->trigger();
        QTest::keyClick(ui.txtPower, Qt::Key_Return);
        const QByteArray saved = readFile(dir.path(), "QRPDATA.DAT").mid(96, 48);
        QCOMPARE(QrpRecord::fromBytes(saved).value(QrpRecord::Callsign), QStringLiteral("K1AB"));
        QCOMPARE(saved.right(2), QByteArray("20"));
        QCOMPARE(w->focusWidget(), ui.txtCallsign);

        const int beeps = fakes.beeper.count;
        QTest::keyClicks(ui.txtCallsign, "VE3/W1ABC");
        QCOMPARE(ui.txtCallsign->text(), QStringLiteral("VE3/W1AB"));
        QCOMPARE(fakes.beeper.count, beeps + 1);
        QCOMPARE(ui.txtSpecs->text(), QStringLiteral("Call sign holds at most 8 characters:\r\n\"C\" was not taken."));
        for (QPushButton *b : {ui.cmdClear, ui.cmdUpdate}) {
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Space);
            QCOMPARE(w->focusWidget(), ui.txtCallsign);
        }

        // Review, then a number typed over the one shown.
        QTest::keyClicks(ui.txtRecNum, "36");
        QTest::mouseClick(ui.cmdReview, Qt::LeftButton);
        QTest::keyClicks(ui.txtRecNum, "2");
        QCOMPARE(ui.txtRecNum->text(), QStringLiteral("2"));
        QCOMPARE(ui.txtCall->text(), QStringLiteral("K2BB"));

        // Each keyboard path deletes as the right click does.
        fakes.confirmation.answer = false;
        const auto asks = [&] { return fakes.confirmation.asked; };
        ui.cmdDeleteRecord->setFocus();
        QTest::keyClick(ui.cmdDeleteRecord, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(asks(), 1);
        QTest::keyClick(ui.cmdDeleteRecord, Qt::Key_Menu);
        QCOMPARE(asks(), 2);
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(ui.cmdDeleteRecord);
        button->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QCOMPARE(asks(), 3);
        ui.txtClub->setText("77");
        QTest::keyClick(ui.cmdChangeRecord, Qt::Key_Menu);
        QCOMPARE(QrpRecord::fromBytes(readFile(dir.path(), "QRPDATA.DAT").mid(48, 48)).value(QrpRecord::Arci),
                 QStringLiteral("77"));
        QTest::keyClick(ui.cmdPrinter, Qt::Key_F10, Qt::ShiftModifier); // no band chosen: nothing printed
        QVERIFY(ui.txtSpecs->text().startsWith(QStringLiteral("No log sheet printed:")));
    }

    // Every box of the main window, the print options, the summary sheet, the
    // call history dialog and the check window has a name a screen reader can announce.
    void everyBoxIsNamed()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        w->show();
        w->summarySheet().show();
        w->logSheetPrinting().form().show();
        w->ui().mnuCallHistory->trigger();
        w->ui().mnuCheck->trigger();
        int boxes = 0;
        const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
            if (node->role() == QAccessible::EditableText) {
                ++boxes;
                QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(node->object()->objectName()));
            }
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        for (QWidget *window : {static_cast<QWidget *>(w.get()), static_cast<QWidget *>(&w->summarySheet()),
                                static_cast<QWidget *>(&w->logSheetPrinting().form()),
                                static_cast<QWidget *>(w->callHistory().historyDialog()),
                                static_cast<QWidget *>(w->callHistory().checkWindow())})
            walk(QAccessible::queryAccessibleInterface(window));
        QVERIFY(boxes >= 26);
        QCOMPARE(QAccessible::queryAccessibleInterface(w->ui().txtRstRcvd)->text(QAccessible::Name),
                 QStringLiteral("RST received"));
    }

    void closeBoxWritesNothing()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), {contact("K1AA", "40")}, "40");
        const QByteArray before = readFile(dir.path(), "QRPDATA.DAT");
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        w->ui().txtRecNum->setText("1");
        w->ui().txtCall->setText("CHANGED");
        w->show();
        QVERIFY(w->close());
        QCOMPARE(readFile(dir.path(), "QRPDATA.DAT"), before);
        QVERIFY(!w->log().qrpFile().isOpen());
        QVERIFY(!w->log().arciFile().isOpen());
        QVERIFY(!w->ui().Timer1->isActive());
    }

    void clockRollsOverMidnight()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        fakes.clock.current = QDateTime(QDate(1998, 12, 31), QTime(23, 59, 59, 700), Qt::UTC);
        w->Timer1_Timer();
        QCOMPARE(w->ui().lblClock->text(), QStringLiteral("23:59:59 GMT"));
        QCOMPARE(w->ui().lblDate->text(), QStringLiteral("12/31/98"));
        fakes.clock.current = fakes.clock.current.addMSecs(500);
        w->Timer1_Timer();
        QCOMPARE(w->ui().lblClock->text(), QStringLiteral("00:00:00 GMT"));
        QCOMPARE(w->ui().lblDate->text(), QStringLiteral("01/01/99"));
    }

    void layoutAsTabled()
    {
        QTemporaryDir dir;
        FakePlatform fakes;
        auto w = TestLog::openWindow(dir.path(), fakes);
        QCOMPARE(w->ui().client->size(), QSize(787, 573));
        // Controls by name, place in twips / 15, colour and limit.
        auto *call = w->findChild<QLineEdit *>("txtCallsign");
        QCOMPARE(call, w->ui().txtCallsign);
        QCOMPARE(call->geometry(), QRect(48, 368, 89, 38));
        QCOMPARE(call->maxLength(), 8);
        QCOMPARE(call->palette().color(QPalette::Base), QColor(0xFF, 0, 0));
        QCOMPARE(call->alignment(), Qt::AlignCenter);
        QCOMPARE(w->ui().txtArci->maxLength(), 5);
        QCOMPARE(w->ui().txtPower->maxLength(), 4);
        QCOMPARE(w->ui().txtPoints->palette().color(QPalette::Base), QColor(0, 0xFF, 0));
        QCOMPARE(w->ui().txtRecNum->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(w->ui().txtClub->palette().color(QPalette::Base), QColor(0x80, 0xFF, 0xFF));
        QCOMPARE(w->ui().txtSearchInfo->maxLength(), 8);
        QCOMPARE(w->ui().cmdSaveRecord->geometry(), QRect(525, 242, 51, 33));
        QCOMPARE(w->ui().cmdSaveRecord->text(), QStringLiteral("Save Record"));
        QCOMPARE(w->ui().txtSpecs->geometry(), QRect(296, 40, 273, 65));
        QCOMPARE(w->ui().lblS6->geometry(), QRect(600, 496, 49, 17));
        QCOMPARE(w->ui().lblBands->text(),
                 QStringLiteral("   160       80        40        20        15        10         6"));
        // The Tab key steps through the entry boxes in column order.
        QWidget *expected[] = {w->ui().txtCallsign, w->ui().txtRstRcvd, w->ui().txtRstSent,    w->ui().txtSpc,
                               w->ui().txtArci,     w->ui().txtPower,   w->ui().txtBand,       w->ui().txtDate,
                               w->ui().txtTime,     w->ui().txtPoints,  w->ui().txtMultiplier, w->ui().cmdClear};
        QCOMPARE(w->ui().cmdAddRecord->nextInFocusChain(), w->ui().txtCallsign);
        for (int i = 0; i + 1 < 12; ++i)
            QCOMPARE(expected[i]->nextInFocusChain(), expected[i + 1]);
        // Menus and their captions.
        QStringList top;
        for (QAction *a : w->menuBar()->actions())
            top << a->text();
        QCOMPARE(top, QStringList({"E&xit", "Zell Specifications", "Kestrix Program", "Help"}));
        QStringList band;
        for (QAction *a : w->ui().mnuBand->actions())
            band << a->objectName() + u'=' + a->text();
        QCOMPARE(band, QStringList({"mnu160=160 Meters", "mnu80=80 Meters", "mnu40=40 Meters", "mnu20=20 Meters",
                                    "mnu15=15 Meters", "mnu10=10 Meters", "mnu6=6 Meters"}));
        QCOMPARE(w->ui().mnuInstructions->actions().size(), 14);
        QCOMPARE(w->ui().mnuInstructions->actions().last()->text(), QStringLiteral("Contact Dravek"));
    }
};

QTEST_MAIN(TestConsole)
#include "tst_console.moc"
