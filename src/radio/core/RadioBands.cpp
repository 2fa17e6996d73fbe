#include "radio/core/RadioBands.h"

#include <QStringList>

#include <cmath>

namespace {

struct Band {
    const char *band;
    qint64 low, high; // Hz, both included
};

constexpr Band bands[] = {
    {"160", 1'800'000, 2'000'000},  {"80", 3'500'000, 4'000'000},   {"40", 7'000'000, 7'300'000},
    {"20", 14'000'000, 14'350'000}, {"15", 21'000'000, 21'450'000}, {"10", 28'000'000, 29'700'000},
    {"6", 50'000'000, 54'000'000},
};

} // namespace

QString RadioBands::bandOf(double hz)
{
    if (!std::isfinite(hz))
        return QString();
    const qint64 f = std::llround(hz);
    for (const Band &b : bands)
        if (f >= b.low && f <= b.high)
            return QLatin1String(b.band);
    return QString();
}

QString RadioBands::frequencyText(double hz)
{
    if (!std::isfinite(hz) || hz < 0 || hz > 1e12)
        return QStringLiteral("?");
    const qint64 tens = std::llround(hz / 10.0);
    return QStringLiteral("%1.%2.%3")
        .arg(tens / 100'000)
        .arg((tens / 100) % 1000, 3, 10, QLatin1Char('0'))
        .arg(tens % 100, 2, 10, QLatin1Char('0'));
}

QString RadioBands::exportMode(const QString &hamlibMode)
{
    static const QStringList cw{QStringLiteral("CW"), QStringLiteral("CWR")};
    static const QStringList phone{QStringLiteral("USB"), QStringLiteral("LSB"), QStringLiteral("AM"),
                                   QStringLiteral("FM"),  QStringLiteral("AMS"), QStringLiteral("DSB"),
                                   QStringLiteral("SAM"), QStringLiteral("SAL"), QStringLiteral("SAH"),
                                   QStringLiteral("WFM"), QStringLiteral("FMN"), QStringLiteral("AMN")};
    const QString mode = hamlibMode.trimmed().toUpper();
    if (cw.contains(mode))
        return QStringLiteral("CW");
    if (phone.contains(mode))
        return QStringLiteral("SSB");
    return QString();
}
