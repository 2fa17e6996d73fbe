#pragma once
// The operator's own station and entry, kept between runs in the desktop's usual
// place (~/.config/Kestrix/Kestrix.conf, see SettingsFile). A missing or
// unreadable file is a first run.
#include <QString>
class QSettings;
struct StationDetails {
    QString call;    // own call sign
    QString spc;     // own state, province or country
    QString number;  // own ARCI number, or power for a non-member, as typed
    QString name;    // operator's name
    QString address; // street address
    QString city;
    QString state;
    QString zip;
    QString contest;              // contest name as printed on the sheets (blanks allowed)
    QString mode;                 // "CW" or "SSB", as typed
    QString categoryStation;      // Cabrillo CATEGORY-STATION, e.g. FIXED, PORTABLE
    QString categoryTransmitter;  // Cabrillo CATEGORY-TRANSMITTER, e.g. ONE
    QString transmitter;          // summary sheet: transmitter/transceiver
    QString output;               // summary sheet: output power
    QString powerSource;          // summary sheet
    QString antennas;             // summary sheet
    QString receiver;             // summary sheet
    QString sendEntriesTo;        // where entries are sent (empty until the operator sets one)
    QString powerMultiplier;      // summary sheet: POWER MULT, as typed
    QString bonusMultiplier;      // summary sheet: BONUS MULT, as typed
    QString bonusPoints;          // summary sheet: BONUS POINTS, as typed
    static StationDetails load(); // from the settings file; nothing when it is not usable
    static StationDetails load(QSettings &settings);
    void save() const; // into the settings file; not when it is not usable
    void save(QSettings &settings) const;
    bool operator==(const StationDetails &) const = default;
};
