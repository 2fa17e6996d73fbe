#pragma once
// The RST, state and province reference windows.

class frmKestrix;

class ReferenceWindows {
public:
    explicit ReferenceWindows(frmKestrix &window);
    ~ReferenceWindows();

private:
    frmKestrix &m_window;
};
