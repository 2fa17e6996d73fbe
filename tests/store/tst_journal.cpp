// Every operation on the log, cut short at every write it makes and at every
// byte of each, as a kill or a power cut would leave it; then the next start-up.
// A save, change, delete or Exit write-back must then be found whole or not at
// all, in both files; a start-up repair cut short must be finished by the next.
// Also: the journal's own encoding, and one file under both names.

#include "store/LogStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

struct Log {
    QByteArray qrp, arci, journal;
    bool operator==(const Log &o) const { return qrp == o.qrp && arci == o.arci; }
};

QByteArray readFile(const QString &dir, const char *name)
{
    QFile f(QDir(dir).filePath(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &dir, const char *name, const QByteArray &bytes)
{
    QFile f(QDir(dir).filePath(QLatin1String(name)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(f.fileName()));
}

Log readLog(const QString &dir)
{
    return {readFile(dir, LogStore::QrpFileName), readFile(dir, LogStore::ArciFileName),
            readFile(dir, Journal::FileName)};
}

void writeLog(const QString &dir, const Log &log)
{
    writeFile(dir, LogStore::QrpFileName, log.qrp);
    writeFile(dir, LogStore::ArciFileName, log.arci);
    writeFile(dir, Journal::FileName, log.journal);
    QFile::remove(QDir(dir).filePath(QLatin1String(LogStore::StrayFileName)));
}

QrpRecord contact(int n, const char *band = "40")
{
    QrpRecord r;
    const QStringList v{QStringLiteral("K%1AB").arg(n),
                        QString::number(1000 + n),
                        QString(),
                        QStringLiteral("NY"),
                        QStringLiteral("579"),
                        QStringLiteral("599"),
                        QLatin1String(band),
                        QStringLiteral("12/07/98"),
                        QStringLiteral("14:0%1:27").arg(n % 10),
                        QStringLiteral("5"),
                        QStringLiteral("1")};
    for (int f = 0; f < QrpRecord::FieldCount; ++f)
        r.set(QrpRecord::Field(f), v[f]);
    return r;
}

QrpRecord placeholder(const char *band)
{
    QrpRecord r;
    r.set(QrpRecord::Band, QLatin1String(band));
    return r;
}

// A sound log of n contacts: records, a placeholder, and the lines.
Log soundLog(int n)
{
    Log log;
    for (int i = 1; i <= n; ++i) {
        log.qrp += contact(i).bytes();
        log.arci += LogStore::lineFor(contact(i)).bytes();
    }
    log.qrp += placeholder("40").bytes();
    return log;
}

FileErrorHandler failOnError()
{
    return [](const QString &file, const QString &reason) {
        QFAIL(qPrintable(QStringLiteral("file error %1: %2").arg(file, reason)));
    };
}

using Operation = std::function<void(LogStore &)>;
} // namespace
Q_DECLARE_METATYPE(Log)
Q_DECLARE_METATYPE(Operation)
namespace {

void writeRecordAndLine(LogStore &log, qint32 n, const QrpRecord &record, bool line = true)
{
    log.beginOperation();
    log.QrpRecord_ = record;
    log.writeRecord(n);
    if (line) {
        log.ArciLine_ = LogStore::lineFor(record);
        log.writeArciLine(n);
    }
    QCOMPARE(log.commitOperation(), LogStore::Outcome::Written);
}

} // namespace

class tst_Journal : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void cutEverywhere_data();
    void cutEverywhere();
    void cleanupTestCase();
    void damagedJournalsAreIgnored();
    void oneFileUnderBothNames();

  private:
    QString m_base;
    int m_cuts = 0;
    int m_operations = 0;
};

void tst_Journal::initTestCase()
{
    // A folder in memory where there is one: thousands of synced writes follow.
    m_base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

// clang-format off
void tst_Journal::cutEverywhere_data()
{
    QTest::addColumn<Log>("start");
    QTest::addColumn<Operation>("operation"); // none: the start-up repair itself
    QTest::addColumn<bool>("repair");

    QrpRecord deleted;
    deleted.set(QrpRecord::Callsign, QStringLiteral("DELETED"));
    QrpRecord changed = contact(2);
    changed.set(QrpRecord::Band, QStringLiteral("20"));

    // A save: the contact over the placeholder, its line, the next placeholder.
    auto saveAt = [](qint32 n) {
        return Operation([n](LogStore &log) {
            log.beginOperation();
            log.QrpRecord_ = contact(n);
            log.writeRecord(n);
            log.ArciLine_ = LogStore::lineFor(contact(n));
            log.writeArciLine(n);
            log.QrpRecord_ = placeholder("40");
            log.writeRecord(n + 1);
            QCOMPARE(log.commitOperation(), LogStore::Outcome::Written);
        });
    };
    QTest::newRow("save into a new log") << Log{} << saveAt(1) << false;
    QTest::newRow("save after two contacts") << soundLog(2) << saveAt(3) << false;
    QTest::newRow("change") << soundLog(3)
                            << Operation([changed](LogStore &log) { writeRecordAndLine(log, 2, changed); }) << false;
    QTest::newRow("delete") << soundLog(3)
                            << Operation([deleted](LogStore &log) { writeRecordAndLine(log, 1, deleted); }) << false;
    QTest::newRow("Exit write-back") << soundLog(3) << Operation([changed](LogStore &log) {
        writeRecordAndLine(log, 3, changed, false);
    }) << false;

    Log cutOff = soundLog(2);
    cutOff.qrp.chop(48);
    cutOff.arci.chop(83);
    QTest::newRow("repair: a contact without its line and placeholder") << cutOff << Operation() << true;
    Log stray = soundLog(2);
    stray.qrp.chop(48);
    stray.qrp += "\r\n";
    QTest::newRow("repair: stray bytes after a contact") << stray << Operation() << true;
    Log lines = soundLog(4);
    lines.arci = lines.arci.left(83) + QByteArray(83, '\0') + lines.arci.mid(166, 30);
    QTest::newRow("repair: lines zero-filled, cut short and missing") << lines << Operation() << true;
}
// clang-format on

void tst_Journal::cutEverywhere()
{
    QFETCH(Log, start);
    QFETCH(Operation, operation);
    QFETCH(bool, repair);

    QTemporaryDir tmp(m_base + QStringLiteral("/kestrix-journal-XXXXXX"));
    const QString dir = tmp.path();
    writeLog(dir, start);

    // The operation whole, counting its writes, gives the log it must leave.
    QList<qint64> writes;
    Posix::setWriteHook([&writes](int, qint64, qint64 size, qint64 *) {
        writes << size;
        return true;
    });
    Log before, after;
    {
        LogStore log(dir, failOnError());
        if (repair) {
            QVERIFY(log.open());
        } else {
            Posix::setWriteHook({});
            QVERIFY(log.open());
            before = readLog(dir);
            Posix::setWriteHook([&writes](int, qint64, qint64 size, qint64 *) {
                writes << size;
                return true;
            });
            operation(log);
        }
    }
    Posix::setWriteHook({});
    after = readLog(dir);
    if (repair)
        before = start;
    QVERIFY(!writes.isEmpty());
    QVERIFY(!(after == before));

    // Then cut at each write, after each of its bytes (a truncate: before it).
    for (qsizetype cutAt = 0; cutAt < writes.size(); ++cutAt) {
        for (qint64 bytes = 0; bytes <= qMax<qint64>(0, writes.at(cutAt)); ++bytes) {
            writeLog(dir, repair ? start : before);
            qsizetype call = 0;
            bool stopped = false;
            Posix::setWriteHook([&](int, qint64, qint64, qint64 *allowed) {
                if (call++ != cutAt)
                    return true;
                *allowed = bytes;
                return false;
            });
            try {
                LogStore log(dir, {});
                if (log.open() && operation)
                    operation(log);
            } catch (const Posix::Stopped &) {
                stopped = true;
            }
            Posix::setWriteHook({});
            QVERIFY2(stopped, qPrintable(QStringLiteral("write %1 was never reached").arg(cutAt)));

            // The next start-up.
            {
                LogStore log(dir, failOnError());
                QVERIFY(log.open());
            }
            const Log found = readLog(dir);
            const QString where =
                QStringLiteral("cut at write %1 of %2 after %3 byte(s)").arg(cutAt + 1).arg(writes.size()).arg(bytes);
            if (repair)
                QVERIFY2(found == after, qPrintable(where + QStringLiteral(": the repair was not finished")));
            else
                QVERIFY2(found == before || found == after,
                         qPrintable(where + QStringLiteral(": the operation is half done")));
            ++m_cuts;
        }
    }
    ++m_operations;
}

void tst_Journal::cleanupTestCase()
{
    qInfo("write sequences cut: %d operations at %d points, none found half done", m_operations, m_cuts);
}

void tst_Journal::damagedJournalsAreIgnored()
{
    // A journal whose every byte may be damaged: a flipped byte fails the
    // checksum, and the log files are left as they are.
    Journal::Operation op;
    op.lengthBefore = {48, 0};
    op.lengthAfter = {96, 83};
    op.changes.append({Journal::Qrp, 48, QByteArray(48, 'x'), QByteArray()});
    op.changes.append({Journal::Arci, 0, QByteArray(83, 'y'), QByteArray()});
    const QByteArray good = Journal::encode(op);
    const auto decoded = Journal::decode(good);
    QVERIFY(decoded);
    QCOMPARE(decoded->changes.size(), 2);
    QCOMPARE(decoded->changes.at(1).after, QByteArray(83, 'y'));
    QCOMPARE(decoded->lengthAfter[Journal::Arci], qint64(83));
    for (qsizetype i = 0; i < good.size(); ++i) {
        QByteArray bad = good;
        bad[i] = char(bad.at(i) ^ 0x5A);
        QVERIFY2(!Journal::decode(bad), qPrintable(QStringLiteral("byte %1 flipped still decodes").arg(i)));
    }
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        QVERIFY(!Journal::decode(good.left(cut)));
}

void tst_Journal::oneFileUnderBothNames()
{
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    const QByteArray qrp = soundLog(1).qrp;
    writeFile(dir, LogStore::QrpFileName, qrp);
    QVERIFY(QFile::link(QStringLiteral("QRPDATA.DAT"), QDir(dir).filePath(QStringLiteral("ARCIFILE.DAT"))));
    QStringList errors;
    LogStore log(dir, [&errors](const QString &file, const QString &reason) { errors << file + u':' + reason; });
    QVERIFY(!log.open());
    QCOMPARE(errors, QStringList{QStringLiteral("QRPDATA.DAT and ARCIFILE.DAT:the two names are one file")});
    QCOMPARE(readFile(dir, LogStore::QrpFileName), qrp);
    QVERIFY(!QFile::exists(QDir(dir).filePath(QLatin1String(Journal::FileName))));
}

QTEST_GUILESS_MAIN(tst_Journal)
#include "tst_journal.moc"
