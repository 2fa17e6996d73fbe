// The record numbers typed into the window: which stored contact change and
// delete act on and why they refuse, the number Save Record accepts, what the
// review row shows, and the steps of [+] and [-]. A log of ten records: nine
// contacts and the placeholder.

#include "rules/RecordNumbers.h"

#include <QTest>
#include <limits>

namespace {
constexpr qint32 Count = 10;
} // namespace

class tst_RecordNumbers : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void storedContact_data();
    void storedContact();
    void isNextRecord_data();
    void isNextRecord();
    void review_data();
    void review();
    void step_data();
    void step();
};

// clang-format off
void tst_RecordNumbers::storedContact_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("record"); // 0: none
    QTest::addColumn<QString>("why");
    QTest::newRow("5") << "5" << 5 << "";
    QTest::newRow("blanks and tabs skipped") << " \t5 " << 5 << "";
    QTest::newRow("5.0") << "5.0" << 5 << "";
    QTest::newRow("the number at the start") << "5abc" << 5 << "";
    QTest::newRow("first") << "1" << 1 << "";
    QTest::newRow("last contact") << "9" << 9 << "";
    QTest::newRow("the placeholder") << "10" << 0 << "record 10 is kept for the next contact.";
    QTest::newRow("past the end") << "11" << 0 << "the last record is number 10.";
    QTest::newRow("far past the end") << "99999" << 0 << "the last record is number 10.";
    QTest::newRow("huge") << "1e300" << 0 << "the last record is number 10.";
    QTest::newRow("empty") << "" << 0 << "the WHITE RecNum box is empty.";
    QTest::newRow("blanks only") << "   " << 0 << "the WHITE RecNum box is empty.";
    QTest::newRow("0") << "0" << 0 << "record numbers start at 1.";
    QTest::newRow("negative") << "-2" << 0 << "record numbers start at 1.";
    QTest::newRow("below 1") << "0.4" << 0 << "record numbers start at 1.";
    QTest::newRow("a zero with its point") << ".0" << 0 << "record numbers start at 1.";
    QTest::newRow("between records") << "2.5" << 0 << "record numbers are whole numbers.";
    QTest::newRow("no number") << "abc" << 0 << "the WHITE RecNum box holds no number.";
    QTest::newRow("a sign and no number") << "-" << 0 << "the WHITE RecNum box holds no number.";
    QTest::newRow("no number after a mark") << "#7" << 0 << "the WHITE RecNum box holds no number.";
}
// clang-format on

void tst_RecordNumbers::storedContact()
{
    QFETCH(QString, text);
    QFETCH(int, record);
    QFETCH(QString, why);
    const std::optional<qint32> got = RecordNumbers::storedContact(text, Count);
    QCOMPARE(got.value_or(0), record);
    QCOMPARE(RecordNumbers::storedContactProblem(text, Count), why);
}

// clang-format off
void tst_RecordNumbers::isNextRecord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("count");
    QTest::addColumn<bool>("saves");
    QTest::newRow("the placeholder") << "10" << Count << true;
    QTest::newRow("as the window writes it") << " 10" << Count << true;
    QTest::newRow("rounded down") << "10.4" << Count << true;
    QTest::newRow("half to even, up") << "9.5" << Count << true;
    QTest::newRow("half to even, down") << "10.5" << Count << true;
    QTest::newRow("a stored contact") << "9" << Count << false;
    QTest::newRow("past the end") << "11" << Count << false;
    QTest::newRow("empty") << "" << Count << false;
    QTest::newRow("no number") << "abc" << Count << false;
    QTest::newRow("beyond 32 bits") << "1e10" << Count << false;
    QTest::newRow("the first contact") << "1" << qint32(1) << true;
    QTest::newRow("no number left for one more") << "2147483647" << std::numeric_limits<qint32>::max() << false;
}
// clang-format on

void tst_RecordNumbers::isNextRecord()
{
    QFETCH(QString, text);
    QFETCH(qint32, count);
    QFETCH(bool, saves);
    QCOMPARE(RecordNumbers::isNextRecord(text, count), saves);
}

// clang-format off
void tst_RecordNumbers::review_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("record");
    const int tooLarge = RecordNumbers::Review::TooLarge, none = RecordNumbers::Review::NoRecord,
              shown = RecordNumbers::Review::Record;
    QTest::newRow("5") << "5" << shown << 5;
    QTest::newRow("5.0") << " 5.0" << shown << 5;
    QTest::newRow("the placeholder is shown") << "10" << shown << 10;
    QTest::newRow("11") << "11" << tooLarge << 0;
    QTest::newRow("11.5") << "11.5" << tooLarge << 0;
    QTest::newRow("huge") << "1e300" << tooLarge << 0;
    QTest::newRow("between records") << "5.5" << none << 0;
    QTest::newRow("0") << "0" << none << 0;
    QTest::newRow("0.5") << "0.5" << none << 0;
    QTest::newRow("negative") << "-3" << none << 0;
    QTest::newRow("no number") << "abc" << none << 0;
    QTest::newRow("empty") << "" << none << 0;
}
// clang-format on

void tst_RecordNumbers::review()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, record);
    const RecordNumbers::Review got = RecordNumbers::review(text, Count);
    QCOMPARE(int(got.kind), kind);
    QCOMPARE(got.record, record);
}

// clang-format off
void tst_RecordNumbers::step_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("by");
    QTest::addColumn<int>("stepped");
    QTest::addColumn<bool>("refused");
    QTest::newRow("+ from 4") << " 4" << 1 << 5 << false;
    QTest::newRow("- from 6") << "6" << -1 << 5 << false;
    QTest::newRow("+ from empty") << "" << 1 << 1 << false;
    QTest::newRow("- from empty") << "" << -1 << -1 << false;
    QTest::newRow("+ from text") << "abc" << 1 << 1 << false;
    QTest::newRow("+ from 4.5: 5.5 rounds to 6") << "4.5" << 1 << 6 << false;
    QTest::newRow("+ from 5.5: 6.5 rounds to 6") << "5.5" << 1 << 6 << false;
    QTest::newRow("- from 3.5: 2.5 rounds to 2") << "3.5" << -1 << 2 << false;
    QTest::newRow("+ to the top of the counter") << "32766" << 1 << 32767 << false;
    QTest::newRow("- to the bottom of the counter") << "-32767" << -1 << -32768 << false;
    QTest::newRow("+ past 32767") << "32767" << 1 << 0 << true;
    QTest::newRow("+ from 32766.6") << "32766.6" << 1 << 0 << true;
    QTest::newRow("- past -32768") << "-32768" << -1 << 0 << true;
    QTest::newRow("+ from 1e12") << "1e12" << 1 << 0 << true;
    QTest::newRow("- from -1e12") << "-1e12" << -1 << 0 << true;
}
// clang-format on

void tst_RecordNumbers::step()
{
    QFETCH(QString, text);
    QFETCH(int, by);
    QFETCH(int, stepped);
    QFETCH(bool, refused);
    const std::optional<qint32> got = RecordNumbers::step(text, by);
    QCOMPARE(!got.has_value(), refused);
    if (got)
        QCOMPARE(*got, stepped);
}

QTEST_GUILESS_MAIN(tst_RecordNumbers)
#include "tst_recordnumbers.moc"
