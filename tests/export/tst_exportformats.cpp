// The Cabrillo and ADIF files made from a log, and the read-only reading of it.

#include "AdifWriter.h"
#include "CabrilloWriter.h"
#include "ExportContacts.h"
#include "ExportFixture.h"
#include "LogExport.h"
#include "ReadOnlyLog.h"
#include "SpcTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace ExportFixture;

Q_DECLARE_METATYPE(StationData)

class tst_ExportFormats : public QObject {
    Q_OBJECT

    static ExportSettings k1xyz(ExportFormat format)
    {
        ExportSettings s;
        s.format = format;
        s.station = StationData{"k1xyz", "ma", "1234", "cw", "QRP-ARCI-FALL-QSO-PARTY"};
        s.programVersion = "9.9";
        s.created = QDateTime(QDate(2024, 10, 20), QTime(18, 30, 5), Qt::UTC);
        return s;
    }

    static void compareLines(const QStringList &actual, const QStringList &expected)
    {
        for (qsizetype i = 0; i < qMin(actual.size(), expected.size()); ++i) {
            if (actual.at(i) != expected.at(i))
                qWarning().noquote() << "line" << i + 1 << "\n  got:  " << actual.at(i)
                                     << "\n  want: " << expected.at(i);
            QCOMPARE(actual.at(i), expected.at(i));
        }
        QCOMPARE(actual.size(), expected.size());
    }

  private Q_SLOTS:
    void cabrilloOfKnownLog()
    {
        const ExportResult r = LogExport::build(knownLog(), k1xyz(ExportFormat::Cabrillo));
        compareLines(lines(r.bytes), knownCabrillo("9.9"));
        QCOMPARE(r.contacts, 6);
        QCOMPARE(r.claimedScore, qint64(138));
        QVERIFY2(r.warnings.isEmpty(), qPrintable(r.warnings.join('\n')));
        QVERIFY(!r.bytes.contains("DELETED"));
    }

    void adifOfKnownLog()
    {
        const ExportResult r = LogExport::build(knownLog(), k1xyz(ExportFormat::Adif));
        QStringList expected{
            "Kestrix log export",
            "<ADIF_VER:5>3.1.4",
            "<PROGRAMID:7>Kestrix",
            "<PROGRAMVERSION:3>9.9",
            "<CREATED_TIMESTAMP:15>20241020 183005",
            "<EOH>",
        };
        expected += knownAdifRecords();
        compareLines(lines(r.bytes), expected);
        QCOMPARE(r.contacts, 6);
        QVERIFY(!r.bytes.contains("DELETED"));
        QCOMPARE(r.bytes.count("<EOR>"), 6);
    }

    void singleBandPhoneAndWideColumns()
    {
        // One band only: CATEGORY-BAND names it. A call longer than the template's
        // 13 characters widens its column on every line instead of being cut; a
        // missing report leaves its column blank and is named in the warnings.
        using TestLog::record;
        const QList<QrpRecord> log{
            record({"N2X", "99999", "", "NJ", "57", "59", "40", "03/15/24", "21:05:00", "5", "1"}),
            record({"VE3ABCD", "", "10", "ONT", "57", "", "40", "03/15/24", "21:06:10", "2", "1"}),
        };
        ExportSettings s = k1xyz(ExportFormat::Cabrillo);
        s.station = StationData{"KP4/K1XYZ/QRPP", "PR", "5W", "SSB", "QRP-ARCI-SPRING-QSO-PARTY"};
        s.claimedScore = 4242;
        const ExportResult r = LogExport::build(log, s);
        compareLines(lines(r.bytes),
                     QStringList{
                         "START-OF-LOG: 3.0",
                         "CONTEST: QRP-ARCI-SPRING-QSO-PARTY",
                         "CALLSIGN: KP4/K1XYZ/QRPP",
                         "CATEGORY-OPERATOR: SINGLE-OP",
                         "CATEGORY-BAND: 40M",
                         "CATEGORY-MODE: SSB",
                         "CATEGORY-POWER: QRP",
                         "CLAIMED-SCORE: 4242",
                         "CREATED-BY: Kestrix 9.9",
                         "QSO:  7000 PH 2024-03-15 2105 KP4/K1XYZ/QRPP 57  PR   5W    N2X           59  NJ   99999",
                         "QSO:  7000 PH 2024-03-15 2106 KP4/K1XYZ/QRPP 57  PR   5W    VE3ABCD           ONT  10",
                         "END-OF-LOG:",
                     });
        QCOMPARE(r.warnings, QStringList{"Record 2 (VE3ABCD): its QSO line lacks the RST received."});
    }

    void emptyLog()
    {
        const ExportResult cab = LogExport::build({}, k1xyz(ExportFormat::Cabrillo));
        compareLines(lines(cab.bytes),
                     QStringList{"START-OF-LOG: 3.0", "CONTEST: QRP-ARCI-FALL-QSO-PARTY", "CALLSIGN: K1XYZ",
                                 "CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-BAND: ALL", "CATEGORY-MODE: CW",
                                 "CATEGORY-POWER: QRP", "CLAIMED-SCORE: 0", "CREATED-BY: Kestrix 9.9", "END-OF-LOG:"});
        const ExportResult adif = LogExport::build({}, k1xyz(ExportFormat::Adif));
        QVERIFY(adif.bytes.endsWith("<EOH>\r\n"));
        QCOMPARE(adif.contacts, 0);
    }

    void unreadableRecordsAreLeftOutAndNamed()
    {
        using TestLog::record;
        const QList<QrpRecord> log{
            record({"AA1A", "1", "", "ME", "579", "579", "30", "12/07/98", "14:00:00", "5", "1"}),
            record({"AA1B", "2", "", "ME", "579", "579", "40", "13/07/98", "14:00:00", "5", "1"}),
            record({"AA1C", "3", "", "ME", "579", "579", "40", "12/07/98", "25:00:00", "5", "0"}),
            record({"AA1D", "4", "", "ME", "579", "579", "40", "12/07/98", "14:00:00", "5", "0"}),
        };
        const ExportResult r = LogExport::build(log, k1xyz(ExportFormat::Adif));
        QCOMPARE(r.contacts, 1);
        QVERIFY(r.bytes.contains("<CALL:4>AA1D"));
        QCOMPARE(r.warnings, (QStringList{
                                 "Record 1 (AA1A) left out: its band \"30\" is none of 160, 80, 40, 20, 15, 10, 6.",
                                 "Record 2 (AA1B) left out: its date \"13/07/98\" is not a date mm/dd/yy.",
                                 "Record 3 (AA1C) left out: its time \"25:00:00\" is not a time hh:mm:ss.",
                             }));
        // The recount counts what the band chart counts: bands it knows, whatever the date.
        QCOMPARE(r.claimedScore, qint64((5 + 5 + 5) * 1));
    }

    void datePivot_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("00 is 2000") << "01/01/00" << QDate(2000, 1, 1);
        QTest::newRow("69 is 2069") << "12/31/69" << QDate(2069, 12, 31);
        QTest::newRow("70 is 1970") << "01/01/70" << QDate(1970, 1, 1);
        QTest::newRow("99 is 1999") << "12/31/99" << QDate(1999, 12, 31);
        QTest::newRow("98") << "12/07/98" << QDate(1998, 12, 7);
        QTest::newRow("24 leap day") << "02/29/24" << QDate(2024, 2, 29);
        QTest::newRow("one-digit month and day") << "2/9/24" << QDate(2024, 2, 9);
        QTest::newRow("four-digit year") << "2/9/1999" << QDate(1999, 2, 9);
        QTest::newRow("no leap day in 23") << "02/29/23" << QDate();
        QTest::newRow("month 13") << "13/01/98" << QDate();
        QTest::newRow("day first is not read") << "31/12/98" << QDate();
        QTest::newRow("blank") << "" << QDate();
        QTest::newRow("dashes") << "12-07-98" << QDate();
    }
    void datePivot()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(ExportContacts::readDate(text), date);
    }

    void bands_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("qsoStart"); // Cabrillo line up to the date
        QTest::addColumn<QString>("category");
        QTest::addColumn<QByteArray>("adifBand");
        QTest::newRow("160") << "160"
                             << "QSO:  1800 CW "
                             << "160M" << QByteArray("<BAND:4>160m");
        QTest::newRow("80") << "80"
                            << "QSO:  3500 CW "
                            << "80M" << QByteArray("<BAND:3>80m");
        QTest::newRow("40") << "40"
                            << "QSO:  7000 CW "
                            << "40M" << QByteArray("<BAND:3>40m");
        QTest::newRow("20") << "20"
                            << "QSO: 14000 CW "
                            << "20M" << QByteArray("<BAND:3>20m");
        QTest::newRow("15") << "15"
                            << "QSO: 21000 CW "
                            << "15M" << QByteArray("<BAND:3>15m");
        QTest::newRow("10") << "10"
                            << "QSO: 28000 CW "
                            << "10M" << QByteArray("<BAND:3>10m");
        QTest::newRow("6") << "6"
                           << "QSO:    50 CW "
                           << "6M" << QByteArray("<BAND:2>6m");
        QTest::newRow("6 with blanks around") << " 6 "
                                              << "QSO:    50 CW "
                                              << "6M" << QByteArray("<BAND:2>6m");
    }
    void bands()
    {
        QFETCH(QString, band);
        QFETCH(QString, qsoStart);
        QFETCH(QString, category);
        QFETCH(QByteArray, adifBand);
        const QList<QrpRecord> log{
            TestLog::record({"W1AW", "7", "", "CT", "579", "579", band, "12/07/98", "14:03:27", "5", "1"})};
        const QStringList cab = lines(LogExport::build(log, k1xyz(ExportFormat::Cabrillo)).bytes);
        QCOMPARE(cab.at(4), "CATEGORY-BAND: " + category);
        QCOMPARE(cab.at(9), qsoStart + "1998-12-07 1403 K1XYZ         579 MA   1234  W1AW          579 CT   7");
        QVERIFY(LogExport::build(log, k1xyz(ExportFormat::Adif)).bytes.contains(" " + adifBand + " <MODE:2>CW "));
    }

    void adifState_data()
    {
        QTest::addColumn<QString>("spc");
        QTest::addColumn<QString>("state");
        QTest::newRow("state") << "NY"
                               << "NY";
        QTest::newRow("District of Columbia") << "DC"
                                              << "DC";
        QTest::newRow("Virgin Islands") << "VI"
                                        << "VI";
        QTest::newRow("Wyoming, last state") << "WY"
                                             << "WY";
        QTest::newRow("Alberta") << "ALB"
                                 << "AB";
        QTest::newRow("British Columbia") << "BRC"
                                          << "BC";
        QTest::newRow("Manitoba") << "MAN"
                                  << "MB";
        QTest::newRow("New Brunswick") << "NBR"
                                       << "NB";
        QTest::newRow("Newfoundland") << "NFD"
                                      << "NL";
        QTest::newRow("Nova Scotia") << "NSC"
                                     << "NS";
        QTest::newRow("Ontario") << "ONT"
                                 << "ON";
        QTest::newRow("Prince Edward Island") << "PEI"
                                              << "PE";
        QTest::newRow("Quebec") << "QUE"
                                << "QC";
        QTest::newRow("Saskatchewan") << "SAS"
                                      << "SK";
        QTest::newRow("North West Territories") << "NWT"
                                                << "NT";
        QTest::newRow("province's postal code is not in the tables") << "ON"
                                                                     << "";
        QTest::newRow("country") << "ENG"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void adifState()
    {
        QFETCH(QString, spc);
        QFETCH(QString, state);
        QCOMPARE(SpcTable::adifState(spc), state);
    }

    void exchangeNumberOrPower_data()
    {
        QTest::addColumn<QString>("arci");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("cabrilloEnd");
        QTest::addColumn<QByteArray>("srx");
        QTest::addColumn<QByteArray>("rxPwr");
        QTest::newRow("member") << "1234"
                                << ""
                                << "NH   1234" << QByteArray("<SRX_STRING:7>NH 1234") << QByteArray();
        QTest::newRow("member with a power too") << "88"
                                                 << "5"
                                                 << "NH   88" << QByteArray("<SRX_STRING:5>NH 88") << QByteArray();
        QTest::newRow("power") << ""
                               << "5"
                               << "NH   5" << QByteArray("<SRX_STRING:4>NH 5") << QByteArray("<RX_PWR:1>5");
        QTest::newRow("power in watts") << ""
                                        << "5W"
                                        << "NH   5W" << QByteArray("<SRX_STRING:5>NH 5W") << QByteArray("<RX_PWR:1>5");
        QTest::newRow("fraction") << ""
                                  << ".25"
                                  << "NH   .25" << QByteArray("<SRX_STRING:6>NH .25") << QByteArray("<RX_PWR:3>.25");
        QTest::newRow("not a number") << ""
                                      << "QRP"
                                      << "NH   QRP" << QByteArray("<SRX_STRING:6>NH QRP") << QByteArray();
        QTest::newRow("blank inside") << ""
                                      << "5 W"
                                      << "NH   5W" << QByteArray("<SRX_STRING:6>NH 5 W") << QByteArray("<RX_PWR:1>5");
    }
    void exchangeNumberOrPower()
    {
        QFETCH(QString, arci);
        QFETCH(QString, power);
        QFETCH(QString, cabrilloEnd);
        QFETCH(QByteArray, srx);
        QFETCH(QByteArray, rxPwr);
        const QList<QrpRecord> log{
            TestLog::record({"W1NH", arci, power, "NH", "579", "559", "20", "12/07/98", "14:03:27", "5", "1"})};
        const QStringList cab = lines(LogExport::build(log, k1xyz(ExportFormat::Cabrillo)).bytes);
        QCOMPARE(cab.at(9),
                 "QSO: 14000 CW 1998-12-07 1403 K1XYZ         579 MA   1234  W1NH          559 " + cabrilloEnd);
        const QByteArray adif = LogExport::build(log, k1xyz(ExportFormat::Adif)).bytes;
        QVERIFY2(adif.contains(" " + srx + " <STX_STRING:7>MA 1234 "), adif.constData());
        QCOMPARE(adif.contains("<RX_PWR:"), !rxPwr.isEmpty());
        if (!rxPwr.isEmpty())
            QVERIFY2(adif.contains(" " + rxPwr + " <OPERATOR:5>K1XYZ <EOR>"), adif.constData());
    }

    void adifLengthsCountUtf8Bytes()
    {
        // A Latin-1 letter in the log is two bytes in the UTF-8 file.
        const QList<QrpRecord> log{TestLog::record(
            {QString::fromUtf8("DL1Ä"), "", "5", "DL", "579", "579", "20", "12/07/98", "14:03:27", "4", "1"})};
        const QByteArray adif = LogExport::build(log, k1xyz(ExportFormat::Adif)).bytes;
        QVERIFY2(adif.contains("<CALL:5>DL1\xC3\x84 <QSO_DATE:8>"), adif.constData());
        QCOMPARE(AdifWriter::field("X", QString()), QByteArray());
    }

    void readOnlyLogReadsWithoutWriting()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        TestLog::writeLog(dir.path(), knownLog(), "40");
        const QString file = dir.filePath("QRPDATA.DAT");
        const QByteArray before = TestLog::readFile(dir.path(), "QRPDATA.DAT");
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        const auto modified = st.st_mtim;

        ReadOnlyLog log(dir.path());
        QVERIFY2(log.read(), qPrintable(log.reason()));
        QCOMPARE(log.recordCount(), 9);
        QCOMPARE(log.contacts().size(), 8);
        QCOMPARE(log.contacts(), knownLog());
        QCOMPARE(TestLog::readFile(dir.path(), "QRPDATA.DAT"), before);
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        QCOMPARE(st.st_mtim.tv_sec, modified.tv_sec);
        QCOMPARE(st.st_mtim.tv_nsec, modified.tv_nsec);

        // Only the placeholder: no contacts. A missing file is not created.
        QTemporaryDir empty;
        TestLog::writeLog(empty.path(), {}, "20");
        ReadOnlyLog placeholderOnly(empty.path());
        QVERIFY(placeholderOnly.read());
        QCOMPARE(placeholderOnly.contacts().size(), 0);
        QTemporaryDir none;
        ReadOnlyLog missing(none.path());
        QVERIFY(!missing.read());
        QCOMPARE(missing.reason(), QString::fromLocal8Bit(strerror(ENOENT)));
        QVERIFY(!QFile::exists(none.filePath("QRPDATA.DAT")));
    }

    void recordCountFromLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("contacts");
        QTest::newRow("two whole records") << 96 << 1;
        QTest::newRow("72 bytes count 2") << 72 << 1;
        QTest::newRow("100 bytes count 2") << 100 << 1;
        QTest::newRow("24 bytes count 1") << 24 << 0;
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("130 bytes count 3, the second record cut short") << 130 << 2;
    }
    void recordCountFromLength()
    {
        QFETCH(int, length);
        QFETCH(int, contacts);
        QTemporaryDir dir;
        QByteArray bytes;
        for (const QrpRecord &r : knownLog())
            bytes += r.bytes();
        TestLog::writeFile(dir.path(), "QRPDATA.DAT", bytes.left(length));
        ReadOnlyLog log(dir.path());
        QVERIFY(log.read());
        QCOMPARE(log.contacts().size(), contacts);
        if (contacts == 2) // the bytes past the end read as blanks
            QCOMPARE(log.contacts().at(1).value(QrpRecord::Callsign), "DELETED");
    }

    void logFilesAreNeverTheTarget()
    {
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), knownLog(), "40");
        QVERIFY(!LogExport::refusal(dir.filePath("QRPDATA.DAT"), dir.path()).isEmpty());
        QVERIFY(!LogExport::refusal(dir.filePath("sub/../ARCIFILE.DAT"), dir.path()).isEmpty()); // not there yet
        QVERIFY(QFile::link(dir.filePath("QRPDATA.DAT"), dir.filePath("link.log")));
        QVERIFY(!LogExport::refusal(dir.filePath("link.log"), dir.path()).isEmpty());
        QVERIFY(!LogExport::refusal(dir.path(), dir.path()).isEmpty());
        QCOMPARE(LogExport::refusal(dir.filePath("K1XYZ.log"), dir.path()), QString());

        // A file that cannot be written leaves what was there.
        TestLog::writeFile(dir.path(), "K1XYZ.log", "old");
        QString why;
        QVERIFY(!LogExport::writeFile(dir.filePath("no/such/folder/K1XYZ.log"), "new", &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(LogExport::writeFile(dir.filePath("K1XYZ.log"), "new", &why));
        QCOMPARE(TestLog::readFile(dir.path(), "K1XYZ.log"), QByteArray("new"));
    }

    void stationData_data()
    {
        QTest::addColumn<StationData>("station");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("problem");
        const int cab = int(ExportFormat::Cabrillo), adif = int(ExportFormat::Adif);
        QTest::newRow("complete") << StationData{"K1XYZ", "MA", "1234", "CW", "QRP-ARCI"} << cab << "";
        QTest::newRow("lower case is fine") << StationData{" k1xyz ", "ma", "5w", "ssb", "qrp-arci"} << cab << "";
        QTest::newRow("no call") << StationData{"", "MA", "1234", "CW", "X"} << cab << "Your call sign is missing.";
        QTest::newRow("blank in call") << StationData{"K1 XYZ", "MA", "1234", "CW", "X"} << cab
                                       << "Your call sign \"K1 XYZ\" contains a blank.";
        QTest::newRow("no spc") << StationData{"K1XYZ", "", "1234", "CW", "X"} << adif << "Your S-P-C is missing.";
        QTest::newRow("no number") << StationData{"K1XYZ", "MA", " ", "CW", "X"} << adif
                                   << "Your ARCI number or power is missing.";
        QTest::newRow("mode") << StationData{"K1XYZ", "MA", "1234", "RTTY", "X"} << adif
                              << "The mode must be CW or SSB, not \"RTTY\".";
        QTest::newRow("no contest for Cabrillo")
            << StationData{"K1XYZ", "MA", "1234", "CW", ""} << cab << "The contest name is missing.";
        QTest::newRow("no contest for ADIF") << StationData{"K1XYZ", "MA", "1234", "CW", ""} << adif << "";
        QTest::newRow("contest in words") << StationData{"K1XYZ", "MA", "1234", "CW", "QRP ARCI"} << cab
                                          << "The contest name \"QRP ARCI\" contains a blank; join the words with "
                                             "hyphens, as in QRP-ARCI-FALL-QSO-PARTY.";
    }
    void stationData()
    {
        QFETCH(StationData, station);
        QFETCH(int, format);
        QFETCH(QString, problem);
        QCOMPARE(station.problem(ExportFormat(format)), problem);
    }

    void defaultFileNames()
    {
        QCOMPARE(ExportFormats::defaultFileName("k1xyz", ExportFormat::Cabrillo), "K1XYZ.log");
        QCOMPARE(ExportFormats::defaultFileName("K1XYZ", ExportFormat::Adif), "K1XYZ.adi");
        QCOMPARE(ExportFormats::defaultFileName("KP4/K1XYZ", ExportFormat::Cabrillo), "KP4_K1XYZ.log");
        QCOMPARE(ExportFormats::defaultFileName("..", ExportFormat::Adif), "KESTRIX.adi");
    }
};

QTEST_GUILESS_MAIN(tst_ExportFormats)
#include "tst_exportformats.moc"
