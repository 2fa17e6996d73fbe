// The checks read the log in bulk; what they see must be what a record-by-record
// read sees, cut records and records past the end included.

#include "TestFiles.h"
#include "store/LogStore.h"

#include <QTemporaryDir>
#include <QTest>

class tst_RawScan : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sameAsRecordByRecord_data();
    void sameAsRecordByRecord();
    void stopsWhereTold();
};

namespace {
QByteArray generated(int bytes)
{
    QByteArray out(bytes, Qt::Uninitialized);
    for (int i = 0; i < bytes; ++i)
        out[i] = char((i * 131 + i / 48) & 0xFF);
    return out;
}

std::unique_ptr<LogStore> open(const QTemporaryDir &dir, const QByteArray &bytes)
{
    TestLog::writeFile(dir.path(), "QRPDATA.DAT", bytes);
    auto log = std::make_unique<LogStore>(dir.path(), [](const QString &file, const QString &reason) {
        qFatal("%s: %s", qPrintable(file), qPrintable(reason));
    });
    if (!log->openQrp())
        qFatal("cannot open the log");
    return log;
}
} // namespace

// clang-format off
void tst_RawScan::sameAsRecordByRecord_data()
{
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("whole records") << 5 * 48 << 1 << 5;
    QTest::newRow("a middle range") << 5 * 48 << 2 << 4;
    QTest::newRow("cut last record") << 5 * 48 + 20 << 1 << 6;
    QTest::newRow("past the end") << 5 * 48 + 20 << 4 << 9;
    QTest::newRow("wholly past the end") << 2 * 48 << 3 << 4;
    QTest::newRow("empty file") << 0 << 1 << 2;
    QTest::newRow("one record") << 48 << 1 << 1;
    QTest::newRow("beyond one slice") << 70001 * 48 + 7 << 1 << 70002;
    QTest::newRow("starting in the second slice") << 70001 * 48 << 65540 << 70001;
    QTest::newRow("nothing to scan") << 5 * 48 << 3 << 2;
    QTest::newRow("no record 0") << 5 * 48 << 0 << 2;
}
// clang-format on

void tst_RawScan::sameAsRecordByRecord()
{
    QFETCH(int, bytes);
    QFETCH(int, first);
    QFETCH(int, last);
    QTemporaryDir dir;
    auto log = open(dir, generated(bytes));
    QList<qint32> numbers;
    QByteArray seen;
    log->scanRaw(first, last, [&](qint32 n, const char *record) {
        numbers << n;
        seen += QByteArray(record, 48);
        return true;
    });
    const QrpRecord after = log->QrpRecord_;

    QList<qint32> expectedNumbers;
    QByteArray expected;
    if (first >= 1)
        for (qint32 n = first; n <= last; ++n) {
            expectedNumbers << n;
            log->readRecord(n);
            expected += log->QrpRecord_.bytes();
        }
    QCOMPARE(numbers, expectedNumbers);
    QCOMPARE(seen.size(), expected.size());
    QVERIFY(seen == expected);
    if (!expectedNumbers.isEmpty()) {
        log->readRecord(last);
        QVERIFY(after == log->QrpRecord_);
    }
}

void tst_RawScan::stopsWhereTold()
{
    QTemporaryDir dir;
    auto log = open(dir, generated(70010 * 48));
    for (qint32 stop : {1, 3, 65536, 65537, 70010}) {
        qint32 lastSeen = 0;
        log->scanRaw(1, 70010, [&](qint32 n, const char *) {
            lastSeen = n;
            return n < stop;
        });
        QCOMPARE(lastSeen, stop);
        const QrpRecord after = log->QrpRecord_;
        log->readRecord(stop);
        QVERIFY(after == log->QrpRecord_);
    }
    // The stored contacts stop before the placeholder.
    qint32 count = 0;
    log->scanContactsRaw([&](qint32, const char *) { return ++count > 0; });
    QCOMPARE(count, 70009);
}

QTEST_GUILESS_MAIN(tst_RawScan)
#include "tst_rawscan.moc"
