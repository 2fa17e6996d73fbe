// The band chart's recount: which band a stored record counts for, what its
// Points and Multiplier characters add, and the sums over several records.

#include "rules/BandRecount.h"
#include "store/QrpRecord.h"

#include <QTest>

namespace {

// A stored record with these bytes in its Band, Points and Multiplier fields.
QByteArray record(const QByteArray &band, char points, char multiplier)
{
    QByteArray bytes = QrpRecord().bytes();
    bytes.replace(QrpRecord::layout[QrpRecord::Callsign].offset, 4, "W1AW");
    bytes.replace(QrpRecord::layout[QrpRecord::Band].offset, 3, band.leftJustified(3, ' ', true));
    bytes[QrpRecord::layout[QrpRecord::Points].offset] = points;
    bytes[QrpRecord::layout[QrpRecord::Multiplier].offset] = multiplier;
    return bytes;
}

} // namespace

class tst_BandRecount : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void oneRecord_data();
    void oneRecord();
    void sums();
};

// clang-format off
void tst_BandRecount::oneRecord_data()
{
    QTest::addColumn<QByteArray>("band");
    QTest::addColumn<char>("points");
    QTest::addColumn<char>("multiplier");
    QTest::addColumn<int>("counted"); // band index 0 (160 m) to 6 (6 m); -1 for none
    QTest::addColumn<int>("addsPoints");
    QTest::addColumn<int>("addsMultipliers");
    QTest::newRow("160") << QByteArray("160") << '5' << '1' << 0 << 5 << 1;
    QTest::newRow("80 as the menu stores it") << QByteArray("80 ") << '2' << '0' << 1 << 2 << 0;
    QTest::newRow("40") << QByteArray("40") << '4' << '1' << 2 << 4 << 1;
    QTest::newRow("20 after a blank") << QByteArray(" 20") << '4' << '1' << 3 << 4 << 1;
    QTest::newRow("15") << QByteArray("15") << '2' << '1' << 4 << 2 << 1;
    QTest::newRow("10") << QByteArray("10") << '4' << '0' << 5 << 4 << 0;
    QTest::newRow("6") << QByteArray("6") << '4' << '1' << 6 << 4 << 1;
    QTest::newRow("6 between blanks") << QByteArray(" 6 ") << '4' << '1' << 6 << 4 << 1;
    QTest::newRow("6 at the end") << QByteArray("  6") << '4' << '1' << 6 << 4 << 1;
    QTest::newRow("a hand-changed figure counts as it stands") << QByteArray("40") << '9' << '9' << 2 << 9 << 9;
    QTest::newRow("no digits count 0") << QByteArray(" 15") << 'x' << '?' << 4 << 0 << 0;
    QTest::newRow("blank points, its multiplier counts") << QByteArray("80") << ' ' << '1' << 1 << 0 << 1;
    QTest::newRow("control characters count 0") << QByteArray("6") << '\x01' << '\xFF' << 6 << 0 << 0;
    QTest::newRow("no band") << QByteArray() << '5' << '1' << -1 << 0 << 0;
    QTest::newRow("no such band") << QByteArray("60") << '4' << '1' << -1 << 0 << 0;
    QTest::newRow("8 is not 80") << QByteArray("8") << '4' << '1' << -1 << 0 << 0;
    QTest::newRow("a blank inside is not removed") << QByteArray("1 0") << '4' << '1' << -1 << 0 << 0;
    QTest::newRow("leading zero") << QByteArray("040") << '4' << '1' << -1 << 0 << 0;
    QTest::newRow("a NUL is no blank") << QByteArray("40\0", 3) << '4' << '1' << -1 << 0 << 0;
    QTest::newRow("lower case") << QByteArray("6m") << '4' << '1' << -1 << 0 << 0;
}
// clang-format on

void tst_BandRecount::oneRecord()
{
    QFETCH(QByteArray, band);
    QFETCH(char, points);
    QFETCH(char, multiplier);
    QFETCH(int, counted);
    QFETCH(int, addsPoints);
    QFETCH(int, addsMultipliers);
    const QByteArray bytes = record(band, points, multiplier);
    QCOMPARE(BandRecount::bandOf(bytes.constData()), counted);

    BandRecount recount;
    recount.add(bytes.constData());
    BandRecount::Sums expected;
    if (counted >= 0) {
        expected.points[counted] = addsPoints;
        expected.multipliers[counted] = addsMultipliers;
        expected.contacts[counted] = 1;
    }
    QVERIFY(recount.sums() == expected);
}

void tst_BandRecount::sums()
{
    BandRecount recount;
    QCOMPARE(recount.sums().totalPoints(), qint64(0));
    for (int i = 0; i < 7000; ++i)
        recount.add(record(i % 2 ? "15" : " 15", '5', '1').constData());
    recount.add(record("160", '2', '1').constData());
    recount.add(record("160", '2', '0').constData());
    recount.add(record("", '5', '1').constData());
    const BandRecount::Sums &s = recount.sums();
    QCOMPARE(s.points[4], qint64(35000));
    QCOMPARE(s.multipliers[4], qint64(7000));
    QCOMPARE(s.contacts[4], qint64(7000));
    QCOMPARE(s.points[0], qint64(4));
    QCOMPARE(s.multipliers[0], qint64(1));
    QCOMPARE(s.contacts[0], qint64(2));
    QCOMPARE(s.totalPoints(), qint64(35004));
    QCOMPARE(s.totalMultipliers(), qint64(7001));
}

QTEST_GUILESS_MAIN(tst_BandRecount)
#include "tst_bandrecount.moc"
