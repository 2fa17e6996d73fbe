#pragma once
// One export format: the bytes before the first contact, one contact, the
// bytes after the last. Every text given to a writer is plain ASCII already.

#include "export/core/ExportContacts.h"

#include <QByteArray>

// What the first reading of the log found, for a header.
struct LogSurvey {
    qint64 claimedScore = 0;
    int onlyBand = -1; // the band of every contact written, or -1 when more than one (or none)
};

class FormatWriter {
  public:
    virtual ~FormatWriter() = default;
    // Told every contact of the first reading, in record order, before header().
    virtual void measure(const ExportContact &) {}
    virtual QByteArray header(const LogSurvey &survey) const = 0;
    virtual QByteArray record(const ExportContact &contact) const = 0;
    virtual QByteArray footer() const { return {}; }
};
