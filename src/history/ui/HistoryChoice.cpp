#include "history/ui/HistoryChoice.h"

#include "store/SettingsFile.h"

#include <QSettings>

namespace {
const QString group = QStringLiteral("CallHistory");

QStringList paths(const QVariant &v)
{
    QStringList list = v.toStringList();
    list.removeAll(QString());
    return list;
}
} // namespace

HistoryChoice HistoryChoice::load()
{
    HistoryChoice c;
    if (!SettingsFile::usable())
        return c;
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    if (settings.status() != QSettings::NoError)
        return c;
    settings.beginGroup(group);
    c.callHistories = paths(settings.value(QStringLiteral("Files")));
    c.checkFiles = paths(settings.value(QStringLiteral("CheckFiles")));
    c.earlierLogs = paths(settings.value(QStringLiteral("Logs")));
    c.spcColumn = settings.value(QStringLiteral("SpcColumn")).toString().trimmed();
    c.exchangeColumn = settings.value(QStringLiteral("ExchangeColumn"), c.exchangeColumn).toString().trimmed();
    c.limitHours = qBound(0, settings.value(QStringLiteral("LimitHours")).toString().trimmed().toInt(), 48);
    c.checkWindowOpen = settings.value(QStringLiteral("CheckWindow")).toBool();
    c.checkWindowGeometry = settings.value(QStringLiteral("CheckWindowGeometry")).toByteArray();
    settings.endGroup();
    return c;
}

void HistoryChoice::save() const
{
    if (!SettingsFile::usable())
        return;
    QSettings settings(QStringLiteral("Kestrix"), QStringLiteral("Kestrix"));
    settings.beginGroup(group);
    settings.setValue(QStringLiteral("Files"), callHistories);
    settings.setValue(QStringLiteral("CheckFiles"), checkFiles);
    settings.setValue(QStringLiteral("Logs"), earlierLogs);
    settings.setValue(QStringLiteral("SpcColumn"), spcColumn);
    settings.setValue(QStringLiteral("ExchangeColumn"), exchangeColumn);
    settings.setValue(QStringLiteral("LimitHours"), limitHours);
    settings.setValue(QStringLiteral("CheckWindow"), checkWindowOpen);
    settings.setValue(QStringLiteral("CheckWindowGeometry"), checkWindowGeometry);
    settings.endGroup();
}
