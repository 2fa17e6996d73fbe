#pragma once
// The seven contest bands, in the order of every band loop and display: the
// name the Band field stores ("160" ... "6", metres) and the band's edges in
// kHz, both included. One table for the rules, the export and the radio.

#include <QString>
#include <QStringView>
#include <array>

namespace ContestBands {

struct Band {
    const char *name; // as stored in the Band field
    int lowKhz, highKhz;
};

inline constexpr std::array<Band, 7> table{{
    {"160", 1800, 2000},
    {"80", 3500, 4000},
    {"40", 7000, 7300},
    {"20", 14000, 14350},
    {"15", 21000, 21450},
    {"10", 28000, 29700},
    {"6", 50000, 54000},
}};
inline constexpr int Count = int(table.size());

// The band of a stored Band field, blanks at either end removed: 0 for 160 m
// to 6 for 6 m; -1 for none of the seven.
int indexOf(QStringView band);
// The band a frequency in kHz lies in (edges included), or -1.
int indexOfKhz(double khz);
// "160, 80, 40, 20, 15, 10, 6", for messages.
QString names();

} // namespace ContestBands
