// kestrix-export run as the program it is: its files, messages and exit status.

#include "ExportFixture.h"
#include "LogLock.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace ExportFixture;

namespace {

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run run(const QStringList &arguments, const QString &workingDirectory = QString())
{
    QProcess p;
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(QStringLiteral(KESTRIX_EXPORT_PROGRAM), arguments);
    Run r;
    if (!p.waitForStarted(10000) || !p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

const QStringList station{"--call", "K1XYZ", "--spc", "MA", "--number", "1234", "--mode", "CW"};
const QStringList contest{"--contest", "QRP-ARCI-FALL-QSO-PARTY"};

QStringList cabrilloArgs() { return QStringList{"--format", "cabrillo"} + station + contest; }

} // namespace

class tst_ExportCli : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void help()
    {
        for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const Run r = run({option});
            QCOMPARE(r.status, 0);
            QVERIFY2(r.out.startsWith("Usage: kestrix-export --format cabrillo|adif --call CALL"), r.out.constData());
            QVERIFY(r.out.contains("Exit status: 0 written, 1 a file could not be read or written, 2 bad arguments."));
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
        QCOMPARE(QString::fromUtf8(r.out),
                 "kestrix-export: 6 contacts, claimed score 138, written to " + dir.filePath("K1XYZ.log") + "\n");
        const QStringList written = lines(TestLog::readFile(dir.path(), "K1XYZ.log"));
        const QStringList expected = knownCabrillo(KESTRIX_VERSION);
        for (qsizetype i = 0; i < qMin(written.size(), expected.size()); ++i)
            QCOMPARE(written.at(i), expected.at(i));
        QCOMPARE(written.size(), expected.size());
        QCOMPARE(TestLog::readFile(dir.path(), "QRPDATA.DAT"), log);
        QVERIFY(!QFile::exists(dir.filePath("ARCIFILE.DAT")));

        // Run again: the command line replaces its own earlier file.
        TestLog::writeFile(dir.path(), "K1XYZ.log", "old");
        QCOMPARE(run(cabrilloArgs() + QStringList{dir.path()}).status, 0);
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
    }
    void badArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        const QByteArray log = TestLog::readFile(dir.path(), "QRPDATA.DAT");
        const Run r = run(arguments, dir.path());
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QByteArray());
        message.replace("@", QDir(dir.path()).canonicalPath());
        QCOMPARE(QString::fromUtf8(r.err), "kestrix-export: " + message + " (see kestrix-export --help)\n");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"QRPDATA.DAT"});
        QCOMPARE(TestLog::readFile(dir.path(), "QRPDATA.DAT"), log);
    }

    void fileErrors()
    {
        const QStringList adif = QStringList{"--format", "adif"} + station;
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
};

QTEST_GUILESS_MAIN(tst_ExportCli)
#include "tst_exportcli.moc"
