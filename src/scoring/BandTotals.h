#pragma once
// The band chart and the recount behind it.

class frmKestrix;

class BandTotals {
public:
    explicit BandTotals(frmKestrix &window);
    ~BandTotals();

    void UpdateTotals();

private:
    frmKestrix &m_window;
};
