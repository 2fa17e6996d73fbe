#pragma once
// The window's two boxes for each field of the contact record: the red entry
// box, which takes a new contact and shows the placeholder, and the blue review
// box, which shows a stored contact and takes its rewrite, and the label the
// program names the field by. The five record procedures, the review row, the
// Clear lists, the printable-text check of the stored boxes and the search list
// all go through this table, in record order, so a field is one line here.

#include "store/QrpRecord.h"
#include "widgets/PanelControls.h"

#include <array>

class QLineEdit;

struct RecordBox {
    QrpRecord::Field field;
    QLineEdit *EntryRowControls::*entry;
    QLineEdit *ReviewRowControls::*review;
    const char *label; // as the search list names it
};

namespace RecordBoxes {

inline constexpr std::array<RecordBox, QrpRecord::FieldCount> table{{
    {QrpRecord::Callsign, &EntryRowControls::txtCallsign, &ReviewRowControls::txtCall, "Callsign"},
    {QrpRecord::Arci, &EntryRowControls::txtArci, &ReviewRowControls::txtClub, "ARCI #"},
    {QrpRecord::Power, &EntryRowControls::txtPower, &ReviewRowControls::txtPwr, "Power"},
    {QrpRecord::SPC, &EntryRowControls::txtSpc, &ReviewRowControls::txtLocale, "SPC"},
    {QrpRecord::RstSent, &EntryRowControls::txtRstSent, &ReviewRowControls::txtRstS, "RST Sent"},
    {QrpRecord::RstRcvd, &EntryRowControls::txtRstRcvd, &ReviewRowControls::txtRstR, "RST Rcvd"},
    {QrpRecord::Band, &EntryRowControls::txtBand, &ReviewRowControls::txtBnd, "Band"},
    {QrpRecord::QsoDate, &EntryRowControls::txtDate, &ReviewRowControls::txtCalendar, "Date"},
    {QrpRecord::QsoTime, &EntryRowControls::txtTime, &ReviewRowControls::txtClock, "Time"},
    {QrpRecord::Points, &EntryRowControls::txtPoints, &ReviewRowControls::txtPts, "Points"},
    {QrpRecord::Multiplier, &EntryRowControls::txtMultiplier, &ReviewRowControls::txtMult, "Multiplier"},
}};

// The values a new contact is saved with: the entry boxes as they stand, the
// date and time stamped from the clock labels.
QrpRecord::Values entryRow(const EntryRowControls &ui, const FrontPanelControls &panel);
// The values a rewrite stores: every review box as it stands.
QrpRecord::Values reviewRow(const ReviewRowControls &ui);

// Set the boxes box by box in record order, each to its field with leading and
// trailing blanks removed; a box's change rule runs as it is set.
void showInEntryRow(const EntryRowControls &ui, const QrpRecord &record);
void showInReviewRow(const ReviewRowControls &ui, const QrpRecord &record);
// Empty the entry boxes in record order, all but the band, which stays set for
// the next contact.
void emptyEntryRow(const EntryRowControls &ui);
void emptyReviewRow(const ReviewRowControls &ui);

} // namespace RecordBoxes
