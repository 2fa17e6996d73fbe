// Call history and check files as read: the calls each gives, the lines it
// skips and why, and the files it refuses whole.

#include "TestFiles.h"
#include "history/CallHistoryFile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class tst_CallHistory : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void lines_data();
    void lines();
    void refused();
    void checkPartialAndEarlierLog();
};

void tst_CallHistory::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("spcColumn");
    QTest::addColumn<QStringList>("entries"); // call|spc|exchange
    QTest::addColumn<QStringList>("skipped");
    QTest::addColumn<QString>("note");

    QTest::newRow("default order, state before section")
        << QByteArray("K1ABC,Bob,GA,,ENY,MA,,,1234\r\nk2def , Al,,,,,,,5W\n\n") << QString()
        << QStringList{"K1ABC|MA|1234", "K2DEF||5W"} << QStringList() << QString();
    QTest::newRow("order line, quotes, comments, Loc1 when no state or section")
        << QByteArray("# made by hand\n!!Order!!,Call,Name,Exch1,Sect,Loc1\nw2xyz,\"Smith, \"\"J\"\"\",5w,,nj\n"
                      "  # indented comment\n")
        << QString() << QStringList{"W2XYZ|NJ|5W"} << QStringList() << QString();
    QTest::newRow("the S-P-C column chosen") << QByteArray("K1ABC,Bob,GA,,ENY,MA,,,1234\n") << QStringLiteral("loc1")
                                             << QStringList{"K1ABC|GA|1234"} << QStringList() << QString();
    QTest::newRow("bad lines skipped, the rest read")
        << (QByteArray(",Nobody\nK1A\tB,x\n") + QByteArray(501, 'W') + "\nK4\"Q,x\nK5-Q,x\n\"K6Q,x\n" +
            "!!Order!!,Name,Sect\nK7ABCDEFGHIJKLMN,x\nK8OK,x\n")
        << QString() << QStringList{"K8OK||"}
        << QStringList{"line 1: no call sign",
                       "line 2: control character",
                       "line 3: longer than 500 characters",
                       "line 4: not a call sign",
                       "line 5: not a call sign",
                       "line 6: unclosed quote",
                       "line 7: order line names no Call column",
                       "line 8: call sign longer than 15 characters"}
        << QString();
    QTest::newRow("Latin-1 read as such")
        << QByteArray("K3LAT,Jos\xe9,,,,PA,,,77\n") << QString() << QStringList{"K3LAT|PA|77"} << QStringList()
        << QStringLiteral("not UTF-8: read as Latin-1");
    QTest::newRow("UTF-8 with its mark, C1 control in it")
        << QByteArray("\xef\xbb\xbfK9UTF,Jos\xc3\xa9,,,,OH\nK9C1,\xc2\x85\n") << QString() << QStringList{"K9UTF|OH|"}
        << QStringList{"line 2: control character"} << QString();
}

void tst_CallHistory::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, spcColumn);
    QTemporaryDir dir;
    TestLog::writeFile(dir.path(), QStringLiteral("h.txt"), bytes);
    CallHistoryFile::Columns columns;
    columns.spcColumn = spcColumn;
    const HistorySource s = CallHistoryFile::readCallHistory(dir.filePath(QStringLiteral("h.txt")), columns);
    QVERIFY2(!s.refused(), qPrintable(s.refusal));
    QStringList entries, skipped;
    for (const auto &e : s.entries)
        entries << e.call + u'|' + e.spc + u'|' + e.exchange;
    for (const auto &k : s.skipped)
        skipped << k.text();
    QTEST(entries, "entries");
    QTEST(skipped, "skipped");
    QTEST(s.note, "note");
}

void tst_CallHistory::refused()
{
    QTemporaryDir dir;
    auto path = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
    QVERIFY(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
    TestLog::writeFile(dir.path(), QStringLiteral("binary"), QByteArray("K1ABC\0,x\n", 9));
    TestLog::writeFile(dir.path(), QStringLiteral("huge"), QByteArray("K1ABC\n"));
    QVERIFY(::truncate(QFile::encodeName(path("huge")).constData(), CallHistoryFile::MaxBytes + 1) == 0);
    const QList<std::pair<const char *, QString>> cases{{"missing", QStringLiteral("No such file or directory")},
                                                        {"fifo", QStringLiteral("not a regular file")},
                                                        {"binary", QStringLiteral("a binary file, not text")},
                                                        {"huge", QStringLiteral("larger than 50 MB")},
                                                        {"", QStringLiteral("not a regular file")}};
    for (const auto &[name, reason] : cases) {
        // A named pipe without a writer would block an open: it must come back at once.
        QCOMPARE(CallHistoryFile::readCallHistory(path(name)).refusal, reason);
        QCOMPARE(CallHistoryFile::readCheckPartial(path(name)).refusal, reason);
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("log")));
    QCOMPARE(CallHistoryFile::readEarlierLog(path("log")).refusal, QStringLiteral("No such file or directory"));
    QVERIFY(::mkfifo(QFile::encodeName(path("log/QRPDATA.DAT")).constData(), 0600) == 0);
    QCOMPARE(CallHistoryFile::readEarlierLog(path("log")).refusal, QStringLiteral("not a regular file"));
}

void tst_CallHistory::checkPartialAndEarlierLog()
{
    QTemporaryDir dir;
    TestLog::writeFile(dir.path(), QStringLiteral("MASTER.SCP"), "# active calls\nK1ABC\n w2xyz \nK1 A\n\n");
    const HistorySource check = CallHistoryFile::readCheckPartial(dir.filePath(QStringLiteral("MASTER.SCP")));
    QCOMPARE(check.entries.size(), 2);
    QCOMPARE(check.entries[1].call, QStringLiteral("W2XYZ"));
    QCOMPARE(check.skipped.size(), 1);
    QCOMPARE(check.skipped[0].text(), QStringLiteral("line 4: not a call sign"));

    TestLog::writeLog(dir.path(),
                      {TestLog::record({"K1ABC", "1234", "", "MA", "579", "579", "40", "", "", "5", "1"}),
                       QrpRecord::deleted(),
                       TestLog::record({"W2XYZ", "", "5", "NJ", "579", "579", "20", "", "", "2", "1"})},
                      QStringLiteral("20"));
    const QByteArray before = TestLog::readFile(dir.path(), QStringLiteral("QRPDATA.DAT"));
    const HistorySource log = CallHistoryFile::readEarlierLog(dir.path());
    QVERIFY2(!log.refused(), qPrintable(log.refusal));
    QCOMPARE(log.entries.size(), 2);
    QCOMPARE(log.entries[0].exchange, QStringLiteral("1234"));
    QCOMPARE(log.entries[1].exchange, QStringLiteral("5W"));
    QCOMPARE(log.entries[1].spc, QStringLiteral("NJ"));
    QCOMPARE(TestLog::readFile(dir.path(), QStringLiteral("QRPDATA.DAT")), before);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ARCIFILE.DAT"))));
}

QTEST_GUILESS_MAIN(tst_CallHistory)
#include "tst_callhistory.moc"
