#pragma once
// Record review and maintenance: changing and deleting a stored record in place.
// A left click on CHANGE or DELETE only shows the instructions; the right mouse
// button acts, on the record whose number the record-number box holds.

#include <QObject>
#include <QString>

class LogStore;
struct EntryRowControls;
struct ReviewRowControls;
struct FrontPanelControls;
class RecordKeeping;
struct Platform;
class ConsoleOutput;

class ChangeDelete : public QObject {
    Q_OBJECT
  public:
    ChangeDelete(LogStore &log, const EntryRowControls &entry, const ReviewRowControls &review,
                 const FrontPanelControls &panel, RecordKeeping &records, Platform &platform, ConsoleOutput &console);
    ~ChangeDelete() override;

    void cmdChangeRecord_Click();
    void cmdChangeRecord_MouseDown(Qt::MouseButton button);
    void cmdDeleteRecord_Click();
    void cmdDeleteRecord_MouseDown(Qt::MouseButton button);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // True when the record-number box names a stored record; otherwise a beep and
    // the reason in the display panel, and nothing is written.
    bool recordNumberUsable(const QString &refused);
    void keepSizeWrite(const QStringList &lines);

    LogStore &m_log;
    const EntryRowControls &m_entry;
    const ReviewRowControls &m_review;
    const FrontPanelControls &m_panel;
    RecordKeeping &m_records;
    Platform &m_platform;
    ConsoleOutput &m_console;
};
