// What the band log sheet prints: which stored records make its lines, the
// totals under them, and where a header text that runs past the next column
// goes. The printing font's widths come in as a function, so one column per
// character stands in for them here.

#include "rules/LogSheetLayout.h"
#include "store/QrpRecord.h"

#include <QTest>

// Failure messages name the column and the text.
char *toString(const LogSheetText &t) { return QTest::toString(QStringLiteral("%1@%2").arg(t.text).arg(t.column)); }

namespace {

bool isRule(const LogSheetLine &line)
{
    return line.size() == 1 && line[0].column == 1 && line[0].text == QString(86, u'=');
}

const auto oneColumnEach = [](const QString &t) { return qreal(t.size()); };

} // namespace

class tst_LogSheetLayout : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void select_data();
    void select();
    void totals_data();
    void totals();
    void contestNamePassingColumn90_data();
    void contestNamePassingColumn90();
};

// clang-format off
void tst_LogSheetLayout::select_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("arci");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("storedBand");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("printed"); // the ARCI #/PWR column; null: not on the sheet
    QTest::newRow("member") << "K1AAA"
                            << "101"
                            << ""
                            << "40"
                            << "40"
                            << "101";
    QTest::newRow("power in place of a blank ARCI") << "K3CCC"
                                                    << ""
                                                    << "5W"
                                                    << "40"
                                                    << "40"
                                                    << "5W";
    QTest::newRow("number and power: the number") << "K3CCC"
                                                  << "7"
                                                  << "5W"
                                                  << "40"
                                                  << "40"
                                                  << "7";
    QTest::newRow("stored with a leading blank") << "K4DDD"
                                                 << "404"
                                                 << ""
                                                 << " 40"
                                                 << "40"
                                                 << "404";
    QTest::newRow("other band") << "K2BBB"
                                << "202"
                                << ""
                                << "20"
                                << "40" << QString();
    QTest::newRow("trailing blank typed") << "K1AAA"
                                          << "101"
                                          << ""
                                          << "40"
                                          << "40 " << QString();
    QTest::newRow("part of the band") << "K1AAA"
                                      << "101"
                                      << ""
                                      << "40"
                                      << "4" << QString();
    QTest::newRow("no call sign") << ""
                                  << "999"
                                  << ""
                                  << "40"
                                  << "40" << QString();
    // A deleted record keeps no band: only an empty band box would select it.
    QTest::newRow("deleted, empty band") << "DELETED"
                                         << ""
                                         << ""
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("deleted, band typed") << "DELETED"
                                         << ""
                                         << ""
                                         << ""
                                         << "40" << QString();
}
// clang-format on

void tst_LogSheetLayout::select()
{
    QFETCH(QString, call);
    QFETCH(QString, arci);
    QFETCH(QString, power);
    QFETCH(QString, storedBand);
    QFETCH(QString, band);
    QFETCH(QString, printed);
    QrpRecord r;
    r.set(QrpRecord::Callsign, call);
    r.set(QrpRecord::Arci, arci);
    r.set(QrpRecord::Power, power);
    r.set(QrpRecord::SPC, QStringLiteral(" NY"));
    r.set(QrpRecord::Band, storedBand);
    r.set(QrpRecord::QsoTime, QStringLiteral("14:03:27"));
    const std::optional<LogSheetLayout::Contact> c = LogSheetLayout::select(r, band);
    QCOMPARE(c.has_value(), !printed.isNull());
    if (c) {
        QCOMPARE(c->arciOrPower, printed);
        QCOMPARE(c->call, call);
        QCOMPARE(c->spc, QStringLiteral("NY")); // blanks removed
        QCOMPARE(c->time, QStringLiteral("14:03:27"));
    }
}

// clang-format off
void tst_LogSheetLayout::totals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<qint64>("total");
    QTest::newRow("none") << QStringList{} << qint64(0);
    QTest::newRow("points") << QStringList{"5", "4", "2"} << qint64(11);
    QTest::newRow("blank and letter count 0") << QStringList{"5", "", "x", "-"} << qint64(5);
    // Each running sum is rounded, halves to the even neighbour.
    QTest::newRow("half down to even") << QStringList{"2.5"} << qint64(2);
    QTest::newRow("half up to even") << QStringList{"1.5", "1"} << qint64(3);
    QTest::newRow("two halves, each rounded away") << QStringList{"0.5", "0.5"} << qint64(0);
}
// clang-format on

void tst_LogSheetLayout::totals()
{
    QFETCH(QStringList, values);
    QFETCH(qint64, total);
    QList<LogSheetLayout::Contact> points, multipliers;
    for (const QString &v : values) {
        points.append(LogSheetLayout::Contact{});
        points.last().points = v;
        multipliers.append(LogSheetLayout::Contact{});
        multipliers.last().multiplier = v;
    }
    QCOMPARE(LogSheetLayout::pointsTotal(points), total);
    QCOMPARE(LogSheetLayout::multiplierTotal(multipliers), total);
    QCOMPARE(LogSheetLayout::pointsTotal(multipliers), qint64(0));
}

// clang-format off
void tst_LogSheetLayout::contestNamePassingColumn90_data()
{
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<bool>("dateMoves");
    // One column per character: a name at column 50 reaches column 90 after 40 characters.
    QTest::newRow("ends at the date's column") << 40 << false;
    QTest::newRow("one past") << 41 << true;
    QTest::newRow("far past") << 70 << true;
}
// clang-format on

void tst_LogSheetLayout::contestNamePassingColumn90()
{
    QFETCH(int, nameLength);
    QFETCH(bool, dateMoves);
    LogSheetLayout::Header h;
    h.contestName = QString(nameLength, u'N');
    h.date = QStringLiteral("12/07/98");
    h.call = QStringLiteral("W1AW");
    const QList<LogSheetLine> lines = LogSheetLayout::lines(h, {}, oneColumnEach);

    if (!dateMoves) {
        QCOMPARE(lines[5], (LogSheetLine{{50, h.contestName}, {90, h.date}}));
        QCOMPARE(lines.size(), LogSheetLayout::HeaderLines + 2);
        return;
    }
    QCOMPARE(lines[5], (LogSheetLine{{50, h.contestName}}));
    QCOMPARE(lines[6], (LogSheetLine{{90, h.date}}));
    // Everything after moves down one line.
    QVERIFY(lines[7].isEmpty());
    QCOMPARE(LogSheetLayout::textAt(lines[8], 1), QStringLiteral("Callsign = W1AW"));
    QVERIFY(isRule(lines[10]) && isRule(lines[12]));
    QCOMPARE(lines.size(), LogSheetLayout::HeaderLines + 3);
}

QTEST_GUILESS_MAIN(tst_LogSheetLayout)
#include "tst_logsheetlayout.moc"
