#include "scoring/BandTotals.h"

#include "store/LogStore.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

BandTotals::BandTotals(LogStore &log, const BandChartControls &chart, const EntryRowControls &entry,
                       ConsoleOutput &console)
    : m_log(log), m_chart(chart), m_entry(entry), m_console(console)
{
    connect(m_chart.cmdUpdate, &QPushButton::clicked, this, &BandTotals::cmdUpdate_Click);
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
    const BandRecount::Sums sums = recount(m_log);

    Q_EMIT totalsCounted(sums);

    const QList<QLabel *> pointLabels = m_chart.pointLabels();
    const QList<QLabel *> multiplierLabels = m_chart.multiplierLabels();
    for (int b = 0; b < BandCount; ++b) {
        pointLabels.at(b)->setText(QString::number(sums.points[b]));
        multiplierLabels.at(b)->setText(QString::number(sums.multipliers[b]));
    }
}

void BandTotals::cmdUpdate_Click()
{
    UpdateTotals();
    m_console.setNewLine();
    m_console.writeMode(QStringLiteral("Updating"));
    m_console.writePanel(PanelSize::Guide, {QStringLiteral("Pressing the [Update] button updates the "),
                                            QStringLiteral("Points and Multipliers screen.")});
    m_entry.txtCallsign->setFocus();
}
