#pragma once
// The print-options dialog and the band log sheet.

class frmKestrix;

class LogSheetPrinting {
public:
    explicit LogSheetPrinting(frmKestrix &window);
    ~LogSheetPrinting();

private:
    frmKestrix &m_window;
};
