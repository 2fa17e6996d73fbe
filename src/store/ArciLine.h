#pragma once
// One line of ARCIFILE.DAT: the contact's values in a wider, text-editor-friendly
// column order, then a 16-bit length (always 2) and carriage return, line feed.

#include <QByteArray>
#include <QString>
#include <array>

class QrpRecord;

class ArciLine {
  public:
    enum Column { QsoDate, QsoTime, Callsign, Band, RstRcvd, SPC, Arci, Power, RstSent, Points, Multiplier };
    static constexpr int ColumnCount = 11;
    static constexpr int Size = 83;

    struct Layout {
        int offset;
        int width;
    };
    static constexpr std::array<Layout, ColumnCount> layout{
        {{0, 11}, {11, 11}, {22, 12}, {34, 6}, {40, 6}, {46, 7}, {53, 8}, {61, 6}, {67, 6}, {73, 4}, {77, 2}}};

    ArciLine();

    void set(Column c, const QString &value);
    QString value(Column c) const; // blanks trimmed
    QByteArray bytes() const { return QByteArray(m_bytes.data(), Size); }
    static ArciLine fromBytes(const QByteArray &bytes);

    // ---- from the contact record to its line ----------------------------------
    // A contact's values by record field (QrpRecord::Values), as typed.
    using Values = std::array<QString, ColumnCount>;
    // The line holding these values, each in its field's column.
    static ArciLine fromValues(const Values &values);
    // The line a rewrite of a stored contact writes: as fromValues, but a deleted
    // contact (call sign exactly "DELETED") reads "DELETED" in the date column
    // and nothing in the call sign column.
    static ArciLine rewrittenFrom(const Values &values);
    // The line for a stored record, as a rewrite from the review row would write it.
    static ArciLine forRecord(const QrpRecord &record);
    // True when this line holds what the record holds: each column, read to the
    // width of the record's field, and the line end. (A column may hold more
    // than the record: a rewrite stores a long value whole in the line.)
    bool agreesWith(const QrpRecord &record) const;

  private:
    std::array<char, Size> m_bytes;
};
