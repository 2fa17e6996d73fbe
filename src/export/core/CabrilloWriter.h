#pragma once
// A Cabrillo 3.0 log: the header tags, one QSO line per contact in the usual
// column template, END-OF-LOG. Lines end with carriage return + line feed.
// Every text given to it is plain ASCII already.

#include "export/core/ExportContacts.h"
#include "export/core/ExportSettings.h"

#include <QByteArray>
#include <array>

class CabrilloWriter {
  public:
    enum Column { Freq, Mode, Date, Time, OwnCall, OwnRst, OwnSpc, OwnNumber, Call, Rst, Spc, Number, ColumnCount };
    using Row = std::array<QString, ColumnCount>;

    explicit CabrilloWriter(const ExportSettings &settings);

    // A contact's columns; no column is empty for a complete contact.
    Row row(const ExportContact &contact) const;
    // Widens the columns to fit this contact: a long call sign widens its
    // column on every line instead of being cut.
    void measure(const ExportContact &contact);

    // Everything before the first QSO line. `onlyBand` is the band of every
    // contact, or null when they are on more than one (or there are none).
    QByteArray header(qint64 claimedScore, const BandInfo *onlyBand) const;
    QByteArray line(const ExportContact &contact) const;
    static QByteArray footer();

  private:
    ExportSettings m_settings;
    StationData m_own;
    QString m_mode;
    std::array<qsizetype, ColumnCount> m_width;
};
