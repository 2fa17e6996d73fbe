#pragma once
// The Linux system clock. Reading it is reading UTC; setting it goes through
// systemd's timedated over D-Bus (as desktop settings do), with clock_settime
// as the fallback where timedated is not there.

#include "SystemClock.h"

class LinuxClock : public SystemClock {
public:
    QDateTime now() const override;
    bool set(const QDateTime &utc, QString *why) override;
};
