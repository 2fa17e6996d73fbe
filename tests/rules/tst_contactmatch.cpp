// The duplicate and multiplier matches on one stored record: which records
// count as the same call sign or S-P-C on the same band.

#include "rules/ContactMatch.h"

#include <QTest>

namespace {

QByteArray record(const QString &call, const QString &spc, const QString &band)
{
    QrpRecord r;
    r.set(QrpRecord::Callsign, call);
    r.set(QrpRecord::SPC, spc);
    r.set(QrpRecord::Band, band);
    r.set(QrpRecord::Points, QStringLiteral("5"));
    return r.bytes();
}

// A record with `bytes` written over it at `offset`, as no box could type them.
QByteArray patched(QByteArray bytes, int offset, const QByteArray &with)
{
    return bytes.replace(offset, with.size(), with);
}

} // namespace

class tst_ContactMatch : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void matches_data();
    void matches();
};

// clang-format off
void tst_ContactMatch::matches_data()
{
    QTest::addColumn<bool>("duplicate"); // else the multiplier match
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("band");
    QTest::addColumn<bool>("matches");
    const QByteArray ny40 = record("W1AW", "NY", "40");
    const int spcAt = QrpRecord::layout[QrpRecord::SPC].offset;
    const int callAt = QrpRecord::layout[QrpRecord::Callsign].offset;

    QTest::newRow("same S-P-C, same band") << false << ny40 << "NY"
                                           << "40" << true;
    QTest::newRow("same S-P-C, other band") << false << record("W1AW", "NY", "20") << "NY"
                                            << "40" << false;
    QTest::newRow("other S-P-C, same band") << false << record("W1AW", "NJ", "40") << "NY"
                                            << "40" << false;
    QTest::newRow("case counts") << false << record("W1AW", "ny", "40") << "NY"
                                 << "40" << false;
    QTest::newRow("stored with blanks around") << false << record("W1AW", " NY ", " 40") << "NY"
                                               << "40" << true;
    QTest::newRow("leading blank never matches") << false << ny40 << " NY"
                                                 << "40" << false;
    QTest::newRow("trailing blank never matches") << false << ny40 << "NY "
                                                  << "40" << false;
    QTest::newRow("empty S-P-C") << false << ny40 << ""
                                 << "40" << false;
    QTest::newRow("empty S-P-C, blank stored S-P-C") << false << record("W1AW", "", "40") << ""
                                                     << "40" << true;
    QTest::newRow("empty band, blank stored band") << false << record("W1AW", "NY", "") << "NY"
                                                   << "" << true;
    QTest::newRow("empty band, stored band") << false << ny40 << "NY"
                                             << "" << false;
    QTest::newRow("deleted record, both empty") << false << record("DELETED", "", "") << ""
                                                << "" << true;
    QTest::newRow("deleted record, band set") << false << record("DELETED", "", "") << ""
                                              << "40" << false;
    QTest::newRow("longer than the field") << false << ny40 << "NYNYN"
                                           << "40" << false;
    // Bytes no text box can hold only ever match themselves.
    QTest::newRow("unprintable S-P-C bytes") << false << patched(ny40, spcAt, QByteArray("N\0\x7F\xFF", 4)) << "N"
                                             << "40" << false;
    QTest::newRow("Latin-1 S-P-C") << false << patched(ny40, spcAt, "\xC9T  ") << QString::fromUtf8("ÉT") << "40"
                                   << true;
    QTest::newRow("outside Latin-1") << false << patched(ny40, spcAt, "\xC9T  ") << QString::fromUtf8("ДT") << "40"
                                     << false;

    QTest::newRow("same call, same band") << true << ny40 << "W1AW"
                                          << "40" << true;
    QTest::newRow("same call, other band") << true << ny40 << "W1AW"
                                           << "20" << false;
    QTest::newRow("a prefix of the call") << true << ny40 << "W1A"
                                          << "40" << false;
    QTest::newRow("the call longer") << true << ny40 << "W1AWX"
                                     << "40" << false;
    QTest::newRow("call in lower case") << true << record("w1aw", "NY", "40") << "W1AW"
                                        << "40" << false;
    QTest::newRow("band typed otherwise") << true << ny40 << "W1AW"
                                          << "40." << false;
    QTest::newRow("call stored after a blank") << true << record(" W1AW", "NY", "40 ") << "W1AW"
                                               << "40" << true;
    QTest::newRow("the S-P-C is no call") << true << ny40 << "NY"
                                          << "40" << false;
    QTest::newRow("Latin-1 call sign") << true << patched(ny40, callAt, "\xC9\xC0Z1") << QString::fromUtf8("ÉÀZ1")
                                       << "40" << true;
}
// clang-format on

void tst_ContactMatch::matches()
{
    QFETCH(bool, duplicate);
    QFETCH(QByteArray, stored);
    QFETCH(QString, text);
    QFETCH(QString, band);
    QFETCH(bool, matches);
    QCOMPARE(stored.size(), QrpRecord::Size);
    const ContactMatch match = duplicate ? ContactMatch::duplicate(text, band) : ContactMatch::multiplier(text, band);
    QCOMPARE(match(stored.constData()), matches);
}

QTEST_GUILESS_MAIN(tst_ContactMatch)
#include "tst_contactmatch.moc"
