#pragma once
// Calculate Final Score on the contest summary sheet: total points x S-P-C x
// power multiplier x bonus multiplier + bonus points.

#include <QString>
#include <optional>

namespace FinalScore {

// The five figures, each the number at the start of its box's text (0 when the
// text does not begin with one).
struct Figures {
    double points = 0;
    double spc = 0;
    double powerMultiplier = 0;
    double bonusMultiplier = 0;
    double bonusPoints = 0;
};
Figures read(const QString &points, const QString &spc, const QString &powerMultiplier, const QString &bonusMultiplier,
             const QString &bonusPoints);

// The final score; empty when it is beyond a double.
std::optional<double> of(const Figures &figures);

// The score as the sheet shows it: up to 15 significant digits, the locale's
// decimal separator, no thousands separator and no separator at all for a whole
// number.
QString text(double score);

} // namespace FinalScore
