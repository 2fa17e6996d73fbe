#pragma once
// Record review and maintenance: showing a stored record by number in the
// review row, and stepping with [+] and [-]. The text of the record-number box
// is the position; assigning it shows the record at once.

#include <QObject>

class LogStore;
struct ReviewRowControls;
class RecordKeeping;
class ConsoleOutput;

class ReviewNavigation : public QObject {
    Q_OBJECT
  public:
    ReviewNavigation(LogStore &log, const ReviewRowControls &review, RecordKeeping &records, ConsoleOutput &console);
    ~ReviewNavigation() override;

    void txtRecNum_Change();
    void cmdPlus_Click();
    void cmdMinus_Click();
    void cmdReview_Click();

  private:
    // Writes the stepped number into the record-number box, or refuses a step
    // that leaves the range of the [+]/[-] counter. False when refused.
    bool step(int by);

    LogStore &m_log;
    const ReviewRowControls &m_review;
    RecordKeeping &m_records;
    ConsoleOutput &m_console;
};
