#pragma once
// The stored contacts as the export formats need them: dates and times read,
// the band known, deleted and empty records left out.

#include "BandPlan.h"
#include "QrpRecord.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTime>

struct ExportContact {
    qint32 record = 0; // record number in QRPDATA.DAT
    QString call, rstSent, rstRcvd, spc, arci, power;
    const BandInfo *band = nullptr;
    QDate date;
    QTime time; // UTC

    // What the station sent after its S-P-C: its ARCI number, or its power
    // when it has no number (as the log sheet prints it).
    QString numberOrPower() const { return arci.isEmpty() ? power : arci; }
};

class ExportContacts {
  public:
    // `records` are the stored contacts in record order, records 1 to
    // RecordCount - 1: the first element is record 1.
    explicit ExportContacts(const QList<QrpRecord> &records);

    const QList<ExportContact> &contacts() const { return m_contacts; }
    // One sentence for every record that holds a call sign but could not be
    // exported (band, date or time unreadable).
    const QStringList &warnings() const { return m_warnings; }
    // The band totals recount: points and multipliers of every record on one of
    // the seven bands, as the band chart adds them up.
    qint64 totalPoints() const { return m_points; }
    qint64 totalMultipliers() const { return m_multipliers; }

    // "mm/dd/yy" (one-digit month and day and a four-digit year are read too);
    // a two-digit year 00-69 is 20xx, 70-99 is 19xx. Invalid when unreadable.
    static QDate readDate(const QString &text);
    // "hh:mm:ss" or "hh:mm". Invalid when unreadable.
    static QTime readTime(const QString &text);

  private:
    QList<ExportContact> m_contacts;
    QStringList m_warnings;
    qint64 m_points = 0;
    qint64 m_multipliers = 0;
};
