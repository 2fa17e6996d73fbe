// Change and delete through the real widgets: left clicks show instructions,
// the right mouse button writes; the log files are compared byte for byte.

#include "TestLog.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Qrp = QStringLiteral("QRPDATA.DAT");
const QString Arci = QStringLiteral("ARCIFILE.DAT");

QStringList values(int i)
{
    const bool member = i % 2 == 1;
    return {QStringLiteral("K%1ABC").arg(i),
            member ? QStringLiteral("10%1").arg(i) : QString(),
            member ? QString() : QStringLiteral("5"),
            QStringLiteral("NY"),
            QStringLiteral("579"),
            QStringLiteral("599"),
            QStringLiteral("40"),
            QStringLiteral("12/07/98"),
            QStringLiteral("14:0%1:27").arg(i),
            member ? QStringLiteral("5") : QStringLiteral("2"),
            QStringLiteral("0")};
}

QByteArray padded(const QString &value, int width) { return value.toLatin1().leftJustified(width, ' ', true); }

// The ARCIFILE.DAT line of contact i, column by column.
QByteArray arciLine(int i)
{
    const QStringList v = values(i);
    return padded(v[7], 11) + padded(v[8], 11) + padded(v[0], 12) + padded(v[6], 6) + padded(v[5], 6) +
           padded(v[3], 7) + padded(v[1], 8) + padded(v[2], 6) + padded(v[4], 6) + padded(v[9], 4) + padded(v[10], 2) +
           QByteArray("\x02\x00\r\n", 4);
}

QByteArray recordAt(const QByteArray &file, int n) { return file.mid((n - 1) * 48, 48); }
QByteArray lineAt(const QByteArray &file, int n) { return file.mid((n - 1) * 83, 83); }

} // namespace

class tst_ChangeDelete : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    FakePlatform m_fakes;
    std::unique_ptr<frmKestrix> m_w;
    QByteArray m_qrp, m_arci; // the files as the test wrote them

    QByteArray qrpNow() const { return TestLog::readFile(m_dir.path(), Qrp); }
    QByteArray arciNow() const { return TestLog::readFile(m_dir.path(), Arci); }

    void showRecord(const QString &number)
    {
        m_w->ui().txtRecNum->selectAll();
        QTest::keyClick(m_w->ui().txtRecNum, Qt::Key_Backspace);
        QTest::keyClicks(m_w->ui().txtRecNum, number);
    }

  private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QList<QrpRecord> records;
        m_arci.clear();
        for (int i = 1; i <= 9; ++i) {
            records.append(TestLog::record(values(i)));
            m_arci += arciLine(i);
        }
        TestLog::writeLog(m_dir.path(), records, QStringLiteral("40"));
        TestLog::writeFile(m_dir.path(), Arci, m_arci);
        m_qrp = qrpNow();
        QCOMPARE(m_qrp.size(), 10 * 48);
        m_fakes.beeper.count = 0;
        m_fakes.confirmation.asked = 0;
        m_fakes.confirmation.answer = true;
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        m_w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        QCOMPARE(qrpNow(), m_qrp);
        QCOMPARE(arciNow(), m_arci);
    }
    void cleanup()
    {
        m_w.reset();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    // clang-format off
    void leftClickOnlyInstructs_data()
    {
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("panel");
        QTest::newRow("change") << true << "Mode\r\nChanging Record"
                                << "Get RECORD NUMBER using the SEARCH function\r\n"
                                   "Enter the RECORD NUMBER in the\r\n"
                                   "WHITE RecNum box.\r\n"
                                   "RIGHT CLICK  [CHANGE]  button to SAVE changes.";
        QTest::newRow("delete") << false << "Mode\r\nDeleting Record"
                                << "To DELETE a record, display the record\r\n"
                                   "in the BLUE BOXES by inserting the\r\n"
                                   "RECORD # in the WHITE RecNum box.\r\n"
                                   "RIGHT CLICK  [DELETE]  Button to delete.";
    }
    // clang-format on
    void leftClickOnlyInstructs()
    {
        QFETCH(bool, change);
        QFETCH(QString, mode);
        QFETCH(QString, panel);
        showRecord(QStringLiteral("7"));
        m_w->ui().txtBnd->setText(QStringLiteral("20"));
        m_w->ui().txtCallsign->setFocus();

        QTest::mouseClick(change ? m_w->ui().cmdChangeRecord : m_w->ui().cmdDeleteRecord, Qt::LeftButton);

        QCOMPARE(m_w->ui().lblMode->text(), mode);
        QCOMPARE(m_w->ui().txtSpecs->text(), panel);
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 8.0);
        QVERIFY(m_w->ui().txtRecNum->hasFocus());
        QCOMPARE(m_fakes.confirmation.asked, 0);
        QCOMPARE(m_w->ui().txtBnd->text(), QStringLiteral("20"));
        QCOMPARE(m_w->ui().txtCall->text(), QStringLiteral("K7ABC"));
        QCOMPARE(qrpNow(), m_qrp);
        QCOMPARE(arciNow(), m_arci);
    }

    void changeBandWritesBothFiles()
    {
        showRecord(QStringLiteral("7"));
        QCOMPARE(m_w->ui().txtBnd->text(), QStringLiteral("40"));
        m_w->ui().txtBnd->selectAll();
        QTest::keyClicks(m_w->ui().txtBnd, QStringLiteral("20"));
        const QString panel = m_w->ui().txtSpecs->text();
        const QString mode = m_w->ui().lblMode->text();
        const QString chart = m_w->ui().lblS40->text() + m_w->ui().lblS20->text();

        QTest::mouseClick(m_w->ui().cmdChangeRecord, Qt::RightButton);

        QByteArray qrp = m_qrp, arci = m_arci;
        qrp.replace(6 * 48 + 27, 3, "20 ");
        arci.replace(6 * 83 + 34, 6, "20    ");
        QCOMPARE(qrpNow(), qrp);
        QCOMPARE(arciNow(), arci);
        // Nothing is shown and nothing recounted.
        QCOMPARE(m_w->ui().txtSpecs->text(), panel);
        QCOMPARE(m_w->ui().lblMode->text(), mode);
        QCOMPARE(m_w->ui().lblS40->text() + m_w->ui().lblS20->text(), chart);
        QCOMPARE(m_fakes.beeper.count, 0);
        QCOMPARE(m_fakes.confirmation.asked, 0);
        QCOMPARE(m_w->RecordCount(), 10);
        // The changed record shows again with its new band.
        showRecord(QStringLiteral("6"));
        showRecord(QStringLiteral("7"));
        QCOMPARE(m_w->ui().txtBnd->text(), QStringLiteral("20"));
    }

    void deleteAnsweredYes()
    {
        showRecord(QStringLiteral("7"));
        m_fakes.confirmation.answer = true;
        QTest::mouseClick(m_w->ui().cmdDeleteRecord, Qt::RightButton);

        QCOMPARE(m_fakes.confirmation.asked, 1);
        QCOMPARE(m_fakes.confirmation.lastText, QStringLiteral("Delete this record?"));
        QCOMPARE(m_fakes.confirmation.lastTitle, QStringLiteral("Kestrix"));
        QCOMPARE(m_w->ui().txtSpecs->text(), QStringLiteral("\r\nDeleting Record Number  7"));

        const QByteArray qrp = qrpNow(), arci = arciNow();
        QCOMPARE(qrp.size(), m_qrp.size());
        QCOMPARE(arci.size(), m_arci.size());
        QCOMPARE(recordAt(qrp, 7), QByteArray("DELETED ") + QByteArray(40, ' '));
        QCOMPARE(lineAt(arci, 7), QByteArray("DELETED    ") + QByteArray(68, ' ') + QByteArray("\x02\x00\r\n", 4));
        for (int n = 1; n <= 10; ++n)
            if (n != 7)
                QCOMPARE(recordAt(qrp, n), recordAt(m_qrp, n));
        for (int n = 1; n <= 9; ++n)
            if (n != 7)
                QCOMPARE(lineAt(arci, n), lineAt(m_arci, n));

        QCOMPARE(m_w->ui().txtCall->text(), QStringLiteral("DELETED"));
        for (QLineEdit *box :
             {m_w->ui().txtRstR, m_w->ui().txtRstS, m_w->ui().txtLocale, m_w->ui().txtClub, m_w->ui().txtPwr,
              m_w->ui().txtBnd, m_w->ui().txtCalendar, m_w->ui().txtClock, m_w->ui().txtPts, m_w->ui().txtMult})
            QCOMPARE(box->text(), QString());
        QCOMPARE(m_w->RecordCount(), 10);

        // The deleted record is found by search and shown again by number; 8 keeps 8.
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        QTest::keyClicks(m_w->ui().txtSearchInfo, QStringLiteral("deleted"));
        QVERIFY(m_w->ui().txtSpecs->text().startsWith(QStringLiteral("Record Number =  7\r\nCallsign = DELETED \r\n")));
        showRecord(QStringLiteral("8"));
        QCOMPARE(m_w->ui().txtCall->text(), QStringLiteral("K8ABC"));
        showRecord(QStringLiteral("7"));
        QCOMPARE(m_w->ui().txtCall->text(), QStringLiteral("DELETED"));
        QCOMPARE(m_w->ui().txtBnd->text(), QString());
    }

    void deleteAnsweredNo()
    {
        showRecord(QStringLiteral("5.0"));
        m_fakes.confirmation.answer = false;
        QTest::mouseClick(m_w->ui().cmdDeleteRecord, Qt::RightButton);

        QCOMPARE(m_fakes.confirmation.asked, 1);
        QCOMPARE(qrpNow(), m_qrp);
        QCOMPARE(arciNow(), m_arci);
        QCOMPARE(m_w->ui().txtSpecs->text(), QStringLiteral("\r\nDelete function cancelled !"));
        QVERIFY(m_w->ui().txtRecNumber->hasFocus());
        QCOMPARE(m_w->ui().txtCall->text(), QStringLiteral("K5ABC"));
        QCOMPARE(m_fakes.beeper.count, 0);
    }

    void deleteSameRecordTwice()
    {
        showRecord(QStringLiteral("3"));
        QTest::mouseClick(m_w->ui().cmdDeleteRecord, Qt::RightButton);
        const QByteArray qrp = qrpNow(), arci = arciNow();
        QCOMPARE(recordAt(qrp, 3), QByteArray("DELETED ") + QByteArray(40, ' '));
        QVERIFY(arci != m_arci);

        showRecord(QStringLiteral("3"));
        QTest::mouseClick(m_w->ui().cmdDeleteRecord, Qt::RightButton);
        QCOMPARE(m_fakes.confirmation.asked, 2);
        QCOMPARE(m_w->ui().txtSpecs->text(), QStringLiteral("\r\nDeleting Record Number  3"));
        QCOMPARE(qrpNow(), qrp);
        QCOMPARE(arciNow(), arci);
    }

    // clang-format off
    void refusedNumbersWriteNothing_data()
    {
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        const struct {
            const char *number;
            const char *why;
        } cases[] = {
            // One number of each kind; every reason is the rules' (tests/rules/tst_recordnumbers.cpp).
            {"", "the WHITE RecNum box is empty."},
            {"0", "record numbers start at 1."},
            {"2.5", "record numbers are whole numbers."},
            {"11", "the last record is number 10."},
            {"abc", "the WHITE RecNum box holds no number."},
        };
        for (const auto &c : cases) {
            QTest::addRow("change %s", c.number) << true << c.number << QStringLiteral("Nothing changed: ") + c.why;
            QTest::addRow("delete %s", c.number) << false << c.number << QStringLiteral("Nothing deleted: ") + c.why;
        }
    }
    // clang-format on
    void refusedNumbersWriteNothing()
    {
        QFETCH(bool, change);
        QFETCH(QString, number);
        QFETCH(QString, message);

        // The review row holds a record edited into something else, so any write shows.
        showRecord(QStringLiteral("4"));
        m_w->ui().txtCall->setText(QStringLiteral("XX9XX"));
        m_w->ui().txtBnd->setText(QStringLiteral("6"));
        m_w->ui().txtRecNum->setText(number);
        m_fakes.beeper.count = 0;

        QTest::mouseClick(change ? m_w->ui().cmdChangeRecord : m_w->ui().cmdDeleteRecord, Qt::RightButton);

        QCOMPARE(qrpNow(), m_qrp);
        QCOMPARE(arciNow(), m_arci);
        QCOMPARE(m_fakes.beeper.count, 1);
        QCOMPARE(m_fakes.confirmation.asked, 0);
        QCOMPARE(m_w->ui().txtSpecs->text(), message);
        QVERIFY(!m_w->ui().txtSpecs->text().contains(QStringLiteral("\r\n")));
        QCOMPARE(m_w->ui().txtRecNum->text(), number);
        QCOMPARE(m_w->ui().txtCall->text(), QStringLiteral("XX9XX"));
    }

    void placeholderIsRefused()
    {
        // Record RecordCount is the placeholder that takes the next contact: review
        // shows it, change and delete leave both files as they are.
        for (bool change : {true, false}) {
            showRecord(QStringLiteral("10"));
            QCOMPARE(m_w->ui().txtBnd->text(), QStringLiteral("40"));
            m_w->ui().txtBnd->setText(QStringLiteral("20"));
            m_fakes.beeper.count = 0;
            QTest::mouseClick(change ? m_w->ui().cmdChangeRecord : m_w->ui().cmdDeleteRecord, Qt::RightButton);
            QCOMPARE(qrpNow(), m_qrp);
            QCOMPARE(arciNow(), m_arci);
            QCOMPARE(m_fakes.beeper.count, 1);
            QCOMPARE(m_fakes.confirmation.asked, 0);
            QCOMPARE(m_w->ui().txtSpecs->text(),
                     (change ? QStringLiteral("Nothing changed: ") : QStringLiteral("Nothing deleted: ")) +
                         QStringLiteral("record 10 is kept for the next contact."));
        }
    }
};

QTEST_MAIN(tst_ChangeDelete)
#include "tst_changedelete.moc"
