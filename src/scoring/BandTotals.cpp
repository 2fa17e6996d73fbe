#include "BandTotals.h"

#include "frmKestrix.h"

BandTotals::BandTotals(frmKestrix &window) : m_window(window) {}

BandTotals::~BandTotals() = default;

void BandTotals::UpdateTotals() {}
