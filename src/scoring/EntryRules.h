#pragma once
// The rules of the entry boxes: upper case, the RST space bar, help texts, the ARCI and power rules with their points, and the band menu.

class frmKestrix;

class EntryRules {
public:
    explicit EntryRules(frmKestrix &window);
    ~EntryRules();

private:
    frmKestrix &m_window;
};
