// The search through the real widgets: the SEARCH button, the upper-case rule
// of the search box and the list of matches in the display panel.

#include "TestLog.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Instructions = QStringLiteral("Enter a CALLSIGN, ARCI # or SPC\r\n"
                                            "in the Zell   ON/OFF  button.\r\n"
                                            "Press the SEARCH button again to\r\n"
                                            "Clear screen or search again.\r\n"
                                            "Make note of the RECORD NUMBER if DELETING records.");
const QString NoMatch = QStringLiteral("\r\nSorry, no records match\r\nyour search criteria.");

QrpRecord rec(const QString &call, const QString &arci, const QString &power, const QString &spc, const QString &band,
              int points)
{
    return TestLog::record({call, arci, power, spc, QStringLiteral("579"), QStringLiteral("599"), band,
                            QStringLiteral("12/07/98"), QStringLiteral("14:03:27"), QString::number(points),
                            QStringLiteral("0")});
}

// The log: K1ABC on three bands, two NY stations, a member number worked twice,
// a call sign that is also an S-P-C, a deleted record, and a lower-case call.
QList<QrpRecord> theLog()
{
    QrpRecord deleted;
    deleted.set(QrpRecord::Callsign, QStringLiteral("DELETED"));
    return {
        rec("K1ABC", "1234", "", "MA", "40", 5), // 1
        rec("W2XY", "", "5", "NY", "40", 2),     // 2
        rec("N2QRP", "567", "", "NY", "20", 5),  // 3
        rec("K1ABC", "1234", "", "MA", "20", 5), // 4
        rec("ON", "", "5", "ONT", "15", 2),      // 5: the call sign ON
        rec("VE3QQ", "", "5", "ON", "15", 4),    // 6: the S-P-C ON
        rec("K1ABC", "1234", "", "MA", "15", 5), // 7
        deleted,                                 // 8
        rec("k9low", "88", "", "IL", "40", 5),   // 9
        rec("ON", "", "5", "ON", "10", 2),       // 10: ON twice in one record
    };
}

QList<int> listedRecords(const QString &panel)
{
    QList<int> numbers;
    static const QRegularExpression line(QStringLiteral("^Record Number =  (\\d+)\r$"),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(panel); it.hasNext();)
        numbers.append(it.next().captured(1).toInt());
    return numbers;
}

} // namespace

class tst_RecordSearch : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    FakePlatform m_fakes;
    std::unique_ptr<frmKestrix> m_w;

  private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        TestLog::writeLog(m_dir.path(), theLog(), QStringLiteral("10"));
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        QCOMPARE(m_w->RecordCount(), 11);
    }
    void cleanup()
    {
        m_w.reset();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void searchButton()
    {
        m_w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        QCOMPARE(m_w->ui().txtSpecs->text(), Instructions);
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 8.0);
        QCOMPARE(m_w->ui().lblMode->text(), QStringLiteral("Mode\r\nSearching Records"));
        QVERIFY(m_w->ui().txtSearchInfo->hasFocus());

        // A second press empties the box and the list and shows the instructions again.
        QTest::keyClicks(m_w->ui().txtSearchInfo, QStringLiteral("ny"));
        QCOMPARE(listedRecords(m_w->ui().txtSpecs->text()), (QList<int>{2, 3}));
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        QCOMPARE(m_w->ui().txtSearchInfo->text(), QString());
        QCOMPARE(m_w->ui().txtSpecs->text(), Instructions);
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 8.0);
        QVERIFY(m_w->ui().txtSearchInfo->hasFocus());
    }

    // clang-format off
    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("call on three bands") << "k1abc"
                                             << "K1ABC" << QList<int>{1, 4, 7};
        QTest::newRow("S-P-C") << "NY"
                               << "NY" << QList<int>{2, 3};
        QTest::newRow("ARCI number") << "1234"
                                     << "1234" << QList<int>{1, 4, 7};
        QTest::newRow("call and S-P-C, each once") << "on"
                                                   << "ON" << QList<int>{5, 6, 10};
        QTest::newRow("deleted records") << "deleted"
                                         << "DELETED" << QList<int>{8};
        QTest::newRow("first letters only") << "k1ab"
                                            << "K1AB" << QList<int>{};
        QTest::newRow("stored in lower case") << "k9low"
                                              << "K9LOW" << QList<int>{};
        QTest::newRow("S-P-C is not a prefix") << "o"
                                               << "O" << QList<int>{};
        QTest::newRow("eight characters at most") << "abcdefghij"
                                                  << "ABCDEFGH" << QList<int>{};
        QTest::newRow("digits and signs stay") << "5-/"
                                               << "5-/" << QList<int>{};
    }
    // clang-format on
    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, box);
        QFETCH(QList<int>, records);

        m_w->ui().txtRecNum->setText(QStringLiteral("3"));
        const QStringList review = {m_w->ui().txtCall->text(), m_w->ui().txtBnd->text(), m_w->ui().txtRecNum->text()};
        const QStringList entry = {m_w->ui().txtCallsign->text(), m_w->ui().txtBand->text(),
                                   m_w->ui().txtRecNumber->text()};
        const QByteArray qrp = TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT"));
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        const QString caption = m_w->windowTitle();
        const qint32 current = m_w->CurrentRecord();

        QTest::keyClicks(m_w->ui().txtSearchInfo, keys);

        QCOMPARE(m_w->ui().txtSearchInfo->text(), box);
        const QString panel = m_w->ui().txtSpecs->text();
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 8.0);
        if (records.isEmpty()) {
            // A key the full box refused is the last thing the panel reports.
            QCOMPARE(panel, keys.size() > 8 ? QStringLiteral("Search text holds at most 8 characters:\r\n\"J\" was "
                                                             "not taken.")
                                            : NoMatch);
            QCOMPARE(m_w->windowTitle(), caption);
        } else {
            QCOMPARE(listedRecords(panel), records);
            QCOMPARE(panel.count(QStringLiteral(" ==================================\r\n")), records.size());
            QVERIFY(panel.endsWith(QStringLiteral(" ==================================\r\n")));
            QCOMPARE(panel.count(QStringLiteral("\r\n")), 13 * records.size());
            QCOMPARE(m_w->windowTitle(), QStringLiteral("Record  %1/ 11").arg(records.last()));
        }
        QCOMPARE(m_w->ui().lblMode->text(), QStringLiteral("Mode\r\nSearching Records"));
        QCOMPARE((QStringList{m_w->ui().txtCall->text(), m_w->ui().txtBnd->text(), m_w->ui().txtRecNum->text()}),
                 review);
        QCOMPARE(
            (QStringList{m_w->ui().txtCallsign->text(), m_w->ui().txtBand->text(), m_w->ui().txtRecNumber->text()}),
            entry);
        QCOMPARE(m_w->CurrentRecord(), current);
        QCOMPARE(TestLog::readFile(m_dir.path(), QStringLiteral("QRPDATA.DAT")), qrp);
    }

    void blocksKeepStoredWidths()
    {
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        QTest::keyClicks(m_w->ui().txtSearchInfo, QStringLiteral("w2xy"));
        QCOMPARE(m_w->ui().txtSpecs->text(), QStringLiteral("Record Number =  2\r\n"
                                                            "Callsign = W2XY    \r\n"
                                                            "ARCI # =      \r\n"
                                                            "Power = 5   \r\n"
                                                            "SPC = NY  \r\n"
                                                            "RST Sent = 579\r\n"
                                                            "RST Rcvd = 599\r\n"
                                                            "Band = 40 \r\n"
                                                            "Date = 12/07/98\r\n"
                                                            "Time = 14:03:27\r\n"
                                                            "Points = 2\r\n"
                                                            "Multiplier = 0\r\n"
                                                            " ==================================\r\n"));
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Record  2/ 11"));
    }

    void emptyTextListsBlankFields()
    {
        // Emptying the box lists each record whose call sign, ARCI number or S-P-C is
        // blank: non-members, the deleted record and the placeholder.
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        QTest::keyClicks(m_w->ui().txtSearchInfo, QStringLiteral("x"));
        QCOMPARE(m_w->ui().txtSpecs->text(), NoMatch);
        QTest::keyClick(m_w->ui().txtSearchInfo, Qt::Key_Backspace);
        QCOMPARE(m_w->ui().txtSearchInfo->text(), QString());
        QCOMPARE(listedRecords(m_w->ui().txtSpecs->text()), (QList<int>{2, 5, 6, 8, 10, 11}));
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Record  11/ 11"));
    }

    void pastedTextIsNotConverted()
    {
        QTest::mouseClick(m_w->ui().cmdSearch, Qt::LeftButton);
        m_w->ui().txtSearchInfo->insert(QStringLiteral("k9low"));
        QCOMPARE(m_w->ui().txtSearchInfo->text(), QStringLiteral("k9low"));
        QCOMPARE(listedRecords(m_w->ui().txtSpecs->text()), QList<int>{9});
        // Blanks around the text are part of it: " NY" is not NY.
        m_w->ui().txtSearchInfo->setText(QStringLiteral(" NY"));
        QCOMPARE(m_w->ui().txtSpecs->text(), NoMatch);
        // A character outside the log's character set matches nothing, not a stored '?'.
        m_w->ui().txtSearchInfo->setText(QStringLiteral("K1AB\u0106"));
        QCOMPARE(m_w->ui().txtSpecs->text(), NoMatch);
    }

    void searchKeepsTheSizeInForce()
    {
        // Without the SEARCH button the title text is up at 18 points; the list keeps it.
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 18.0);
        m_w->ui().txtSearchInfo->setText(QStringLiteral("NY"));
        QCOMPARE(listedRecords(m_w->ui().txtSpecs->text()), (QList<int>{2, 3}));
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 18.0);
        m_w->ui().txtSearchInfo->setText(QStringLiteral("NX"));
        QCOMPARE(m_w->ui().txtSpecs->text(), NoMatch);
        QCOMPARE(m_w->ui().txtSpecs->fontSize(), 18.0);
    }

    // clang-format off
    void storedBlanksAreTrimmedTypedBlanksAreNot_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("S-P-C after a blank") << "NY" << QList<int>{1, 2};
        QTest::newRow("ARCI after blanks") << "77" << QList<int>{1};
        QTest::newRow("call after a blank") << "K1ABC" << QList<int>{2};
        QTest::newRow("trailing blank typed") << "NY " << QList<int>{};
        QTest::newRow("leading blank typed") << " NY" << QList<int>{};
        QTest::newRow("inner blank kept") << "N Y" << QList<int>{3};
        QTest::newRow("longer than the field") << "NYNYN" << QList<int>{};
    }
    // clang-format on
    void storedBlanksAreTrimmedTypedBlanksAreNot()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, records);
        cleanup();
        TestLog::writeLog(m_dir.path(),
                          {rec("W1AW", "  77", "", " NY", "40", 5), rec(" K1ABC", "", "5", "NY", "40", 2),
                           rec("W3ZZ", "", "5", "N Y", "40", 2)},
                          QStringLiteral("40"));
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        m_w->ui().txtSearchInfo->setText(text);
        if (records.isEmpty())
            QCOMPARE(m_w->ui().txtSpecs->text(), NoMatch);
        else
            QCOMPARE(listedRecords(m_w->ui().txtSpecs->text()), records);
    }

    // clang-format off
    void latin1Letters_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QList<int>>("records");
        QTest::newRow("y diaeresis stays")
            << QStringLiteral("\u00ff1abc") << QStringLiteral("\u00ff1ABC") << QList<int>{1};
        QTest::newRow("micro sign stays") << QStringLiteral("dl\u00b5") << QStringLiteral("DL\u00b5") << QList<int>{2};
        QTest::newRow("e acute capitalised")
            << QStringLiteral("\u00e99x") << QStringLiteral("\u00c99X") << QList<int>{3};
    }
    // clang-format on
    // The search box capitalises as the entry boxes do, so calls stored from them are found.
    void latin1Letters()
    {
        QFETCH(QString, keys);
        QFETCH(QString, box);
        QFETCH(QList<int>, records);
        cleanup();
        TestLog::writeLog(m_dir.path(),
                          {rec("\u00ff1ABC", "", "5", "NY", "40", 2), rec("DL\u00b5", "", "5", "DX", "40", 2),
                           rec("\u00c99X", "", "5", "DX", "40", 2)},
                          QStringLiteral("40"));
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        // Letters outside ASCII come as a keyboard layout sends them: a key carrying the text.
        for (QChar c : keys) {
            if (c.unicode() < 0x80)
                QTest::keyClick(m_w->ui().txtSearchInfo, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, m_w->ui().txtSearchInfo, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QCOMPARE(m_w->ui().txtSearchInfo->text(), box);
        QCOMPARE(listedRecords(m_w->ui().txtSpecs->text()), records);
    }

    void longListStaysResponsive()
    {
        // 1 000 matches among 5 000 contacts: the list is complete and set at once.
        cleanup();
        QList<QrpRecord> records;
        for (int i = 1; i <= 5000; ++i)
            records.append(
                rec(i % 5 == 0 ? QStringLiteral("K1ABC") : QStringLiteral("W%1").arg(i), "", "5", "TX", "40", 2));
        TestLog::writeLog(m_dir.path(), records, QStringLiteral("40"));
        m_w = TestLog::openWindow(m_dir.path(), m_fakes);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
        QElapsedTimer timer;
        timer.start();
        m_w->ui().txtSearchInfo->setText(QStringLiteral("K1ABC"));
        const qint64 ms = timer.elapsed();
        const QList<int> listed = listedRecords(m_w->ui().txtSpecs->text());
        QCOMPARE(listed.size(), 1000);
        QCOMPARE(listed.first(), 5);
        QCOMPARE(listed.last(), 5000);
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Record  5000/ 5001"));
        qInfo("search with 1000 matches over 5000 contacts: %lld ms", ms);
    }
};

QTEST_MAIN(tst_RecordSearch)
#include "tst_recordsearch.moc"
