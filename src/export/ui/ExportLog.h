#pragma once
// Handing the log on: the "Export Log..." item of the menu "Kestrix Program"
// opens a dialog that writes the log as a Cabrillo or ADIF file, with the
// station data of the print options and the score of the summary sheet.

#include "ExportSettings.h"

#include <QObject>
#include <optional>

class frmKestrix;
class frmExport;

class ExportLog : public QObject {
    Q_OBJECT
  public:
    explicit ExportLog(frmKestrix &window);
    ~ExportLog() override;

    // The dialog, created hidden on first use.
    frmExport &form();

    void mnuExport_Click();
    void cmdExport_Click();
    void cmdBrowse_Click();
    void cmdClose_Click();

    // Copies the station data typed into the print-options dialog in this run
    // into the boxes of this dialog that are still empty.
    void prefillFromPrintOptions();
    // The final score of the summary sheet, when it has one in this run.
    std::optional<qint64> summaryFinalScore();
    // What the dialog's boxes say.
    ExportFormat format();
    StationData station();
    // <CALL>.log or <CALL>.adi in the log's folder.
    QString defaultPath();

  private:
    void followCallAndFormat();
    void report(const QStringList &lines);

    frmKestrix &m_window;
    frmExport *m_form = nullptr;
    // The file name follows the call sign and format until the operator picks one.
    bool m_autoName = true;
    bool m_modeChosen = false;
};
