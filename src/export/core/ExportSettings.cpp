#include "export/core/ExportSettings.h"

#include "export/core/StationDetails.h"

#include <QStringList>
#include <cmath>

namespace {

bool hasBlank(const QString &text)
{
    for (const QChar c : text)
        if (c.isSpace())
            return true;
    return false;
}

} // namespace

StationData StationData::from(const StationDetails &details)
{
    return StationData{details.call, details.spc, details.number, details.mode,
                       ExportFormats::cabrilloContest(details.contest)};
}

StationData StationData::normalized() const
{
    StationData d;
    d.call = call.trimmed().toUpper();
    d.spc = spc.trimmed().toUpper();
    d.number = number.trimmed();
    d.mode = mode.trimmed().toUpper();
    d.contest = contest.trimmed().toUpper();
    return d;
}

QString StationData::problem(ExportFormat format) const
{
    const StationData d = normalized();
    if (d.call.isEmpty())
        return QStringLiteral("Your call sign is missing.");
    if (hasBlank(d.call))
        return QStringLiteral("Your call sign \"%1\" contains a blank.").arg(d.call);
    if (d.spc.isEmpty())
        return QStringLiteral("Your S-P-C is missing.");
    if (hasBlank(d.spc))
        return QStringLiteral("Your S-P-C \"%1\" contains a blank.").arg(d.spc);
    if (d.number.isEmpty())
        return QStringLiteral("Your ARCI number or power is missing.");
    if (hasBlank(d.number))
        return QStringLiteral("Your ARCI number or power \"%1\" contains a blank.").arg(d.number);
    if (d.mode != QLatin1String("CW") && d.mode != QLatin1String("SSB"))
        return QStringLiteral("The mode must be CW or SSB, not \"%1\".").arg(d.mode);
    if (ExportFormats::info(format).entry) {
        if (d.contest.isEmpty())
            return QStringLiteral("The contest name is missing.");
        if (hasBlank(d.contest))
            return QStringLiteral("The contest name \"%1\" contains a blank; join the words with hyphens, "
                                  "as in QRP-ARCI-FALL-QSO-PARTY.")
                .arg(d.contest);
    }
    return {};
}

EntrantData EntrantData::from(const StationDetails &details)
{
    return EntrantData{details.name,
                       details.address,
                       details.city,
                       details.state,
                       details.zip,
                       details.categoryStation,
                       details.categoryTransmitter,
                       QString()};
}

QString EntrantData::problem() const
{
    const QString station = categoryStation.trimmed().toUpper();
    if (!station.isEmpty() && !ExportFormats::categoryStations().contains(station))
        return QStringLiteral("The station category \"%1\" is none of %2.")
            .arg(station, ExportFormats::categoryStations().join(QStringLiteral(", ")));
    const QString transmitter = categoryTransmitter.trimmed().toUpper();
    if (!transmitter.isEmpty() && !ExportFormats::categoryTransmitters().contains(transmitter))
        return QStringLiteral("The transmitter category \"%1\" is none of %2.")
            .arg(transmitter, ExportFormats::categoryTransmitters().join(QStringLiteral(", ")));
    return {};
}

QString ExportSettings::problem() const
{
    QString why = station.problem(format);
    if (!why.isEmpty() || !ExportFormats::info(format).entry)
        return why;
    why = entrant.problem();
    if (!why.isEmpty())
        return why;
    if (!std::isfinite(powerMultiplier) || powerMultiplier <= 0)
        return QStringLiteral("The claimed score needs your power multiplier (7 for 1 to 5 watts CW, for example).");
    if (!std::isfinite(bonusMultiplier) || bonusMultiplier <= 0)
        return QStringLiteral("The bonus multiplier must be a number above 0.");
    if (!std::isfinite(bonusPoints) || bonusPoints < 0)
        return QStringLiteral("The bonus points must be a number, 0 or more.");
    return {};
}
