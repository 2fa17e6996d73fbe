#include "rules/BandRecount.h"

#include "store/QrpRecord.h"

#include <numeric>

namespace {

constexpr int BandCount = BandRecount::BandCount;

// A band text of up to three bytes as one number: its length, then its bytes.
constexpr quint32 bandKey(const char *text, int length)
{
    quint32 key = quint32(length);
    for (int i = 0; i < length; ++i)
        key = (key << 8) | static_cast<unsigned char>(text[i]);
    return key;
}

// The bands as the log stores them, in band order.
constexpr std::array<quint32, BandCount> BandKeys{bandKey("160", 3), bandKey("80", 2), bandKey("40", 2),
                                                  bandKey("20", 2),  bandKey("15", 2), bandKey("10", 2),
                                                  bandKey("6", 1)};

// The same bands as the menu stores them: left-aligned, padded with blanks.
constexpr std::array<quint32, BandCount> StoredKeys{bandKey("160", 3), bandKey("80 ", 3), bandKey("40 ", 3),
                                                    bandKey("20 ", 3), bandKey("15 ", 3), bandKey("10 ", 3),
                                                    bandKey("6  ", 3)};

// A stored band found by one look-up rather than seven comparisons: the key's
// remainder by 13 differs for each of the seven.
constexpr quint32 Slots = 13;
constexpr std::array<int, Slots> slotTable()
{
    std::array<int, Slots> table{};
    for (int &b : table)
        b = -1;
    for (int b = 0; b < BandCount; ++b)
        table[StoredKeys[b] % Slots] = b;
    return table;
}
constexpr std::array<int, Slots> SlotBand = slotTable();
constexpr bool slotsDistinct()
{
    for (int b = 0; b < BandCount; ++b)
        if (SlotBand[StoredKeys[b] % Slots] != b)
            return false;
    return true;
}
static_assert(slotsDistinct());

int digitValue(char c)
{
    const unsigned digit = static_cast<unsigned char>(c) - unsigned('0');
    return digit <= 9 ? int(digit) : 0;
}

} // namespace

int BandRecount::bandOf(const char *record)
{
    const auto [offset, width] = QrpRecord::layout[QrpRecord::Band];
    static_assert(QrpRecord::layout[QrpRecord::Band].width == 3);
    const char *field = record + offset;
    const quint32 stored = bandKey(field, width);
    const int candidate = SlotBand[stored % Slots];
    if (candidate >= 0 && StoredKeys[candidate] == stored)
        return candidate;
    // Otherwise the band may stand elsewhere in its field (" 20").
    int first = 0, last = width;
    while (first < last && field[first] == ' ')
        ++first;
    while (last > first && field[last - 1] == ' ')
        --last;
    const quint32 key = bandKey(field + first, last - first);
    for (int b = 0; b < BandCount; ++b)
        if (key == BandKeys[b])
            return b;
    return -1;
}

void BandRecount::add(const char *record)
{
    static constexpr int PointsAt = QrpRecord::layout[QrpRecord::Points].offset;
    static constexpr int MultiplierAt = QrpRecord::layout[QrpRecord::Multiplier].offset;
    const int band = bandOf(record);
    if (band < 0)
        return;
    m_sums.points[band] += digitValue(record[PointsAt]);
    m_sums.multipliers[band] += digitValue(record[MultiplierAt]);
    ++m_sums.contacts[band];
}

qint64 BandRecount::Sums::totalPoints() const { return std::accumulate(points.begin(), points.end(), qint64(0)); }

qint64 BandRecount::Sums::totalMultipliers() const
{
    return std::accumulate(multipliers.begin(), multipliers.end(), qint64(0));
}
