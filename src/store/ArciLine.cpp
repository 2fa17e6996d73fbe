#include "store/ArciLine.h"

#include "store/QrpRecord.h"
#include "store/Text.h"

#include <algorithm>
#include <cstring>

ArciLine::ArciLine()
{
    m_bytes.fill(' ');
    m_bytes[79] = 0x02;
    m_bytes[80] = 0x00;
    m_bytes[81] = '\r';
    m_bytes[82] = '\n';
}

void ArciLine::set(Column c, const QString &value)
{
    const Layout l = layout[c];
    const QByteArray b = Latin1::encodeField(value.left(l.width));
    std::fill_n(m_bytes.data() + l.offset, l.width, ' ');
    std::memcpy(m_bytes.data() + l.offset, b.constData(), b.size());
}

QString ArciLine::value(Column c) const
{
    const Layout l = layout[c];
    return Text::trimBlanks(Latin1::decode(m_bytes.data() + l.offset, l.width));
}

ArciLine ArciLine::fromBytes(const QByteArray &bytes)
{
    ArciLine line;
    std::memcpy(line.m_bytes.data(), bytes.constData(), std::min<qsizetype>(bytes.size(), Size));
    return line;
}

ArciLine ArciLine::fromValues(const Values &values)
{
    ArciLine line;
    for (const QrpRecord::FieldPlace &f : QrpRecord::fields)
        line.set(f.column, values[f.field]);
    return line;
}

ArciLine ArciLine::rewrittenFrom(const Values &values)
{
    ArciLine line = fromValues(values);
    if (values[QrpRecord::Callsign] == QLatin1String(QrpRecord::DeletedCall)) {
        line.set(Callsign, QString());
        line.set(QsoDate, QLatin1String(QrpRecord::DeletedCall));
    }
    return line;
}

ArciLine ArciLine::forRecord(const QrpRecord &r)
{
    // Each field as it was written: the blanks that pad it on the right are left
    // off (they pad the wider column all the same), leading blanks stay.
    Values values;
    for (const QrpRecord::FieldPlace &f : QrpRecord::fields) {
        QString stored = r.raw(f.field);
        while (stored.endsWith(u' '))
            stored.chop(1);
        values[f.field] = stored;
    }
    return rewrittenFrom(values);
}

bool ArciLine::agreesWith(const QrpRecord &record) const
{
    const ArciLine expected = forRecord(record);
    for (const QrpRecord::FieldPlace &f : QrpRecord::fields) {
        const int at = layout[f.column].offset;
        if (std::memcmp(m_bytes.data() + at, expected.m_bytes.data() + at, f.width) != 0)
            return false;
    }
    return std::memcmp(m_bytes.data() + 79, expected.m_bytes.data() + 79, 4) == 0;
}
