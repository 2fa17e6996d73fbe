// Review navigation through the real widgets: typing a record number, [+], [-]
// and REVIEW, on a log of nine contacts and the placeholder (ten records).

#include "TestLog.h"
#include "console/frmKestrix.h"
#include "store/LogStore.h"
#include "widgets/DisplayPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Contact i: call K<i>ABC, ARCI 10<i> on odd records, power 5 on even ones,
// band 40, all values shorter than their fields so that trimming shows.
QrpRecord contact(int i)
{
    const bool member = i % 2 == 1;
    return TestLog::record({QStringLiteral("K%1ABC").arg(i), member ? QStringLiteral("10%1").arg(i) : QString(),
                            member ? QString() : QStringLiteral("5"), QStringLiteral("NY"), QStringLiteral("579"),
                            QStringLiteral("5%1%1").arg(i % 10), QStringLiteral("40"),
                            QStringLiteral("12/0%1/98").arg(i), QStringLiteral("14:0%1:27").arg(i),
                            member ? QStringLiteral("5") : QStringLiteral("2"),
                            i <= 1 ? QStringLiteral("1") : QStringLiteral("0")});
}

// The review row, left to right, without the record-number box.
QStringList reviewRow(frmKestrix &w)
{
    return {w.ui().txtCall->text(),  w.ui().txtRstR->text(), w.ui().txtRstS->text(), w.ui().txtLocale->text(),
            w.ui().txtClub->text(),  w.ui().txtPwr->text(),  w.ui().txtBnd->text(),  w.ui().txtCalendar->text(),
            w.ui().txtClock->text(), w.ui().txtPts->text(),  w.ui().txtMult->text()};
}

// What the review row shows for record r: the fields trimmed, in the row's order.
QStringList shown(const QrpRecord &r)
{
    return {r.value(QrpRecord::Callsign), r.value(QrpRecord::RstRcvd),   r.value(QrpRecord::RstSent),
            r.value(QrpRecord::SPC),      r.value(QrpRecord::Arci),      r.value(QrpRecord::Power),
            r.value(QrpRecord::Band),     r.value(QrpRecord::QsoDate),   r.value(QrpRecord::QsoTime),
            r.value(QrpRecord::Points),   r.value(QrpRecord::Multiplier)};
}

QStringList shownRecord(int i)
{
    if (i == 10) { // the placeholder: nothing but its band
        QrpRecord p;
        p.set(QrpRecord::Band, QStringLiteral("40"));
        return shown(p);
    }
    return shown(contact(i));
}

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

} // namespace

class tst_ReviewNavigation : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    FakePlatform m_fakes;
    std::unique_ptr<frmKestrix> m_w;

    void openLog(int contacts)
    {
        QVERIFY(m_dir.isValid());
        QList<QrpRecord> records;
        for (int i = 1; i <= contacts; ++i)
            records.append(contact(i));
        TestLog::writeLog(m_dir.path(), records, QStringLiteral("40"));
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    }

  private Q_SLOTS:
    void init()
    {
        m_fakes.beeper.count = 0;
        openLog(9);
        QCOMPARE(m_w->RecordCount(), 10);
    }
    void cleanup()
    {
        m_w.reset();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    // clang-format off
    void typedNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("typed"); // typed key by key, else assigned at once
        QTest::addColumn<int>("record"); // the record shown, 0 for none (record 2 stays)
        QTest::newRow("5") << "5" << true << 5;
        QTest::newRow("blank 5") << " 5" << true << 5;
        QTest::newRow("5.0") << "5.0" << true << 5;
        QTest::newRow("5abc") << "5abc" << true << 5;
        QTest::newRow("tab 5") << "\t5" << false << 5;
        QTest::newRow("1") << "1" << true << 1;
        QTest::newRow("9") << "9" << true << 9;
        QTest::newRow("placeholder 10") << "10" << false << 10;
        QTest::newRow("5.5") << "5.5" << false << 0;
        QTest::newRow("no digits") << "abc" << true << 0;
        QTest::newRow("0") << "0" << true << 0;
        QTest::newRow("negative") << "-3" << false << 0;
        QTest::newRow("0.5") << "0.5" << false << 0;
    }
    // clang-format on
    void typedNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, typed);
        QFETCH(int, record);

        m_w->ui().txtRecNum->setText(QStringLiteral("2"));
        QCOMPARE(reviewRow(*m_w), shownRecord(2));
        m_w->ui().txtRecNum->clear(); // no number: nothing changes
        QCOMPARE(reviewRow(*m_w), shownRecord(2));

        const QString panel = m_w->ui().txtSpecs->text();
        const QString mode = m_w->ui().lblMode->text();
        const QString caption = m_w->windowTitle();
        const qint32 current = m_w->CurrentRecord();
        const QStringList entryRow = {m_w->ui().txtCallsign->text(), m_w->ui().txtBand->text(),
                                      m_w->ui().txtRecNumber->text()};
        if (typed)
            QTest::keyClicks(m_w->ui().txtRecNum, text);
        else
            m_w->ui().txtRecNum->setText(text);

        QCOMPARE(m_w->ui().txtRecNum->text(), text);
        QCOMPARE(reviewRow(*m_w), shownRecord(record == 0 ? 2 : record));
        QCOMPARE(m_fakes.beeper.count, 0);
        QCOMPARE(m_w->ui().txtSpecs->text(), panel);
        QCOMPARE(m_w->ui().lblMode->text(), mode);
        QCOMPARE(m_w->windowTitle(), caption);
        QCOMPARE(m_w->CurrentRecord(), current);
        QCOMPARE(
            (QStringList{m_w->ui().txtCallsign->text(), m_w->ui().txtBand->text(), m_w->ui().txtRecNumber->text()}),
            entryRow);
    }

    // clang-format off
    void tooLarge_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("11") << "11";
        QTest::newRow("11.5") << "11.5";
        QTest::newRow("huge") << "1e300";
        QTest::newRow("beyond 16 bits") << "40000";
    }
    // clang-format on
    void tooLarge()
    {
        QFETCH(QString, text);
        m_w->ui().txtRecNum->setText(QStringLiteral("3"));
        m_fakes.beeper.count = 0;
        m_w->ui().txtRecNum->setText(text);
        QCOMPARE(m_fakes.beeper.count, 1);
        QCOMPARE(m_w->ui().txtSpecs->text(), QStringLiteral("Record number is too LARGE!"));
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 18.0);
        QCOMPARE(reviewRow(*m_w), shownRecord(3));
    }

    // clang-format off
    void stepping_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<QString>("box");     // the box afterwards
        QTest::addColumn<int>("record");      // shown afterwards, 0: record 3 stays
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("size");

        const QString plusHelp = QStringLiteral("\r\nPress [+] key to step through records\r\nthat are shown in BLUE boxes.");
        const QString minusHelp = QStringLiteral("\r\nPress [-] key to step through records\r\nthat are shown in BLUE boxes.");
        const QString last = QStringLiteral("Last Record\r\nPress [-] key\r\nTo reverse direction");
        const QString first = QStringLiteral("First Record\r\nPress [+] key\r\nTo reverse direction");
        const QString refused = QStringLiteral("Record number out of range.\r\nEnter a record number in the\r\nWHITE RecNum box.");

        QTest::newRow("+ from 4") << " 4" << true << " 5" << 5 << 0 << plusHelp << 10;
        QTest::newRow("+ from 8: last record") << "8" << true << " 9" << 9 << 1 << last << 12;
        QTest::newRow("+ from 9: back to 9") << "9" << true << "9" << 9 << 0 << plusHelp << 10;
        QTest::newRow("+ from empty") << "" << true << " 1" << 1 << 0 << plusHelp << 10;
        QTest::newRow("+ from text") << "abc" << true << " 1" << 1 << 0 << plusHelp << 10;
        QTest::newRow("+ from 4.5 rounds to even") << "4.5" << true << " 6" << 6 << 0 << plusHelp << 10;
        QTest::newRow("+ from 5.5 rounds to even") << "5.5" << true << " 6" << 6 << 0 << plusHelp << 10;
        QTest::newRow("+ from -5") << "-5" << true << "-4" << 0 << 0 << plusHelp << 10;
        QTest::newRow("- from 6") << "6" << false << " 5" << 5 << 0 << minusHelp << 10;
        QTest::newRow("- from 2: first record") << "2" << false << " 1" << 1 << 1 << first << 12;
        QTest::newRow("- from 1: back to 1") << "1" << false << "1" << 1 << 0 << minusHelp << 10;
        QTest::newRow("- from empty") << "" << false << "-1" << 0 << 0 << minusHelp << 10;
        QTest::newRow("- from 3.5 rounds to even") << "3.5" << false << " 2" << 2 << 0 << minusHelp << 10;
        QTest::newRow("+ past 32767 refused") << "32767" << true << "32767" << 0 << 1 << refused << 12;
        QTest::newRow("+ from 32766.6 refused") << "32766.6" << true << "32766.6" << 0 << 1 << refused << 12;
        QTest::newRow("- past -32768 refused") << "-32768" << false << "-32768" << 0 << 1 << refused << 12;
        QTest::newRow("+ from 1e12 refused") << "1e12" << true << "1e12" << 0 << 1 << refused << 12;
        QTest::newRow("- from -1e12 refused") << "-1e12" << false << "-1e12" << 0 << 1 << refused << 12;
    }
    // clang-format on
    void stepping()
    {
        QFETCH(QString, start);
        QFETCH(bool, plus);
        QFETCH(QString, box);
        QFETCH(int, record);
        QFETCH(int, beeps);
        QFETCH(QString, panel);
        QFETCH(int, size);

        const QByteArray qrp = TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT"));
        m_w->ui().txtRecNum->setText(QStringLiteral("3"));
        m_w->ui().txtRecNum->setText(start);
        m_fakes.beeper.count = 0;

        QTest::mouseClick(plus ? m_w->ui().cmdPlus : m_w->ui().cmdMinus, Qt::LeftButton);

        QCOMPARE(m_w->ui().txtRecNum->text(), box);
        QCOMPARE(reviewRow(*m_w), shownRecord(record == 0 ? 3 : record));
        QCOMPARE(m_fakes.beeper.count, beeps);
        QCOMPARE(m_w->ui().txtSpecs->text(), panel);
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), qreal(size));
        QCOMPARE(m_w->ui().lblMode->text(), QStringLiteral("Mode\r\nReviewing Records"));
        QCOMPARE(TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT")), qrp);
    }

    void smallLogs()
    {
        // One contact: [+] from an empty box shows it and announces it as the last.
        cleanup();
        openLog(1);
        QCOMPARE(m_w->RecordCount(), 2);
        QTest::mouseClick(m_w->ui().cmdPlus, Qt::LeftButton);
        QCOMPARE(m_w->ui().txtRecNum->text(), QStringLiteral(" 1"));
        QCOMPARE(reviewRow(*m_w), shown(contact(1)));
        QCOMPARE(m_fakes.beeper.count, 1);
        QVERIFY(m_w->ui().txtSpecs->text().startsWith(QStringLiteral("Last Record")));

        // No contacts and no file: [+] shows record 1, then finds the count and writes 0.
        cleanup();
        m_fakes.beeper.count = 0;
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        QCOMPARE(m_w->RecordCount(), 1);
        m_w->ui().txtCall->setText(QStringLiteral("JUNK"));
        QTest::mouseClick(m_w->ui().cmdPlus, Qt::LeftButton);
        QCOMPARE(m_w->ui().txtRecNum->text(), QStringLiteral("0"));
        QCOMPARE(reviewRow(*m_w), shown(QrpRecord()));
        QCOMPARE(m_fakes.beeper.count, 0);
        QCOMPARE(TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT")), QByteArray());
    }

    void reviewButton()
    {
        m_w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        m_w->ui().txtCallsign->setFocus();
        m_w->ui().txtRecNum->setText(QStringLiteral("4"));
        const QStringList row = reviewRow(*m_w);
        QTest::mouseClick(m_w->ui().cmdReview, Qt::LeftButton);
        QCOMPARE(m_w->ui().txtSpecs->text(), QStringLiteral("To review records, enter record number\r\n"
                                                            "in WHITE RecNum box and press\r\n"
                                                            "[+] or [-] buttons to change records."));
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(m_w->ui().lblMode->text(), QStringLiteral("Mode\r\nReviewing Records"));
        QVERIFY(m_w->ui().txtRecNum->hasFocus());
        QCOMPARE(reviewRow(*m_w), row);
        QCOMPARE(m_w->ui().txtRecNum->text(), QStringLiteral("4"));

        // Then a typed number shows its record.
        retype(m_w->ui().txtRecNum, QStringLiteral("7"));
        QCOMPARE(reviewRow(*m_w), shownRecord(7));
    }

    void writeBackOfEmptyNumberShowsRecordOne()
    {
        // The Exit write-back with an empty record number: record 1 is shown and
        // written back as it was read, whatever the review row held.
        const QByteArray qrp = TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT"));
        m_w->ui().txtRecNum->setText(QStringLiteral("6"));
        m_w->ui().txtCall->setText(QStringLiteral("CHANGED"));
        m_w->ui().txtBnd->setText(QStringLiteral("20"));
        m_w->ui().txtRecNum->clear();
        m_w->SaveExistingRecord();
        QCOMPARE(m_w->log().writeBack(m_w->CurrentRecord(), m_w->QrpRecord_()), LogStore::Outcome::Written);
        QCOMPARE(m_w->ui().txtRecNum->text(), QStringLiteral("1"));
        QCOMPARE(reviewRow(*m_w), shownRecord(1));
        QCOMPARE(TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT")), qrp);
    }
};

QTEST_MAIN(tst_ReviewNavigation)
#include "tst_reviewnavigation.moc"
