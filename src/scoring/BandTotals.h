#pragma once
// The band chart and the recount behind it.

#include <QObject>
#include <QString>
#include <array>

class frmKestrix;
class LogStore;

class BandTotals : public QObject {
    Q_OBJECT
public:
    // The bands 160, 80, 40, 20, 15, 10, 6 m, in the order of every band loop and display.
    static constexpr int BandCount = 7;

    explicit BandTotals(frmKestrix &window);
    ~BandTotals() override;

    // Recounts points and multipliers per band from the log into the band chart
    // and the summary sheet.
    void UpdateTotals();
    void cmdUpdate_Click();

    struct Sums {
        std::array<qint64, BandCount> points{};
        std::array<qint64, BandCount> multipliers{};
        // Contacts counted for the band; a band without any is left alone on the summary sheet.
        std::array<qint64, BandCount> contacts{};
    };
    // One pass over the stored contacts, adding up the stored Points and
    // Multiplier characters of every contact whose band is one of the seven.
    static Sums recount(LogStore &log);

private:
    frmKestrix &m_window;
    // What the last recount wrote into each band's two summary boxes.
    std::array<std::array<QString, 2>, BandCount> m_written;
};
