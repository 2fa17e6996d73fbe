#pragma once
// The help, title and information pages shown in the display panel.

class frmKestrix;

class HelpPages {
public:
    explicit HelpPages(frmKestrix &window);
    ~HelpPages();

private:
    frmKestrix &m_window;
};
