#pragma once
// The operating console: the main window drawn as the transceiver's front panel.
// It builds its controls from the layout table, owns every piece of log state
// for the run (the open files, the record buffer, the record numbers), runs the
// clock, start-up and Exit, and holds the five record procedures. The rules of
// the boxes live in the subsystems that own them (scoring, review, reports, help,
// export, radio), each built here and handed only the areas of the panel it owns
// or reads, the shared writes (ConsoleOutput) and the record procedures (RecordKeeping).

#include "console/KestrixControls.h"
#include "platform/Platform.h"
#include "store/LogStore.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelSize.h"
#include "widgets/RecordKeeping.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class DisplayPanel;

class EntryWorkflow;
class ClockSetting;
class EntryRules;
class DuplicateCheck;
class MultiplierCheck;
class BandTotals;
class ReviewNavigation;
class RecordSearch;
class ChangeDelete;
class LogSheetPrinting;
class frmSummary;
class SummarySheet;
class HelpPages;
class ReferenceWindows;
class ExportLog;
class RadioSubsystem;
class CallHistorySubsystem;

class frmKestrix : public QMainWindow, public ConsoleOutput, public RecordKeeping {
    Q_OBJECT
  public:
    // The log lives in `directory` (the working directory of the program).
    frmKestrix(const QString &directory, Platform platform, QWidget *parent = nullptr);
    ~frmKestrix() override;

    // Start-up: opens both log files and fills the window. False when a log file
    // could not be opened (the file error has been reported then).
    bool Form_Load();

    // ---- shared conventions -------------------------------------------------
    // The shared writes every subsystem is handed (see ConsoleOutput).
    void writePanel(int pointSize, const QStringList &lines) override;
    void writeMode(const QString &activity) override;
    void writeCaption(const QString &caption) override;
    void beep() override;
    // "Dravek's", NewLine, "ARCI Kestrix Program".
    QString titleText() const;
    Platform &platform() { return m_platform; }

    // ---- the log: files, record buffer and numbers ---------------------------
    LogStore &log() { return *m_log; }
    QrpRecord &QrpRecord_() { return m_log->QrpRecord_; }
    qint32 CurrentRecord() const { return m_log->CurrentRecord(); }
    qint32 RecordCount() const { return m_log->RecordCount(); }

    // The five record procedures between the boxes and the files. The four
    // Save procedures fill the shared record and line from their row and set the
    // record number; the handler then hands them to the store as one operation.
    void SaveCurrentRecord();
    void SaveArciFile();
    void SaveExistingRecord() override;
    void SaveExistingArci() override;
    void ShowCurrentRecord();
    // The record procedures the review row's subsystems call (see RecordKeeping).
    std::optional<qint32> reviewRecordNumber() const override;
    void setReviewShowsPlaceholder(bool shows) override { m_reviewShowsPlaceholder = shows; }

    // Acts on what became of an operation on the log: when the log files were
    // renamed, removed or replaced in the meantime, nothing was written and the
    // folder's log is opened again (logFilesChanged). True when everything was written.
    bool logOperationDone(LogStore::Outcome outcome) override;
    // Opens the folder's log again, as start-up does, after its files changed
    // behind the program, and says so in the display panel. The entry row keeps
    // what was typed and txtRecNumber names the new placeholder, so one more
    // Save Record stores it.
    void logFilesChanged();

    // Procedures of other subsystems, by the names the program calls them.
    void CheckMultiplier();
    void UpdateTotals();
    // The summary sheet, created hidden on first use.
    frmSummary &summarySheet();

    // Ends the program as the Exit command does.
    void mnuExit_Click();
    void Timer1_Timer();

    // ---- controls, by their names --------------------------------------------
    const KestrixControls &ui() const { return m_ui; }

    // The subsystems of the program, for tests and for subsystems that call one another.
    EntryWorkflow &entryWorkflow() { return *m_entryWorkflow; }
    ClockSetting &clockSetting() { return *m_clockSetting; }
    EntryRules &entryRules() { return *m_entryRules; }
    DuplicateCheck &duplicateCheck() { return *m_duplicateCheck; }
    BandTotals &bandTotals() { return *m_bandTotals; }
    ReviewNavigation &reviewNavigation() { return *m_reviewNavigation; }
    RecordSearch &recordSearch() { return *m_recordSearch; }
    ChangeDelete &changeDelete() { return *m_changeDelete; }
    LogSheetPrinting &logSheetPrinting() { return *m_logSheetPrinting; }
    SummarySheet &summary() { return *m_summary; }
    HelpPages &helpPages() { return *m_helpPages; }
    ReferenceWindows &referenceWindows() { return *m_referenceWindows; }
    ExportLog &exportLog() { return *m_exportLog; }
    RadioSubsystem &radio() { return *m_radio; }
    CallHistorySubsystem &callHistory() { return *m_callHistory; }

    // How a file error is reported; the default shows a message box naming the file
    // and the system's reason, then ends the program with status 1.
    void setFileErrorHandler(FileErrorHandler handler) { m_fileError = std::move(handler); }

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildControls();
    void buildMenus();
    // Whether the review row differs from stored record `number` in any field.
    bool reviewRowEdited(qint32 number);
    void reportFileError(const QString &file, const QString &reason);

    QString m_directory;
    Platform m_platform;
    FileErrorHandler m_fileError;
    KestrixControls m_ui;
    std::unique_ptr<LogStore> m_log;
    bool m_ending = false;
    bool m_reviewShowsPlaceholder = false;

    std::unique_ptr<EntryWorkflow> m_entryWorkflow;
    std::unique_ptr<ClockSetting> m_clockSetting;
    std::unique_ptr<EntryRules> m_entryRules;
    std::unique_ptr<DuplicateCheck> m_duplicateCheck;
    std::unique_ptr<MultiplierCheck> m_multiplierCheck;
    std::unique_ptr<BandTotals> m_bandTotals;
    std::unique_ptr<ReviewNavigation> m_reviewNavigation;
    std::unique_ptr<RecordSearch> m_recordSearch;
    std::unique_ptr<ChangeDelete> m_changeDelete;
    std::unique_ptr<LogSheetPrinting> m_logSheetPrinting;
    std::unique_ptr<SummarySheet> m_summary;
    std::unique_ptr<HelpPages> m_helpPages;
    std::unique_ptr<ReferenceWindows> m_referenceWindows;
    std::unique_ptr<ExportLog> m_exportLog;
    std::unique_ptr<RadioSubsystem> m_radio;
    std::unique_ptr<CallHistorySubsystem> m_callHistory;
};
