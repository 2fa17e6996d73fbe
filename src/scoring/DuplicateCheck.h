#pragma once
// The call-sign rule: help text, band warning and the scan for a contact already worked on the band.

#include "store/QrpRecord.h"

#include <QObject>
#include <QString>
#include <optional>

struct EntryRowControls;
struct FrontPanelControls;
class ConsoleOutput;
class LogStore;
class QLabel;

class DuplicateCheck : public QObject {
    Q_OBJECT
  public:
    DuplicateCheck(LogStore &log, const EntryRowControls &entry, const FrontPanelControls &panel,
                   ConsoleOutput &console);
    ~DuplicateCheck() override;

    // Runs after every change of the call-sign box, typed or assigned.
    void txtCallsign_Change();

    // The first stored contact with this call sign on this band (fields compared
    // with blanks removed, the two texts as they stand); the scan stops there.
    static std::optional<QrpRecord> firstWorked(LogStore &log, const QString &callsign, const QString &band);

    // The DUPE mark beside the call-sign box: shown while the call typed was
    // already worked on the band, so the warning outlives the next box's help text.
    QLabel *dupeMark() const { return m_mark; }
    // Shows or hides the mark for the call and band the entry row now holds.
    void updateMark();

  private:
    void markDuplicate(bool duplicate);

    LogStore &m_log;
    const EntryRowControls &m_entry;
    const FrontPanelControls &m_panel;
    ConsoleOutput &m_console;
    QLabel *m_mark = nullptr;
};
