#pragma once
// QRPDATA.DAT read without being opened for writing, so a log can be exported
// while Kestrix has it open, from a folder the user may only read, and without
// creating the file where it is missing. Anything but a regular file (a named
// pipe, a device, a folder) is refused without waiting on it.

#include "export/core/RecordSource.h"
#include "store/QrpRecord.h"

#include <QList>
#include <QString>

class ReadOnlyLog : public RecordSource {
  public:
    explicit ReadOnlyLog(QString directory);
    ~ReadOnlyLog() override;
    ReadOnlyLog(const ReadOnlyLog &) = delete;
    ReadOnlyLog &operator=(const ReadOnlyLog &) = delete;

    // Opens the log and counts its records. False when it cannot: filePath()
    // and reason() then say which file and why.
    bool open();
    // Opens the log and reads every contact into contacts(), for small logs
    // and tests; the export itself reads slice by slice.
    bool read();

    QString filePath() const override;
    QString reason() const { return m_reason; }
    qint32 recordCount() const override { return m_recordCount; }
    bool readRecords(qint64 first, qint64 last, QByteArray &bytes, QString *error) override;
    // Records 1 to RecordCount - 1, and the last record too when it holds a
    // contact rather than a placeholder.
    const QList<QrpRecord> &contacts() const { return m_contacts; }

  private:
    QString m_directory;
    QString m_reason;
    int m_fd = -1;
    qint32 m_recordCount = 1;
    QList<QrpRecord> m_contacts;
};
