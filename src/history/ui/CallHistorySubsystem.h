#pragma once
// Call history at the keyboard: the index of every call Kestrix knows (the open
// log, the chosen call histories, check files and earlier logs), the S-P-C and
// ARCI number or power it offers as the call is typed, and the check window.
//
// Offered values go only into boxes that are empty, in their own colour, and
// follow the call until the operator takes them (Tab through the box) or types
// over them; the entry rules, points and multiplier run on them as on typed
// text. Nothing the operator typed is ever replaced, and the display panel and
// mode line keep what the call box's own rules wrote there.

#include "history/CallIndex.h"
#include "history/ui/HistoryChoice.h"
#include "history/ui/frmCallHistory.h"
#include "history/ui/frmCheck.h"

#include <QObject>
#include <QPointer>

class ConsoleOutput;
class EntryRules;
class LogStore;
class QLineEdit;
class QTimer;
class QWidget;
struct EntryRowControls;
struct FrontPanelControls;
struct MenuControls;
struct Platform;

class CallHistorySubsystem : public QObject {
    Q_OBJECT
  public:
    CallHistorySubsystem(LogStore &log, const EntryRowControls &entry, const FrontPanelControls &panel,
                         const MenuControls &menus, EntryRules &entryRules, Platform &platform, ConsoleOutput &console,
                         QWidget &window);
    ~CallHistorySubsystem() override;

    // Reads the remembered sources and the open log into the index (start-up,
    // and after the log was opened again).
    void rebuild();
    // After a save, change or delete was written: the records it touched are read again.
    void logWritten();

    void mnuCallHistory_Click();
    void mnuCheck_Click();
    void txtCallsign_Change();

    const CallIndex &index() const { return m_index; }
    frmCallHistory *historyDialog() const { return m_dialog; }
    frmCheck *checkWindow() const { return m_check; }
    // Whether `box` shows an offered value not yet taken.
    bool offered(const QLineEdit *box) const;

    // How an exchange from a source is split: a number ending in W is a power,
    // any other value the ARCI number.
    struct Exchange {
        QString arci, power;
    };
    static Exchange splitExchange(const QString &exchange);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Offer {
        QLineEdit *box = nullptr;
        QString text; // what was put in; empty when nothing is offered
    };
    // True when the box was set or emptied.
    bool offer(Offer &slot, const QString &text);
    void take(Offer &slot);
    void boxChanged(Offer &slot);
    void showOffered(QLineEdit *box, bool offered);
    void updateCheckWindow();
    void showScore();
    void putCall(const QString &call);
    void readRecords(qint32 first, qint32 last);
    void readScoreFactors();

    LogStore &m_log;
    const EntryRowControls &m_entry;
    const FrontPanelControls &m_panel;
    const MenuControls &m_menus;
    EntryRules &m_entryRules;
    Platform &m_platform;
    ConsoleOutput &m_console;
    QWidget &m_window; // the dialogs' parent, and where Ctrl+1..9 work
    HistoryChoice m_choice;
    QList<HistorySource> m_sources;
    CallIndex m_index;
    qint32 m_indexedCount = 1; // the log's RecordCount when last read
    Offer m_spc, m_arci, m_power;
    CallIndex::ScoreFactors m_factors;
    bool m_offering = false;
    QPointer<frmCallHistory> m_dialog;
    QPointer<frmCheck> m_check;
    QTimer *m_clock = nullptr; // the rate and the operating time move with the clock
};
