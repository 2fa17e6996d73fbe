#pragma once
// The text conventions every subsystem of the program shares: reading a number from
// the start of a text, writing a number with its sign position, blank trimming,
// and the "above 0" test of the member and power boxes.

#include <QString>
#include <cstdint>
#include <optional>

namespace Text {

// The number at the start of a text: blanks, tabs and line feeds are skipped
// wherever they stand, reading stops at the first character that cannot continue
// the number, and a text without a number gives 0. A number is an optional sign,
// digits with an optional decimal point and fraction, and an optional exponent
// (E or D); "&10" or "x5" do not start with one and read as 0.
double numericValue(const QString &text);

// numericValue rounded to the nearest whole number, an exact half to the even
// neighbour. Empty when the value lies outside the signed 32-bit range.
std::optional<std::int32_t> wholeValue(const QString &text);

// Rounds half to even; empty outside the signed 32-bit range or for NaN.
std::optional<std::int32_t> roundHalfEven(double value);

// A number as the program writes it into boxes and messages: one leading blank
// in the sign position for zero and positive numbers (" 12"), "-" otherwise.
QString numberText(qint64 value);

// Removes leading and trailing blanks (0x20 only, as the record fields are padded).
QString trimBlanks(const QString &text);

// True when the whole text compares greater than "0" by character codes.
bool aboveZero(const QString &text);

} // namespace Text
