#pragma once
// The stored contacts as the export formats need them: dates and times read,
// the band known, every text in plain ASCII, deleted and empty records left
// out, and the contacts that cannot make a whole QSO line named.

#include "store/QrpRecord.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTime>

struct ExportContact {
    qint32 record = 0; // record number in QRPDATA.DAT
    QString call, rstSent, rstRcvd, spc, arci, power;
    int band = -1; // in the contest band table
    QDate date;
    QTime time; // UTC

    // What the station sent after its S-P-C: its ARCI number, or its power
    // when it has no number (as the log sheet prints it).
    QString numberOrPower() const { return arci.isEmpty() ? power : arci; }
    // Date and time as one number that sorts as they do.
    qint64 timeKey() const;
};

// What one stored record gives the export.
struct RecordReading {
    enum Kind {
        NoContact,  // empty, no call sign, or deleted
        Contact,    // a contact with every column of a QSO line
        Incomplete, // a contact a checker cannot read
    };
    Kind kind = NoContact;
    ExportContact contact; // for Contact
    // For Incomplete: the record, its call and what is missing, one sentence.
    // For Contact: what was changed to write it in ASCII, or empty.
    QString notice;
};

class ExportContacts {
  public:
    // `records` are the stored contacts in record order: the first element is record 1.
    explicit ExportContacts(const QList<QrpRecord> &records);

    // The contacts that make whole QSO lines, in record order.
    const QList<ExportContact> &contacts() const { return m_contacts; }
    // One sentence for every contact written with its text changed to ASCII.
    const QStringList &warnings() const { return m_warnings; }
    // One sentence for every contact a checker cannot read.
    const QStringList &incomplete() const { return m_incomplete; }

    static RecordReading read(qint32 number, const QrpRecord &record);
    // "mm/dd/yy" (one-digit month and day and a four-digit year are read too);
    // a two-digit year 00-69 is 20xx, 70-99 is 19xx. Invalid when unreadable.
    static QDate readDate(const QString &text);
    // A signal report: R 1-5, S 1-9 and, on CW, T 1-9 ("59", "579").
    static bool isReport(const QString &text);
    // "hh:mm:ss" or "hh:mm". Invalid when unreadable.
    static QTime readTime(const QString &text);
    // yyyyMMdd (yyyy-MM-dd with `dashes`) and HHmm (HHmmss with `seconds`), as the formats write them.
    static QString dateText(QDate date, bool dashes);
    static QString timeText(QTime time, bool seconds);

  private:
    QList<ExportContact> m_contacts;
    QStringList m_warnings;
    QStringList m_incomplete;
};
