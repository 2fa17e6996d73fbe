#pragma once
// Record review and maintenance: the search. The Search button prepares it; every
// change of the search box lists, in the display panel, each record whose call
// sign, ARCI number or S-P-C equals the box's text.

#include <QObject>
#include <QString>

class LogStore;
struct ReviewRowControls;
struct FrontPanelControls;
class ConsoleOutput;
class QrpRecord;

class RecordSearch : public QObject {
    Q_OBJECT
  public:
    RecordSearch(LogStore &log, const ReviewRowControls &review, const FrontPanelControls &panel,
                 ConsoleOutput &console);
    ~RecordSearch() override;

    void cmdSearch_Click();
    void txtSearchInfo_Change();

    // The thirteen lines of one match, fields as stored (padding kept), each line
    // but the separator ending in `newLine`.
    static void appendBlock(QString &list, qint32 number, const QrpRecord &record, const QString &newLine);

  private:
    LogStore &m_log;
    const ReviewRowControls &m_review;
    const FrontPanelControls &m_panel;
    ConsoleOutput &m_console;
};
