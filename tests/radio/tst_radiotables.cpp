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
    void keyable();
    void morseTiming();
    void bandEdges_data();
    void bandEdges();
    void settings_data();
    void settings();
    void remembered();
    void handEdited();
};

// clang-format off
void tst_RadioTables::macros_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("myNr");
    QTest::addColumn<QString>("sent");

    // Own station K1XYZ in MA; RST 579 in the box.
    QTest::newRow("F1") << "CQ TEST {MYCALL} {MYCALL} TEST"
                        << ""
                        << "1234"
                        << "CQ TEST K1XYZ K1XYZ TEST";
    QTest::newRow("F2 member") << "{CALL} 5NN {MYSPC} {MYNR}"
                               << "W1AW"
                               << "1234"
                               << "W1AW 5NN MA 1234";
    QTest::newRow("F2 power") << "{CALL} 5NN {MYSPC} {MYNR}"
                              << "VE3ABC"
                              << "5W"
                              << "VE3ABC 5NN MA 5W";
    QTest::newRow("empty call closes up") << "{CALL} 5NN {MYSPC}"
                                          << ""
                                          << "1234"
                                          << "5NN MA";
    QTest::newRow("call as it stands") << "{CALL}?"
                                       << "W1A"
                                       << "1234"
                                       << "W1A?";
    QTest::newRow("macro in lower case") << "tu {mycall} {Rst}"
                                         << ""
                                         << "1234"
                                         << "TU K1XYZ 579";
    QTest::newRow("no macros") << "  qrz?  "
                               << "W1AW"
                               << "1234"
                               << "QRZ?";
    QTest::newRow("escape never reaches the keyer") << "AGN\x1b"
                                                       "4?"
                                                    << ""
                                                    << "1234"
                                                    << "AGN4?";
    QTest::newRow("tab and line end are blanks") << "TU\t73\nGL"
                                                 << ""
                                                 << "1234"
                                                 << "TU 73 GL";
    QTest::newRow("letters a keyer has not") << QString::fromUtf8("73 DE K1XYZ ÄÖ ✓") << ""
                                             << "1234"
                                             << "73 DE K1XYZ AO";
}
// clang-format on

void tst_RadioTables::macros()
{
    QFETCH(QString, message);
    QFETCH(QString, call);
    QFETCH(QString, myNr);
    QFETCH(QString, sent);
    const CwMacros::Values values{QStringLiteral("K1XYZ"), QStringLiteral("MA"), myNr, call, QStringLiteral("579")};
    QCOMPARE(CwMacros::expand(message, values), sent);
}

void tst_RadioTables::keyable()
{
    // clang-format off
    const struct { const char *text; bool cwdaemon; const char *sent, *changed; } cases[] = {
        {"W1AW-+~", true, "W1AW", "-+~"}, {"W1AW-+~", false, "W1AW-+", "~"},
        {"QRL<#>*^%|", false, "QRL", "<#>*^%|"}, {"DE Äé ✓", false, "DE AE", "Äé✓"}};
    // clang-format on
    for (const auto &c : cases) {
        QString changed;
        QCOMPARE(CwMacros::expand(QString::fromUtf8(c.text), {}, c.cwdaemon, &changed), QLatin1String(c.sent));
        QCOMPARE(changed, QString::fromUtf8(c.changed));
    }
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

    const int none = int(RadioSettings::Keyer::None), hamlib = int(RadioSettings::Keyer::Hamlib),
              daemon = int(RadioSettings::Keyer::CwDaemon);
    const QString f2 = CwMacros::defaults().at(1), local = QStringLiteral("localhost:6789");
    QTest::newRow("no radio") << 0 << "" << none << local << 25 << f2 << "";
    QTest::newRow("unknown model") << 999999 << "" << none << local << 25 << f2 << "knows no rig model 999999";
    QTest::newRow("rigctld") << 2 << "localhost:4532" << hamlib << local << 25 << f2 << "";
    QTest::newRow("rigctld by IPv6") << 2 << "[::1]:4532" << none << local << 25 << f2 << "";
    QTest::newRow("rigctld, no port") << 2 << "localhost" << none << local << 25 << f2 << "has no port";
    QTest::newRow("rigctld, port 0") << 2 << "localhost:0" << none << local << 25 << f2 << "1 to 65535";
    QTest::newRow("rigctld, port 65536") << 2 << "localhost:65536" << none << local << 25 << f2 << "1 to 65535";
    QTest::newRow("rigctld, port in words") << 2 << "localhost:rig" << none << local << 25 << f2 << "1 to 65535";
    QTest::newRow("rigctld, no host") << 2 << ":4532" << none << local << 25 << f2 << "has no host";
    QTest::newRow("rigctld, blank in host") << 2 << "my rig:4532" << none << local << 25 << f2 << "holds \" \"";
    QTest::newRow("IPv6 without brackets") << 2 << "::1:4532" << none << local << 25 << f2 << "brackets";
    QTest::newRow("serial rig, no port") << -1 << "" << none << local << 25 << f2 << "serial port";
    QTest::newRow("serial rig") << -1 << "/dev/ttyUSB0" << hamlib << local << 25 << f2 << "";
    QTest::newRow("dummy rig needs no port") << 1 << "" << hamlib << local << 25 << f2 << "";
    QTest::newRow("rig's keyer, no rig") << 0 << "" << hamlib << local << 25 << f2 << "needs a rig model";
    QTest::newRow("cwdaemon") << 0 << "" << daemon << "127.0.0.1:6789" << 25 << f2 << "";
    QTest::newRow("cwdaemon, no port") << 0 << "" << daemon << "localhost" << 25 << f2 << "cwdaemon's address";
    QTest::newRow("cwdaemon address unused") << 0 << "" << none << "nonsense" << 25 << f2 << "";
    QTest::newRow("4 WPM") << 0 << "" << daemon << local << 4 << f2 << "5 to 60 WPM, not 4";
    QTest::newRow("5 WPM") << 0 << "" << daemon << local << 5 << f2 << "";
    QTest::newRow("60 WPM") << 0 << "" << daemon << local << 60 << f2 << "";
    QTest::newRow("cwdaemon by IPv6") << 0 << "" << daemon << "[::1]:6789" << 25 << f2 << "IPv4 only";
    QTest::newRow("echoed short") << 2 << QString(99, QLatin1Char('9')) << none << local << 25 << f2
                                  << QString(37, QLatin1Char('9')) + QStringLiteral("...\" is");
    QTest::newRow("61 WPM") << 0 << "" << daemon << local << 61 << f2 << "5 to 60 WPM, not 61";
    QTest::newRow("unknown macro") << 0 << "" << daemon << local << 25 << "{CALL} {NAME}"
                                   << "F2 holds {NAME}";
    QTest::newRow("stray brace") << 0 << "" << daemon << local << 25 << "{CALL 5NN"
                                 << "F2 holds {";
    QTest::newRow("too long") << 0 << "" << daemon << local << 25 << QString(121, QLatin1Char('E'))
                              << "longer than 120";
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
    const QString problem = s.problem();
    if (refused.isEmpty())
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    else
        QVERIFY2(problem.contains(refused), qPrintable(problem));
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

void tst_RadioTables::handEdited()
{
    // Each read alone; a bad CW value switches the keyer off, never the rig.
    const QByteArray rig = "Model=2\nPort=localhost:4532\nCwKeyer=cwdaemon\n";
    const struct { QByteArray lines; bool follows; const char *rigProblem, *keyerProblem; } cases[] = {
        {"BandFollows=no", false, "", ""}, {"BandFollows=0", false, "", ""}, {"BandFollows=1", true, "", ""},
        {"Model=two", true, "model \"two\": choose", ""}, {"Model=99999", true, "model 99999: choose", ""},
        {rig + "Wpm=1000", true, "", "not 1000"}, {rig + "F2={CALL} {FOO}", true, "", "F2 holds {FOO}"},
    };
    const auto matches = [](const QString &problem, const char *part) {
        return *part ? problem.contains(QLatin1String(part)) : problem.isEmpty();
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        QFile edited(dir.filePath(QString::fromLatin1(c.lines.toHex()) + ".conf"));
        QVERIFY(edited.open(QIODevice::WriteOnly) && edited.write("[Radio]\n" + c.lines + "\n") > 0 && edited.flush());
        QSettings settings(edited.fileName(), QSettings::IniFormat);
        const RadioSettings read = RadioSettings::load(settings);
        QCOMPARE(read.bandFollows, c.follows);
        QVERIFY2(matches(read.rigProblem(), c.rigProblem), qPrintable(read.rigProblem()));
        QVERIFY2(matches(read.keyerProblem(), c.keyerProblem), qPrintable(read.keyerProblem()));
    }
}

QTEST_GUILESS_MAIN(tst_RadioTables)
#include "tst_radiotables.moc"

// clang-format on