#include "store/QrpRecord.h"

#include <algorithm>
#include <cstring>

namespace Latin1 {
QByteArray encode(const QString &text)
{
    QByteArray out(text.size(), '?');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 256)
            out[i] = static_cast<char>(c);
    }
    return out;
}

QByteArray encodeField(const QString &text)
{
    QByteArray out = encode(text);
    for (qsizetype i = 0; i < out.size(); ++i)
        if (!printable(static_cast<unsigned char>(out.at(i))))
            out[i] = ' ';
    return out;
}

QString decode(const char *data, qsizetype size) { return QString::fromLatin1(data, size); }
} // namespace Latin1

QrpRecord QrpRecord::fromBytes(const char *data, qsizetype available)
{
    QrpRecord r;
    if (available > 0)
        std::memcpy(r.m_bytes.data(), data, std::min<qsizetype>(available, Size));
    return r;
}

QrpRecord::QrpRecord(const Values &values)
{
    clear();
    for (const FieldPlace &f : fields)
        set(f.field, values[f.field]);
}

QrpRecord QrpRecord::deleted()
{
    QrpRecord r;
    r.set(Callsign, QLatin1String(DeletedCall));
    return r;
}

bool QrpRecord::holdsMoreThanBand() const
{
    for (int f = 0; f < FieldCount; ++f)
        if (f != Band && !value(Field(f)).isEmpty())
            return true;
    return false;
}

void QrpRecord::set(Field f, const QString &value)
{
    const Layout l = layout[f];
    const QByteArray b = Latin1::encodeField(value.left(l.width));
    std::fill_n(m_bytes.data() + l.offset, l.width, ' ');
    std::memcpy(m_bytes.data() + l.offset, b.constData(), b.size());
}

QString QrpRecord::raw(Field f) const
{
    const Layout l = layout[f];
    return Latin1::decode(m_bytes.data() + l.offset, l.width);
}

QByteArray QrpRecord::rawBytes(Field f) const
{
    const Layout l = layout[f];
    return QByteArray(m_bytes.data() + l.offset, l.width);
}

QString QrpRecord::value(Field f) const
{
    const Layout l = layout[f];
    int first = l.offset, last = l.offset + l.width;
    while (first < last && m_bytes[first] == ' ')
        ++first;
    while (last > first && m_bytes[last - 1] == ' ')
        --last;
    return Latin1::decode(m_bytes.data() + first, last - first);
}
