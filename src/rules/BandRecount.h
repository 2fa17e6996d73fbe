#pragma once
// The band chart's recount: points and multipliers per band, added up from the
// stored Points and Multiplier characters of every contact whose band is one of
// the seven.

#include <QtGlobal>
#include <array>

class BandRecount {
  public:
    // The bands 160, 80, 40, 20, 15, 10, 6 m, in the order of every band loop and display.
    static constexpr int BandCount = 7;

    struct Sums {
        std::array<qint64, BandCount> points{};
        std::array<qint64, BandCount> multipliers{};
        // Contacts counted for the band; a band without any is left alone on the summary sheet.
        std::array<qint64, BandCount> contacts{};

        qint64 totalPoints() const;
        qint64 totalMultipliers() const;
        bool operator==(const Sums &) const = default;
    };

    // The band of a stored record's Band field, blanks at either end removed:
    // 0 for 160 m to 6 for 6 m, -1 for none of the seven.
    static int bandOf(const char *record);

    // Counts one stored record (its 48 bytes): a digit in its Points and in its
    // Multiplier field adds that much to its band, any other character nothing.
    void add(const char *record);

    const Sums &sums() const { return m_sums; }

  private:
    Sums m_sums;
};
