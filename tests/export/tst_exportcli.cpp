// kestrix-export run as the program it is: its files, messages and exit status.

#include "ExportFixture.h"
#include "export/core/StationDetails.h"
#include "store/LogLock.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ExportFixture;

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

// Where the command finds the settings it remembers: never the real ~/.config.
QTemporaryDir *configHome = nullptr;

QString settingsFile() { return configHome->filePath("Kestrix/Kestrix.conf"); }

// How the child starts: standard output to a file, or closed; a file size limit.
struct Setup {
    QString stdoutFile;
    bool closeStdout = false;
    rlim_t fileSizeLimit = RLIM_INFINITY;
};

Run run(const QStringList &arguments, const QString &workingDirectory = QString(), const Setup &setup = Setup(),
        int timeout = 30000)
{
    QProcess p;
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome->path());
    p.setProcessEnvironment(env);
    if (!setup.stdoutFile.isEmpty())
        p.setStandardOutputFile(setup.stdoutFile);
    p.setChildProcessModifier([setup] {
        if (setup.closeStdout)
            ::close(STDOUT_FILENO);
        if (setup.fileSizeLimit != RLIM_INFINITY) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{setup.fileSizeLimit, setup.fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
    });
    p.start(QStringLiteral(KESTRIX_EXPORT_PROGRAM), arguments);
    Run r;
    if (!p.waitForStarted(10000) || !p.waitForFinished(timeout) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

const QStringList station{"--call", "K1XYZ", "--spc", "MA", "--number", "1234", "--mode", "CW"};
const QStringList contest{"--contest", "QRP-ARCI-FALL-QSO-PARTY", "--power-multiplier", "1"};
const QStringList adif = QStringList{"--format", "adif"} + station;

QStringList cabrilloArgs() { return QStringList{"--format", "cabrillo"} + station + contest; }

// Runs the command with its messages thrown away; its exit status and its own
// peak memory in KiB, or -1 when it could not be run. A child's peak counts the
// memory of the process it was forked from, so a fresh copy of this program
// (see main) starts it and reports.
std::pair<int, long> peakMemory(const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", configHome->path());
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(),
            QStringList{"--peak-memory", QStringLiteral(KESTRIX_EXPORT_PROGRAM)} + arguments);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {-1, -1};
    const QList<QByteArray> values = p.readAllStandardOutput().trimmed().split(' ');
    if (values.size() != 2)
        return {-1, -1};
    return {values.at(0).toInt(), values.at(1).toLong()};
}

} // namespace

class tst_ExportCli : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase()
    {
        configHome = new QTemporaryDir;
        QVERIFY(configHome->isValid());
    }
    void cleanupTestCase() { delete configHome; }
    void init() { QFile::remove(settingsFile()); }

    void help()
    {
        for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const Run r = run({option});
            QCOMPARE(r.status, 0);
            QVERIFY2(r.out.startsWith("Usage: kestrix-export --format cabrillo|adif [options] [DIR]"),
                     r.out.constData());
            QVERIFY(r.out.contains("\nExit status: 0 written; 1 the log could not be read, "));
            QCOMPARE(r.err, QByteArray());
        }
        const Run v = run({"--version"});
        QCOMPARE(v.status, 0);
        QCOMPARE(v.out, QByteArray("kestrix-export " KESTRIX_VERSION "\n"));
    }

    void cabrilloIntoTheLogFolder()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        const QByteArray log = TestLog::readFile(dir.path(), "QRPDATA.DAT");
        // Kestrix holds its lock on the log meanwhile: the export only reads.
        LogLock running(dir.path());
        QVERIFY(running.acquire());

        const Run r = run(cabrilloArgs() + QStringList{dir.path()});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromUtf8(r.out), "kestrix-export: 6 contacts written to " + dir.filePath("K1XYZ.log") +
                                               "\nkestrix-export: claimed score 126 = 21 points x 6 multipliers x "
                                               "power multiplier 1 x bonus multiplier 1 (default) + bonus points 0 "
                                               "(default)\n");
        const QStringList written = lines(TestLog::readFile(dir.path(), "K1XYZ.log"));
        QCOMPARE(written, knownCabrillo(KESTRIX_VERSION));
        QCOMPARE(TestLog::readFile(dir.path(), "QRPDATA.DAT"), log);
        QVERIFY(!QFile::exists(dir.filePath("ARCIFILE.DAT")));

        // Run again: the command line replaces its own earlier file, another file only with --force.
        QCOMPARE(run(cabrilloArgs() + QStringList{dir.path()}).status, 0);
        TestLog::writeFile(dir.path(), "K1XYZ.log", "old");
        const Run refused = run(cabrilloArgs() + QStringList{dir.path()});
        QCOMPARE(refused.status, 2);
        QCOMPARE(QString::fromUtf8(refused.err), "kestrix-export: " + dir.filePath("K1XYZ.log") +
                                                     " is there already and is not a Cabrillo file made by Kestrix. "
                                                     "Nothing was written; give --force to replace it (see "
                                                     "kestrix-export --help)\n");
        QCOMPARE(TestLog::readFile(dir.path(), "K1XYZ.log"), QByteArray("old"));
        QCOMPARE(run(cabrilloArgs() + QStringList{"--force", dir.path()}).status, 0);
        QVERIFY(TestLog::readFile(dir.path(), "K1XYZ.log").startsWith("START-OF-LOG: 3.0\r\n"));
    }

    void adifToStandardOutput()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        // The log folder defaults to the working directory; no contest is needed for ADIF.
        const Run r = run(QStringList{"--format", "adif", "--output", "-"} + station, dir.path());
        const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray("kestrix-export: 6 contacts written\n"));
        const QStringList got = lines(r.out);
        QCOMPARE(got.size(), 6 + 6);
        QCOMPARE(got.mid(0, 4), (QStringList{"Kestrix log export", "<ADIF_VER:5>3.1.4", "<PROGRAMID:7>Kestrix",
                                             "<PROGRAMVERSION:5>" KESTRIX_VERSION}));
        const QRegularExpression stamp("^<CREATED_TIMESTAMP:15>(\\d{8} \\d{6})$");
        const QRegularExpressionMatch m = stamp.match(got.at(4));
        QVERIFY2(m.hasMatch(), qPrintable(got.at(4)));
        QDateTime created = QDateTime::fromString(m.captured(1), "yyyyMMdd HHmmss");
        created.setTimeSpec(Qt::UTC);
        QVERIFY2(created >= before && created <= after, qPrintable(m.captured(1)));
        QCOMPARE(got.at(5), "<EOH>");
        QCOMPARE(got.mid(6), knownAdifRecords());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"QRPDATA.DAT"});
    }

    void outputNamedRelativeToTheWorkingDirectory()
    {
        QTemporaryDir logDir, workDir;
        TestLog::writeLog(logDir.path(), knownLog(), "40");
        const Run r =
            run(QStringList{"--format", "adif", "--output", "mine.adi"} + station + QStringList{logDir.path()},
                workDir.path());
        QCOMPARE(r.status, 0);
        QVERIFY(TestLog::readFile(workDir.path(), "mine.adi").contains("<CALL:5>Q1ABC "));
        QVERIFY(!QFile::exists(logDir.filePath("K1XYZ.adi")));
    }

    // clang-format off
    void badArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QStringList adif{"--format", "adif"};
        QTest::newRow("nothing") << QStringList{} << "--format cabrillo or --format adif is needed";
        QTest::newRow("unknown option") << QStringList{"--colour", "red"} << "Unknown option 'colour'.";
        QTest::newRow("unknown format") << (QStringList{"--format", "xml"} + station)
                                        << "unknown format \"xml\"; use cabrillo or adif";
        QTest::newRow("no call") << (adif + station.mid(2)) << "--call is needed";
        QTest::newRow("no power multiplier for Cabrillo")
            << (QStringList{"--format", "cabrillo"} + station + contest.mid(0, 2))
            << "--power-multiplier is needed for the claimed score (none is remembered)";
        QTest::newRow("power multiplier not a number")
            << (QStringList{"--format", "cabrillo"} + station + contest.mid(0, 2) +
                QStringList{"--power-multiplier", "seven"})
            << "--power-multiplier needs a number above 0, not \"seven\"";
        QTest::newRow("negative bonus") << (cabrilloArgs() + QStringList{"--bonus", "-5"})
                                        << "--bonus needs a number, 0 or more, not \"-5\"";
        QTest::newRow("unknown category")
            << (cabrilloArgs() + QStringList{"--category-transmitter", "three"})
            << "The transmitter category \"THREE\" is none of ONE, TWO, LIMITED, UNLIMITED, SWL.";
        QTest::newRow("no value") << QStringList{"--format", "adif", "--call"} << "Missing value after '--call'.";
        QTest::newRow("no contest for Cabrillo")
            << (QStringList{"--format", "cabrillo"} + station) << "--contest is needed";
        QTest::newRow("mode") << (adif + station.mid(0, 6) + QStringList{"--mode", "RTTY"})
                              << "The mode must be CW or SSB, not \"RTTY\".";
        QTest::newRow("call twice") << (adif + station + QStringList{"--call", "K2XYZ"})
                                    << "--call is given more than once";
        QTest::newRow("two folders") << (adif + station + QStringList{"a", "b"})
                                     << "only one log folder can be given, not \"a\", \"b\"";
        QTest::newRow("folder that is not there")
            << (adif + station + QStringList{"no-such-folder"}) << "\"no-such-folder\" is not a folder";
        QTest::newRow("onto the log") << (adif + station + QStringList{"--output", "QRPDATA.DAT"})
                                      << "@/QRPDATA.DAT is a log file of Kestrix; choose another name.";
        QTest::newRow("onto the text log") << (adif + station + QStringList{"--output", "./ARCIFILE.DAT"})
                                           << "@/ARCIFILE.DAT is a log file of Kestrix; choose another name.";
        QTest::newRow("onto another folder's log")
            << (adif + station + QStringList{"--output", "sub/QRPDATA.DAT", "--force"})
            << "@/sub/QRPDATA.DAT is a log file of Kestrix; choose another name.";
        QTest::newRow("onto a device") << (adif + station + QStringList{"--output", "/dev/full"})
                                       << "/dev/full is a device, not a file; choose another name.";
        QTest::newRow("onto a named pipe") << (adif + station + QStringList{"--output", "pipe"})
                                           << "@/pipe is a named pipe, not a file; choose another name.";
    }
    // clang-format on
    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        const QByteArray log = TestLog::readFile(dir.path(), "QRPDATA.DAT");
        const Run r = run(arguments, dir.path());
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray());
        message.replace("@", QDir(dir.path()).canonicalPath());
        message.replace(QDir(dir.path()).canonicalPath() + "/pipe", dir.filePath("pipe"));
        QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: " + message + " (see kestrix-export --help)\n");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"QRPDATA.DAT"});
        QCOMPARE(TestLog::readFile(dir.path(), "QRPDATA.DAT"), log);
    }

    void fileErrors()
    {
        // A folder without a log: named with the reason, and not created.
        QTemporaryDir none;
        Run r = run(adif + QStringList{none.path()});
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.err),
                 "kestrix-export: " + none.filePath("QRPDATA.DAT") + ": " + strerror(ENOENT) + "\n");
        QCOMPARE(r.out, QByteArray());
        QVERIFY(QDir(none.path()).isEmpty());

        // QRPDATA.DAT that is a folder.
        QTemporaryDir odd;
        QVERIFY(QDir(odd.path()).mkdir("QRPDATA.DAT"));
        r = run(adif + QStringList{odd.path()});
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: " + odd.filePath("QRPDATA.DAT") + ": not a regular file\n");

        // QRPDATA.DAT that is a named pipe nobody writes to: refused at once, not waited on.
        QTemporaryDir piped;
        QCOMPARE(::mkfifo(QFile::encodeName(piped.filePath("QRPDATA.DAT")).constData(), 0600), 0);
        r = run(adif + QStringList{piped.path()}, QString(), Setup(), 10000);
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.err),
                 "kestrix-export: " + piped.filePath("QRPDATA.DAT") + ": not a regular file\n");

        // An output file that cannot be written: its name and why, on one line.
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        const QString target = dir.filePath("missing/K1XYZ.adi");
        r = run(adif + QStringList{"--output", target, dir.path()});
        QCOMPARE(r.status, 1);
        const QString err = QString::fromUtf8(r.err);
        QVERIFY2(err.startsWith("kestrix-export: " + target + ": ") && err.size() > target.size() + 20,
                 qPrintable(err));
        QVERIFY2(err.endsWith('\n') && err.count('\n') == 1, qPrintable(err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"QRPDATA.DAT"});
    }

    // clang-format off
    void writeFailures_data()
    {
        // How the output fails; the message after "kestrix-export: ".
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("standard output on a full device")
            << "-" << 1 << QString("standard output: ") + strerror(ENOSPC);
        QTest::newRow("standard output closed") << "-" << 2 << QString("standard output: ") + strerror(EBADF);
        QTest::newRow("a full disk") << "@/K1XYZ.adi" << 3 << QString("@/K1XYZ.adi: ") + strerror(EFBIG);
    }
    // clang-format on
    void writeFailures()
    {
        QFETCH(QString, output);
        QFETCH(int, setup);
        QFETCH(QString, message);
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        const QByteArray earlier = "Kestrix log export\r\n<PROGRAMID:7>Kestrix\r\n<EOH>\r\n";
        TestLog::writeFile(dir.path(), "K1XYZ.adi", earlier);
        Setup how;
        how.stdoutFile = setup == 1 ? "/dev/full" : QString();
        how.closeStdout = setup == 2;
        how.fileSizeLimit = setup == 3 ? 600 : RLIM_INFINITY; // the file is over 1000 bytes
        const Run r = run(adif + QStringList{"--output", output.replace("@", dir.path()), dir.path()}, QString(), how);
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: " + message.replace("@", dir.path()) + "\n");
        // The earlier file exactly as it was, and nothing left beside it.
        QCOMPARE(TestLog::readFile(dir.path(), "K1XYZ.adi"), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"K1XYZ.adi", "QRPDATA.DAT"}));
    }

    void incompleteContactsStopTheExport()
    {
        QTemporaryDir dir;
        QList<QrpRecord> log = knownLog();
        log << TestLog::record({"N0RST", "12", "", "KS", "", "579", "20", "12/07/98", "16:00:00", "5", "1"})
            << TestLog::record({"N0SPC", "", "", "", "579", "579", "20", "12/07/98", "16:01:00", "5", "1"});
        TestLog::writeLog(dir.path(), log, "40");
        const QString named = "Record 9 (N0RST): it lacks the RST sent.\n"
                              "kestrix-export: %1Record 10 (N0SPC): it lacks the S-P-C and the ARCI number or power.\n";
        for (const QString &output : {QStringLiteral("-"), dir.filePath("K1XYZ.log")}) {
            Run r = run(cabrilloArgs() + QStringList{"--output", output, dir.path()});
            QCOMPARE(r.status, 1);
            QCOMPARE(r.out, QByteArray());
            QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: incomplete: " + named.arg("incomplete: ") +
                                                   "kestrix-export: 2 contacts a checker cannot read (named above); "
                                                   "nothing was written. Mend them with Change, or give "
                                                   "--skip-incomplete to leave them out.\n");
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"QRPDATA.DAT"});
        }
        // Left out of the file and of the claim; the summary sheet's recount still counts them.
        const Run r = run(cabrilloArgs() + QStringList{"--skip-incomplete", dir.path()});
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: left out: " + named.arg("left out: "));
        QVERIFY2(r.out.startsWith("kestrix-export: 6 contacts (2 incomplete contacts left out) written to "),
                 r.out.constData());
        QVERIFY2(r.out.endsWith("\nkestrix-export: The file claims 126; the summary sheet gives 182: it also "
                                "counts the 2 contacts left out of the file.\n"),
                 r.out.constData());
        QCOMPARE(lines(TestLog::readFile(dir.path(), "K1XYZ.log")), knownCabrillo(KESTRIX_VERSION));
    }

    void stationFromTheSettings()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        // What the dialogs remembered; options given on the command line win.
        StationDetails d;
        d.call = "k1xyz";
        d.spc = "MA";
        d.number = "99";
        d.mode = "cw";
        d.contest = "QRP ARCI Fall QSO Party";
        d.name = "Pat Doe";
        d.categoryStation = "FIXED";
        d.powerMultiplier = "7";
        d.bonusPoints = "0\r\n"; // as the summary sheet holds it
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            d.save(settings);
        }
        Run r = run({"--format", "cabrillo", "--number", "1234", dir.path()});
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.endsWith(" x power multiplier 7 (remembered) x bonus multiplier 1 (default) + bonus points 0 "
                                "(remembered)\n"),
                 r.out.constData());
        QStringList expected = knownCabrillo(KESTRIX_VERSION, "882");
        expected.insert(8, "CATEGORY-STATION: FIXED");
        expected.insert(10, "NAME: Pat Doe");
        QCOMPARE(lines(TestLog::readFile(dir.path(), "K1XYZ.log")), expected);

        // A settings file that is not one is a first run, never waited on and never
        // changed: one line says so, and the options are needed.
        const QString file = settingsFile();
        const QList<std::pair<std::function<bool()>, QString>> odd{
            {[&] { return QDir().mkpath(file); }, "is a folder"},
            {[&] { return ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0; }, "is a named pipe"},
            {[&] {
                 QFile big(file);
                 return big.open(QIODevice::WriteOnly) && big.resize(1024 * 1024 + 1);
             },
             "is larger than 1048576 bytes"},
        };
        for (const auto &[make, what] : odd) {
            QVERIFY(QFile::remove(file) || QDir().rmdir(file));
            QVERIFY(make());
            const QFileInfo before(file);
            r = run({"--format", "adif", dir.path()}, QString(), Setup(), 10000);
            QCOMPARE(r.status, 2);
            QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: " + file + " " + what +
                                                   "; the settings in it are not used and it is left as it is.\n"
                                                   "kestrix-export: --call is needed (see kestrix-export --help)\n");
            QCOMPARE(QFileInfo(file).lastModified(), before.lastModified());
        }
        QVERIFY(QFile::remove(file));
    }

    // clang-format off
    void memoryStaysBounded_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::newRow("in time order") << false;
        QTest::newRow("in reverse time order") << true;
    }
    // clang-format on
    void memoryStaysBounded()
    {
        // Two million contacts, 96 MB: the export's peak memory stays within a
        // fixed allowance above that of a one-contact export, in either order.
        QFETCH(bool, reversed);
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer holds freed memory back, so the peak says nothing here; the plain build measures it");
#endif
        constexpr qint64 Contacts = 2'000'000;
        constexpr long AllowanceKiB = 8 * 1024;
        QTemporaryDir dir;
        {
            QFile file(dir.filePath("QRPDATA.DAT"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QrpRecord r = TestLog::record({"W1AW", "7", "", "CT", "579", "579", "20", "", "", "5", "1"});
            QByteArray chunk;
            const QDate start(2024, 1, 1);
            for (qint64 i = 0; i < Contacts; ++i) {
                const qint64 t = reversed ? Contacts - 1 - i : i;
                const QDate day = start.addDays(t / 86400);
                r.set(QrpRecord::QsoDate, QString::asprintf("%02d/%02d/24", day.month(), day.day()));
                r.set(QrpRecord::QsoTime,
                      QString::asprintf("%02d:%02d:%02d", int(t % 86400 / 3600), int(t % 3600 / 60), int(t % 60)));
                chunk += r.bytes();
                if (chunk.size() >= (1 << 20)) {
                    QCOMPARE(file.write(chunk), chunk.size());
                    chunk.clear();
                }
            }
            chunk += TestLog::record({"", "", "", "", "", "", "20"}).bytes();
            QCOMPARE(file.write(chunk), chunk.size());
        }
        QTemporaryDir small;
        TestLog::writeLog(small.path(), knownLog().mid(0, 1), "40");
        const auto [smallStatus, smallPeak] = peakMemory(adif + QStringList{small.path()});
        QCOMPARE(smallStatus, 0);
        const auto [status, peak] = peakMemory(adif + QStringList{dir.path()});
        QCOMPARE(status, 0);
        qInfo("peak memory: %ld KiB for one contact, %ld KiB for %lld", smallPeak, peak, Contacts);
        QVERIFY2(peak - smallPeak < AllowanceKiB, "over the allowance");

        // The first and the last contact in time.
        QFile written(dir.filePath("K1XYZ.adi"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray head = written.read(4096);
        const qsizetype first = head.indexOf("<EOH>\r\n") + 7;
        QVERIFY(head.mid(first).startsWith("<CALL:4>W1AW <QSO_DATE:8>20240101 <TIME_ON:6>000000 "));
        QVERIFY(written.seek(written.size() - 300));
        const QByteArray tail = written.readAll();
        QVERIFY2(tail.contains("<QSO_DATE:8>20240124 <TIME_ON:6>033319 ") && tail.endsWith("<EOR>\r\n"),
                 tail.constData());
    }
};

int main(int argc, char *argv[])
{
    // tst_exportcli --peak-memory PROGRAM ARGUMENTS...: runs the program from this
    // small process and prints its exit status and peak memory in KiB.
    if (argc > 2 && std::strcmp(argv[1], "--peak-memory") == 0) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            ::execv(argv[2], argv + 2);
            ::_exit(127);
        }
        int status = 0;
        rusage usage{};
        if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
            return 1;
        std::printf("%d %ld\n", WEXITSTATUS(status), usage.ru_maxrss);
        return 0;
    }
    QCoreApplication app(argc, argv);
    tst_ExportCli test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_exportcli.moc"
