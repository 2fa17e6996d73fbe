#pragma once
// The standard alert sound that goes with a warning in the display panel.

class Beeper {
  public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};
