#pragma once
// A Cabrillo 3.0 log: the header tags, one QSO line per contact in the usual
// column template, END-OF-LOG. Lines end with carriage return + line feed.

#include "export/core/ExportSettings.h"
#include "export/core/FormatWriter.h"

#include <array>
#include <memory>

class CabrilloWriter : public FormatWriter {
  public:
    enum Column { Freq, Mode, Date, Time, OwnCall, OwnRst, OwnSpc, OwnNumber, Call, Rst, Spc, Number, ColumnCount };
    using Row = std::array<QString, ColumnCount>;

    explicit CabrilloWriter(const ExportSettings &settings);
    static std::unique_ptr<FormatWriter> make(const ExportSettings &settings);
    // A file that starts with START-OF-LOG and says it was created by Kestrix.
    static bool madeByKestrix(const QByteArray &start);

    // A contact's columns; no column is empty for a complete contact.
    Row row(const ExportContact &contact) const;
    // Widens the columns to fit this contact: a long call sign widens its
    // column on every line instead of being cut.
    void measure(const ExportContact &contact) override;

    QByteArray header(const LogSurvey &survey) const override;
    QByteArray record(const ExportContact &contact) const override;
    QByteArray footer() const override;

  private:
    ExportSettings m_settings;
    StationData m_own;
    QString m_mode;
    std::array<qsizetype, ColumnCount> m_width;
};
