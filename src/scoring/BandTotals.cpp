#include "BandTotals.h"

#include "LogStore.h"
#include "frmKestrix.h"
#include "frmSummary.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>


BandTotals::BandTotals(frmKestrix &window) : m_window(window)
{
    connect(window.ui().cmdUpdate, &QPushButton::clicked, this, &BandTotals::cmdUpdate_Click);
}

BandTotals::~BandTotals() = default;

BandRecount::Sums BandTotals::recount(LogStore &log)
{
    BandRecount recount;
    log.scanContactsRaw([&](qint32, const char *record) {
        recount.add(record);
        return true;
    });
    return recount.sums();
}

void BandTotals::UpdateTotals()
{
    frmKestrix &w = m_window;
    const BandRecount::Sums sums = recount(w.log());

    frmSummary &sheet = w.summarySheet();
    const std::array<QLineEdit *, BandCount> pointBoxes{sheet.txt9A,  sheet.txt10A, sheet.txt11A, sheet.txt12A,
                                                        sheet.txt13A, sheet.txt14A, sheet.txt15A};
    const std::array<QLineEdit *, BandCount> spcBoxes{sheet.txt9B,  sheet.txt10B, sheet.txt11B, sheet.txt12B,
                                                      sheet.txt13B, sheet.txt14B, sheet.txt15B};
    for (int b = 0; b < BandCount; ++b) {
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
    const QString points = QString::number(sums.totalPoints());
    const QString multipliers = QString::number(sums.totalMultipliers());
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
