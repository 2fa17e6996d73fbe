#pragma once
// The score of the log by the contest's rules, per band: the band chart, the
// summary sheet and the claim all count through this one recount.
//
// Fed the stored records in log order, it counts each contact once per band:
// - a deleted contact, or one on none of the seven bands, counts nowhere;
// - a contact whose call sign (blanks at either end removed) was already
//   counted on its band is a duplicate: 0 points and no multiplier;
// - any other contact scores the points the entry rules give its stored
//   exchange (5 for a member number, 4 or 2 by the S-P-C for a power figure),
//   whatever its stored Points character says;
// - each band's multipliers are the distinct S-P-Cs of its counted contacts,
//   whatever their stored Multiplier characters say.

#include <QtGlobal>
#include <array>
#include <vector>

class BandRecount {
  public:
    // The bands 160, 80, 40, 20, 15, 10, 6 m, in the order of every band loop and display.
    static constexpr int BandCount = 7;

    struct Sums {
        std::array<qint64, BandCount> points{};
        std::array<qint64, BandCount> multipliers{};
        // Contacts counted for the band, duplicates included; a band without any
        // is left alone on the summary sheet.
        std::array<qint64, BandCount> contacts{};
        // Of those, the duplicates, which score nothing.
        std::array<qint64, BandCount> duplicates{};

        qint64 totalPoints() const;
        qint64 totalMultipliers() const;
        bool operator==(const Sums &) const = default;
    };

    // The band of a stored record's Band field, blanks at either end removed:
    // 0 for 160 m to 6 for 6 m, -1 for none of the seven.
    static int bandOf(const char *record);

    // The points the entry rules give a stored contact's exchange: 5 when its
    // ARCI field holds a member number (above "0"), otherwise, when the ARCI
    // field is blank and the Power field holds a figure above "0", 4 or 2 by the
    // length of the S-P-C; 0 for anything else.
    static int pointsOf(const char *record);

    // Counts one stored record (its 48 bytes); records come in log order.
    void add(const char *record);

    const Sums &sums() const { return m_sums; }

    // A set of 64-bit keys in one open-addressed array, no node per key: a
    // million contacts are counted in tens of milliseconds.
    class KeySet {
      public:
        // True when `key` was not in the set yet.
        bool insert(quint64 key);

      private:
        void grow();
        std::vector<quint64> m_slots; // 0 marks a free slot
        std::size_t m_count = 0;
        bool m_hasZero = false; // the key 0 (a field of NUL bytes) is kept aside
    };

  private:
    Sums m_sums;
    // Per band: the call signs counted and the S-P-Cs that gave a multiplier,
    // each as its field's bytes, trimmed and padded with blanks.
    std::array<KeySet, BandCount> m_calls;
    std::array<KeySet, BandCount> m_spcs;
};
