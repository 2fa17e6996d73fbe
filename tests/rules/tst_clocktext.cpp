// Reading the texts typed into the date and time dialogs, and the texts they
// show on load: no clock, no window.

#include "rules/ClockText.h"

#include <QTest>

class tst_ClockText : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // clang-format off
    void readDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: refused
        QTest::newRow("example") << "6/10/98" << QDate(1998, 6, 10);
        QTest::newRow("two digits each") << "12/31/98" << QDate(1998, 12, 31);
        QTest::newRow("leading zeros") << "06/01/98" << QDate(1998, 6, 1);
        QTest::newRow("year 00 is 2000") << "1/1/00" << QDate(2000, 1, 1);
        QTest::newRow("year 69 is 2069") << "12/31/69" << QDate(2069, 12, 31);
        QTest::newRow("year 70 is 1970") << "1/1/70" << QDate(1970, 1, 1);
        QTest::newRow("four-digit year") << "2/29/2000" << QDate(2000, 2, 29);
        QTest::newRow("dashes") << "12-7-98" << QDate(1998, 12, 7);
        QTest::newRow("blanks around") << " 6/10/98 " << QDate(1998, 6, 10);
        QTest::newRow("month 13, day 45") << "13/45/98" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("blanks only") << "   " << QDate();
        QTest::newRow("day and month swapped") << "31/12/98" << QDate();
        QTest::newRow("month 0") << "0/10/98" << QDate();
        QTest::newRow("day 0") << "6/0/98" << QDate();
        QTest::newRow("February 30") << "2/30/98" << QDate();
        QTest::newRow("no leap day in 1999") << "2/29/99" << QDate();
        QTest::newRow("no year") << "6/10" << QDate();
        QTest::newRow("three-digit year") << "6/10/998" << QDate();
        QTest::newRow("mixed separators") << "6/10-98" << QDate();
        QTest::newRow("dots") << "6.10.98" << QDate();
        QTest::newRow("letters") << "June 10" << QDate();
        QTest::newRow("trailing letter") << "6/10/98x" << QDate();
        QTest::newRow("sign") << "+6/10/98" << QDate();
        QTest::newRow("full-width digits") << QStringLiteral("\uFF16/10/98") << QDate();
        QTest::newRow("before 1970") << "12/31/1969" << QDate();
    }
    // clang-format on
    void readDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QString problem = QStringLiteral("untouched");
        const std::optional<QDate> got = ClockText::readDate(text, &problem);
        if (expected.isValid()) {
            QVERIFY(got.has_value());
            QCOMPARE(*got, expected);
        } else {
            QVERIFY(!got.has_value());
            QVERIFY(!problem.isEmpty());
            QVERIFY(problem != QLatin1String("untouched"));
        }
    }

    // clang-format off
    void readTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("expected"); // invalid: refused
        QTest::newRow("example") << "23:30:15" << QTime(23, 30, 15);
        QTest::newRow("midnight") << "00:00:00" << QTime(0, 0, 0);
        QTest::newRow("one-digit hour") << "9:05:07" << QTime(9, 5, 7);
        QTest::newRow("last second") << " 23:59:59 " << QTime(23, 59, 59);
        QTest::newRow("hour 25") << "25:00:00" << QTime();
        QTest::newRow("hour 24") << "24:00:00" << QTime();
        QTest::newRow("minute 60") << "12:60:00" << QTime();
        QTest::newRow("second 60") << "12:00:60" << QTime();
        QTest::newRow("empty") << "" << QTime();
        QTest::newRow("no seconds") << "12:00" << QTime();
        QTest::newRow("one-digit minute") << "12:5:00" << QTime();
        QTest::newRow("four parts") << "1:02:03:04" << QTime();
        QTest::newRow("twelve-hour") << "11:30:15 PM" << QTime();
        QTest::newRow("word") << "noon" << QTime();
        QTest::newRow("negative") << "-1:00:00" << QTime();
        QTest::newRow("full-width digits") << QStringLiteral("12:00:0\uFF10") << QTime();
    }
    // clang-format on
    void readTime()
    {
        QFETCH(QString, text);
        QFETCH(QTime, expected);
        QString problem;
        const std::optional<QTime> got = ClockText::readTime(text, &problem);
        if (expected.isValid()) {
            QVERIFY(got.has_value());
            QCOMPARE(*got, expected);
        } else {
            QVERIFY(!got.has_value());
            QVERIFY(!problem.isEmpty());
        }
    }

    // The date shown on load fits the 8-character box and reads back as the same day.
    void dialogDateReadsBack()
    {
        QCOMPARE(ClockText::dialogDate(QDate(1998, 6, 10)), QStringLiteral("6/10/98"));
        QCOMPARE(ClockText::dialogDate(QDate(2003, 1, 5)), QStringLiteral("1/5/03"));
        QCOMPARE(ClockText::dialogTime(QTime(7, 4, 9, 999)), QStringLiteral("07:04:09"));
        for (QDate d(1970, 1, 1); d.year() < 2070; d = d.addDays(13)) {
            const QString shown = ClockText::dialogDate(d);
            QVERIFY2(shown.size() <= 8, qPrintable(shown));
            const std::optional<QDate> back = ClockText::readDate(shown);
            QVERIFY2(back && *back == d, qPrintable(shown));
        }
    }
};

QTEST_GUILESS_MAIN(tst_ClockText)
#include "tst_clocktext.moc"
