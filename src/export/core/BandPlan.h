#pragma once
// The seven contest bands and how each format names them.

#include <QString>

struct BandInfo {
    const char *band;             // as stored in the Band field: "160" ... "6"
    const char *cabrilloFreq;     // lower band edge in kHz; 6 m is written "50" (MHz)
    const char *cabrilloCategory; // CATEGORY-BAND value, "160M"
    const char *adifBand;         // ADIF BAND enumeration, "160m"
};

namespace BandPlan {
// The band for a stored Band field (blanks removed); null when it is none of
// the seven.
const BandInfo *find(const QString &band);
// "160, 80, 40, 20, 15, 10, 6", for messages.
QString list();
} // namespace BandPlan
