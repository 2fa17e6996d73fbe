// The Cabrillo and ADIF files made from a log, and the read-only reading of it.

#include "ExportFixture.h"
#include "export/core/AdifWriter.h"
#include "export/core/ExportContacts.h"
#include "export/core/ExportSink.h"
#include "export/core/LogExport.h"
#include "export/core/PlainText.h"
#include "export/core/ReadOnlyLog.h"
#include "export/core/SpcTable.h"
#include "export/core/StationDetails.h"
#include "export/core/TimeOrder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <sys/stat.h>

using namespace ExportFixture;

Q_DECLARE_METATYPE(StationData)
Q_DECLARE_METATYPE(QrpRecord)

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
        QCOMPARE(r.claimedScore, qint64(126));
        QVERIFY2(r.warnings.isEmpty(), qPrintable(r.warnings.join('\n')));
        QVERIFY(r.incomplete.isEmpty());
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
        // 13 characters widens its column on every line instead of being cut.
        using TestLog::record;
        const QList<QrpRecord> log{
            record({"N2X", "99999", "", "NJ", "57", "59", "40", "03/15/24", "21:05:00", "5", "1"}),
            record({"VE3ABCD", "", "10", "ONT", "57", "55", "40", "03/15/24", "21:06:10", "2", "1"}),
        };
        ExportSettings s = k1xyz(ExportFormat::Cabrillo);
        s.station = StationData{"KP4/K1XYZ/QRPP", "PR", "5W", "SSB", "QRP-ARCI-SPRING-QSO-PARTY"};
        const ExportResult r = LogExport::build(log, s);
        compareLines(lines(r.bytes),
                     QStringList{
                         "START-OF-LOG: 3.0",
                         "CONTEST: QRP-ARCI-SPRING-QSO-PARTY",
                         "CALLSIGN: KP4/K1XYZ/QRPP",
                         "LOCATION: PR",
                         "CATEGORY-OPERATOR: SINGLE-OP",
                         "CATEGORY-BAND: 40M",
                         "CATEGORY-MODE: SSB",
                         "CATEGORY-POWER: QRP",
                         "CLAIMED-SCORE: 14",
                         "CREATED-BY: Kestrix 9.9",
                         "QSO:  7000 PH 2024-03-15 2105 KP4/K1XYZ/QRPP 57  PR   5W    N2X           59  NJ   99999",
                         "QSO:  7000 PH 2024-03-15 2106 KP4/K1XYZ/QRPP 57  PR   5W    VE3ABCD       55  ONT  10",
                         "END-OF-LOG:",
                     });
    }

    // clang-format off
    void timeOrder_data()
    {
        // Each contact as "mm/dd/yy hh:mm:ss"; the order its calls must come out in.
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QString>("order");
        QTest::newRow("already in order")
            << QStringList{"12/07/98 14:00:00", "12/07/98 14:00:01", "12/08/98 00:00:00"} << "A B C";
        QTest::newRow("clock set back") << QStringList{"12/07/98 14:00:00", "12/07/98 15:00:00", "12/07/98 14:30:00",
                                                       "12/07/98 15:10:00"}
                                        << "A C B D";
        QTest::newRow("equal times keep record order")
            << QStringList{"12/07/98 14:00:00", "12/07/98 13:00:00", "12/07/98 14:00:00", "12/07/98 13:00:00"}
            << "B D A C";
        QTest::newRow("69 is after 70") << QStringList{"01/01/69 00:00:00", "12/31/70 23:59:59", "01/01/00 00:00:00"}
                                        << "B C A";
        QTest::newRow("seconds count") << QStringList{"12/07/98 14:00:59", "12/07/98 14:00:01"} << "B A";
    }
    // clang-format on
    void timeOrder()
    {
        QFETCH(QStringList, times);
        QFETCH(QString, order);
        QList<QrpRecord> log;
        for (qsizetype i = 0; i < times.size(); ++i) {
            const QStringList dt = times.at(i).split(' ');
            log << TestLog::record(
                {QString(QChar(char16_t('A' + i))), "1", "", "ME", "579", "579", "40", dt.at(0), dt.at(1), "1", "1"});
        }
        for (const ExportFormat format : {ExportFormat::Cabrillo, ExportFormat::Adif}) {
            QStringList calls;
            for (const QString &line : lines(LogExport::build(log, k1xyz(format)).bytes)) {
                if (line.startsWith("QSO:"))
                    calls << line.split(' ', Qt::SkipEmptyParts).at(9);
                else if (line.startsWith("<CALL:1>"))
                    calls << line.mid(8, 1);
            }
            QCOMPARE(calls.join(' '), order);
        }
    }

    void timeOrderBeyondMemory()
    {
        // Runs of 5 pairs, merged 2 at a time: several merge rounds through the
        // temporary file give the order std::sort gives, equal times by record.
        QTemporaryDir dir;
        TimeOrder order(dir.path(), 5, 2);
        std::vector<TimeOrder::Entry> expected;
        QRandomGenerator random(13);
        for (qint32 record = 1; record <= 203; ++record) {
            const qint64 key = random.bounded(40);
            QVERIFY(order.add(key, record));
            expected.push_back(TimeOrder::Entry{key, record});
        }
        QVERIFY2(order.finish(), qPrintable(order.reason()));
        QCOMPARE(order.spilledRuns(), qsizetype(2)); // 41 runs merged down to 2
        std::sort(expected.begin(), expected.end());
        TimeOrder::Entry e;
        for (const TimeOrder::Entry &want : expected) {
            QVERIFY(order.next(e));
            QCOMPARE(e.key, want.key);
            QCOMPARE(e.record, want.record);
        }
        QVERIFY(!order.next(e));
        QVERIFY(order.reason().isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    // clang-format off
    void incompleteContacts_data()
    {
        // A record's eleven fields and the sentence naming what keeps it from a checker.
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("incomplete");
        const QStringList whole{"W1NH", "12", "", "NH", "579", "559", "20", "12/07/98", "14:03:27", "5", "1"};
        auto with = [&whole](int field, const QString &value) {
            QStringList f = whole;
            f[field] = value;
            return f;
        };
        QTest::newRow("whole") << whole << "";
        QTest::newRow("no RST sent") << with(QrpRecord::RstSent, "") << "Record 2 (W1NH): it lacks the RST sent.";
        QTest::newRow("no RST received") << with(QrpRecord::RstRcvd, " ")
                                         << "Record 2 (W1NH): it lacks the RST received.";
        QTest::newRow("no S-P-C") << with(QrpRecord::SPC, "") << "Record 2 (W1NH): it lacks the S-P-C.";
        QTest::newRow("no number or power")
            << with(QrpRecord::Arci, "") << "Record 2 (W1NH): it lacks the ARCI number or power.";
        QStringList bare = with(QrpRecord::RstSent, "");
        bare[QrpRecord::SPC] = "";
        bare[QrpRecord::Arci] = "";
        QTest::newRow("three missing") << bare
                                       << "Record 2 (W1NH): it lacks the RST sent, the S-P-C and the ARCI number or "
                                          "power.";
        QTest::newRow("RST sent not a report") << with(QrpRecord::RstSent, "me")
                                               << "Record 2 (W1NH): its RST sent \"me\" is not a report.";
        QTest::newRow("RST received with a blank inside") << with(QrpRecord::RstRcvd, "5 9")
                                                          << "Record 2 (W1NH): its RST received \"5 9\" is not a report.";
        QTest::newRow("a phone report") << with(QrpRecord::RstRcvd, "59") << "";
        QTest::newRow("band") << with(QrpRecord::Band, "30")
                              << "Record 2 (W1NH): its band \"30\" is none of 160, 80, 40, 20, 15, 10, 6.";
        QTest::newRow("date") << with(QrpRecord::QsoDate, "13/07/98")
                              << "Record 2 (W1NH): its date \"13/07/98\" is not a date mm/dd/yy.";
        QStringList late = with(QrpRecord::QsoTime, "25:00:00");
        late[QrpRecord::RstRcvd] = "";
        QTest::newRow("time and report") << late
                                         << "Record 2 (W1NH): its time \"25:00:00\" is not a time hh:mm:ss; it "
                                            "lacks the RST received.";
    }
    // clang-format on
    void incompleteContacts()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, incomplete);
        const QList<QrpRecord> log{
            TestLog::record({"W1AW", "7", "", "CT", "579", "579", "20", "12/07/98", "14:00:00", "5", "1"}),
            TestLog::record(fields)};
        for (const ExportFormat format : {ExportFormat::Cabrillo, ExportFormat::Adif}) {
            const ExportResult r = LogExport::build(log, k1xyz(format));
            QCOMPARE(r.incomplete.join('\n'), incomplete);
            QCOMPARE(r.leftOut, incomplete.isEmpty() ? 0 : 1);
            QCOMPARE(r.contacts, incomplete.isEmpty() ? 2 : 1);
            QCOMPARE(r.bytes.contains("W1NH"), incomplete.isEmpty());
            // Every QSO line has all its columns.
            for (const QString &line : lines(r.bytes))
                if (line.startsWith("QSO:"))
                    QCOMPARE(line.split(' ', Qt::SkipEmptyParts).size(), 13);
        }
    }

    // clang-format off
    void plainAscii_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ascii");
        QTest::newRow("plain") << "K1XYZ 5W"
                               << "K1XYZ 5W";
        QTest::newRow("umlauts") << QString::fromUtf8("ÄÖÜäöü") << "AOUaou";
        QTest::newRow("sharp s") << QString::fromUtf8("Straße") << "Strasse";
        QTest::newRow("accents") << QString::fromUtf8("éèêçñÅ") << "eeecnA";
        QTest::newRow("spelt out") << QString::fromUtf8("ØæÞŁ") << "OaeTHL";
        QTest::newRow("no letter to give") << QString::fromUtf8("µ½中") << "???";
        QTest::newRow("control characters") << QString::fromLatin1("A\x01"
                                                                   "B\tC\x7f\x85"
                                                                   "D")
                                            << "A B C  D";
    }
    // clang-format on
    void plainAscii()
    {
        QFETCH(QString, text);
        QFETCH(QString, ascii);
        QCOMPARE(PlainText::ascii(text).text, ascii);
    }

    void onlyAsciiIsWritten()
    {
        // Letters of the log and of the operator, and a control character in a
        // stored record (Kestrix no longer stores one, an older log may hold it):
        // the files hold printable ASCII and line ends only, and every change is named.
        QByteArray bytes = TestLog::record({QString::fromLatin1("DL1\xC4X"), "", "5", "DxL", "579", "579", "20",
                                            "12/07/98", "14:03:27", "4", "1"})
                               .bytes();
        bytes[QrpRecord::layout[QrpRecord::SPC].offset + 1] = '\x02';
        const QList<QrpRecord> log{QrpRecord::fromBytes(bytes)};
        for (const ExportFormat format : {ExportFormat::Cabrillo, ExportFormat::Adif}) {
            ExportSettings s = k1xyz(format);
            s.entrant.name = QString::fromUtf8("Jürgen Groß");
            const ExportResult r = LogExport::build(log, s);
            for (const char c : r.bytes)
                QVERIFY2(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F), r.bytes.constData());
            QVERIFY(r.bytes.contains(format == ExportFormat::Adif ? "<CALL:5>DL1AX " : " DL1AX "));
            QVERIFY(r.bytes.contains(format == ExportFormat::Adif ? "<SRX_STRING:5>D L 5 " : " DL   5\r\n"));
            QVERIFY(r.bytes.contains(format == ExportFormat::Adif ? "<MY_NAME:12>Jurgen Gross" : "NAME: Jurgen Gross"));
            QCOMPARE(r.warnings,
                     (QStringList{QString::fromUtf8("Your name \"Jürgen Groß\" is written as \"Jurgen Gross\"."),
                                  QString::fromUtf8("Record 1 (DL1ÄX): its call sign \"DL1ÄX\" is written "
                                                    "as \"DL1AX\"; control characters in its S-P-C are "
                                                    "written as blanks.")}));
        }
    }

    void emptyLog()
    {
        const ExportResult cab = LogExport::build({}, k1xyz(ExportFormat::Cabrillo));
        compareLines(lines(cab.bytes), QStringList{"START-OF-LOG: 3.0", "CONTEST: QRP-ARCI-FALL-QSO-PARTY",
                                                   "CALLSIGN: K1XYZ", "LOCATION: MA", "CATEGORY-OPERATOR: SINGLE-OP",
                                                   "CATEGORY-BAND: ALL", "CATEGORY-MODE: CW", "CATEGORY-POWER: QRP",
                                                   "CLAIMED-SCORE: 0", "CREATED-BY: Kestrix 9.9", "END-OF-LOG:"});
        const ExportResult adif = LogExport::build({}, k1xyz(ExportFormat::Adif));
        QVERIFY(adif.bytes.endsWith("<EOH>\r\n"));
        QCOMPARE(adif.contacts, 0);
    }

    // clang-format off
    void claimedScore_data()
    {
        QTest::addColumn<double>("power");
        QTest::addColumn<double>("bonusMultiplier");
        QTest::addColumn<double>("bonus");
        QTest::addColumn<QString>("score");
        // The known log counts 21 points and 6 multipliers.
        QTest::newRow("x1") << 1.0 << 1.0 << 0.0 << "126";
        QTest::newRow("x7 at 1-5 W CW") << 7.0 << 1.0 << 0.0 << "882";
        QTest::newRow("bonus multiplier and points") << 7.0 << 2.0 << 10.0 << "1774";
        QTest::newRow("fraction rounds") << 1.5 << 1.0 << 0.25 << "189";
    }
    // clang-format on
    void claimedScore()
    {
        QFETCH(double, power);
        QFETCH(double, bonusMultiplier);
        QFETCH(double, bonus);
        QFETCH(QString, score);
        ExportSettings s = k1xyz(ExportFormat::Cabrillo);
        s.powerMultiplier = power;
        s.bonusMultiplier = bonusMultiplier;
        s.bonusPoints = bonus;
        QCOMPARE(lines(LogExport::build(knownLog(), s).bytes), knownCabrillo("9.9", score));
    }

    // clang-format off
    void claimByTheRules_data()
    {
        // Records added to the known log (21 points, 6 multipliers), and what the
        // file claims and what the summary sheet's recount of the whole log says.
        QTest::addColumn<QList<QrpRecord>>("added");
        QTest::addColumn<bool>("deleteFirst"); // Q1ABC, the only NY on 40 m
        QTest::addColumn<QList<qint64>>("written"); // points, multipliers
        QTest::addColumn<QString>("difference");
        using TestLog::record;
        const auto member = [](const char *call, const char *spc, const char *band, const char *rst,
                               const char *time, const char *points, const char *mult) {
            return record({call, "77", "", spc, rst, "579", band, "12/07/98", time, points, mult});
        };
        QTest::newRow("a saved duplicate scores nothing")
            << QList{member("Q1ABC", "NY", "40", "579", "14:20:00", "5", "0")} << false << QList<qint64>{21, 6} << "";
        QTest::newRow("the call again on another band")
            << QList{member("Q1ABC", "NY", "20", "579", "14:20:00", "5", "0")} << false << QList<qint64>{26, 7} << "";
        QTest::newRow("a mark 0 left the only NY after a delete")
            << QList{member("W2XX", "NY", "40", "579", "14:20:00", "5", "0")} << true << QList<qint64>{21, 6} << "";
        QTest::newRow("a mark 1 on a second NY")
            << QList{member("W2YY", "NY", "40", "579", "14:20:00", "5", "1")} << false << QList<qint64>{26, 6} << "";
        QTest::newRow("left out: an RST that is not a report")
            << QList{member("AA1C", "ME", "40", "me", "14:20:00", "5", "1")} << false << QList<qint64>{21, 6}
            << "The file claims 126; the summary sheet gives 182: it also counts the contact left out of the file.";
        QTest::newRow("left out: a time that cannot be read")
            << QList{member("AA1C", "ME", "40", "579", "25:00:00", "5", "1"),
                     member("AA1D", "VT", "40", "5 9", "14:00:00", "5", "1")} << false << QList<qint64>{21, 6}
            << "The file claims 126; the summary sheet gives 248: it also counts the 2 contacts left out of the file.";
        QTest::newRow("left out: no band")
            << QList{member("AA1A", "ME", "30", "579", "14:00:00", "5", "1")} << false << QList<qint64>{21, 6} << "";
    }
    // clang-format on
    void claimByTheRules()
    {
        QFETCH(QList<QrpRecord>, added);
        QFETCH(bool, deleteFirst);
        QFETCH(QList<qint64>, written);
        QFETCH(QString, difference);
        QList<QrpRecord> log = knownLog() + added;
        if (deleteFirst)
            log[0] = QrpRecord::deleted();
        const ExportSettings s = k1xyz(ExportFormat::Cabrillo);
        const ExportResult r = LogExport::build(log, s);
        QCOMPARE((QList<qint64>{r.counted.totalPoints(), r.counted.totalMultipliers()}), written);
        QCOMPARE(r.claimedScore, written[0] * written[1]);
        FinalScore::Figures sheet = LogExport::claim(r, s);
        sheet.points = double(r.wholeLog.totalPoints());
        sheet.spc = double(r.wholeLog.totalMultipliers());
        QCOMPARE(LogExport::claimDifference(r, s, sheet), difference);
    }

    void entrantInTheHeaders()
    {
        ExportSettings s = k1xyz(ExportFormat::Cabrillo);
        s.station.spc = "ont";
        s.entrant = EntrantData{
            " Pat  Doe ", "1 Main St", "Ottawa", "ON",
            "K1A 0B1",    "portable",  "ONE",    QString(30, 'x') + " " + QString(50, 'y') + " short\r\nline"};
        const QStringList cab = lines(LogExport::build(knownLog(), s).bytes);
        QCOMPARE(
            cab.mid(3, 16),
            (QStringList{"LOCATION: ONT", "CATEGORY-OPERATOR: SINGLE-OP", "CATEGORY-BAND: ALL", "CATEGORY-MODE: CW",
                         "CATEGORY-POWER: QRP", "CATEGORY-STATION: PORTABLE", "CATEGORY-TRANSMITTER: ONE",
                         "CLAIMED-SCORE: 126", "NAME: Pat Doe", "ADDRESS: 1 Main St", "ADDRESS-CITY: Ottawa",
                         "ADDRESS-STATE-PROVINCE: ON", "ADDRESS-POSTALCODE: K1A 0B1", "SOAPBOX: " + QString(30, 'x'),
                         "SOAPBOX: " + QString(50, 'y') + " short line", "CREATED-BY: Kestrix 9.9"}));
        // ADIF: the station's call, its province as MY_STATE, the name; a country has no MY_STATE.
        s.format = ExportFormat::Adif;
        QVERIFY(LogExport::build(knownLog(), s)
                    .bytes.contains(" <OPERATOR:5>K1XYZ <STATION_CALLSIGN:5>K1XYZ <MY_STATE:2>ON <MY_NAME:7>Pat Doe "
                                    "<EOR>\r\n"));
        s.station.spc = "ENG";
        s.entrant.name.clear();
        QVERIFY(LogExport::build(knownLog(), s).bytes.contains(" <STATION_CALLSIGN:5>K1XYZ <EOR>\r\n"));
        QCOMPARE(EntrantData{}.problem(), QString());
        s.entrant.categoryStation = "HOME";
        QCOMPARE(s.entrant.problem(), "The station category \"HOME\" is none of FIXED, MOBILE, PORTABLE, ROVER, "
                                      "ROVER-LIMITED, ROVER-UNLIMITED, EXPEDITION, HQ, SCHOOL, DISTRIBUTED, EXPLORER.");
    }

    void stationDetailsRemembered()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("Kestrix.conf");
        StationDetails d;
        d.call = "K1XYZ";
        d.contest = "QRP ARCI Fall QSO Party";
        d.address = "1 Main St, Apt 2"; // a comma must not split it into a list
        d.name = QString::fromUtf8("Jürgen");
        d.sendEntriesTo = "entries@example.org";
        {
            QSettings settings(file, QSettings::IniFormat);
            d.save(settings);
        }
        QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(StationDetails::load(settings), d);
        QCOMPARE(StationData::from(d).contest, "QRP-ARCI-FALL-QSO-PARTY");

        // A missing file, or one that is not a settings file, is a first run.
        QSettings missing(dir.filePath("none.conf"), QSettings::IniFormat);
        QCOMPARE(StationDetails::load(missing), StationDetails());
        TestLog::writeFile(dir.path(), "bad.conf", QByteArray("\x00\xff[Station\nCall=\"K1", 18));
        QSettings bad(dir.filePath("bad.conf"), QSettings::IniFormat);
        QCOMPARE(StationDetails::load(bad).call, QString());
    }

    // clang-format off
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
    // clang-format on
    void datePivot()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(ExportContacts::readDate(text), date);
    }

    // clang-format off
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
    // clang-format on
    void bands()
    {
        QFETCH(QString, band);
        QFETCH(QString, qsoStart);
        QFETCH(QString, category);
        QFETCH(QByteArray, adifBand);
        const QList<QrpRecord> log{
            TestLog::record({"W1AW", "7", "", "CT", "579", "579", band, "12/07/98", "14:03:27", "5", "1"})};
        const QStringList cab = lines(LogExport::build(log, k1xyz(ExportFormat::Cabrillo)).bytes);
        QCOMPARE(cab.at(5), "CATEGORY-BAND: " + category);
        QCOMPARE(cab.at(FirstQso), qsoStart + "1998-12-07 1403 K1XYZ         579 MA   1234  W1AW          579 CT   7");
        QVERIFY(LogExport::build(log, k1xyz(ExportFormat::Adif)).bytes.contains(" " + adifBand + " <MODE:2>CW "));
    }

    // clang-format off
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
    // clang-format on
    void adifState()
    {
        QFETCH(QString, spc);
        QFETCH(QString, state);
        QCOMPARE(SpcTable::adifState(spc), state);
    }

    // clang-format off
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
    // clang-format on
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
        QCOMPARE(cab.at(FirstQso),
                 "QSO: 14000 CW 1998-12-07 1403 K1XYZ         579 MA   1234  W1NH          559 " + cabrilloEnd);
        const QByteArray adif = LogExport::build(log, k1xyz(ExportFormat::Adif)).bytes;
        QVERIFY2(adif.contains(" " + srx + " <STX_STRING:7>MA 1234 "), adif.constData());
        QCOMPARE(adif.contains("<RX_PWR:"), !rxPwr.isEmpty());
        if (!rxPwr.isEmpty())
            QVERIFY2(adif.contains(" " + rxPwr + " <COMMENT:"), adif.constData());
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

    // clang-format off
    void cutOffLog_data()
    {
        // The log's bytes cut at a length (below 0: a placeholder after the
        // contacts); the record count is length / 48 rounded half to even; the last
        // record is a contact when it holds more than a band.
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("contacts");
        QTest::addColumn<QString>("calls"); // exported, in time order
        QTest::newRow("contact, placeholder") << -2 << 2 << "Q1ABC";
        QTest::newRow("two contacts, no placeholder") << 144 << 3 << "Q1ABC VE3XYZ";
        QTest::newRow("a contact's first half") << 24 << 1 << "";
        QTest::newRow("empty") << 0 << 0 << "";
        QTest::newRow("blank placeholder") << -1 << 1 << "Q1ABC";
    }
    // clang-format on
    void cutOffLog()
    {
        QFETCH(int, length);
        QFETCH(int, contacts);
        QFETCH(QString, calls);
        QTemporaryDir dir;
        const QList<QrpRecord> known = knownLog();
        QByteArray bytes = known.at(0).bytes() + known.at(1).bytes() + known.at(2).bytes();
        if (length == -1)
            bytes = known.at(0).bytes() + QrpRecord().bytes(); // a placeholder without a band
        else if (length == -2)
            bytes = known.at(0).bytes() + known.at(1).bytes() + TestLog::record({"", "", "", "", "", "", "40"}).bytes();
        else
            bytes.truncate(length);
        TestLog::writeFile(dir.path(), "QRPDATA.DAT", bytes);
        ReadOnlyLog log(dir.path());
        QVERIFY(log.read());
        QCOMPARE(log.contacts().size(), contacts);

        // The streamed export reads the same records from the file.
        QVERIFY(log.open());
        BufferOutput out;
        ExportSettings s = k1xyz(ExportFormat::Cabrillo);
        s.skipIncomplete = true;
        const ExportResult r = LogExport::write(log, out, s, dir.path(), {});
        QVERIFY2(r.written(), qPrintable(r.reason));
        QStringList written;
        for (const QString &line : lines(out.bytes))
            if (line.startsWith("QSO:"))
                written << line.split(' ', Qt::SkipEmptyParts).at(9);
        QCOMPARE(written.join(' '), calls);
    }

    // clang-format off
    void outputTargets_data()
    {
        // Where the export would write, in a folder "here" that holds the log
        // exported and "other" that holds another contest's log; with the format.
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("kind");
        using T = LogExport::OutputTarget;
        const int cab = int(ExportFormat::Cabrillo), adif = int(ExportFormat::Adif);
        QTest::newRow("the log") << "here/QRPDATA.DAT" << cab << int(T::Refused);
        QTest::newRow("its text log, by a roundabout name") << "here/sub/../ARCIFILE.DAT" << cab << int(T::Refused);
        QTest::newRow("a link to the log") << "here/link.log" << cab << int(T::Refused);
        QTest::newRow("the journal") << "here/.kestrix-journal" << adif << int(T::Refused);
        QTest::newRow("bytes set aside") << "here/QRPDATA.DAT.stray" << adif << int(T::Refused);
        QTest::newRow("another folder's log") << "other/QRPDATA.DAT" << cab << int(T::Refused);
        QTest::newRow("another folder's text log") << "other/ARCIFILE.DAT" << adif << int(T::Refused);
        QTest::newRow("a log's name in lower case") << "other/arcifile.dat.stray" << adif << int(T::Refused);
        QTest::newRow("a log under another name") << "other/backup.bin" << cab << int(T::Refused);
        QTest::newRow("a text log under another name") << "other/lines.txt" << cab << int(T::Refused);
        QTest::newRow("a folder") << "here" << cab << int(T::Refused);
        QTest::newRow("a dangling link") << "here/dangling.log" << cab << int(T::Refused);
        QTest::newRow("a new file") << "here/K1XYZ.log" << cab << int(T::New);
        QTest::newRow("an earlier Cabrillo export") << "here/old.log" << cab << int(T::EarlierExport);
        QTest::newRow("an earlier ADIF export") << "here/old.adi" << adif << int(T::EarlierExport);
        QTest::newRow("an ADIF export, for Cabrillo") << "here/old.adi" << cab << int(T::OtherFile);
        QTest::newRow("another program's Cabrillo") << "here/theirs.log" << cab << int(T::OtherFile);
        QTest::newRow("notes") << "here/notes.txt" << adif << int(T::OtherFile);
        QTest::newRow("48 bytes of text") << "here/text48" << cab << int(T::OtherFile);
        QTest::newRow("an empty file") << "here/empty" << cab << int(T::OtherFile);
    }
    // clang-format on
    void outputTargets()
    {
        QFETCH(QString, path);
        QFETCH(int, format);
        QFETCH(int, kind);
        QTemporaryDir root;
        const QString here = root.filePath("here"), other = root.filePath("other");
        QVERIFY(QDir().mkpath(here) && QDir().mkpath(other));
        TestLog::writeLog(here, knownLog(), "40");
        TestLog::writeLog(other, knownLog(), "40");
        const QByteArray line = QByteArray(79, ' ') + QByteArray("\x02\x00\r\n", 4);
        TestLog::writeFile(other, "ARCIFILE.DAT", line + line);
        QVERIFY(QFile::copy(QDir(other).filePath("QRPDATA.DAT"), QDir(other).filePath("backup.bin")));
        QVERIFY(QFile::copy(QDir(other).filePath("ARCIFILE.DAT"), QDir(other).filePath("lines.txt")));
        QVERIFY(QFile::link(QDir(here).filePath("QRPDATA.DAT"), QDir(here).filePath("link.log")));
        QVERIFY(QFile::link(QDir(here).filePath("nowhere"), QDir(here).filePath("dangling.log")));
        TestLog::writeFile(here, "old.log", LogExport::build(knownLog(), k1xyz(ExportFormat::Cabrillo)).bytes);
        TestLog::writeFile(here, "old.adi", LogExport::build(knownLog(), k1xyz(ExportFormat::Adif)).bytes);
        TestLog::writeFile(here, "theirs.log", "START-OF-LOG: 3.0\r\nCREATED-BY: N1MM\r\nQSO: 7000\r\n");
        TestLog::writeFile(here, "notes.txt", "my notes\n");
        TestLog::writeFile(here, "text48", QByteArray(48, 'a'));
        TestLog::writeFile(here, "empty", QByteArray());
        const QString full = root.filePath(path);
        const LogExport::OutputTarget t = LogExport::target(full, here, ExportFormat(format));
        QCOMPARE(int(t.kind), kind);
        // A file it will not replace without asking is named.
        QCOMPARE(t.why.contains(QDir::toNativeSeparators(QFileInfo(full).absoluteFilePath())), kind >= 2);

        // Nothing but a regular file is ever replaced, whatever the format.
        QVERIFY(::mkfifo(QFile::encodeName(root.filePath("pipe")).constData(), 0600) == 0);
        QCOMPARE(LogExport::target(root.filePath("pipe"), here, ExportFormat::Adif).why,
                 root.filePath("pipe") + " is a named pipe, not a file; choose another name.");
        QCOMPARE(LogExport::target("/dev/full", here, ExportFormat::Cabrillo).why,
                 "/dev/full is a device, not a file; choose another name.");
    }

    void replacingAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("K1XYZ.log");
        TestLog::writeFile(dir.path(), "K1XYZ.log", "old");
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        const QFileDevice::Permissions permissions = QFile::permissions(path);
        const auto files = [&dir] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); };

        // Abandoned: the old file as it was, no temporary file left.
        {
            FileReplacement f(path);
            QVERIFY(f.open());
            QVERIFY(f.write("new", 3));
            QCOMPARE(files().size(), 2);
        }
        QCOMPARE(TestLog::readFile(dir.path(), "K1XYZ.log"), QByteArray("old"));
        QCOMPARE(files(), QStringList{"K1XYZ.log"});

        // Finished: the new bytes, with the old file's permissions; through a link, the file it names.
        QVERIFY(QFile::link(path, dir.filePath("link.log")));
        FileReplacement f(dir.filePath("link.log"));
        QVERIFY(f.open());
        QVERIFY(f.write("new", 3));
        QVERIFY2(f.finish(), qPrintable(f.reason()));
        QCOMPARE(TestLog::readFile(dir.path(), "K1XYZ.log"), QByteArray("new"));
        QVERIFY(QFileInfo(dir.filePath("link.log")).isSymLink());
        QCOMPARE(QFile::permissions(path), permissions);

        // A folder that cannot be written: the reason, and nothing made.
        FileReplacement none(dir.filePath("no/such/folder/K1XYZ.log"));
        QVERIFY(!none.open());
        QVERIFY(!none.reason().isEmpty());
    }

    // clang-format off
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
    // clang-format on
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
