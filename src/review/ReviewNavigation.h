#pragma once
// Showing a stored record by number, and stepping with [+] and [-].

class frmKestrix;

class ReviewNavigation {
public:
    explicit ReviewNavigation(frmKestrix &window);
    ~ReviewNavigation();

private:
    frmKestrix &m_window;
};
