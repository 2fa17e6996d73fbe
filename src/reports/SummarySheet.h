#pragma once
// Printed reports, the contest summary sheet: opening it from the menu, the
// final score, Clear Form, Cancel and printing the window as one page.

#include "FinalScore.h"

#include <QObject>
#include <QString>

class QEvent;
class RememberedDetails;
class frmKestrix;
class frmSummary;

class SummarySheet : public QObject {
    Q_OBJECT
  public:
    explicit SummarySheet(frmKestrix &window);
    ~SummarySheet() override;

    // The summary window, created hidden on first use and filled with the
    // remembered station details.
    frmSummary &form();

    void mnuSummary_Click();
    void cmdCalculate_Click();
    void cmdClear_Click();
    void cmdCancel_Click();
    void cmcPrint_Click();

    // The scoring boxes as Calculate Final Score reads them.
    FinalScore::Figures scoreFigures();

  protected:
    // Putting the sheet away (Cancel, its close box) remembers the details typed.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    frmKestrix &m_window;
    frmSummary *m_form = nullptr;
    RememberedDetails *m_details = nullptr;
};
