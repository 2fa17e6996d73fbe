// The table of the contact's fields: the 48-byte record it lays out, the
// ARCIFILE.DAT column each field goes to, and the line made from values.

#include "store/ArciLine.h"
#include "store/LogStore.h"
#include "store/QrpRecord.h"

#include <QTest>

namespace {
// A value as wide as the field, in letters no other field holds here.
QString marker(int width) { return QString(width, u'#').replace(0, 1, u'<'); }
} // namespace

class TestRecordFields : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tableCoversRecordAndLine()
    {
        // The fields lie in record order, one after another, over the whole record.
        int at = 0;
        for (int i = 0; i < QrpRecord::FieldCount; ++i) {
            const QrpRecord::FieldPlace &f = QrpRecord::fields[i];
            QCOMPARE(int(f.field), i);
            QCOMPARE(f.offset, at);
            QVERIFY(f.width > 0);
            QCOMPARE(QrpRecord::layout[f.field].offset, f.offset);
            QCOMPARE(QrpRecord::layout[f.field].width, f.width);
            at += f.width;
        }
        QCOMPARE(at, QrpRecord::Size);

        // Each column of the line carries one field, and is wider than it, so a
        // stored value is never cut and is followed by a blank.
        QList<int> fieldOfColumn(ArciLine::ColumnCount, -1);
        for (const QrpRecord::FieldPlace &f : QrpRecord::fields) {
            QCOMPARE(fieldOfColumn[f.column], -1);
            fieldOfColumn[f.column] = f.field;
            QVERIFY2(ArciLine::layout[f.column].width > f.width, qPrintable(QString::number(f.field)));
        }
        // The columns lie in column order over the 79 text bytes before the line end.
        at = 0;
        for (const ArciLine::Layout &c : ArciLine::layout) {
            QCOMPARE(c.offset, at);
            at += c.width;
        }
        QCOMPARE(at, ArciLine::Size - 4);
    }

    // clang-format off
    void fieldPlaces_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("recordOffset");
        QTest::addColumn<int>("lineOffset");
        QTest::newRow("Callsign") << int(QrpRecord::Callsign) << 0 << 22;
        QTest::newRow("Arci") << int(QrpRecord::Arci) << 8 << 53;
        QTest::newRow("Power") << int(QrpRecord::Power) << 13 << 61;
        QTest::newRow("SPC") << int(QrpRecord::SPC) << 17 << 46;
        QTest::newRow("RstSent") << int(QrpRecord::RstSent) << 21 << 67;
        QTest::newRow("RstRcvd") << int(QrpRecord::RstRcvd) << 24 << 40;
        QTest::newRow("Band") << int(QrpRecord::Band) << 27 << 34;
        QTest::newRow("QsoDate") << int(QrpRecord::QsoDate) << 30 << 0;
        QTest::newRow("QsoTime") << int(QrpRecord::QsoTime) << 38 << 11;
        QTest::newRow("Points") << int(QrpRecord::Points) << 46 << 73;
        QTest::newRow("Multiplier") << int(QrpRecord::Multiplier) << 47 << 77;
    }
    // clang-format on
    void fieldPlaces()
    {
        QFETCH(int, field);
        QFETCH(int, recordOffset);
        QFETCH(int, lineOffset);
        const auto f = QrpRecord::Field(field);
        const QString value = marker(QrpRecord::layout[f].width);
        QrpRecord::Values values;
        values[f] = value;

        // The value lands at its place in the record and in the line, whole, and
        // every other byte of the text stays blank.
        const QrpRecord record(values);
        QCOMPARE(record.bytes(), QByteArray(recordOffset, ' ') + value.toLatin1() +
                                     QByteArray(QrpRecord::Size - recordOffset - value.size(), ' '));
        const QByteArray expectedLine = QByteArray(lineOffset, ' ') + value.toLatin1() +
                                        QByteArray(79 - lineOffset - value.size(), ' ') + QByteArray("\x02\x00\r\n", 4);
        QCOMPARE(ArciLine::fromValues(values).bytes(), expectedLine);
        QCOMPARE(ArciLine::forRecord(record).bytes(), expectedLine);
    }

    void deletedRule()
    {
        // A rewrite of a deleted contact moves DELETED into the date column;
        // a new contact and a call sign that is not exactly DELETED keep their call.
        QrpRecord::Values values;
        values[QrpRecord::Callsign] = QStringLiteral("DELETED");
        values[QrpRecord::QsoDate] = QStringLiteral("12/07/98");
        const ArciLine rewritten = ArciLine::rewrittenFrom(values);
        QCOMPARE(rewritten.value(ArciLine::QsoDate), QStringLiteral("DELETED"));
        QCOMPARE(rewritten.value(ArciLine::Callsign), QString());
        QCOMPARE(ArciLine::fromValues(values).value(ArciLine::Callsign), QStringLiteral("DELETED"));
        values[QrpRecord::Callsign] = QStringLiteral("DELETED ");
        QCOMPARE(ArciLine::rewrittenFrom(values).value(ArciLine::QsoDate), QStringLiteral("12/07/98"));
        // The stored deleted record makes the same line as its rewrite.
        QCOMPARE(ArciLine::forRecord(QrpRecord::deleted()).bytes(),
                 ArciLine::rewrittenFrom({QStringLiteral("DELETED")}).bytes());
    }
};

QTEST_GUILESS_MAIN(TestRecordFields)
#include "tst_recordfields.moc"
