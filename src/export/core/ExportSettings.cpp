#include "ExportSettings.h"

namespace {

bool hasBlank(const QString &text)
{
    for (const QChar c : text)
        if (c.isSpace())
            return true;
    return false;
}

} // namespace

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
    if (format == ExportFormat::Cabrillo) {
        if (d.contest.isEmpty())
            return QStringLiteral("The contest name is missing.");
        if (hasBlank(d.contest))
            return QStringLiteral("The contest name \"%1\" contains a blank; join the words with hyphens, "
                                  "as in QRP-ARCI-FALL-QSO-PARTY.")
                .arg(d.contest);
    }
    return {};
}

namespace ExportFormats {

std::optional<ExportFormat> fromName(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("cabrillo"))
        return ExportFormat::Cabrillo;
    if (n == QLatin1String("adif"))
        return ExportFormat::Adif;
    return std::nullopt;
}

QString suffix(ExportFormat format)
{
    return format == ExportFormat::Cabrillo ? QStringLiteral("log") : QStringLiteral("adi");
}

QString defaultFileName(const QString &call, ExportFormat format)
{
    QString base = call.trimmed().toUpper();
    base.replace(QLatin1Char('/'), QLatin1Char('_'));
    base.replace(QLatin1Char('\\'), QLatin1Char('_'));
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        base = QStringLiteral("KESTRIX");
    return base + QLatin1Char('.') + suffix(format);
}

} // namespace ExportFormats
