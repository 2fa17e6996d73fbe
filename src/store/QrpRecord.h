#pragma once
// The contact record of QRPDATA.DAT: eleven fixed-width text fields, 48 bytes,
// one byte a character (Latin-1), left-aligned and blank-padded.

#include <QByteArray>
#include <QString>
#include <array>

class QrpRecord {
public:
    enum Field { Callsign, Arci, Power, SPC, RstSent, RstRcvd, Band, QsoDate, QsoTime, Points, Multiplier };
    static constexpr int FieldCount = 11;
    static constexpr int Size = 48;

    struct Layout { int offset; int width; };
    static constexpr std::array<Layout, FieldCount> layout{{
        {0, 8}, {8, 5}, {13, 4}, {17, 4}, {21, 3}, {24, 3}, {27, 3}, {30, 8}, {38, 8}, {46, 1}, {47, 1}}};

    QrpRecord() { clear(); }

    // A record from the bytes read at its place; bytes missing past the end of
    // the file read as blanks, so every field of a record past the end is empty.
    static QrpRecord fromBytes(const char *data, qsizetype available);
    static QrpRecord fromBytes(const QByteArray &bytes) { return fromBytes(bytes.constData(), bytes.size()); }

    void clear() { m_bytes.fill(' '); }
    // Left-aligns the value: a shorter one is padded with blanks, a longer one cut.
    void set(Field f, const QString &value);
    // The field as stored, padding included.
    QString raw(Field f) const;
    // The field with leading and trailing blanks removed, as shown and compared.
    QString value(Field f) const;
    // The raw bytes of a field, for scans that compare without building strings.
    QByteArray rawBytes(Field f) const;

    QByteArray bytes() const { return QByteArray(m_bytes.data(), Size); }
    const char *data() const { return m_bytes.data(); }

    bool operator==(const QrpRecord &o) const { return m_bytes == o.m_bytes; }

private:
    std::array<char, Size> m_bytes;
};

namespace Latin1 {
// Latin-1 bytes of a text; characters outside Latin-1 become '?'.
QByteArray encode(const QString &text);
// As encode, for a field of the log: control characters (below 0x20, 0x7F and
// 0x80 to 0x9F) become blanks, so only printable text and blanks are stored.
QByteArray encodeField(const QString &text);
// True for a character a field may hold.
inline bool printable(char16_t c) { return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0); }
QString decode(const char *data, qsizetype size);
}
