#include "widgets/RecordBoxes.h"

#include <QLabel>
#include <QLineEdit>

namespace RecordBoxes {

// Boxes are set in the order of the rows, and the entry row's change rules rely
// on it: showing a record runs the duplicate check on the call sign first, the
// ARCI and power rules before the S-P-C and band they check are replaced.
constexpr bool inRecordOrder()
{
    for (int i = 0; i < QrpRecord::FieldCount; ++i)
        if (table[i].field != i)
            return false;
    return true;
}
static_assert(inRecordOrder(), "the box table runs in record order");

QrpRecord::Values entryRow(const EntryRowControls &ui, const FrontPanelControls &panel)
{
    QrpRecord::Values values;
    for (const RecordBox &b : table)
        values[b.field] = (ui.*b.entry)->text();
    // Never from the green date and time boxes: those show what was read.
    values[QrpRecord::QsoDate] = panel.lblDate->text();
    values[QrpRecord::QsoTime] = panel.lblClock->text().left(8); // the time without " GMT"
    return values;
}

QrpRecord::Values reviewRow(const ReviewRowControls &ui)
{
    QrpRecord::Values values;
    for (const RecordBox &b : table)
        values[b.field] = (ui.*b.review)->text();
    return values;
}

void showInEntryRow(const EntryRowControls &ui, const QrpRecord &record)
{
    for (const RecordBox &b : table)
        (ui.*b.entry)->setText(record.value(b.field));
}

void showInReviewRow(const ReviewRowControls &ui, const QrpRecord &record)
{
    for (const RecordBox &b : table)
        (ui.*b.review)->setText(record.value(b.field));
}

void emptyEntryRow(const EntryRowControls &ui)
{
    for (const RecordBox &b : table)
        if (b.field != QrpRecord::Band)
            (ui.*b.entry)->setText(QString());
}

void emptyReviewRow(const ReviewRowControls &ui)
{
    for (const RecordBox &b : table)
        (ui.*b.review)->setText(QString());
}

} // namespace RecordBoxes
