#pragma once
// Handing the log on: the "Export Log..." item of the menu "Kestrix Program"
// opens a dialog that writes the log as a Cabrillo or ADIF file. The station
// and entrant boxes start from the details Kestrix remembers and from what the
// print options and the summary sheet hold in this run; Export remembers them.

#include "export/core/ExportSettings.h"

#include <QObject>
#include <QSet>

class LogStore;
class LogSheetPrinting;
class SummarySheet;
struct MenuControls;
struct Platform;
class ConsoleOutput;
class QWidget;
class frmExport;
struct StationDetails;

class ExportLog : public QObject {
    Q_OBJECT
  public:
    ExportLog(LogStore &log, LogSheetPrinting &logSheet, SummarySheet &summary, const MenuControls &menus,
              Platform &platform, ConsoleOutput &console, QWidget &window);
    ~ExportLog() override;

    // The dialog, created hidden on first use.
    frmExport &form();

    void mnuExport_Click();
    void cmdExport_Click();
    void cmdBrowse_Click();
    void cmdClose_Click();

    // Fills every box the operator has not changed in this dialog from the
    // remembered details, overridden by the print options and the summary
    // sheet where they hold something in this run.
    void prefill();
    // What the dialog's boxes say.
    ExportFormat format();
    StationData station();
    EntrantData entrant();
    // <CALL>.log or <CALL>.adi in the log's folder.
    QString defaultPath();

  private:
    void followCallAndFormat();
    void report(const QStringList &lines);
    void remember();
    // The summary sheet's power multiplier, bonus multiplier and bonus points, and its comments.
    void scoreFactors(ExportSettings &settings);

    LogStore &m_log;
    LogSheetPrinting &m_logSheet;
    SummarySheet &m_summary;
    const MenuControls &m_menus;
    Platform &m_platform;
    ConsoleOutput &m_console;
    QWidget &m_window; // the export dialog is its child
    frmExport *m_form = nullptr;
    // The file name follows the call sign and format until the operator picks one.
    bool m_autoName = true;
    // The boxes the operator typed into or chose in: prefill leaves them alone.
    QSet<const QObject *> m_edited;
};
