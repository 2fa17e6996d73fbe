#pragma once
// Which record a record number typed into the window addresses. Records 1 to
// RecordCount - 1 are the stored contacts; record RecordCount is the placeholder
// that takes the next contact. Every number is read as the program reads numbers
// (Text::numericValue): blanks skipped, the number at the start of the text.

#include <QString>
#include <optional>

namespace RecordNumbers {

// The stored contact the review row's number box names: a whole number from 1
// to count - 1. Empty for any other text; the placeholder is shown in the
// review row but never written from it.
std::optional<qint32> storedContact(const QString &text, qint32 count);

// Why the text names no stored contact, as the end of one line for the display
// panel ("record numbers start at 1."); empty when it names one.
QString storedContactProblem(const QString &text, qint32 count);

// Save Record's number: the text, rounded to a whole number (halves to even),
// is the placeholder's, and one record more still has a number.
bool isNextRecord(const QString &text, qint32 count);

// What a number typed into the review row's box shows.
struct Review {
    enum Kind {
        TooLarge, // past the last record
        NoRecord, // below 1, or between two records: the row keeps what it showed
        Record,   // record `record`, the placeholder included
    };
    Kind kind = NoRecord;
    qint32 record = 0;
};
Review review(const QString &text, qint32 count);

// The number a [+] (by = 1) or [-] (by = -1) step writes into the box: the
// box's number plus `by`, rounded half to even. Empty when that leaves the
// range of the 16-bit counter behind the buttons.
std::optional<qint32> step(const QString &text, int by);

} // namespace RecordNumbers
