#include "export/core/BandPlan.h"

#include <QStringList>

#include <array>

namespace {

constexpr std::array<BandInfo, 7> bands{{
    {"160", "1800", "160M", "160m"},
    {"80", "3500", "80M", "80m"},
    {"40", "7000", "40M", "40m"},
    {"20", "14000", "20M", "20m"},
    {"15", "21000", "15M", "15m"},
    {"10", "28000", "10M", "10m"},
    {"6", "50", "6M", "6m"},
}};

} // namespace

namespace BandPlan {

const BandInfo *find(const QString &band)
{
    const QString b = band.trimmed();
    for (const BandInfo &info : bands)
        if (b == QLatin1String(info.band))
            return &info;
    return nullptr;
}

QString list()
{
    QStringList names;
    for (const BandInfo &info : bands)
        names << QLatin1String(info.band);
    return names.join(QStringLiteral(", "));
}

} // namespace BandPlan
