// Every operation on the log, cut short at every write it makes and at every
// byte of each, as a kill would leave it, and every state a power cut could
// leave on disk (writes not yet synced dropped, reordered, torn at 512-byte
// sectors; a new file gone when its folder was not synced); then the next
// start-up. A save, change, delete or Exit write-back must then be found whole
// or not at all, in both files; a start-up repair cut short must be finished
// by the next. Also: the journal's own encoding, and a journal that meets files
// other than its own.

#include "store/LogStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>
#include <unistd.h>

namespace {

struct Log {
    QByteArray qrp, arci, journal, stray;
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
            readFile(dir, Journal::FileName), readFile(dir, LogStore::StrayFileName)};
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
        log.arci += ArciLine::forRecord(contact(i)).bytes();
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
// Done to the log folder between a stop and the next start; gives the folder
// to start in.
using FolderChange = std::function<QString(const QString &dir)>;
} // namespace
Q_DECLARE_METATYPE(Log)
Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(FolderChange)
namespace {

// The files as a power cut may leave them, by name; a file not there is gone.
using Disk = QMap<QString, QByteArray>;
const QStringList DiskFiles{LogStore::QrpFileName, LogStore::ArciFileName, Journal::FileName, LogStore::StrayFileName};

struct Step {
    Posix::Step step;
    QString file;
    qint64 offset;
    QByteArray data;
};

QString fileOf(int fd)
{
    char target[4096];
    const ssize_t n = ::readlink(qPrintable(QStringLiteral("/proc/self/fd/%1").arg(fd)), target, sizeof target);
    return n > 0 ? QFileInfo(QString::fromLocal8Bit(target, n)).fileName() : QString();
}

// The bytes from..to of a write (all of it by default), or a truncation, made on a file.
QByteArray applied(QByteArray bytes, const Step &s, qint64 from = 0, qint64 to = -1)
{
    if (s.step == Posix::Step::Truncate)
        return bytes.left(s.offset);
    to = to < 0 ? s.data.size() : to;
    if (bytes.size() < s.offset + to)
        bytes.resize(s.offset + to, '\0');
    return bytes.replace(s.offset + from, to - from, s.data.mid(from, to - from));
}

// Every state a power cut at any moment of the trace may leave: for one file
// at a time, its writes since its last sync none, the first k, all but one,
// or the last one torn at a 16-byte piece (so at every 512-byte sector too:
// its first pieces, and for a write over bytes already there its last ones),
// the other files with none or all of theirs; a file made since the folder
// was last synced may be gone.
QList<Disk> powerLossStates(const Disk &start, const QList<Step> &trace)
{
    QList<Disk> states;
    Disk durable = start;
    QMap<QString, QList<Step>> pending;
    QStringList unsyncedNew;
    auto with = [&](const QString &f, const QList<Step> &steps) {
        QByteArray bytes = durable.value(f);
        for (const Step &s : steps)
            bytes = applied(bytes, s);
        return bytes;
    };
    auto add = [&](const Disk &d) {
        if (!states.contains(d))
            states << d;
    };
    for (qsizetype at = 0; at <= trace.size(); ++at) {
        for (const bool othersWritten : {false, true}) {
            Disk base = durable;
            for (auto it = pending.begin(); othersWritten && it != pending.end(); ++it)
                base[it.key()] = with(it.key(), it.value());
            for (auto it = pending.begin(); it != pending.end(); ++it) {
                const QList<Step> &p = it.value();
                QByteArrayList variants;
                for (qsizetype k = 0; k <= p.size(); ++k)
                    variants << with(it.key(), p.mid(0, k));
                for (qsizetype lost = 0; lost + 1 < p.size(); ++lost)
                    variants << with(it.key(), p.mid(0, lost) + p.mid(lost + 1));
                const Step &last = p.last();
                const QByteArray under = with(it.key(), p.mid(0, p.size() - 1));
                for (qint64 b = 16 - last.offset % 16; last.step == Posix::Step::Write && b < last.data.size();
                     b += 16) {
                    variants << applied(under, last, 0, b);
                    if (last.offset + last.data.size() <= under.size())
                        variants << applied(under, last, b);
                }
                for (const QByteArray &v : variants) {
                    Disk d = base;
                    d[it.key()] = v;
                    add(d);
                }
            }
            add(base);
            for (const QString &f : unsyncedNew)
                base.remove(f);
            add(base);
        }
        const Step s = trace.value(at, {Posix::Step::SyncFolder, {}, 0, {}});
        if (s.step == Posix::Step::SyncFolder) {
            unsyncedNew.clear();
        } else if (s.step == Posix::Step::Sync) {
            durable[s.file] = with(s.file, pending.take(s.file));
        } else if (DiskFiles.contains(s.file)) {
            if (!durable.contains(s.file) && !unsyncedNew.contains(s.file))
                unsyncedNew << s.file;
            pending[s.file] << s;
        }
    }
    return states;
}

Disk readDisk(const QString &dir)
{
    Disk d;
    for (const QString &f : DiskFiles)
        if (QFile::exists(QDir(dir).filePath(f)))
            d[f] = readFile(dir, qPrintable(f));
    return d;
}

void writeDisk(const QString &dir, const Disk &d)
{
    for (const QString &f : DiskFiles) {
        QFile::remove(QDir(dir).filePath(f));
        if (d.contains(f))
            writeFile(dir, qPrintable(f), d.value(f));
    }
}

void rewrite(LogStore &log, qint32 n, const QrpRecord &record)
{
    QCOMPARE(log.rewriteRecord(n, record, ArciLine::forRecord(record)), LogStore::Outcome::Written);
}

// An operation stopped after its journal and the first logWrites writes to
// the log files reached the disk.
Log cutOperation(const QString &dir, const Log &start, const Operation &operation, int logWrites)
{
    writeLog(dir, start);
    Posix::setWriteHook([&](int fd, qint64, qint64, qint64 *allowed) {
        if (fileOf(fd) == QLatin1String(Journal::FileName) || logWrites-- > 0)
            return true;
        *allowed = 0;
        return false;
    });
    try {
        LogStore log(dir, {});
        if (log.open())
            operation(log);
    } catch (const Posix::Stopped &) {
    }
    Posix::setWriteHook({});
    return readLog(dir);
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
    void journalMeetsOtherFiles_data();
    void journalMeetsOtherFiles();
    void aliasesAndFailingJournal();

  private:
    QString m_base;
    int m_cuts = 0;
    int m_operations = 0;
    int m_powerCuts = 0;
    int m_powerCutStates = 0;
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

    QrpRecord changed = contact(2);
    changed.set(QrpRecord::Band, QStringLiteral("20"));

    // A save: the contact over the placeholder, its line, the next placeholder.
    auto saveAt = [](qint32 n) {
        return Operation([n](LogStore &log) {
            QCOMPARE(log.saveContact(n, contact(n), ArciLine::forRecord(contact(n))), LogStore::Outcome::Written);
        });
    };
    QTest::newRow("save into a new log") << Log{} << saveAt(1) << false;
    QTest::newRow("save after two contacts") << soundLog(2) << saveAt(3) << false;
    QTest::newRow("change") << soundLog(3) << Operation([changed](LogStore &log) { rewrite(log, 2, changed); })
                            << false;
    QTest::newRow("delete") << soundLog(3) << Operation([](LogStore &log) {
        QCOMPARE(log.deleteRecord(1), LogStore::Outcome::Written);
    }) << false;
    QTest::newRow("Exit write-back") << soundLog(3) << Operation([changed](LogStore &log) {
        QCOMPARE(log.writeBack(3, changed), LogStore::Outcome::Written);
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

    // The operation whole, counting its writes and tracing every write and
    // sync, gives the log it must leave.
    QList<qint64> writes;
    QList<Step> trace;
    auto record = [&] {
        Posix::setWriteHook([&writes](int, qint64, qint64 size, qint64 *) {
            writes << size;
            return true;
        });
        Posix::setTraceHook([&trace](Posix::Step step, int fd, qint64 offset, const char *data, qint64 size) {
            trace << Step{step, fileOf(fd), offset, QByteArray(data, qMax<qint64>(0, size))};
        });
    };
    Log before, after;
    Disk disk = readDisk(dir);
    {
        LogStore log(dir, failOnError());
        if (repair) {
            record();
            QVERIFY(log.open());
        } else {
            QVERIFY(log.open());
            before = readLog(dir);
            disk = readDisk(dir);
            record();
            operation(log);
        }
    }
    Posix::setWriteHook({});
    Posix::setTraceHook({});
    after = readLog(dir);
    if (repair)
        before = start;
    QVERIFY(!writes.isEmpty());
    QVERIFY(!(after == before));
    // The next start-up must find the operation whole or not at all, the repair done.
    auto nextStartUp = [&](const QString &where) {
        {
            LogStore log(dir, failOnError());
            QVERIFY(log.open());
        }
        const Log found = readLog(dir);
        if (repair)
            QVERIFY2(found == after && found.stray == after.stray,
                     qPrintable(where + QStringLiteral(": the repair was not finished")));
        else
            QVERIFY2(found == before || found == after,
                     qPrintable(where + QStringLiteral(": the operation is half done")));
    };

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
            nextStartUp(
                QStringLiteral("cut at write %1 of %2 after %3 byte(s)").arg(cutAt + 1).arg(writes.size()).arg(bytes));
            if (QTest::currentTestFailed())
                return;
            ++m_cuts;
        }
    }
    ++m_operations;

    // Then each power-cut state of the trace (a sample of them unless
    // KESTRIX_POWERLOSS_ALL is set), and the next start-up.
    const QList<Disk> states = powerLossStates(disk, trace);
    const int every = qEnvironmentVariableIsSet("KESTRIX_POWERLOSS_ALL") ? 1 : 3;
    for (qsizetype i = 0; i < states.size(); i += every) {
        writeDisk(dir, states.at(i));
        nextStartUp(QStringLiteral("power-cut state %1 of %2").arg(i).arg(states.size()));
        if (QTest::currentTestFailed())
            return;
        ++m_powerCuts;
    }
    m_powerCutStates += states.size();
}

void tst_Journal::cleanupTestCase()
{
    qInfo("write sequences cut: %d operations at %d points, none found half done", m_operations, m_cuts);
    qInfo("power cuts: %d of %d states tried, none found half done", m_powerCuts, m_powerCutStates);
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

// clang-format off
void tst_Journal::journalMeetsOtherFiles_data()
{
    // A save or change stopped after its journal (and the first log writes)
    // reached the disk; then the folder is changed; then start-up.
    QTest::addColumn<Log>("start");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("logWrites");
    QTest::addColumn<FolderChange>("change");
    QTest::addColumn<Log>("expected");
    QTest::addColumn<QString>("note");

    const Operation save3([](LogStore &log) { (void)log.saveContact(3, contact(3), ArciLine::forRecord(contact(3))); });
    QrpRecord changed = contact(2);
    changed.set(QrpRecord::Band, QStringLiteral("20"));
    const Operation change2([changed](LogStore &log) { rewrite(log, 2, changed); });
    const QString aside = QStringLiteral("NOT finished: these log files are not the ones it was writing");

    QTest::newRow("both files deleted for a new contest (inodes handed out again)") << soundLog(2) << save3 << 0
        << FolderChange([](const QString &dir) {
               QFile::remove(dir + QStringLiteral("/QRPDATA.DAT"));
               QFile::remove(dir + QStringLiteral("/ARCIFILE.DAT"));
               return dir;
           }) << Log{} << aside;
    QTest::newRow("yesterday's files copied back over them in place") << soundLog(2) << save3 << 2
        << FolderChange([](const QString &dir) {
               writeFile(dir, LogStore::QrpFileName, soundLog(1).qrp);
               writeFile(dir, LogStore::ArciFileName, soundLog(1).arci);
               return dir;
           }) << soundLog(1) << aside;
    Log edited = soundLog(3);
    edited.qrp.replace(48, 48, changed.bytes());
    edited.arci[83 + 41] = '1';
    QTest::newRow("a change stopped before its line, the line then edited") << soundLog(3) << change2 << 1
        << FolderChange([edited](const QString &dir) { writeFile(dir, LogStore::ArciFileName, edited.arci); return dir; })
        << edited << QStringLiteral("Record 2 and its line in ARCIFILE.DAT disagree: check record 2.");
    QTest::newRow("the folder copied after the crash (other inodes)") << soundLog(2) << save3 << 1
        << FolderChange([](const QString &dir) {
               const QString copy = dir + QStringLiteral("-copy");
               QDir().mkpath(copy);
               for (const char *name : {"QRPDATA.DAT", "ARCIFILE.DAT", ".kestrix-journal"})
                   QFile::copy(dir + u'/' + QLatin1String(name), copy + u'/' + QLatin1String(name));
               return copy;
           }) << soundLog(3) << QStringLiteral("The last operation, stopped before it ended, was completed.");
}
// clang-format on

void tst_Journal::journalMeetsOtherFiles()
{
    QFETCH(Log, start);
    QFETCH(Operation, operation);
    QFETCH(int, logWrites);
    QFETCH(FolderChange, change);
    QFETCH(Log, expected);
    QFETCH(QString, note);

    QTemporaryDir tmp;
    const QString dir = tmp.path() + QStringLiteral("/log");
    QVERIFY(QDir().mkpath(dir));
    const QByteArray journal = cutOperation(dir, start, operation, logWrites).journal;
    QVERIFY(Journal::decode(journal));
    const QString startIn = change(dir);

    QStringList notes;
    {
        LogStore log(startIn, failOnError());
        QVERIFY(log.open());
        notes = log.repairNotes();
    }
    const Log found = readLog(startIn);
    QCOMPARE(found.qrp, expected.qrp);
    QCOMPARE(found.arci, expected.arci);
    QVERIFY2(notes.join(u'\n').contains(note), qPrintable(notes.join(u'\n')));
    // A journal that was not made is kept, whole, under another name.
    const bool setAside = !note.contains(QStringLiteral("completed"));
    QCOMPARE(readFile(startIn, Journal::SetAsideName), setAside ? journal : QByteArray());
}

void tst_Journal::aliasesAndFailingJournal()
{
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    QStringList errors;
    const FileErrorHandler record = [&errors](const QString &file, const QString &reason) {
        errors << file + u':' + reason;
    };

    // One file under both names is refused before anything is written.
    writeFile(dir, LogStore::QrpFileName, soundLog(1).qrp);
    QVERIFY(QFile::link(QStringLiteral("QRPDATA.DAT"), QDir(dir).filePath(QStringLiteral("ARCIFILE.DAT"))));
    QVERIFY(!LogStore(dir, record).open());
    QCOMPARE(errors, QStringList{QStringLiteral("QRPDATA.DAT and ARCIFILE.DAT:the two names are one file")});
    QCOMPARE(readFile(dir, LogStore::QrpFileName), soundLog(1).qrp);
    QVERIFY(!QFile::exists(QDir(dir).filePath(QLatin1String(Journal::FileName))));

    // The journal replaced, while the program runs, by a hard link to QRPDATA.DAT:
    // the next change writes nothing, at start-up as during the run.
    QVERIFY(QFile::remove(QDir(dir).filePath(QStringLiteral("ARCIFILE.DAT"))));
    writeLog(dir, soundLog(3));
    errors.clear();
    {
        LogStore log(dir, record);
        QVERIFY(log.open());
        QVERIFY(QFile::remove(QDir(dir).filePath(QLatin1String(Journal::FileName))));
        QCOMPARE(::link(qPrintable(dir + QStringLiteral("/QRPDATA.DAT")),
                        qPrintable(dir + QStringLiteral("/.kestrix-journal"))),
                 0);
        QCOMPARE(log.deleteRecord(2), LogStore::Outcome::Failed);
    }
    QVERIFY(!LogStore(dir, record).open());
    QCOMPARE(errors, QStringList(2, QStringLiteral(".kestrix-journal:it is another name of QRPDATA.DAT")));
    QCOMPARE(readFile(dir, LogStore::QrpFileName), soundLog(3).qrp);
    QCOMPARE(readFile(dir, LogStore::ArciFileName), soundLog(3).arci);

    // The journal cannot be emptied after a save reached the disk: the operator
    // is told to look for the record, which the next start-up finds whole.
    QVERIFY(QFile::remove(QDir(dir).filePath(QLatin1String(Journal::FileName))));
    writeLog(dir, soundLog(2));
    errors.clear();
    {
        LogStore log(dir, record);
        QVERIFY(log.open());
        int journalWrites = 0;
        Posix::setWriteHook([&](int fd, qint64, qint64, qint64 *allowed) {
            if (fileOf(fd) == QLatin1String(Journal::FileName) && ++journalWrites == 2)
                *allowed = -EIO;
            return true;
        });
        QCOMPARE(log.saveContact(3, contact(3), ArciLine::forRecord(contact(3))), LogStore::Outcome::Failed);
        Posix::setWriteHook({});
    }
    QCOMPARE(errors, QStringList{QStringLiteral(
                                     ".kestrix-journal:%1; record 3 may have been saved: check record 3 after restart")
                                     .arg(Posix::reason(EIO))});
    QVERIFY(LogStore(dir, failOnError()).open());
    QCOMPARE(readLog(dir), soundLog(3));
}

QTEST_GUILESS_MAIN(tst_Journal)
#include "tst_journal.moc"
