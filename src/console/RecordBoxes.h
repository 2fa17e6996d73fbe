#pragma once
// The window's two boxes for each field of the contact record: the red entry
// box, which takes a new contact and shows the placeholder, and the blue review
// box, which shows a stored contact and takes its rewrite, and the label the
// program names the field by. The five record procedures, the review row, the
// Clear lists, the printable-text check of the stored boxes and the search list
// all go through this table, in record order, so a field is one line here.

#include "console/KestrixControls.h"
#include "store/QrpRecord.h"

#include <array>

class QLineEdit;

struct RecordBox {
    QrpRecord::Field field;
    QLineEdit *KestrixControls::*entry;
    QLineEdit *KestrixControls::*review;
    const char *label; // as the search list names it
};

namespace RecordBoxes {

inline constexpr std::array<RecordBox, QrpRecord::FieldCount> table{{
    {QrpRecord::Callsign, &KestrixControls::txtCallsign, &KestrixControls::txtCall, "Callsign"},
    {QrpRecord::Arci, &KestrixControls::txtArci, &KestrixControls::txtClub, "ARCI #"},
    {QrpRecord::Power, &KestrixControls::txtPower, &KestrixControls::txtPwr, "Power"},
    {QrpRecord::SPC, &KestrixControls::txtSpc, &KestrixControls::txtLocale, "SPC"},
    {QrpRecord::RstSent, &KestrixControls::txtRstSent, &KestrixControls::txtRstS, "RST Sent"},
    {QrpRecord::RstRcvd, &KestrixControls::txtRstRcvd, &KestrixControls::txtRstR, "RST Rcvd"},
    {QrpRecord::Band, &KestrixControls::txtBand, &KestrixControls::txtBnd, "Band"},
    {QrpRecord::QsoDate, &KestrixControls::txtDate, &KestrixControls::txtCalendar, "Date"},
    {QrpRecord::QsoTime, &KestrixControls::txtTime, &KestrixControls::txtClock, "Time"},
    {QrpRecord::Points, &KestrixControls::txtPoints, &KestrixControls::txtPts, "Points"},
    {QrpRecord::Multiplier, &KestrixControls::txtMultiplier, &KestrixControls::txtMult, "Multiplier"},
}};

// The values a new contact is saved with: the entry boxes as they stand, the
// date and time stamped from the clock labels.
QrpRecord::Values entryRow(const KestrixControls &ui);
// The values a rewrite stores: every review box as it stands.
QrpRecord::Values reviewRow(const KestrixControls &ui);

// Set the boxes box by box in record order, each to its field with leading and
// trailing blanks removed; a box's change rule runs as it is set.
void showInEntryRow(const KestrixControls &ui, const QrpRecord &record);
void showInReviewRow(const KestrixControls &ui, const QrpRecord &record);
// Empty the entry boxes in record order, all but the band, which stays set for
// the next contact.
void emptyEntryRow(const KestrixControls &ui);
void emptyReviewRow(const KestrixControls &ui);

} // namespace RecordBoxes
