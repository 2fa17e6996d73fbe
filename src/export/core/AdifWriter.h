#pragma once
// An ADIF 3.1.4 file (.adi): a header, then one record per contact on a line
// of its own. The exchange goes in SRX_STRING and STX_STRING, and in COMMENT
// too, which loggers that know no contest fields import. ADIF has no field for
// a QRP ARCI member number: it stands in the exchange texts.

#include "export/core/ExportSettings.h"
#include "export/core/FormatWriter.h"

#include <memory>

class AdifWriter : public FormatWriter {
  public:
    explicit AdifWriter(const ExportSettings &settings);
    static std::unique_ptr<FormatWriter> make(const ExportSettings &settings);
    // A file whose header names Kestrix as the program that made it.
    static bool madeByKestrix(const QByteArray &start);

    QByteArray header(const LogSurvey &survey) const override;
    QByteArray record(const ExportContact &contact) const override;

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
