#pragma once
// The records of a log as the export reads them: by number, a slice at a time,
// so that no more than a slice is held whatever the log's size.

#include <QByteArray>
#include <QString>

class RecordSource {
  public:
    virtual ~RecordSource() = default;
    // The record count as the program counts it from the file's length.
    virtual qint32 recordCount() const = 0;
    // Records first..last into `bytes`; fewer bytes where the file ends first.
    // False when the file cannot be read, with the reason in `error`.
    virtual bool readRecords(qint64 first, qint64 last, QByteArray &bytes, QString *error) = 0;
    // The file read, for messages.
    virtual QString filePath() const = 0;
};
