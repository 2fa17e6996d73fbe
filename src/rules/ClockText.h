#pragma once
// Reading and writing the texts of the date and time dialogs. Pure functions:
// no clock, no widgets, so every spelling can be tried without touching the
// computer's clock.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <optional>

namespace ClockText {

// The earliest date the computer's clock is set to.
inline constexpr int FirstYear = 1970;

// A date typed as month/day/year: one or two digits for month and day, a year of
// two digits (70..99 are 1970..1999, 00..69 are 2000..2069) or four digits; "/" or
// "-" between the parts, the same one twice; blanks around the whole are ignored.
// Empty when the text is not such a date, is no day of the calendar or lies before
// 1970; *problem then says so in one plain sentence.
std::optional<QDate> readDate(const QString &text, QString *problem = nullptr);

// A time of day typed as hours:minutes:seconds on a 24-hour clock: one or two
// digits for the hours (0..23), two each for minutes and seconds (00..59); blanks
// around the whole are ignored. Empty otherwise, with *problem saying why.
std::optional<QTime> readTime(const QString &text, QString *problem = nullptr);

// The date as the date dialog shows it on load: month/day/two-digit year, no
// leading zeros on month and day ("6/10/98", "12/31/98"); never more than 8
// characters, and readDate reads it back as the same day (1970..2069).
QString dialogDate(const QDate &date);
// The time as the time dialog shows it on load: "hh:mm:ss", 24-hour clock.
QString dialogTime(const QTime &time);

// The clock after setting the date: the new day at now's time of day, in UTC.
QDateTime withDate(const QDateTime &now, const QDate &date);
// The clock after setting the time: now's day at the new time of day, in UTC.
QDateTime withTime(const QDateTime &now, const QTime &time);

} // namespace ClockText
