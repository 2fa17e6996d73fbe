#pragma once
// One export from start to end: the contacts of the log turned into the bytes
// of the chosen format, and those bytes put into a file without harming the
// log or a file that was there before.

#include "ExportSettings.h"
#include "QrpRecord.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

struct ExportResult {
    QByteArray bytes;
    int contacts = 0; // contacts written
    qint64 claimedScore = 0;
    QStringList warnings; // records left out or incomplete
};

namespace LogExport {

// `records` are records 1 to RecordCount - 1 of QRPDATA.DAT in order.
ExportResult build(const QList<QrpRecord> &records, const ExportSettings &settings);

// Empty when `path` may receive an export; otherwise why not (it is one of the
// two log files of `logDirectory`, or a folder).
QString refusal(const QString &path, const QString &logDirectory);

// Writes the file whole or not at all: the bytes go to a temporary file beside
// it, which then replaces it. False with the reason in `error` on failure.
bool writeFile(const QString &path, const QByteArray &bytes, QString *error);

} // namespace LogExport
