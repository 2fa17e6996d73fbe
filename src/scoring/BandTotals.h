#pragma once
// The band chart and the recount behind it.

#include "BandRecount.h"

#include <QObject>
#include <QString>
#include <array>

class frmKestrix;
class LogStore;

class BandTotals : public QObject {
    Q_OBJECT
public:
    static constexpr int BandCount = BandRecount::BandCount;

    explicit BandTotals(frmKestrix &window);
    ~BandTotals() override;

    // Recounts points and multipliers per band from the log into the band chart
    // and the summary sheet.
    void UpdateTotals();
    void cmdUpdate_Click();

    // One pass over the stored contacts, adding up the stored Points and
    // Multiplier characters of every contact whose band is one of the seven.
    static BandRecount::Sums recount(LogStore &log);

private:
    frmKestrix &m_window;
    // What the last recount wrote into each band's two summary boxes.
    std::array<std::array<QString, 2>, BandCount> m_written;
};
