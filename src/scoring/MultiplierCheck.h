#pragma once
// Whether the S-P-C being entered is new on its band.

class frmKestrix;

class MultiplierCheck {
public:
    explicit MultiplierCheck(frmKestrix &window);
    ~MultiplierCheck();

    void CheckMultiplier();

private:
    frmKestrix &m_window;
};
