#include "LogSheetPrinting.h"

#include "frmKestrix.h"

LogSheetPrinting::LogSheetPrinting(frmKestrix &window) : m_window(window) {}

LogSheetPrinting::~LogSheetPrinting() = default;
