// Calculate Final Score: the five figures read from their boxes' texts, the
// score, and the text the sheet shows.

#include "rules/FinalScore.h"

#include <QLocale>
#include <QTest>

class tst_FinalScore : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void score_data();
    void score();
    void beyondADouble_data();
    void beyondADouble();
    void decimalSeparatorFollowsLocale();
};

// clang-format off
void tst_FinalScore::score_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("spc");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("bonusMult");
    QTest::addColumn<QString>("bonusPoints");
    QTest::addColumn<QString>("score");
    // The sheet opens with "1" and "0" and a line break in the two bonus boxes.
    const QString one = QStringLiteral("1\r\n"), zero = QStringLiteral("0\r\n");
    QTest::newRow("840") << "24"
                         << "5"
                         << "7" << one << zero << "840";
    QTest::newRow("7 W counts 7") << "24"
                                  << "5"
                                  << "7 W" << one << zero << "840";
    QTest::newRow("one and a half") << "3"
                                    << "1"
                                    << "1.5" << one << zero << "4.5";
    QTest::newRow("letter first counts 0") << "24"
                                           << "5"
                                           << "W7" << one << zero << "0";
    QTest::newRow("empty power: bonus points") << "24"
                                               << "5"
                                               << ""
                                               << "2"
                                               << "100"
                                               << "100";
    QTest::newRow("bonus multiplier and points") << "100"
                                                 << "20"
                                                 << "2"
                                                 << "1.5"
                                                 << "50"
                                                 << "6050";
    QTest::newRow("blanks inside numbers") << "1 2"
                                           << " 10"
                                           << "1" << one << zero << "120";
    QTest::newRow("no thousands separator") << "1234"
                                            << "567"
                                            << "7" << one << zero << "4897746";
    QTest::newRow("15 significant digits") << "2"
                                           << "3"
                                           << "0.1111111111111111"
                                           << "1"
                                           << "0"
                                           << "0.666666666666667";
    QTest::newRow("beyond 15 digits") << "123456789"
                                      << "1000000000"
                                      << "1" << one << zero << "1.23456789E+17";
    QTest::newRow("negative zero") << "-1"
                                   << "0"
                                   << "1" << one << "-0"
                                   << "0";
    QTest::newRow("negative score") << "-2"
                                    << "3"
                                    << "1" << one << zero << "-6";
    QTest::newRow("everything emptied") << ""
                                        << ""
                                        << ""
                                        << ""
                                        << ""
                                        << "0";
}
// clang-format on

void tst_FinalScore::score()
{
    QFETCH(QString, points);
    QFETCH(QString, spc);
    QFETCH(QString, power);
    QFETCH(QString, bonusMult);
    QFETCH(QString, bonusPoints);
    QFETCH(QString, score);
    const std::optional<double> got = FinalScore::of(FinalScore::read(points, spc, power, bonusMult, bonusPoints));
    QVERIFY(got.has_value());
    QCOMPARE(FinalScore::text(*got), score);
}

// clang-format off
void tst_FinalScore::beyondADouble_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("spc");
    QTest::addColumn<QString>("power");
    QTest::newRow("too large") << "1E300"
                               << "1E300"
                               << "7";
    QTest::newRow("too large below zero") << "-1E300"
                                          << "1E300"
                                          << "7";
    QTest::newRow("infinity times zero") << "1E300"
                                         << "1E300"
                                         << "0";
}
// clang-format on

void tst_FinalScore::beyondADouble()
{
    QFETCH(QString, points);
    QFETCH(QString, spc);
    QFETCH(QString, power);
    QVERIFY(!FinalScore::of(FinalScore::read(points, spc, power, "1", "0")).has_value());
}

void tst_FinalScore::decimalSeparatorFollowsLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Typed figures are read with a period whatever the locale.
    const FinalScore::Figures f = FinalScore::read("3", "1", "1.5", "1", "0");
    QCOMPARE(f.powerMultiplier, 1.5);
    QCOMPARE(FinalScore::text(*FinalScore::of(f)), QStringLiteral("4,5"));
    QCOMPARE(FinalScore::text(3000), QStringLiteral("3000"));
}

QTEST_GUILESS_MAIN(tst_FinalScore)
#include "tst_finalscore.moc"
