// The points of a contact: 5 for a member number, 4 or 2 for a non-member by
// the length of the S-P-C once a power figure has blanked the ARCI box.

#include "rules/Points.h"

#include <QTest>

class tst_Points : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void member_data();
    void member();
    void nonMember_data();
    void nonMember();
};

// clang-format off
void tst_Points::member_data()
{
    QTest::addColumn<QString>("arci");
    QTest::addColumn<QString>("points");
    QTest::newRow("member number") << "1234"
                                   << "5";
    QTest::newRow("one figure") << "7"
                                << "5";
    QTest::newRow("00 is above 0") << "00"
                                   << "5";
    QTest::newRow("letters are above 0") << "ab"
                                         << "5";
    QTest::newRow("zero") << "0"
                          << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("leading blank") << " 12"
                                   << "";
    QTest::newRow("the blanks a power leaves") << "     "
                                               << "";
    QTest::newRow("minus sign") << "-5"
                                << "";
}
// clang-format on

void tst_Points::member()
{
    QFETCH(QString, arci);
    QFETCH(QString, points);
    QCOMPARE(Points::member(arci), points);
}

// clang-format off
void tst_Points::nonMember_data()
{
    QTest::addColumn<QString>("arci");
    QTest::addColumn<QString>("spc");
    QTest::addColumn<QString>("points");
    const QString blanked = QStringLiteral("     ");
    QTest::newRow("DX, 4 letters") << blanked << "SCOT"
                                   << "4";
    QTest::newRow("province, 3 letters") << blanked << "ONT"
                                         << "2";
    QTest::newRow("state, 2 letters") << blanked << "NY"
                                      << "2";
    QTest::newRow("state between blanks") << blanked << " NY "
                                          << "2";
    QTest::newRow("3 letters after a blank") << blanked << " ONT"
                                             << "2";
    QTest::newRow("one letter") << blanked << "K"
                                << "";
    QTest::newRow("empty S-P-C") << blanked << ""
                                 << "";
    QTest::newRow("blanks only") << blanked << "    "
                                 << "";
    QTest::newRow("a blank inside counts") << blanked << "N Y"
                                           << "2";
    QTest::newRow("member number stands") << "1234"
                                          << "SCOT"
                                          << "";
    QTest::newRow("ARCI box empty") << ""
                                    << "SCOT"
                                    << "";
    QTest::newRow("four blanks are not the power's") << "    "
                                                     << "SCOT"
                                                     << "";
    QTest::newRow("six blanks are not the power's") << "      "
                                                    << "SCOT"
                                                    << "";
}
// clang-format on

void tst_Points::nonMember()
{
    QFETCH(QString, arci);
    QFETCH(QString, spc);
    QFETCH(QString, points);
    QCOMPARE(Points::nonMember(arci, spc), points);
}

QTEST_GUILESS_MAIN(tst_Points)
#include "tst_points.moc"
