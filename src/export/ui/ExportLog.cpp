#include "ExportLog.h"

#include "frmKestrix.h"

ExportLog::ExportLog(frmKestrix &window) : m_window(window) {}

ExportLog::~ExportLog() = default;
