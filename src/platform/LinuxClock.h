#pragma once
// The Linux system clock. Reading it is reading UTC; setting it goes through
// systemd's timedated over D-Bus (as desktop settings do), with clock_settime
// as the fallback where timedated is not there.

#include "platform/SystemClock.h"

#include <QDBusConnection>
#include <ctime>
#include <functional>
#include <optional>

class LinuxClock : public SystemClock {
  public:
    // Sets CLOCK_REALTIME; returns 0 or an errno value.
    using SetRealtime = std::function<int(const timespec &)>;

    // The system bus and clock_settime, unless told otherwise (tests hand in a
    // private bus and a stand-in for clock_settime).
    LinuxClock();
    LinuxClock(const QDBusConnection &bus, SetRealtime setRealtime);

    QDateTime now() const override;
    bool set(const QDateTime &utc, QString *why) override;

    // How long timedated may take to answer, the operator's password prompt included.
    static constexpr int ReplyTimeoutMs = 120000;

  private:
    std::optional<QDBusConnection> m_bus; // the system bus, reached on the first set()
    SetRealtime m_setRealtime;
};
