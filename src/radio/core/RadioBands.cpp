#include "radio/core/RadioBands.h"

#include "rules/ContestBands.h"

#include <QStringList>

#include <cmath>

QString RadioBands::bandOf(double hz)
{
    if (!std::isfinite(hz) || std::fabs(hz) > 1e12)
        return QString();
    // To the hertz, as the rig reports it; the edges are whole kHz.
    const int band = ContestBands::indexOfKhz(double(std::llround(hz)) / 1000.0);
    return band < 0 ? QString() : QLatin1String(ContestBands::table[band].name);
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
