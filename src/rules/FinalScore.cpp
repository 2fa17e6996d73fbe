#include "rules/FinalScore.h"

#include "store/Text.h"

#include <QLocale>
#include <cmath>

namespace FinalScore {

Figures read(const QString &points, const QString &spc, const QString &powerMultiplier, const QString &bonusMultiplier,
             const QString &bonusPoints)
{
    return Figures{Text::numericValue(points), Text::numericValue(spc), Text::numericValue(powerMultiplier),
                   Text::numericValue(bonusMultiplier), Text::numericValue(bonusPoints)};
}

std::optional<double> of(const Figures &f)
{
    const double score = f.points * f.spc * f.powerMultiplier * f.bonusMultiplier + f.bonusPoints;
    if (!std::isfinite(score))
        return std::nullopt;
    return score;
}

QString text(double score)
{
    if (score == 0)
        score = 0; // no "-0"
    QString text = QString::number(score, 'G', 15);
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral("."))
        text.replace(u'.', point);
    return text;
}

} // namespace FinalScore
