#include "console/AccessibleNames.h"

#include "console/KestrixControls.h"
#include "widgets/DisplayPanel.h"
#include "widgets/RecordBoxes.h"

#include <QLabel>
#include <QLineEdit>

namespace AccessibleNames {

void nameMainWindow(const KestrixControls &ui)
{
    // By field, in record order.
    static const char *const columns[QrpRecord::FieldCount] = {"Call sign", "ARCI number",  "Power",     "S-P-C",
                                                               "RST sent",  "RST received", "Band",      "Date",
                                                               "Time",      "Points",       "Multiplier"};
    for (const RecordBox &b : RecordBoxes::table) {
        const QString column = QString::fromLatin1(columns[b.field]);
        (ui.*b.entry)->setAccessibleName(column);
        const bool word = column.size() > 1 && column.at(1).isLower(); // "Call sign", not "ARCI number"
        (ui.*b.review)
            ->setAccessibleName(QStringLiteral("Review ") + (word ? column.front().toLower() : column.front()) +
                                column.mid(1));
    }
    ui.txtRecNumber->setAccessibleName(QStringLiteral("Record number"));
    ui.txtRecNum->setAccessibleName(QStringLiteral("Review record number"));
    ui.txtSearchInfo->setAccessibleName(QStringLiteral("Search text"));
    ui.txtSpecs->setAccessibleName(QStringLiteral("Display panel"));
    ui.lblMode->setAccessibleName(QStringLiteral("Mode"));
    ui.lblDate->setAccessibleName(QStringLiteral("Date"));
    ui.lblClock->setAccessibleName(QStringLiteral("GMT time"));
    static const char *const bands[] = {"160", "80", "40", "20", "15", "10", "6"};
    for (int b = 0; b < 7; ++b) {
        ui.pointLabels().at(b)->setAccessibleName(QStringLiteral("Points on %1 m").arg(QLatin1String(bands[b])));
        ui.multiplierLabels().at(b)->setAccessibleName(
            QStringLiteral("Multipliers on %1 m").arg(QLatin1String(bands[b])));
    }
}

} // namespace AccessibleNames
