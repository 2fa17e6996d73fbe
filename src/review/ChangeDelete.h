#pragma once
// Changing and deleting a stored record in place.

class frmKestrix;

class ChangeDelete {
public:
    explicit ChangeDelete(frmKestrix &window);
    ~ChangeDelete();

private:
    frmKestrix &m_window;
};
