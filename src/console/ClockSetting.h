#pragma once
// The date and time dialogs and the buttons and menu items that open them.

class frmKestrix;

class ClockSetting {
public:
    explicit ClockSetting(frmKestrix &window);
    ~ClockSetting();

private:
    frmKestrix &m_window;
};
