#pragma once
// A log file opened for reading and writing by record number with a fixed record
// length. Every write puts the whole record with one system call and reaches the
// disk before it returns; a write that fails leaves the file as it was.

#include <QByteArray>
#include <QString>
#include <functional>

// Called with the file's name and the system's reason when a file cannot be
// opened, read or written. The program's handler reports it and ends the program.
using FileErrorHandler = std::function<void(const QString &file, const QString &reason)>;

class LogFile {
public:
    LogFile(QString directory, QString name, int recordLength, FileErrorHandler onError);
    ~LogFile();
    LogFile(const LogFile &) = delete;
    LogFile &operator=(const LogFile &) = delete;

    // Opens the file, creating it empty if missing. Each open takes a new file number.
    bool open();
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fileNumber() const { return m_fileNumber; }
    QString name() const { return m_name; }
    QString path() const;
    int recordLength() const { return m_recordLength; }

    qint64 length() const;
    // The bytes of record n (from 1); fewer, or none, where the file ends first.
    QByteArray read(qint64 n) const;
    // Records first..last in one read; stops where the file ends.
    QByteArray readRange(qint64 first, qint64 last) const;
    // Writes exactly one record at n, extending the file where n lies past its end,
    // and syncs it to disk. Refuses n below 1 (returns false, file untouched).
    bool write(qint64 n, const QByteArray &record);

private:
    void fail(const QString &reason) const;

    QString m_directory;
    QString m_name;
    int m_recordLength;
    FileErrorHandler m_onError;
    int m_fd = -1;
    int m_fileNumber = 0;
    static int s_nextFileNumber;
};
