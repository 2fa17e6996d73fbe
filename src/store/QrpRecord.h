#pragma once
// The contact record of QRPDATA.DAT: eleven fixed-width text fields, 48 bytes,
// one byte a character (Latin-1), left-aligned and blank-padded.

#include "store/ArciLine.h"

#include <QByteArray>
#include <QString>
#include <array>

class QrpRecord {
  public:
    enum Field { Callsign, Arci, Power, SPC, RstSent, RstRcvd, Band, QsoDate, QsoTime, Points, Multiplier };
    static constexpr int FieldCount = 11;
    static constexpr int Size = 48;

    // The one table of the contact's fields, in record order: each field's place
    // in the 48-byte record and the ARCIFILE.DAT column that carries it. The
    // record's layout and the line made from a record both follow it.
    struct FieldPlace {
        Field field;
        int offset;
        int width;
        ArciLine::Column column;
    };
    static constexpr std::array<FieldPlace, FieldCount> fields{{
        {Callsign, 0, 8, ArciLine::Callsign},
        {Arci, 8, 5, ArciLine::Arci},
        {Power, 13, 4, ArciLine::Power},
        {SPC, 17, 4, ArciLine::SPC},
        {RstSent, 21, 3, ArciLine::RstSent},
        {RstRcvd, 24, 3, ArciLine::RstRcvd},
        {Band, 27, 3, ArciLine::Band},
        {QsoDate, 30, 8, ArciLine::QsoDate},
        {QsoTime, 38, 8, ArciLine::QsoTime},
        {Points, 46, 1, ArciLine::Points},
        {Multiplier, 47, 1, ArciLine::Multiplier},
    }};

    // Offset and width by field, as the scans read them.
    struct Layout {
        int offset;
        int width;
    };
    static constexpr std::array<Layout, FieldCount> layout = [] {
        std::array<Layout, FieldCount> byField{};
        for (const FieldPlace &f : fields)
            byField[f.field] = {f.offset, f.width};
        return byField;
    }();

    // The call sign that marks a deleted contact; every other field of it is blank.
    static constexpr const char *DeletedCall = "DELETED";
    static QrpRecord deleted();
    // Whether any field but the band holds something: a contact, not the
    // placeholder that carries the band after the last one.
    bool holdsMoreThanBand() const;

    // A contact's eleven values by field, as given; each is fitted to its
    // field's width when it is set.
    using Values = std::array<QString, FieldCount>;

    QrpRecord() { clear(); }
    explicit QrpRecord(const Values &values);

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
} // namespace Latin1
