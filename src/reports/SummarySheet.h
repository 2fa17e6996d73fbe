#pragma once
// The contest summary sheet: its window, the final score and its printing.

class frmKestrix;
class frmSummary;

class SummarySheet {
public:
    explicit SummarySheet(frmKestrix &window);
    ~SummarySheet();

    // The summary window, created hidden on first use.
    frmSummary &form();

private:
    frmKestrix &m_window;
    frmSummary *m_form = nullptr;
};
