#pragma once
// Printed reports, the contest summary sheet: opening it from the menu, the
// final score, Clear Form, Cancel and printing the window as one page.

#include <QObject>
#include <QString>
#include <optional>

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

    // points x S-P-C x power multiplier x bonus multiplier + bonus points, each
    // read as the number at the start of its text; nothing when the result is
    // beyond a double.
    static std::optional<double> finalScore(const QString &points, const QString &spc, const QString &powerMultiplier,
                                            const QString &bonusMultiplier, const QString &bonusPoints);
    // Up to 15 significant digits, the locale's decimal separator, no thousands
    // separator and no separator at all for a whole number.
    static QString scoreText(double score);

  protected:
    // Putting the sheet away (Cancel, its close box) remembers the details typed.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    frmKestrix &m_window;
    frmSummary *m_form = nullptr;
    RememberedDetails *m_details = nullptr;
};
