// Write errors for real: the save driver runs with a file-size limit
// (RLIMIT_FSIZE, SIGXFSZ ignored), so the system refuses the write with EFBIG
// or lets only part of a record through. The program must name the file and
// the system's reason, end with status 1, leave both files exactly as they were
// before the operation (a save is whole or absent), and the next start-up
// without the limit must complete the log and save after it.

#include "ReliabilityLog.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace Reliability;

class WriteFailure : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void saveMeetsFileSizeLimit_data();
    void saveMeetsFileSizeLimit();
    void saveOnFullDisk();
    void cleanupTestCase()
    {
        qInfo("write errors: %d, each reported by file and reason, the program ended, nothing written in part, "
              "nothing lost",
              m_cases);
    }

  private:
    int m_cases = 0;
};

namespace {

QByteArray records(qint64 contacts, bool withPlaceholder)
{
    QByteArray bytes;
    for (qint64 n = 1; n <= contacts; ++n)
        bytes += recordOf(contactFor(n));
    if (withPlaceholder)
        bytes += placeholder(contacts > 0 ? contactFor(contacts).band : QString());
    return bytes;
}

QByteArray lines(qint64 contacts)
{
    QByteArray bytes;
    for (qint64 n = 1; n <= contacts; ++n)
        bytes += lineOf(contactFor(n));
    return bytes;
}

QByteArray readFile(const QString &dir, const char *name)
{
    QFile f(QDir(dir).filePath(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &dir, const char *name, const QByteArray &bytes)
{
    QFile f(QDir(dir).filePath(QLatin1String(name)));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

// clang-format off
void WriteFailure::saveMeetsFileSizeLimit_data()
{
    QTest::addColumn<int>("contacts");     // on disk before, with their lines
    QTest::addColumn<bool>("placeholder"); // and a placeholder after them
    QTest::addColumn<qint64>("limit");     // largest file the driver may write
    QTest::addColumn<QString>("failingFile");

    // Space for what grows a file is reserved before anything is written.
    QTest::newRow("a new log, its first record past the limit") << 0 << false << qint64(40) << "QRPDATA.DAT";
    QTest::newRow("a new log, no byte may be written") << 0 << false << qint64(0) << "QRPDATA.DAT";
    QTest::newRow("no byte may be written") << 5 << true << qint64(0) << "ARCIFILE.DAT";
    // Five contacts: 288 bytes of records, 415 of lines.
    QTest::newRow("line at the limit") << 5 << true << qint64(415) << "ARCIFILE.DAT";
    QTest::newRow("line past the limit") << 5 << true << qint64(455) << "ARCIFILE.DAT";
    // Start-up finds a save cut off and cannot append the placeholder.
    QTest::newRow("start-up repair refused") << 5 << false << qint64(240) << "QRPDATA.DAT";
}
// clang-format on

void WriteFailure::saveMeetsFileSizeLimit()
{
    QFETCH(int, contacts);
    QFETCH(bool, placeholder);
    QFETCH(qint64, limit);
    QFETCH(QString, failingFile);

    auto tmp = scratchDir();
    const QString dir = tmp->path();
    writeFile(dir, "QRPDATA.DAT", records(contacts, placeholder));
    writeFile(dir, "ARCIFILE.DAT", lines(contacts));

    QProcess driver;
    driver.setChildProcessModifier([limit] {
        const rlimit l{rlim_t(limit), rlim_t(limit)};
        ::setrlimit(RLIMIT_FSIZE, &l);
        ::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of killing
    });
    driver.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("1")});
    QVERIFY(driver.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(driver.readAllStandardError());
    QCOMPARE(driver.exitStatus(), QProcess::NormalExit);
    QCOMPARE(driver.exitCode(), 1);
    const QString expected = failingFile + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(EFBIG));
    QVERIFY2(err.contains(expected), qPrintable(QStringLiteral("expected \"%1\" in: %2").arg(expected, err)));
    QVERIFY(!driver.readAllStandardOutput().contains("ACK"));

    // Nothing of the operation reached either file.
    QCOMPARE(readFile(dir, "QRPDATA.DAT"), records(contacts, placeholder));
    QCOMPARE(readFile(dir, "ARCIFILE.DAT"), lines(contacts));

    // Without the limit the next start-up completes the log and saves after it.
    QProcess again;
    again.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("1")});
    QVERIFY(again.waitForFinished(30000));
    QCOMPARE(again.exitCode(), 0);
    const int total = contacts + 1;
    QVERIFY(again.readAllStandardOutput().contains("ACK " + QByteArray::number(total)));
    QCOMPARE(readFile(dir, "QRPDATA.DAT"), records(total, true));
    QCOMPARE(readFile(dir, "ARCIFILE.DAT"), lines(total));
    ++m_cases;
}

// A disk that is full for real: a tmpfs of four pages, where the machine lets
// the test mount one. The log takes a page per file and the journal one (taken
// when the program first starts there), a filler the rest; the contact goes
// over its placeholder, and its line needs a page there is not.
void WriteFailure::saveOnFullDisk()
{
    QTemporaryDir mountPoint;
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=16k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a small filesystem here: ") +
                         QString::fromLocal8Bit(std::strerror(errno))));
    struct Unmount {
        QByteArray at;
        ~Unmount() { ::umount2(at.constData(), MNT_DETACH); }
    } unmount{where};
    const QString dir = mountPoint.path();
    writeFile(dir, "QRPDATA.DAT", records(49, true)); // 2 400 bytes
    writeFile(dir, "ARCIFILE.DAT", lines(49));        // 4 067 bytes; line 50 crosses into a second page
    QProcess first;
    first.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("0")});
    QVERIFY(first.waitForFinished(30000));
    QCOMPARE(first.exitCode(), 0);
    QFile filler(QDir(dir).filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
    }
    filler.close();

    QProcess driver;
    driver.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("1")});
    QVERIFY(driver.waitForFinished(30000));
    const QString err = QString::fromLocal8Bit(driver.readAllStandardError());
    QCOMPARE(driver.exitCode(), 1);
    const QString expected = QStringLiteral("ARCIFILE.DAT: ") + QString::fromLocal8Bit(std::strerror(ENOSPC));
    QVERIFY2(err.contains(expected), qPrintable(QStringLiteral("expected \"%1\" in: %2").arg(expected, err)));
    QCOMPARE(readFile(dir, "QRPDATA.DAT"), records(49, true));
    QCOMPARE(readFile(dir, "ARCIFILE.DAT"), lines(49));

    // Space made, the next start-up saves contact 50.
    QVERIFY(QFile::remove(QDir(dir).filePath(QStringLiteral("filler"))));
    QProcess again;
    again.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("1")});
    QVERIFY(again.waitForFinished(30000));
    QCOMPARE(again.exitCode(), 0);
    QCOMPARE(readFile(dir, "QRPDATA.DAT"), records(50, true));
    QCOMPARE(readFile(dir, "ARCIFILE.DAT"), lines(50));
    ++m_cases;
}

QTEST_GUILESS_MAIN(WriteFailure)
#include "tst_writefailure.moc"
