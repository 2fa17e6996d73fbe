#pragma once
// Record review and maintenance: showing a stored record by number in the
// review row, and stepping with [+] and [-]. The text of the record-number box
// is the position; assigning it shows the record at once.

#include <QObject>

class frmKestrix;

class ReviewNavigation : public QObject {
    Q_OBJECT
  public:
    explicit ReviewNavigation(frmKestrix &window);
    ~ReviewNavigation() override;

    void txtRecNum_Change();
    void cmdPlus_Click();
    void cmdMinus_Click();
    void cmdReview_Click();

  private:
    // Writes the stepped number into the record-number box, or refuses a step
    // that leaves the range of the [+]/[-] counter. False when refused.
    bool step(int by);

    frmKestrix &m_window;
};
