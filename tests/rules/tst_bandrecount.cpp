// The recount by the contest's rules: which band a stored record counts for,
// the points its exchange earns, duplicates and multipliers over a log.

#include "rules/BandRecount.h"
#include "store/QrpRecord.h"

#include <QTest>

namespace {

// A stored record "call/band/arci/power/spc/points/multiplier", the fields as
// they stand in the record (unpadded fields are padded as the log pads them).
QByteArray record(const QString &fields)
{
    const QStringList f = fields.split(u'/');
    QrpRecord r;
    const QrpRecord::Field order[] = {QrpRecord::Callsign, QrpRecord::Band,   QrpRecord::Arci,      QrpRecord::Power,
                                      QrpRecord::SPC,      QrpRecord::Points, QrpRecord::Multiplier};
    for (int i = 0; i < f.size(); ++i)
        r.set(order[i], f.at(i));
    return r.bytes();
}

} // namespace

class tst_BandRecount : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void oneRecord_data();
    void oneRecord();
    void log_data();
    void log();
};

// clang-format off
void tst_BandRecount::oneRecord_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<int>("counted"); // band index 0 (160 m) to 6 (6 m); -1 for none
    QTest::addColumn<int>("points");
    QTest::newRow("160 member") << "W1AW/160/1234///5/1" << 0 << 5;
    QTest::newRow("80 as the menu stores it") << "W1AW/80 /     /5/NY/2/0" << 1 << 2;
    QTest::newRow("40 province") << "W1AW/40/     /5/ONT" << 2 << 2;
    QTest::newRow("20 after a blank, DX") << "W1AW/ 20/     /5/SCOT" << 3 << 4;
    QTest::newRow("6 between blanks") << "W1AW/ 6 /123" << 6 << 5;
    QTest::newRow("stale stored points do not count") << "W1AW/15/     /5/ONT/4/1" << 4 << 2;
    QTest::newRow("a hand-typed figure does not count") << "W1AW/10/1234///9/9" << 5 << 5;
    QTest::newRow("ARCI 0 is no member") << "W1AW/10/0/5/NY/5" << 5 << 0;
    QTest::newRow("ARCI 01 compares above 0") << "W1AW/10/01" << 5 << 5;
    QTest::newRow("ARCI after a blank is no member") << "W1AW/10/ 12" << 5 << 0;
    QTest::newRow("neither ARCI nor power") << "W1AW/10/     //NY/2/1" << 5 << 0;
    QTest::newRow("power 0") << "W1AW/10/     /0/NY" << 5 << 0;
    QTest::newRow("power 0.5") << "W1AW/10/     /0.5/NY" << 5 << 2;
    QTest::newRow("S-P-C of one letter") << "W1AW/10/     /5/X" << 5 << 0;
    QTest::newRow("S-P-C after blanks") << "W1AW/10/     /5/  NY" << 5 << 2;
    QTest::newRow("no band") << "W1AW//1234" << -1 << 5;
    QTest::newRow("no such band") << "W1AW/60/1234" << -1 << 5;
    QTest::newRow("a blank inside is not removed") << "W1AW/1 0/1234" << -1 << 5;
    QTest::newRow("leading zero") << "W1AW/040/1234" << -1 << 5;
    QTest::newRow("lower case") << "W1AW/6m/1234" << -1 << 5;
    QTest::newRow("deleted, even with a band") << "DELETED/40/1234/ /NY/5/1" << -1 << 5;
}
// clang-format on

void tst_BandRecount::oneRecord()
{
    QFETCH(QString, fields);
    QFETCH(int, counted);
    QFETCH(int, points);
    const QByteArray bytes = record(fields);
    QCOMPARE(BandRecount::pointsOf(bytes.constData()), points);
    const QrpRecord r = QrpRecord::fromBytes(bytes);
    const bool deleted = r.value(QrpRecord::Callsign) == QLatin1String(QrpRecord::DeletedCall);

    BandRecount recount;
    recount.add(bytes.constData());
    BandRecount::Sums expected;
    if (counted >= 0 && !deleted) {
        expected.points[counted] = points;
        expected.multipliers[counted] = r.value(QrpRecord::SPC).isEmpty() ? 0 : 1;
        expected.contacts[counted] = 1;
    }
    if (!deleted)
        QCOMPARE(BandRecount::bandOf(bytes.constData()), counted);
    QVERIFY(recount.sums() == expected);
}

// clang-format off
void tst_BandRecount::log_data()
{
    // Records separated by ";", each "call/band/arci/power/spc/points/multiplier";
    // the sums of 40 m and of 20 m after all of them, as points/multipliers/contacts/duplicates.
    QTest::addColumn<QString>("records");
    QTest::addColumn<QString>("sums40");
    QTest::addColumn<QString>("sums20");
    QTest::newRow("empty log") << "" << "0/0/0/0" << "0/0/0/0";
    QTest::newRow("a duplicate scores nothing")
        << "W1AW/40/123//NY/5/1;W1AW/40/     /5/ONT/2/1" << "5/1/2/1" << "0/0/0/0";
    QTest::newRow("the duplicate test trims the call as the check does")
        << "W1AW/40/123//NY;W1AW    /40/123//NJ; W1AW/40/123//CT" << "5/1/3/2" << "0/0/0/0";
    QTest::newRow("the call is compared case by case")
        << "W1AW/40/123//NY;w1aw/40/123//NJ" << "10/2/2/0" << "0/0/0/0";
    QTest::newRow("same call on another band counts")
        << "W1AW/40/123//NY;W1AW/20/123//NY" << "5/1/1/0" << "5/1/1/0";
    QTest::newRow("the multiplier is the distinct S-P-C, whatever is stored")
        << "K1A/40/123//NY/5/0;K1B/40/123//NY/5/1;K1C/40/123//NY  /5/1;K1D/40/     /5/ONT/2/0" << "17/2/4/0" << "0/0/0/0";
    QTest::newRow("a duplicate brings no multiplier")
        << "K1A/40/123//NY;K1A/40/123//VT" << "5/1/2/1" << "0/0/0/0";
    QTest::newRow("a blank S-P-C is no multiplier")
        << "K1A/40/123;K1B/40/123" << "10/0/2/0" << "0/0/0/0";
    QTest::newRow("a deleted contact counts nothing and makes no duplicate")
        << "DELETED;DELETED/40;K1A/40/123//NY" << "5/1/1/0" << "0/0/0/0";
    QTest::newRow("a contact without band makes no duplicate")
        << "K1A//123//NY;K1A/40/123//NY" << "5/1/1/0" << "0/0/0/0";
}
// clang-format on

void tst_BandRecount::log()
{
    QFETCH(QString, records);
    QFETCH(QString, sums40);
    QFETCH(QString, sums20);
    BandRecount recount;
    if (!records.isEmpty())
        for (const QString &fields : records.split(u';'))
            recount.add(record(fields).constData());
    const BandRecount::Sums &s = recount.sums();
    const auto text = [&](int b) {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(s.points[b])
            .arg(s.multipliers[b])
            .arg(s.contacts[b])
            .arg(s.duplicates[b]);
    };
    QCOMPARE(text(2), sums40);
    QCOMPARE(text(3), sums20);
    QCOMPARE(s.totalPoints(), s.points[2] + s.points[3]);
    QCOMPARE(s.totalMultipliers(), s.multipliers[2] + s.multipliers[3]);
}

QTEST_GUILESS_MAIN(tst_BandRecount)
#include "tst_bandrecount.moc"
