#include "BandTotals.h"

#include "LogStore.h"
#include "frmKestrix.h"
#include "frmSummary.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string_view>

namespace {

// The bands as the log stores them, in band order.
constexpr std::array<std::string_view, BandTotals::BandCount> BandBytes{"160", "80", "40", "20", "15", "10", "6"};

// The band of a record's Band field, blanks removed; -1 for none of the seven.
int bandOf(const char *record)
{
    const auto [offset, width] = QrpRecord::layout[QrpRecord::Band];
    const char *field = record + offset;
    int first = 0, last = width;
    while (first < last && field[first] == ' ')
        ++first;
    while (last > first && field[last - 1] == ' ')
        --last;
    const std::string_view band(field + first, std::size_t(last - first));
    for (int b = 0; b < BandTotals::BandCount; ++b)
        if (band == BandBytes[b])
            return b;
    return -1;
}

int digitValue(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

} // namespace

const std::array<QString, BandTotals::BandCount> &BandTotals::bands()
{
    static const std::array<QString, BandCount> names{QStringLiteral("160"), QStringLiteral("80"),
                                                      QStringLiteral("40"),  QStringLiteral("20"),
                                                      QStringLiteral("15"),  QStringLiteral("10"),
                                                      QStringLiteral("6")};
    return names;
}

BandTotals::BandTotals(frmKestrix &window) : m_window(window)
{
    connect(window.cmdUpdate, &QPushButton::clicked, this, &BandTotals::cmdUpdate_Click);
}

BandTotals::~BandTotals() = default;

BandTotals::Sums BandTotals::recount(LogStore &log)
{
    Sums sums;
    const int pointsAt = QrpRecord::layout[QrpRecord::Points].offset;
    const int multiplierAt = QrpRecord::layout[QrpRecord::Multiplier].offset;
    log.scanContacts([&](qint32, const QrpRecord &r) {
        const char *data = r.data();
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

    const QList<QLabel *> pointLabels = w.pointLabels();
    const QList<QLabel *> multiplierLabels = w.multiplierLabels();
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
