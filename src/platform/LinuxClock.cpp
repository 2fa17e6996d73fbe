#include "platform/LinuxClock.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusReply>
#include <cerrno>
#include <cstring>

namespace {

const QString TimedateService = QStringLiteral("org.freedesktop.timedate1");
const QString TimedatePath = QStringLiteral("/org/freedesktop/timedate1");

int setRealtimeClock(const timespec &ts) { return clock_settime(CLOCK_REALTIME, &ts) == 0 ? 0 : errno; }

QString notAllowed() { return QStringLiteral("You are not allowed to set the computer's clock."); }

// timedated's refusal in the operator's words.
QString refusalFromTimedate(const QDBusError &error)
{
    const QString name = error.name();
    if (name == QLatin1String("org.freedesktop.timedate1.AutomaticTimeSyncEnabled"))
        return QStringLiteral("Automatic time synchronisation is on; turn it off in the system's date and time "
                              "settings to set the clock by hand.");
    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ||
        name == QLatin1String("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired") ||
        name == QLatin1String("org.freedesktop.PolicyKit1.Error.NotAuthorized"))
        return notAllowed();
    if (error.type() == QDBusError::NoReply || error.type() == QDBusError::Timeout ||
        error.type() == QDBusError::TimedOut)
        return QStringLiteral("The system's date and time service did not answer.");
    const QString message = error.message().trimmed();
    return message.isEmpty() ? QStringLiteral("The system refused to set the clock (%1).").arg(name)
                             : QStringLiteral("The system refused to set the clock: %1").arg(message);
}

QString refusalFromErrno(int code)
{
    if (code == EPERM || code == EACCES)
        return notAllowed();
    if (code == EINVAL)
        return QStringLiteral("The computer's clock cannot take that date and time.");
    return QStringLiteral("The system refused to set the clock: %1.").arg(QString::fromLocal8Bit(std::strerror(code)));
}

// timedated missing altogether: no bus, or nobody answering for the service.
bool serviceAbsent(const QDBusError &error)
{
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::Disconnected ||
           error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
           error.name() == QLatin1String("org.freedesktop.systemd1.NoSuchUnit") ||
           error.name() == QLatin1String("org.freedesktop.systemd1.UnitMasked");
}

} // namespace

LinuxClock::LinuxClock() : m_setRealtime(setRealtimeClock) {}

LinuxClock::LinuxClock(const QDBusConnection &bus, SetRealtime setRealtime)
    : m_bus(bus), m_setRealtime(std::move(setRealtime))
{
}

QDateTime LinuxClock::now() const { return QDateTime::currentDateTimeUtc(); }

bool LinuxClock::set(const QDateTime &utc, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!utc.isValid())
        return fail(QStringLiteral("That is not a date and time the clock can take."));
    const qint64 msecs = utc.toMSecsSinceEpoch();
    if (msecs < 0)
        return fail(QStringLiteral("The clock cannot be set before 1970."));

    if (!m_bus)
        m_bus = QDBusConnection::systemBus();
    if (m_bus->isConnected()) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(TimedateService, TimedatePath, TimedateService, QStringLiteral("SetTime"));
        // usec_utc, relative, interactive: an absolute time, and the system may ask
        // the operator for a password as the desktop's own settings do.
        call << qint64(msecs * 1000) << false << true;
        call.setInteractiveAuthorizationAllowed(true);
        const QDBusMessage reply = m_bus->call(call, QDBus::Block, ReplyTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
        const QDBusError error(reply);
        if (!serviceAbsent(error))
            return fail(refusalFromTimedate(error));
    }

    timespec ts{};
    ts.tv_sec = static_cast<time_t>(msecs / 1000);
    ts.tv_nsec = static_cast<long>((msecs % 1000) * 1000000);
    const int code = m_setRealtime(ts);
    if (code != 0)
        return fail(refusalFromErrno(code));
    return true;
}
