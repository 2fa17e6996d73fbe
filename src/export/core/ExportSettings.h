#pragma once
// Handing the log on after the contest: Cabrillo for the contest sponsor, ADIF
// for logbooks and QSL services. This library knows the two formats and reads
// the log files read-only; it links QtCore and the log store only, so the
// command-line tool kestrix-export uses it without widgets.

#include <QDateTime>
#include <QString>
#include <optional>

enum class ExportFormat { Cabrillo, Adif };

// The operator's own station, as sent in every exchange.
struct StationData {
    QString call;    // own call sign
    QString spc;     // own state, province or country
    QString number;  // own ARCI number, or power for a non-member
    QString mode;    // "CW" or "SSB"
    QString contest; // Cabrillo CONTEST name, e.g. QRP-ARCI-FALL-QSO-PARTY

    // Trimmed, call sign, S-P-C, mode and contest in upper case.
    StationData normalized() const;
    // Empty when the data can go into a file of this format; otherwise one
    // sentence saying what is wrong.
    QString problem(ExportFormat format) const;
};

struct ExportSettings {
    ExportFormat format = ExportFormat::Cabrillo;
    StationData station;
    // The claimed score; without one, total points times total multipliers
    // recounted from the log.
    std::optional<qint64> claimedScore;
    QString programVersion = QStringLiteral(KESTRIX_VERSION);
    // When the file is made (UTC), for the ADIF header.
    QDateTime created;
};

namespace ExportFormats {
// "cabrillo" / "adif", as the command line names them.
std::optional<ExportFormat> fromName(const QString &name);
// The file name suffix: "log" for Cabrillo, "adi" for ADIF.
QString suffix(ExportFormat format);
// The default file name, <CALL>.log or <CALL>.adi; a '/' in the call (K1XYZ/P)
// becomes '_' so the name stays one file.
QString defaultFileName(const QString &call, ExportFormat format);
} // namespace ExportFormats
