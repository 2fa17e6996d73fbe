#pragma once
// One export from start to end: the contacts of the log turned into the bytes
// of the chosen format and handed to an output, without harming the log or a
// file that was there before. The log is read in slices, twice (once to count,
// once to write), so memory stays the same whatever the log's size.

#include "export/core/ExportSettings.h"
#include "rules/BandRecount.h"
#include "rules/FinalScore.h"
#include "store/QrpRecord.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <functional>

class ExportSink;
class RecordSource;

struct ExportResult {
    enum Failure {
        None,
        Incomplete, // contacts a checker cannot read, and no request to leave them out
        ReadError,  // the log could not be read
        WriteError, // the output could not be written
        Changed,    // the log changed between the two readings
        Memory,     // not enough memory
    };
    Failure failure = None;
    QString reason;      // the system's or the program's reason for a failure
    qint64 contacts = 0; // QSO lines written
    qint64 leftOut = 0;  // incomplete contacts, left out or stopping the export
    qint64 claimedScore = 0;
    // The recount by the contest's rules of the contacts written, and of every
    // stored record as the band chart and the summary sheet count them.
    BandRecount::Sums counted, wholeLog;
    // build() only: the file, and every notice in record order.
    QByteArray bytes;
    QStringList warnings;
    QStringList incomplete;

    bool written() const { return failure == None; }
};

namespace LogExport {

// Told as the log is read: an incomplete contact (named with what it lacks), or
// a warning (a text written in plain ASCII, named with its contact).
struct Notice {
    bool incomplete;
    QString text;
};
using NoticeHandler = std::function<void(const Notice &)>;

// The export of `log` into `sink`. Nothing reaches the sink when the export
// fails before writing (incomplete contacts, a log that cannot be read); after
// a later failure the sink is abandoned. `scratchFolder` holds the temporary
// file of the time order when the log is out of order and too big to sort in
// memory. The settings must have no problem().
ExportResult write(RecordSource &log, ExportSink &sink, const ExportSettings &settings, const QString &scratchFolder,
                   const NoticeHandler &notice);

// In memory, for small logs and tests: `records` are records 1 to
// RecordCount - 1 of QRPDATA.DAT in order. Incomplete contacts are always
// left out of the bytes and named in `incomplete`.
ExportResult build(const QList<QrpRecord> &records, const ExportSettings &settings);

// The claimed score's figures: the written contacts' points and multipliers
// with the settings' power multiplier, bonus multiplier and bonus points.
FinalScore::Figures claim(const ExportResult &result, const ExportSettings &settings);
// "840 = 24 points x 5 multipliers x power multiplier 7 (remembered) x bonus
// multiplier 1 + bonus points 0": the claim and where each factor came from.
QString claimText(const ExportResult &result, const ExportSettings &settings);
// One line when the summary sheet's figures give another score than the claim
// (both scores, and why); empty when they agree.
QString claimDifference(const ExportResult &result, const ExportSettings &settings, const FinalScore::Figures &sheet);

// What an export would replace at `path`.
struct OutputTarget {
    enum Kind {
        New,           // nothing there yet
        EarlierExport, // a file Kestrix made in the same format: replaced
        OtherFile,     // any other file: replaced only when the operator asks for it
        Refused,       // never replaced (see below)
    };
    Kind kind = New;
    QString why; // one sentence naming the file, for OtherFile and Refused
};
// Never replaced: a Kestrix log in any folder (QRPDATA.DAT, ARCIFILE.DAT, the
// journal, the bytes set aside, by name, and any file that holds log records
// whatever it is called), a link to one of the files of the log in
// `logDirectory`, a folder, or anything but a regular file (a named pipe, a
// device, a socket).
OutputTarget target(const QString &path, const QString &logDirectory, ExportFormat format);

} // namespace LogExport
