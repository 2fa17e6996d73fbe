#pragma once
// The call-sign rule: help text, band warning and the scan for a contact already worked on the band.

class frmKestrix;

class DuplicateCheck {
public:
    explicit DuplicateCheck(frmKestrix &window);
    ~DuplicateCheck();

private:
    frmKestrix &m_window;
};
