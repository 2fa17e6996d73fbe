#pragma once
// The real platform services of a Linux desktop.

#include "platform/Beeper.h"
#include "platform/Confirmation.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "platform/SystemClock.h"

#include <memory>

class DesktopBeeper : public Beeper {
  public:
    void beep() override;
};

class MessageBoxConfirmation : public Confirmation {
  public:
    bool askYesNo(QWidget *parent, const QString &text, const QString &title) override;
    Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title) override;
};

// Owns one of each real service and hands them out as a Platform.
class DesktopPlatform {
  public:
    DesktopPlatform();
    ~DesktopPlatform();
    Platform platform();

  private:
    std::unique_ptr<SystemClock> m_clock;
    DesktopBeeper m_beeper;
    MessageBoxConfirmation m_confirmation;
    std::unique_ptr<PrintTarget> m_print;
};
