#pragma once
// The export formats, one row each: what the command line and the dialog call
// it, its file name suffix and file filter, its writer, and how a file it made
// is known again. A new format is one writer and one row.

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>

class FormatWriter;
struct ExportSettings;

enum class ExportFormat { Cabrillo, Adif };

struct FormatInfo {
    ExportFormat format;
    const char *name;   // on the command line: --format cabrillo
    const char *label;  // in messages: "a Cabrillo file"
    const char *title;  // in the dialog's list
    const char *suffix; // of the default file name
    const char *filter; // for the file dialog
    // A contest entry for the sponsor: it names the contest, carries the
    // entrant's address and claims a score.
    bool entry;
    std::unique_ptr<FormatWriter> (*writer)(const ExportSettings &settings);
    // Whether the first bytes of a file are those of a file Kestrix wrote in this format.
    bool (*madeByKestrix)(const QByteArray &start);
};

namespace ExportFormats {
// Every format, in the order the dialog lists them.
const QList<FormatInfo> &all();
const FormatInfo &info(ExportFormat format);
// By its command-line name, in any case; null for none.
const FormatInfo *fromName(const QString &name);
// "cabrillo or adif", for messages and help.
QString names(const char *last = "or");
// The default file name, <CALL>.<suffix>; a '/' in the call (K1XYZ/P)
// becomes '_' so the name stays one file.
QString defaultFileName(const QString &call, ExportFormat format);
// A contest name as printed on the sheets, as one Cabrillo word: upper case,
// the blanks between words as hyphens ("QRP ARCI Fall" -> "QRP-ARCI-FALL").
QString cabrilloContest(const QString &printed);
// The categories Cabrillo 3.0 knows.
const QStringList &categoryStations();
const QStringList &categoryTransmitters();
} // namespace ExportFormats
