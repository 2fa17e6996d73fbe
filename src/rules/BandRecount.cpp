#include "rules/BandRecount.h"

#include "rules/ContestBands.h"
#include "store/QrpRecord.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace {

constexpr int BandCount = BandRecount::BandCount;

// A field's bytes with blanks at either end removed.
struct Trimmed {
    const char *text;
    int length;
};
Trimmed trimmed(const char *field, int width)
{
    int first = 0, last = width;
    while (first < last && field[first] == ' ')
        ++first;
    while (last > first && field[last - 1] == ' ')
        --last;
    return {field + first, last - first};
}

// A band text of up to three bytes as one number: its length, then its bytes.
constexpr quint32 bandKey(const char *text, int length)
{
    quint32 key = quint32(length);
    for (int i = 0; i < length; ++i)
        key = (key << 8) | static_cast<unsigned char>(text[i]);
    return key;
}

// The bands as the log stores them, in band order, and as the menu stores
// them: left-aligned, padded with blanks.
static_assert(BandCount == ContestBands::Count);
constexpr std::array<quint32, BandCount> bandKeys(bool padded)
{
    std::array<quint32, BandCount> keys{};
    for (int b = 0; b < BandCount; ++b) {
        const char *name = ContestBands::table[b].name;
        const int length = int(std::char_traits<char>::length(name));
        char field[3] = {' ', ' ', ' '};
        for (int i = 0; i < length && i < 3; ++i)
            field[i] = name[i];
        keys[b] = bandKey(padded ? field : name, padded ? 3 : length);
    }
    return keys;
}
constexpr std::array<quint32, BandCount> BandKeys = bandKeys(false);
constexpr std::array<quint32, BandCount> StoredKeys = bandKeys(true);

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
    const auto [text, length] = trimmed(field, width);
    const quint32 key = bandKey(text, length);
    for (int b = 0; b < BandCount; ++b)
        if (key == BandKeys[b])
            return b;
    return -1;
}

namespace {

constexpr QrpRecord::Layout at(QrpRecord::Field f) { return QrpRecord::layout[f]; }
static_assert(at(QrpRecord::Callsign).width == 8 && at(QrpRecord::SPC).width == 4, "keys hold a whole field");

// A field's bytes with blanks at either end removed, moved to the front and
// padded with blanks: one number per value, so equal values give equal keys.
template <typename Key> Key trimmedKey(const char *record, QrpRecord::Field f)
{
    const auto [offset, width] = at(f);
    static_assert(sizeof(Key) <= 8);
    const auto [text, length] = trimmed(record + offset, width);
    Key key = 0;
    for (int i = 0; i < int(sizeof(Key)); ++i)
        key = Key(key << 8) | static_cast<unsigned char>(i < length ? text[i] : ' ');
    return key;
}

// Whether a field, trailing blanks removed, compares above "0" by character
// codes, as the ARCI and power boxes are tested.
bool fieldAboveZero(const char *record, QrpRecord::Field f)
{
    const auto [offset, width] = at(f);
    const char *field = record + offset;
    const auto first = static_cast<unsigned char>(field[0]);
    if (first != '0')
        return first > '0';
    for (int i = 1; i < width; ++i)
        if (field[i] != ' ')
            return true;
    return false;
}

bool fieldBlank(const char *record, QrpRecord::Field f)
{
    const auto [offset, width] = at(f);
    for (int i = 0; i < width; ++i)
        if (record[offset + i] != ' ')
            return false;
    return true;
}

int trimmedLength(const char *record, QrpRecord::Field f)
{
    const auto [offset, width] = at(f);
    return trimmed(record + offset, width).length;
}

bool isDeleted(const char *record)
{
    static const quint64 deleted = [] {
        QrpRecord r = QrpRecord::deleted();
        return trimmedKey<quint64>(r.data(), QrpRecord::Callsign);
    }();
    return trimmedKey<quint64>(record, QrpRecord::Callsign) == deleted;
}

} // namespace

int BandRecount::pointsOf(const char *record)
{
    if (fieldAboveZero(record, QrpRecord::Arci))
        return 5;
    if (!fieldBlank(record, QrpRecord::Arci) || !fieldAboveZero(record, QrpRecord::Power))
        return 0;
    switch (trimmedLength(record, QrpRecord::SPC)) {
    case 4:
        return 4;
    case 3:
    case 2:
        return 2;
    default:
        return 0;
    }
}

void BandRecount::add(const char *record)
{
    const int band = bandOf(record);
    if (band < 0 || isDeleted(record))
        return;
    ++m_sums.contacts[band];
    if (!m_calls[band].insert(trimmedKey<quint64>(record, QrpRecord::Callsign))) {
        ++m_sums.duplicates[band];
        return;
    }
    m_sums.points[band] += pointsOf(record);
    if (trimmedLength(record, QrpRecord::SPC) > 0 && m_spcs[band].insert(trimmedKey<quint32>(record, QrpRecord::SPC)))
        ++m_sums.multipliers[band];
}

bool BandRecount::KeySet::insert(quint64 key)
{
    if (key == 0) {
        const bool added = !m_hasZero;
        m_hasZero = true;
        return added;
    }
    if ((m_count + 1) * 2 > m_slots.size())
        grow();
    const std::size_t mask = m_slots.size() - 1;
    // The keys are text: mixed so that their bytes spread over the slots.
    quint64 h = key * 0x9E3779B97F4A7C15ULL;
    std::size_t i = std::size_t(h ^ (h >> 32)) & mask;
    while (m_slots[i] != 0) {
        if (m_slots[i] == key)
            return false;
        i = (i + 1) & mask;
    }
    m_slots[i] = key;
    ++m_count;
    return true;
}

void BandRecount::KeySet::grow()
{
    std::vector<quint64> old(std::max<std::size_t>(64, m_slots.size() * 2), 0);
    old.swap(m_slots);
    m_count = 0;
    for (const quint64 key : old)
        if (key != 0)
            insert(key);
}

qint64 BandRecount::Sums::totalPoints() const { return std::accumulate(points.begin(), points.end(), qint64(0)); }

qint64 BandRecount::Sums::totalMultipliers() const
{
    return std::accumulate(multipliers.begin(), multipliers.end(), qint64(0));
}
