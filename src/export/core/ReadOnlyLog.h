#pragma once
// QRPDATA.DAT read without being opened for writing, so a log can be exported
// while Kestrix has it open, from a folder the user may only read, and without
// creating the file where it is missing.

#include "QrpRecord.h"

#include <QList>
#include <QString>

class ReadOnlyLog {
  public:
    explicit ReadOnlyLog(QString directory);

    // Reads the log with one read. False when it cannot: filePath() and
    // reason() then say which file and why.
    bool read();

    QString filePath() const;
    QString reason() const { return m_reason; }
    // The record count from the file's length, as the program counts it.
    qint32 recordCount() const { return m_recordCount; }
    // Records 1 to RecordCount - 1, the placeholder left out.
    const QList<QrpRecord> &contacts() const { return m_contacts; }

  private:
    QString m_directory;
    QString m_reason;
    qint32 m_recordCount = 1;
    QList<QrpRecord> m_contacts;
};
