// The radio's rules as values: the CW macros, the band edges and the frequency
// as shown, and which settings the Radio dialog refuses.

#include "radio/core/CwMacros.h"
#include "radio/core/RadioBands.h"
#include "radio/core/RadioSettings.h"
#include "radio/core/RigModels.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class tst_RadioTables : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void macros_data();
    void macros();
    void morseTiming();
    void bandEdges_data();
    void bandEdges();
    void settings_data();
    void settings();
    void remembered();
    void handEdited_data();
    void handEdited();
};

// clang-format off
void tst_RadioTables::macros_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("myNr");
    QTest::addColumn<bool>("cwdaemon");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("changed"); // left out or made plain

    // Own station K1XYZ in MA; RST 579 in the box.
    QTest::newRow("F1") << "CQ TEST {MYCALL} {MYCALL} TEST" << "" << "1234" << true << "CQ TEST K1XYZ K1XYZ TEST" << "";
    QTest::newRow("F2 member") << "{CALL} 5NN {MYSPC} {MYNR}" << "W1AW" << "1234" << true << "W1AW 5NN MA 1234" << "";
    QTest::newRow("F2 power") << "{CALL} 5NN {MYSPC} {MYNR}" << "VE3ABC" << "5W" << true << "VE3ABC 5NN MA 5W" << "";
    QTest::newRow("empty call closes up") << "{CALL} 5NN {MYSPC}" << "" << "1234" << true << "5NN MA" << "";
    QTest::newRow("call as it stands") << "{CALL}?" << "W1A" << "1234" << true << "W1A?" << "";
    QTest::newRow("macro in lower case") << "tu {mycall} {Rst}" << "" << "1234" << true << "TU K1XYZ 579" << "";
    QTest::newRow("no macros") << "  qrz?  " << "W1AW" << "1234" << true << "QRZ?" << "";
    QTest::newRow("escape never reaches the keyer") << "AGN\x1b" "4?" << "" << "1234" << true << "AGN4?" << "";
    QTest::newRow("tab and line end are blanks") << "TU\t73\nGL" << "" << "1234" << true << "TU 73 GL" << "";
    QTest::newRow("accents made plain") << QString::fromUtf8("73 DE K1XYZ Äé ✓") << "" << "1234" << false
                                        << "73 DE K1XYZ AE" << QString::fromUtf8("Äé✓");
    QTest::newRow("cwdaemon's speed and space commands") << "{CALL}" << "W1AW-+~" << "" << true << "W1AW"
                                                         << "-+~";
    QTest::newRow("the rig keys + and -") << "{CALL}" << "W1AW-+~" << "" << false << "W1AW-+" << "~";
    QTest::newRow("no Morse code") << "QRL<#>*^%|" << "" << "" << false << "QRL" << "<#>*^%|";
}
// clang-format on

void tst_RadioTables::macros()
{
    QFETCH(QString, message);
    QFETCH(QString, call);
    QFETCH(QString, myNr);
    QFETCH(bool, cwdaemon);
    QFETCH(QString, sent);
    QFETCH(QString, changed);
    const CwMacros::Values values{QStringLiteral("K1XYZ"), QStringLiteral("MA"), myNr, call, QStringLiteral("579")};
    QString found;
    QCOMPARE(CwMacros::expand(message, values, cwdaemon, &found), sent);
    QCOMPARE(found, changed);
}

void tst_RadioTables::morseTiming()
{
    // PARIS and the word space after it are 50 dots: 20 WPM is 60 ms a dot.
    QCOMPARE(CwMacros::sendingMillis(QStringLiteral("PARIS PARIS"), 20), (50 + 43) * 60);
    QCOMPARE(CwMacros::sendingMillis(QStringLiteral("paris"), 40), 43 * 30);
}

// clang-format off
void tst_RadioTables::bandEdges_data()
{
    QTest::addColumn<double>("hz");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("shown");

    QTest::newRow("below 160") << 1799990.0 << ""
                               << "1.799.99";
    QTest::newRow("160 low") << 1800000.0 << "160"
                             << "1.800.00";
    QTest::newRow("160 high") << 2000000.0 << "160"
                              << "2.000.00";
    QTest::newRow("above 160") << 2000010.0 << ""
                               << "2.000.01";
    QTest::newRow("below 80") << 3499990.0 << ""
                              << "3.499.99";
    QTest::newRow("80 low") << 3500000.0 << "80"
                            << "3.500.00";
    QTest::newRow("80 high") << 4000000.0 << "80"
                             << "4.000.00";
    QTest::newRow("above 80") << 4000010.0 << ""
                              << "4.000.01";
    QTest::newRow("below 40") << 6999990.0 << ""
                              << "6.999.99";
    QTest::newRow("40 low") << 7000000.0 << "40"
                            << "7.000.00";
    QTest::newRow("40 QRP calling") << 7032100.0 << "40"
                                    << "7.032.10";
    QTest::newRow("40 high") << 7300000.0 << "40"
                             << "7.300.00";
    QTest::newRow("above 40") << 7300010.0 << ""
                              << "7.300.01";
    QTest::newRow("30 m is no contest band") << 10116000.0 << ""
                                             << "10.116.00";
    QTest::newRow("below 20") << 13999990.0 << ""
                              << "13.999.99";
    QTest::newRow("20 low") << 14000000.0 << "20"
                            << "14.000.00";
    QTest::newRow("20 high") << 14350000.0 << "20"
                             << "14.350.00";
    QTest::newRow("above 20") << 14350010.0 << ""
                              << "14.350.01";
    QTest::newRow("below 15") << 20999990.0 << ""
                              << "20.999.99";
    QTest::newRow("15 low") << 21000000.0 << "15"
                            << "21.000.00";
    QTest::newRow("15 high") << 21450000.0 << "15"
                             << "21.450.00";
    QTest::newRow("above 15") << 21450010.0 << ""
                              << "21.450.01";
    QTest::newRow("below 10") << 27999990.0 << ""
                              << "27.999.99";
    QTest::newRow("10 low") << 28000000.0 << "10"
                            << "28.000.00";
    QTest::newRow("10 high") << 29700000.0 << "10"
                             << "29.700.00";
    QTest::newRow("above 10") << 29700010.0 << ""
                              << "29.700.01";
    QTest::newRow("below 6") << 49999990.0 << ""
                             << "49.999.99";
    QTest::newRow("6 low") << 50000000.0 << "6"
                           << "50.000.00";
    QTest::newRow("6 high") << 54000000.0 << "6"
                            << "54.000.00";
    QTest::newRow("above 6") << 54000010.0 << ""
                             << "54.000.01";
    QTest::newRow("2 m") << 145000000.0 << ""
                         << "145.000.00";
    QTest::newRow("rounded to 10 Hz") << 7032104.0 << "40"
                                      << "7.032.10";
}
// clang-format on

void tst_RadioTables::bandEdges()
{
    QFETCH(double, hz);
    QFETCH(QString, band);
    QFETCH(QString, shown);
    QCOMPARE(RadioBands::bandOf(hz), band);
    QCOMPARE(RadioBands::frequencyText(hz), shown);
}

// clang-format off
void tst_RadioTables::settings_data()
{
    QTest::addColumn<int>("model"); // -1: a rig Hamlib reaches on a serial port
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("keyer");
    QTest::addColumn<QString>("cwDaemon");
    QTest::addColumn<int>("wpm");
    QTest::addColumn<QString>("f2");
    QTest::addColumn<QString>("refused"); // part of the reason; empty when accepted
    QTest::addColumn<bool>("cw");         // refused for the keyer only, the rig still used

    const int none = int(RadioSettings::Keyer::None), hamlib = int(RadioSettings::Keyer::Hamlib),
              daemon = int(RadioSettings::Keyer::CwDaemon);
    const QString f2 = CwMacros::defaults().at(1), local = QStringLiteral("localhost:6789");
    QTest::newRow("no radio") << 0 << "" << none << local << 25 << f2 << "" << false;
    QTest::newRow("unknown model") << 999999 << "" << none << local << 25 << f2 << "knows no rig model 999999" << false;
    QTest::newRow("rigctld") << 2 << "localhost:4532" << hamlib << local << 25 << f2 << "" << false;
    QTest::newRow("rigctld by IPv6") << 2 << "[::1]:4532" << none << local << 25 << f2 << "" << false;
    QTest::newRow("rigctld, no port") << 2 << "localhost" << none << local << 25 << f2 << "has no port" << false;
    QTest::newRow("rigctld, port 0") << 2 << "localhost:0" << none << local << 25 << f2 << "1 to 65535" << false;
    QTest::newRow("rigctld, port 65536") << 2 << "localhost:65536" << none << local << 25 << f2 << "1 to 65535" << false;
    QTest::newRow("rigctld, port in words") << 2 << "localhost:rig" << none << local << 25 << f2 << "1 to 65535" << false;
    QTest::newRow("rigctld, no host") << 2 << ":4532" << none << local << 25 << f2 << "has no host" << false;
    QTest::newRow("rigctld, blank in host") << 2 << "my rig:4532" << none << local << 25 << f2 << "holds \" \"" << false;
    QTest::newRow("IPv6 without brackets") << 2 << "::1:4532" << none << local << 25 << f2 << "brackets" << false;
    QTest::newRow("serial rig, no port") << -1 << "" << none << local << 25 << f2 << "serial port" << false;
    QTest::newRow("serial rig") << -1 << "/dev/ttyUSB0" << hamlib << local << 25 << f2 << "" << false;
    QTest::newRow("dummy rig needs no port") << 1 << "" << hamlib << local << 25 << f2 << "" << false;
    QTest::newRow("rig's keyer, no rig") << 0 << "" << hamlib << local << 25 << f2 << "needs a rig model" << true;
    QTest::newRow("cwdaemon") << 0 << "" << daemon << "127.0.0.1:6789" << 25 << f2 << "" << false;
    QTest::newRow("cwdaemon, no port") << 0 << "" << daemon << "localhost" << 25 << f2 << "cwdaemon's address" << true;
    QTest::newRow("cwdaemon address unused") << 0 << "" << none << "nonsense" << 25 << f2 << "" << false;
    QTest::newRow("4 WPM") << 0 << "" << daemon << local << 4 << f2 << "5 to 60 WPM, not 4" << true;
    QTest::newRow("5 WPM") << 0 << "" << daemon << local << 5 << f2 << "" << false;
    QTest::newRow("60 WPM") << 0 << "" << daemon << local << 60 << f2 << "" << false;
    QTest::newRow("1000 WPM beside a rig") << 2 << "localhost:4532" << daemon << local << 1000 << f2 << "not 1000" << true;
    QTest::newRow("cwdaemon by IPv6") << 0 << "" << daemon << "[::1]:6789" << 25 << f2 << "IPv4 only" << true;
    QTest::newRow("address echoed short") << 2 << QString(10000, QLatin1Char('9')) << none << local << 25 << f2
                                          << "\"9999999999999999999999999999999999999...\" is not" << false;
    QTest::newRow("61 WPM") << 0 << "" << daemon << local << 61 << f2 << "5 to 60 WPM, not 61" << true;
    QTest::newRow("unknown macro") << 0 << "" << daemon << local << 25 << "{CALL} {NAME}"
                                   << "F2 holds {NAME}" << true;
    QTest::newRow("stray brace") << 0 << "" << daemon << local << 25 << "{CALL 5NN"
                                 << "F2 holds {" << true;
    QTest::newRow("too long") << 0 << "" << daemon << local << 25 << QString(121, QLatin1Char('E'))
                              << "longer than 120" << true;
}

void tst_RadioTables::settings()
{
    QFETCH(int, model);
    QFETCH(QString, port);
    QFETCH(int, keyer);
    QFETCH(QString, cwDaemon);
    QFETCH(int, wpm);
    QFETCH(QString, f2);
    QFETCH(QString, refused);
    QFETCH(bool, cw);
    if (model < 0) {
        const auto &all = RigModels::all();
        const auto serial =
            std::find_if(all.begin(), all.end(), [](const RigModel &m) { return m.port == RigModel::Port::Serial; });
        QVERIFY(serial != all.end());
        model = serial->model;
    }
    RadioSettings s;
    s.rigModel = model;
    s.rigPort = port;
    s.keyer = RadioSettings::Keyer(keyer);
    s.cwDaemon = cwDaemon;
    s.wpm = wpm;
    s.messages[1] = f2;
    const QString problem = cw ? s.keyerProblem() : s.rigProblem(), other = cw ? s.rigProblem() : s.keyerProblem();
    QVERIFY2(refused.isEmpty() ? problem.isEmpty() : problem.contains(refused), qPrintable(problem));
    QVERIFY2(other.isEmpty(), qPrintable(other));
}

void tst_RadioTables::remembered()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Kestrix.conf"));
    RadioSettings s;
    s.rigModel = 2;
    s.rigPort = QStringLiteral("shack-pi:4532");
    s.serialSpeed = 38400;
    s.bandFollows = false;
    s.keyer = RadioSettings::Keyer::CwDaemon;
    s.cwDaemon = QStringLiteral("127.0.0.1:6790");
    s.wpm = 31;
    s.messages[2] = QStringLiteral("TU, {MYCALL} QRP");
    {
        QSettings settings(file, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Station"));
        settings.setValue(QStringLiteral("Call"), QStringLiteral("K1XYZ"));
        settings.endGroup();
        s.save(settings);
    }
    QSettings settings(file, QSettings::IniFormat);
    QCOMPARE(RadioSettings::load(settings), s);
    // The station details beside it are untouched.
    QCOMPARE(settings.value(QStringLiteral("Station/Call")).toString(), QStringLiteral("K1XYZ"));

    // A hand-edited group: what cannot be read is the default, the rest is kept.
    QFile edited(file);
    QVERIFY(edited.open(QIODevice::WriteOnly | QIODevice::Truncate));
    edited.write("[Radio]\nModel=two\nWpm=fast\nCwKeyer=cwdaemon\nF1=CQ, CQ\n");
    edited.close();
    QSettings again(file, QSettings::IniFormat);
    const RadioSettings read = RadioSettings::load(again);
    QCOMPARE(read.rigModelText, QStringLiteral("two"));
    QCOMPARE(read.wpm, RadioSettings().wpm);
    QCOMPARE(read.keyer, RadioSettings::Keyer::CwDaemon);
    QCOMPARE(read.messages.first(), QStringLiteral("CQ, CQ"));
    QCOMPARE(read.messages.last(), CwMacros::defaults().last());
}

// clang-format off
void tst_RadioTables::handEdited_data()
{
    QTest::addColumn<QByteArray>("lines"); // of the [Radio] group
    QTest::addColumn<bool>("follows");
    QTest::addColumn<QString>("rigProblem"); // part of it; empty when the rig is used
    QTest::addColumn<QString>("keyerProblem");

    const QByteArray rig = "Model=2\nPort=localhost:4532\nCwKeyer=cwdaemon\n";
    QTest::newRow("follows by default") << QByteArray() << true << "" << "";
    QTest::newRow("BandFollows=no") << QByteArray("BandFollows=no") << false << "" << "";
    QTest::newRow("BandFollows=0") << QByteArray("BandFollows=0") << false << "" << "";
    QTest::newRow("BandFollows=False") << QByteArray("BandFollows=False") << false << "" << "";
    QTest::newRow("BandFollows=1") << QByteArray("BandFollows=1") << true << "" << "";
    QTest::newRow("model in words") << QByteArray("Model=two") << true << "knows no rig model \"two\": choose" << "";
    QTest::newRow("31-digit model") << QByteArray("Model=1234567890123456789012345678901") << true
                                    << "knows no rig model \"1234567890123456789012345678901\"" << "";
    QTest::newRow("unknown model") << QByteArray("Model=99999") << true << "knows no rig model 99999: choose" << "";
    QTest::newRow("Wpm=1000") << rig + "Wpm=1000" << true << "" << "not 1000";
    QTest::newRow("200-character macro") << rig + "F3=" + QByteArray(200, 'E') << true << "" << "F3 is longer";
    QTest::newRow("unknown macro") << rig + "F2={CALL} {FOO}" << true << "" << "F2 holds {FOO}";
}
// clang-format on

void tst_RadioTables::handEdited()
{
    QFETCH(QByteArray, lines);
    QFETCH(bool, follows);
    QFETCH(QString, rigProblem);
    QFETCH(QString, keyerProblem);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Kestrix.conf"));
    QFile edited(file);
    QVERIFY(edited.open(QIODevice::WriteOnly));
    edited.write("[Radio]\n" + lines + "\n");
    edited.close();
    QSettings settings(file, QSettings::IniFormat);
    const RadioSettings read = RadioSettings::load(settings);
    QCOMPARE(read.bandFollows, follows);
    QVERIFY2(rigProblem.isEmpty() ? read.rigProblem().isEmpty() : read.rigProblem().contains(rigProblem),
             qPrintable(read.rigProblem()));
    QVERIFY2(keyerProblem.isEmpty() ? read.keyerProblem().isEmpty() : read.keyerProblem().contains(keyerProblem),
             qPrintable(read.keyerProblem()));
    // Saved again (as Page Up saves the speed), a line that was no model stays as written.
    read.save(settings);
    settings.sync();
    QCOMPARE(RadioSettings::load(settings), read);
}

QTEST_GUILESS_MAIN(tst_RadioTables)
#include "tst_radiotables.moc"

// clang-format on