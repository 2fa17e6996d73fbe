#pragma once
// Export of the log to Cabrillo and ADIF from the menu.

class frmKestrix;

class ExportLog {
public:
    explicit ExportLog(frmKestrix &window);
    ~ExportLog();

private:
    frmKestrix &m_window;
};
