#pragma once
// The search box and the Search button.

class frmKestrix;

class RecordSearch {
public:
    explicit RecordSearch(frmKestrix &window);
    ~RecordSearch();

private:
    frmKestrix &m_window;
};
