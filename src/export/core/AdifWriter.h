#pragma once
// An ADIF 3.1.4 file (.adi): a header, then one record per contact on a line
// of its own. Every text given to it is plain ASCII already, as ADIF's String
// fields must be.

#include "export/core/ExportContacts.h"
#include "export/core/ExportSettings.h"

#include <QByteArray>

class AdifWriter {
  public:
    explicit AdifWriter(const ExportSettings &settings);

    QByteArray header() const;
    QByteArray record(const ExportContact &contact) const;

    // One field, <NAME:length>value; empty for an empty value.
    static QByteArray field(const char *name, const QString &value);
    // The field appended to `out`, after a blank when `out` holds one already.
    static void append(QByteArray &out, const char *name, const QString &value);
    // The power of a non-member as an ADIF number ("5", "0.5", "5W" -> "5");
    // empty when the text is not a number of watts.
    static QString powerNumber(const QString &power);

  private:
    ExportSettings m_settings;
    StationData m_own;
    QString m_sent;
    QString m_myState;
    QString m_name;
};
