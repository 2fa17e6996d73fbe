#pragma once
// An ADIF 3.1.4 file (.adi): a header, then one record per contact on a line
// of its own. Field lengths count the bytes of the UTF-8 text written.

#include "ExportContacts.h"
#include "ExportSettings.h"

#include <QByteArray>

class AdifWriter {
  public:
    static QByteArray write(const QList<ExportContact> &contacts, const ExportSettings &settings);

    // One field, <NAME:length>value; empty for an empty value.
    static QByteArray field(const char *name, const QString &value);
    // The power of a non-member as an ADIF number ("5", "0.5", "5W" -> "5");
    // empty when the text is not a number of watts.
    static QString powerNumber(const QString &power);
};
