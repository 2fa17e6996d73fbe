#pragma once
// The computer's clock, kept in UTC (the program's GMT): read on every tick of the
// main window's clock, set from the date and time dialogs.

#include <QDateTime>
#include <QString>

class SystemClock {
  public:
    virtual ~SystemClock() = default;
    virtual QDateTime now() const = 0; // UTC
    // Sets the computer's clock. False, with the reason in plain words, when the
    // system refuses; the clock then stays as it was.
    virtual bool set(const QDateTime &utc, QString *why) = 0;
};
