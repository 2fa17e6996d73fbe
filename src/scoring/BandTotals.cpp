#include "scoring/BandTotals.h"

#include "console/frmKestrix.h"
#include "store/LogStore.h"

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

    Q_EMIT totalsCounted(sums);

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
    w.writePanel(PanelSize::Guide, {QStringLiteral("Pressing the [Update] button updates the "),
                                    QStringLiteral("Points and Multipliers screen.")});
    w.ui().txtCallsign->setFocus();
}
