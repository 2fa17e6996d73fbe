// The date and time dialogs: opening from the buttons and the menu, setting the
// (fake) clock, refusals, Cancel and the label click. How the typed texts are
// read is tested with the rules (tests/rules/tst_clocktext.cpp).

#include "TestLog.h"
#include "console/ClockDialog.h"
#include "console/ClockSetting.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString CRLF = QStringLiteral("\r\n");

QDateTime utc(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

} // namespace

class tst_ClockSetting : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmKestrix> m_window;

    ClockSetting &clock() { return m_window->clockSetting(); }
    ClockDialog *openDateByButton()
    {
        QTest::mouseClick(m_window->ui().cmdCalendar, Qt::LeftButton);
        return clock().setDateDialog();
    }
    ClockDialog *openTimeByButton()
    {
        QTest::mouseClick(m_window->ui().cmdSetTime, Qt::LeftButton);
        return clock().setTimeDialog();
    }

  private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_fakes = std::make_unique<FakePlatform>();
        m_fakes->clock.current = utc(1998, 12, 7, 14, 3, 27, 250);
        m_window = TestLog::openWindow(m_dir.path(), *m_fakes);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_fakes.reset();
    }

    // ---- opening -----------------------------------------------------------------

    void buttonTexts()
    {
        openDateByButton();
        QCOMPARE(m_window->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Date"));
        QCOMPARE(m_window->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(m_window->ui().txtSpecs->text(),
                 QStringLiteral("To change the date, simply\r\nenter the correct date and\r\npress the [OK] button."));

        openTimeByButton();
        QCOMPARE(m_window->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Clock"));
        QCOMPARE(m_window->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(m_window->ui().txtSpecs->text(),
                 QStringLiteral("To change the time, simply\r\nenter the correct time and\r\npress the [OK] button."));
    }

    void menuItemsOpenOnly()
    {
        QVERIFY(m_window->ui().mnuDate->isEnabled());
        QVERIFY(m_window->ui().mnuClock->isEnabled());
        const QString mode = m_window->ui().lblMode->text();
        const QString panel = m_window->ui().txtSpecs->text();
        const qreal size = m_window->ui().txtSpecs->fontSize();

        m_window->ui().mnuDate->trigger();
        QVERIFY(clock().setDateDialog() && clock().setDateDialog()->isVisible());
        m_window->ui().mnuClock->trigger();
        QVERIFY(clock().setTimeDialog() && clock().setTimeDialog()->isVisible());

        QCOMPARE(m_window->ui().lblMode->text(), mode);
        QCOMPARE(m_window->ui().txtSpecs->text(), panel);
        QCOMPARE(m_window->ui().txtSpecs->fontSize(), size);
    }

    // Button then menu: one window; the menu leaves what the button wrote.
    void oneInstance()
    {
        QVERIFY(!clock().setDateDialog());
        ClockDialog *date = openDateByButton();
        QVERIFY(date && date->isVisible());
        m_window->ui().mnuDate->trigger();
        QCOMPARE(clock().setDateDialog(), date);
        QCOMPARE(m_window->findChildren<ClockDialog *>(QStringLiteral("frmSetDate")).size(), 1);
        QCOMPARE(m_window->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Date"));
        QVERIFY(m_window->ui().txtSpecs->text().startsWith(QLatin1String("To change the date")));

        ClockDialog *time = openTimeByButton();
        m_window->ui().mnuClock->trigger();
        QCOMPARE(clock().setTimeDialog(), time);
        QCOMPARE(m_window->findChildren<ClockDialog *>(QStringLiteral("frmSetTime")).size(), 1);
        QCOMPARE(m_window->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Clock"));
        QVERIFY(m_window->ui().txtSpecs->text().startsWith(QLatin1String("To change the time")));

        // Hidden and opened again: the same window, the box as it was left, no new load.
        retype(date->txtEntry, QStringLiteral("1/2/03"));
        QTest::mouseClick(date->cmdCancel, Qt::LeftButton);
        QVERIFY(!date->isVisible());
        m_fakes->clock.current = utc(2001, 5, 5, 5, 5, 5);
        m_window->ui().mnuDate->trigger();
        QCOMPARE(clock().setDateDialog(), date);
        QVERIFY(date->isVisible());
        QCOMPARE(date->txtEntry->text(), QStringLiteral("1/2/03"));

        // The close box hides it the same way.
        time->close();
        QVERIFY(!time->isVisible());
        QTest::mouseClick(m_window->ui().cmdSetTime, Qt::LeftButton);
        QCOMPARE(clock().setTimeDialog(), time);
        QVERIFY(time->isVisible());
        QCOMPARE(time->txtEntry->text(), QStringLiteral("14:03:27"));
        QVERIFY(m_fakes->clock.setCalls.isEmpty());
    }

    void loadTexts()
    {
        ClockDialog *date = openDateByButton();
        QCOMPARE(date->objectName(), QStringLiteral("frmSetDate"));
        QCOMPARE(date->windowTitle(), QStringLiteral("                   Set Date"));
        QCOMPARE(date->txtEntry->text(), QStringLiteral("12/7/98"));
        QCOMPARE(date->lblPrompt->text(), QStringLiteral("Enter Date\r\n(Ex: 6/10/98)"));
        QCOMPARE(date->cmdOK->text(), QStringLiteral("&OK"));
        QCOMPARE(date->cmdCancel->text(), QStringLiteral("&Cancel"));
        QCOMPARE(date->size(), QSize(206, 175));
        QCOMPARE(date->txtEntry->geometry(), QRect(24, 56, 161, 41));

        ClockDialog *time = openTimeByButton();
        QCOMPARE(time->objectName(), QStringLiteral("frmSetTime"));
        QCOMPARE(time->windowTitle(), QStringLiteral("               Set GMT Time"));
        QCOMPARE(time->txtEntry->text(), QStringLiteral("14:03:27"));
        QCOMPARE(time->lblPrompt->text(), QStringLiteral("Enter GMT Time\r\n(Ex: 23:30:15)"));
        QCOMPARE(time->cmdCancel->text(), QStringLiteral("&Cancel"));
        QCOMPARE(time->size(), QSize(206, 175));
        QCOMPARE(time->txtEntry->geometry(), QRect(8, 56, 193, 41));

        // The boxes cut typed text to 8 and 12 characters.
        retype(date->txtEntry, QStringLiteral("12/31/1998"));
        QCOMPARE(date->txtEntry->text(), QStringLiteral("12/31/19"));
        retype(time->txtEntry, QStringLiteral("23:30:15.250 GMT"));
        QCOMPARE(time->txtEntry->text(), QStringLiteral("23:30:15.250"));
    }

    // ---- setting the clock -----------------------------------------------------

    // clang-format off
    void setDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("day");
        QTest::newRow("example") << "6/10/98" << QDate(1998, 6, 10);
        QTest::newRow("new year") << "1/1/00" << QDate(2000, 1, 1);
        QTest::newRow("four-digit year") << "2/1/2024" << QDate(2024, 2, 1);
        QTest::newRow("leap day") << "2/29/96" << QDate(1996, 2, 29);
    }
    // clang-format on
    void setDate()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, day);
        ClockDialog *date = openDateByButton();
        // The time of day kept is the clock's at OK, not at load.
        m_fakes->clock.current = utc(1998, 12, 7, 23, 59, 58, 640);
        retype(date->txtEntry, typed);
        QTest::mouseClick(date->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.setCalls.size(), 1);
        const QDateTime set = m_fakes->clock.setCalls.first();
        QCOMPARE(set.timeSpec(), Qt::UTC);
        QCOMPARE(set, QDateTime(day, QTime(23, 59, 58, 640), Qt::UTC));
        QVERIFY(!date->isVisible());
        // The panel and mode line still show what the button wrote.
        QCOMPARE(m_window->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Date"));
        QVERIFY(m_window->ui().txtSpecs->text().startsWith(QLatin1String("To change the date")));
        QCOMPARE(m_fakes->beeper.count, 0);
    }

    // clang-format off
    void setTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QTime>("time");
        QTest::newRow("example") << "23:30:15" << QTime(23, 30, 15);
        QTest::newRow("midnight") << "00:00:00" << QTime(0, 0, 0);
        QTest::newRow("one-digit hour") << "7:08:09" << QTime(7, 8, 9);
    }
    // clang-format on
    void setTime()
    {
        QFETCH(QString, typed);
        QFETCH(QTime, time);
        ClockDialog *dialog = openTimeByButton();
        // The date kept is the clock's at OK: here the day has turned since the load.
        m_fakes->clock.current = utc(1998, 12, 8, 0, 0, 3, 120);
        retype(dialog->txtEntry, typed);
        QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.setCalls.size(), 1);
        QCOMPARE(m_fakes->clock.setCalls.first(), QDateTime(QDate(1998, 12, 8), time, Qt::UTC));
        QCOMPARE(m_fakes->clock.setCalls.first().timeSpec(), Qt::UTC);
        QVERIFY(!dialog->isVisible());
    }

    // OK on the boxes as loaded: the time goes back to the moment of loading,
    // the date is the one shown.
    void unchangedBoxes()
    {
        ClockDialog *time = openTimeByButton();
        m_fakes->clock.current = utc(1998, 12, 7, 14, 10, 0);
        QTest::mouseClick(time->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.setCalls.value(0), utc(1998, 12, 7, 14, 3, 27));

        ClockDialog *date = openDateByButton();
        m_fakes->clock.current = utc(1998, 12, 8, 0, 0, 1);
        QTest::mouseClick(date->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.setCalls.value(1), utc(1998, 12, 7, 0, 0, 1));
    }

    // clang-format off
    void badTexts_data()
    {
        QTest::addColumn<bool>("isDate");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("panel");
        QTest::newRow("date 13/45/98") << true << "13/45/98"
                                       << "The date was not changed.\r\n\"13/45/98\" is not a date.\r\n"
                                          "Type it as month/day/year, for example 6/10/98.";
        QTest::newRow("empty date") << true << ""
                                    << "The date was not changed.\r\nNo date was typed.\r\n"
                                       "Type it as month/day/year, for example 6/10/98.";
        QTest::newRow("date before 1970") << true << "1/1/1900"
                                          << "The date was not changed.\r\nThe clock cannot be set before 1970.\r\n"
                                             "Type it as month/day/year, for example 6/10/98.";
        QTest::newRow("time 25:00:00") << false << "25:00:00"
                                       << "The time was not changed.\r\n\"25:00:00\" is not a time.\r\n"
                                          "Type it as hours:minutes:seconds on a 24-hour clock, for example 23:30:15.";
        QTest::newRow("empty time") << false << ""
                                    << "The time was not changed.\r\nNo time was typed.\r\n"
                                       "Type it as hours:minutes:seconds on a 24-hour clock, for example 23:30:15.";
    }
    // clang-format on
    // A text that is not a date or time: clock untouched, dialog open, the reason
    // in the panel at 8 points with a beep, the mode line left as it was.
    void badTexts()
    {
        QFETCH(bool, isDate);
        QFETCH(QString, typed);
        QFETCH(QString, panel);
        QWidget *dialog;
        if (isDate) {
            ClockDialog *date = openDateByButton();
            retype(date->txtEntry, typed);
            QCOMPARE(date->txtEntry->text(), typed);
            m_window->ui().txtSpecs->setFontSize(18);
            QTest::mouseClick(date->cmdOK, Qt::LeftButton);
            dialog = date;
        } else {
            ClockDialog *time = openTimeByButton();
            retype(time->txtEntry, typed);
            QCOMPARE(time->txtEntry->text(), typed);
            m_window->ui().txtSpecs->setFontSize(18);
            QTest::mouseClick(time->cmdOK, Qt::LeftButton);
            dialog = time;
        }
        QVERIFY(m_fakes->clock.setCalls.isEmpty());
        QCOMPARE(m_fakes->clock.current, utc(1998, 12, 7, 14, 3, 27, 250));
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_window->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(m_window->ui().txtSpecs->text(), panel);
        QCOMPARE(m_fakes->beeper.count, 1);
        QCOMPARE(m_window->ui().lblMode->text(),
                 isDate ? QStringLiteral("Mode\r\nSetting Date") : QStringLiteral("Mode\r\nSetting Clock"));
    }

    // The system says no: the clock stays, the dialog stays, the reason is shown;
    // a second try once it allows goes through.
    void systemRefuses()
    {
        m_fakes->clock.refuse = true;
        m_fakes->clock.refuseReason = QStringLiteral("You are not allowed to set the computer's clock.");
        ClockDialog *date = openDateByButton();
        retype(date->txtEntry, QStringLiteral("6/10/98"));
        QTest::mouseClick(date->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.setCalls.size(), 1);
        QCOMPARE(m_fakes->clock.current, utc(1998, 12, 7, 14, 3, 27, 250));
        QVERIFY(date->isVisible());
        QCOMPARE(m_window->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(m_window->ui().txtSpecs->text(),
                 QStringLiteral("The date was not changed.\r\nYou are not allowed to set the computer's clock."));
        QCOMPARE(m_fakes->beeper.count, 1);

        m_fakes->clock.refuseReason = QStringLiteral("Automatic time synchronisation is on.");
        ClockDialog *time = openTimeByButton();
        retype(time->txtEntry, QStringLiteral("23:30:15"));
        QTest::mouseClick(time->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.current, utc(1998, 12, 7, 14, 3, 27, 250));
        QVERIFY(time->isVisible());
        QCOMPARE(m_window->ui().txtSpecs->text(),
                 QStringLiteral("The time was not changed.\r\nAutomatic time synchronisation is on."));
        QCOMPARE(m_fakes->beeper.count, 2);

        m_fakes->clock.refuse = false;
        QTest::mouseClick(time->cmdOK, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.current, utc(1998, 12, 7, 23, 30, 15));
        QVERIFY(!time->isVisible());
    }

    // clang-format off
    void goodSetClearsRefusal_data()
    {
        QTest::addColumn<bool>("isDate");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("date by button") << true << false;
        QTest::newRow("time by button") << false << false;
        QTest::newRow("date by menu") << true << true;
        QTest::newRow("time by menu") << false << true;
    }
    // clang-format on
    // Two refusals, then a good entry: the panel shows again what it showed before
    // the first refusal, at its size.
    void goodSetClearsRefusal()
    {
        QFETCH(bool, isDate);
        QFETCH(bool, byMenu);
        m_window->setNewLine();
        m_window->writePanel(18, {QStringLiteral("before")});
        if (byMenu)
            (isDate ? m_window->ui().mnuDate : m_window->ui().mnuClock)->trigger();
        QWidget *dialog = isDate ? static_cast<QWidget *>(byMenu ? clock().setDateDialog() : openDateByButton())
                                 : (byMenu ? clock().setTimeDialog() : openTimeByButton());
        const QString shown = m_window->ui().txtSpecs->text();
        const qreal size = m_window->ui().txtSpecs->fontSize();
        QCOMPARE(shown == QStringLiteral("before"), byMenu);
        auto *box =
            dialog->findChild<QLineEdit *>(isDate ? QStringLiteral("txtSetDate") : QStringLiteral("txtSetTime"));
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        for (const char *bad : {"99", "x"}) {
            retype(box, QLatin1String(bad));
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(m_window->ui().txtSpecs->text().contains(QStringLiteral("was not changed")));
        }
        retype(box, isDate ? QStringLiteral("6/10/98") : QStringLiteral("23:30:15"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(m_fakes->clock.setCalls.size(), 1);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_window->ui().txtSpecs->text(), shown);
        QCOMPARE(m_window->ui().txtSpecs->fontSize(), size);
    }

    // Cancel and a click on the label hide the dialog and set nothing; a right
    // click on the label is no click.
    void cancelAndLabel()
    {
        ClockDialog *date = openDateByButton();
        retype(date->txtEntry, QStringLiteral("6/10/98"));
        QTest::mouseClick(date->cmdCancel, Qt::LeftButton);
        QVERIFY(!date->isVisible());
        m_window->ui().mnuDate->trigger();
        QTest::mouseClick(date->lblPrompt, Qt::RightButton);
        QVERIFY(date->isVisible());
        QTest::mouseClick(date->lblPrompt, Qt::LeftButton);
        QVERIFY(!date->isVisible());

        ClockDialog *time = openTimeByButton();
        retype(time->txtEntry, QStringLiteral("23:30:15"));
        QTest::mouseClick(time->cmdCancel, Qt::LeftButton);
        QVERIFY(!time->isVisible());
        m_window->ui().mnuClock->trigger();
        QTest::mouseClick(time->lblPrompt, Qt::LeftButton);
        QVERIFY(!time->isVisible());

        QVERIFY(m_fakes->clock.setCalls.isEmpty());
        QCOMPARE(m_fakes->beeper.count, 0);
        QCOMPARE(m_window->ui().lblMode->text(), QStringLiteral("Mode\r\nSetting Clock"));
    }

    // clang-format off
    void keyboard_data()
    {
        QTest::addColumn<bool>("isDate");
        QTest::addColumn<QString>("cancelName");
        QTest::newRow("date") << true << "cmdCancel";
        QTest::newRow("time") << false << "cmcCancel";
    }
    // clang-format on
    // Enter and Escape press neither button and do not close the dialog; Tab
    // goes box, OK, Cancel; Alt+O and Alt+C are the access keys.
    void keyboard()
    {
        QFETCH(bool, isDate);
        QFETCH(QString, cancelName);
        QWidget *dialog = isDate ? static_cast<QWidget *>(openDateByButton()) : openTimeByButton();
        auto *box =
            dialog->findChild<QLineEdit *>(isDate ? QStringLiteral("txtSetDate") : QStringLiteral("txtSetTime"));
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        auto *cancel = dialog->findChild<QPushButton *>(cancelName);
        QVERIFY(box && ok && cancel);
        QVERIFY(!ok->isDefault() && !ok->autoDefault());
        QVERIFY(!cancel->isDefault() && !cancel->autoDefault());
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), box);

        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QTest::keyClick(box, Qt::Key_Escape);
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Escape);
        QTest::keyClick(ok, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cancel);
        QTest::keyClick(cancel, Qt::Key_Escape);
        QTest::keyClick(cancel, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::qWait(200);
        QVERIFY(dialog->isVisible());
        QVERIFY(m_fakes->clock.setCalls.isEmpty());

        // An access key presses its button the way a click does, a moment later.
        QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QVERIFY(m_fakes->clock.setCalls.isEmpty());
        if (isDate)
            m_window->ui().mnuDate->trigger();
        else
            m_window->ui().mnuClock->trigger();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(m_fakes->clock.setCalls.size(), 1);
        QVERIFY(!dialog->isVisible());
    }
};

QTEST_MAIN(tst_ClockSetting)
#include "tst_clocksetting.moc"
