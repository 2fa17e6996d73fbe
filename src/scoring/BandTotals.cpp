#include "BandTotals.h"

#include "LogStore.h"
#include "frmKestrix.h"
#include "frmSummary.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


namespace {

// A band text of up to three bytes as one number: its length, then its bytes.
constexpr quint32 bandKey(const char *text, int length)
{
    quint32 key = quint32(length);
    for (int i = 0; i < length; ++i)
        key = (key << 8) | static_cast<unsigned char>(text[i]);
    return key;
}

// The bands as the log stores them, in band order.
constexpr std::array<quint32, BandTotals::BandCount> BandKeys{bandKey("160", 3), bandKey("80", 2), bandKey("40", 2),
                                                              bandKey("20", 2),  bandKey("15", 2), bandKey("10", 2),
                                                              bandKey("6", 1)};

// The same bands as the menu stores them: left-aligned, padded with blanks.
constexpr std::array<quint32, BandTotals::BandCount> StoredKeys{bandKey("160", 3), bandKey("80 ", 3), bandKey("40 ", 3),
                                                                bandKey("20 ", 3),  bandKey("15 ", 3), bandKey("10 ", 3),
                                                                bandKey("6  ", 3)};

// A stored band found by one look-up rather than seven comparisons: the key's
// remainder by 13 differs for each of the seven.
constexpr quint32 Slots = 13;
constexpr std::array<int, Slots> slotTable()
{
    std::array<int, Slots> table{};
    for (int &b : table)
        b = -1;
    for (int b = 0; b < BandTotals::BandCount; ++b)
        table[StoredKeys[b] % Slots] = b;
    return table;
}
constexpr std::array<int, Slots> SlotBand = slotTable();
constexpr bool slotsDistinct()
{
    for (int b = 0; b < BandTotals::BandCount; ++b)
        if (SlotBand[StoredKeys[b] % Slots] != b)
            return false;
    return true;
}
static_assert(slotsDistinct());

// The band of a record's Band field, blanks removed; -1 for none of the seven.
int bandOf(const char *record)
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
    for (int b = 0; b < BandTotals::BandCount; ++b)
        if (key == BandKeys[b])
            return b;
    return -1;
}

int digitValue(char c)
{
    const unsigned digit = static_cast<unsigned char>(c) - unsigned('0');
    return digit <= 9 ? int(digit) : 0;
}

} // namespace

BandTotals::BandTotals(frmKestrix &window) : m_window(window)
{
    connect(window.ui().cmdUpdate, &QPushButton::clicked, this, &BandTotals::cmdUpdate_Click);
}

BandTotals::~BandTotals() = default;

BandTotals::Sums BandTotals::recount(LogStore &log)
{
    Sums sums;
    const int pointsAt = QrpRecord::layout[QrpRecord::Points].offset;
    const int multiplierAt = QrpRecord::layout[QrpRecord::Multiplier].offset;
    log.scanContactsRaw([&](qint32, const char *data) {
        const int band = bandOf(data);
        if (band >= 0) {
            sums.points[band] += digitValue(data[pointsAt]);
            sums.multipliers[band] += digitValue(data[multiplierAt]);
            ++sums.contacts[band];
        }
        return true;
    });
    return sums;
}

void BandTotals::UpdateTotals()
{
    frmKestrix &w = m_window;
    const Sums sums = recount(w.log());

    frmSummary &sheet = w.summarySheet();
    const std::array<QLineEdit *, BandCount> pointBoxes{sheet.txt9A,  sheet.txt10A, sheet.txt11A, sheet.txt12A,
                                                        sheet.txt13A, sheet.txt14A, sheet.txt15A};
    const std::array<QLineEdit *, BandCount> spcBoxes{sheet.txt9B,  sheet.txt10B, sheet.txt11B, sheet.txt12B,
                                                      sheet.txt13B, sheet.txt14B, sheet.txt15B};
    qint64 totalPoints = 0, totalMultipliers = 0;
    for (int b = 0; b < BandCount; ++b) {
        totalPoints += sums.points[b];
        totalMultipliers += sums.multipliers[b];
        if (sums.contacts[b] > 0) {
            m_written[b] = {QString::number(sums.points[b]), QString::number(sums.multipliers[b])};
            pointBoxes[b]->setText(m_written[b][0]);
            spcBoxes[b]->setText(m_written[b][1]);
        } else if (!m_written[b][0].isNull()) {
            // The band's contacts are gone (deleted since the last recount): the
            // figures this recount wrote before would no longer be true. What the
            // operator typed over them stays.
            if (pointBoxes[b]->text() == m_written[b][0])
                pointBoxes[b]->clear();
            if (spcBoxes[b]->text() == m_written[b][1])
                spcBoxes[b]->clear();
            m_written[b] = {};
        }
    }
    const QString points = QString::number(totalPoints);
    const QString multipliers = QString::number(totalMultipliers);
    sheet.txt16A->setText(points);
    sheet.txt22A->setText(points);
    sheet.txt16B->setText(multipliers);
    sheet.txt23A->setText(multipliers);

    const QList<QLabel *> pointLabels = w.ui().pointLabels();
    const QList<QLabel *> multiplierLabels = w.ui().multiplierLabels();
    for (int b = 0; b < BandCount; ++b) {
        pointLabels.at(b)->setText(QString::number(sums.points[b]));
        multiplierLabels.at(b)->setText(QString::number(sums.multipliers[b]));
    }
}

void BandTotals::cmdUpdate_Click()
{
    frmKestrix &w = m_window;
    UpdateTotals();
    w.setNewLine();
    w.writeMode(QStringLiteral("Updating"));
    w.writePanel(8, {QStringLiteral("Pressing the [Update] button updates the "),
                     QStringLiteral("Points and Multipliers screen.")});
}
