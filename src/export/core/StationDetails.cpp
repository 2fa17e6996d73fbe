#include "export/core/StationDetails.h"

#include "store/SettingsFile.h"

#include <QSettings>

namespace {

// Every detail under its key in the [Station] group; one table so that loading
// and saving cannot drift apart.
struct Field {
    const char *key;
    QString StationDetails::*member;
};

constexpr Field fields[] = {
    {"Call", &StationDetails::call},
    {"SPC", &StationDetails::spc},
    {"Number", &StationDetails::number},
    {"Name", &StationDetails::name},
    {"Address", &StationDetails::address},
    {"City", &StationDetails::city},
    {"State", &StationDetails::state},
    {"Zip", &StationDetails::zip},
    {"Contest", &StationDetails::contest},
    {"Mode", &StationDetails::mode},
    {"CategoryStation", &StationDetails::categoryStation},
    {"CategoryTransmitter", &StationDetails::categoryTransmitter},
    {"Transmitter", &StationDetails::transmitter},
    {"Output", &StationDetails::output},
    {"PowerSource", &StationDetails::powerSource},
    {"Antennas", &StationDetails::antennas},
    {"Receiver", &StationDetails::receiver},
    {"SendEntriesTo", &StationDetails::sendEntriesTo},
    {"PowerMultiplier", &StationDetails::powerMultiplier},
    {"BonusMultiplier", &StationDetails::bonusMultiplier},
    {"BonusPoints", &StationDetails::bonusPoints},
};

const QString group = QStringLiteral("Station");

} // namespace

StationDetails StationDetails::load()
{
    if (!SettingsFile::usable())
        return {};
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    return load(settings);
}

StationDetails StationDetails::load(QSettings &settings)
{
    // A file that cannot be read or parsed leaves every detail empty: a first run.
    StationDetails details;
    if (settings.status() != QSettings::NoError)
        return details;
    settings.beginGroup(group);
    for (const Field &f : fields) {
        // A hand-edited line with an unquoted comma reads back as a list.
        const QVariant value = settings.value(QLatin1String(f.key));
        if (value.metaType().id() == QMetaType::QStringList)
            details.*f.member = value.toStringList().join(QStringLiteral(", "));
        else if (value.canConvert<QString>())
            details.*f.member = value.toString();
    }
    settings.endGroup();
    return details;
}

void StationDetails::save() const
{
    if (!SettingsFile::usable())
        return;
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    save(settings);
}

void StationDetails::save(QSettings &settings) const
{
    settings.beginGroup(group);
    for (const Field &f : fields)
        settings.setValue(QLatin1String(f.key), this->*f.member);
    settings.endGroup();
    settings.sync();
}
