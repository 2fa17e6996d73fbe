#pragma once
// The band chart and the recount behind it. Every recount is announced with its
// sums; the summary sheet fills its own boxes from them.

#include "rules/BandRecount.h"

#include <QObject>

struct BandChartControls;
struct EntryRowControls;
class ConsoleOutput;
class LogStore;

class BandTotals : public QObject {
    Q_OBJECT
  public:
    static constexpr int BandCount = BandRecount::BandCount;

    BandTotals(LogStore &log, const BandChartControls &chart, const EntryRowControls &entry, ConsoleOutput &console);
    ~BandTotals() override;

    // Recounts points and multipliers per band from the log, announces the sums
    // and shows them in the band chart.
    void UpdateTotals();
    void cmdUpdate_Click();

    // One pass over the stored contacts, adding up the stored Points and
    // Multiplier characters of every contact whose band is one of the seven.
    static BandRecount::Sums recount(LogStore &log);

  Q_SIGNALS:
    // What a recount found, before the band chart shows it.
    void totalsCounted(const BandRecount::Sums &sums);

  private:
    LogStore &m_log;
    const BandChartControls &m_chart;
    const EntryRowControls &m_entry;
    ConsoleOutput &m_console;
};
