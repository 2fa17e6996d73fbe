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
