#include "MultiplierCheck.h"

#include "frmKestrix.h"

MultiplierCheck::MultiplierCheck(frmKestrix &window) : m_window(window) {}

MultiplierCheck::~MultiplierCheck() = default;

void MultiplierCheck::CheckMultiplier() {}
