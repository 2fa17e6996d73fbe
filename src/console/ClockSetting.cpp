#include "ClockSetting.h"

#include "frmKestrix.h"

ClockSetting::ClockSetting(frmKestrix &window) : m_window(window) {}

ClockSetting::~ClockSetting() = default;
