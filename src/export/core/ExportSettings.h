#pragma once
// Handing the log on after the contest: Cabrillo for the contest sponsor, ADIF
// for logbooks and QSL services. This library knows the two formats and reads
// the log files read-only; it links QtCore and the log store only, so the
// command-line tool kestrix-export uses it without widgets.

#include "export/core/ExportFormats.h"

#include <QDateTime>
#include <QString>

struct StationDetails;

// The operator's own station, as sent in every exchange.
struct StationData {
    QString call;    // own call sign
    QString spc;     // own state, province or country
    QString number;  // own ARCI number, or power for a non-member
    QString mode;    // "CW" or "SSB"
    QString contest; // Cabrillo CONTEST name, e.g. QRP-ARCI-FALL-QSO-PARTY

    // The remembered details; the contest as a Cabrillo name.
    static StationData from(const StationDetails &details);
    // Trimmed, call sign, S-P-C, mode and contest in upper case.
    StationData normalized() const;
    // Empty when the data can go into a file of this format; otherwise one
    // sentence saying what is wrong.
    QString problem(ExportFormat format) const;
};

// The entrant and the entry, for the Cabrillo header.
struct EntrantData {
    QString name, address, city, state, postalCode;
    QString categoryStation;     // CATEGORY-STATION, e.g. FIXED; empty leaves the tag out
    QString categoryTransmitter; // CATEGORY-TRANSMITTER, e.g. ONE; empty leaves the tag out
    QString soapbox;             // the summary sheet's comments

    static EntrantData from(const StationDetails &details);
    // Empty, or one sentence about a category that is none of Cabrillo's.
    QString problem() const;
};

struct ExportSettings {
    ExportFormat format = ExportFormat::Cabrillo;
    StationData station;
    EntrantData entrant;
    // The claimed score is the points x multipliers of the contacts written, by
    // the contest's rules, x power multiplier x bonus multiplier + bonus points.
    double powerMultiplier = 1;
    double bonusMultiplier = 1;
    double bonusPoints = 0;
    // Where each of the three came from, as the report names it ("remembered",
    // "summary sheet", "default"); empty for a value given with the export.
    QString powerMultiplierFrom, bonusMultiplierFrom, bonusPointsFrom;
    // Leave out contacts that cannot give a whole QSO line; without this such
    // contacts stop the export and nothing is written.
    bool skipIncomplete = false;
    QString programVersion = QStringLiteral(KESTRIX_VERSION);
    // When the file is made (UTC), for the ADIF header.
    QDateTime created;

    // The station's, the entrant's and the score's problem, or empty.
    QString problem() const;
};
