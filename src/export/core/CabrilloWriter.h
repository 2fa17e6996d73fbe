#pragma once
// A Cabrillo 3.0 log: the header tags, one QSO line per contact in the usual
// column template, END-OF-LOG. Lines end with carriage return + line feed.

#include "ExportContacts.h"
#include "ExportSettings.h"

#include <QByteArray>
#include <QStringList>

class CabrilloWriter {
  public:
    // The whole file. `score` is the CLAIMED-SCORE. Contacts whose QSO line
    // lacks part of the exchange are named in `warnings`.
    static QByteArray write(const QList<ExportContact> &contacts, const ExportSettings &settings, qint64 score,
                            QStringList *warnings = nullptr);

    // CATEGORY-BAND: the band when every contact is on one band, else ALL.
    static QString categoryBand(const QList<ExportContact> &contacts);
};
