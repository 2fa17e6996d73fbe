#pragma once
// One line of ARCIFILE.DAT: the contact's values in a wider, text-editor-friendly
// column order, then a 16-bit length (always 2) and carriage return, line feed.

#include <QByteArray>
#include <QString>
#include <array>

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

  private:
    std::array<char, Size> m_bytes;
};
