#include "LinuxClock.h"

QDateTime LinuxClock::now() const { return QDateTime::currentDateTimeUtc(); }

bool LinuxClock::set(const QDateTime &, QString *why)
{
    if (why)
        *why = QStringLiteral("Setting the clock is not available yet.");
    return false;
}
