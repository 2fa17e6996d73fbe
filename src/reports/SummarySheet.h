#pragma once
// Printed reports, the contest summary sheet: opening it from the menu, the
// band totals of every recount, the final score, Clear Form, Cancel and
// printing the window as one page. The export asks it for the figures and
// details typed on it.

#include "rules/BandRecount.h"
#include "rules/FinalScore.h"

#include <QObject>
#include <QString>
#include <array>
#include <optional>

class QEvent;
class RememberedDetails;
class BandTotals;
struct MenuControls;
struct Platform;
class ConsoleOutput;
class QWidget;
class frmSummary;

class SummarySheet : public QObject {
    Q_OBJECT
  public:
    SummarySheet(BandTotals &bandTotals, const MenuControls &menus, Platform &platform, ConsoleOutput &console,
                 QWidget &window);
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
    // The Comments box as typed.
    QString comments();

    // The entrant's details as typed on the sheet; empty when the sheet has not
    // been made in this run.
    struct Entrant {
        QString name, address, city, state, zip;
    };
    std::optional<Entrant> entrant() const;

    // A band recount's figures in the band rows, the totals row and the total
    // points and S-P-C of the scoring row. A band without contacts is left as
    // it is, unless it still shows the figures an earlier recount wrote there.
    void showTotals(const BandRecount::Sums &sums);

  protected:
    // Putting the sheet away (Cancel, its close box) remembers the details typed.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    BandTotals &m_bandTotals;
    const MenuControls &m_menus;
    Platform &m_platform;
    ConsoleOutput &m_console;
    QWidget &m_window; // the summary sheet is its child
    frmSummary *m_form = nullptr;
    RememberedDetails *m_details = nullptr;
    // What the last recount wrote into each band's points and S-P-C boxes.
    std::array<std::array<QString, 2>, BandRecount::BandCount> m_written;
};
