#pragma once
// A log file opened for reading and writing by record number with a fixed record
// length. It remembers which file it opened, so a write never goes to a file
// that was renamed, removed or replaced behind it, and it holds a lock on that
// file for as long as it is open, so no second program writes it, whatever
// name or folder it reaches the file by. Writes are made by the journalled
// writer, a whole operation at a time.

#include "store/Posix.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The one contract for file failures. The store reports each failure once,
// through this handler, with the file's name and the system's reason; the call
// that failed also says so in its result (a false or an Outcome, [[nodiscard]]
// where nothing else follows from it), and the caller acts on that result.
// The window's handler shows the failure and ends the program; a test's records
// it and lets the caller go on, so no caller may rely on the handler ending it.
using FileErrorHandler = std::function<void(const QString &file, const QString &reason)>;

class LogFile {
  public:
    LogFile(QString directory, QString name, int recordLength, FileErrorHandler onError);
    ~LogFile();
    LogFile(const LogFile &) = delete;
    LogFile &operator=(const LogFile &) = delete;

    // Opens the file by its name in the folder open as dirFd, creating it empty
    // if missing, and locks it. Each open takes a new file number.
    [[nodiscard]] bool open(int dirFd);
    // The reopen that follows a write: a new file number, the same file.
    void reopen();
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    int fileNumber() const { return m_fileNumber; }
    QString name() const { return m_name; }
    QString path() const;
    int recordLength() const { return m_recordLength; }
    // The file that was opened, and whether its name in the folder still refers to it.
    Posix::FileId id() const { return m_id; }
    bool nameStillRefersToIt() const;

    qint64 length() const;
    // The bytes of record n (from 1); fewer, or none, where the file ends first.
    QByteArray read(qint64 n) const;
    // Records first..last in one read; stops where the file ends.
    QByteArray readRange(qint64 first, qint64 last) const;
    // Bytes at an offset; fewer where the file ends.
    QByteArray readBytes(qint64 offset, qint64 size) const;

    void fail(const QString &reason) const;

  private:
    QString m_directory;
    QString m_name;
    int m_recordLength;
    FileErrorHandler m_onError;
    int m_dirFd = -1; // the folder's, owned by the store
    int m_fd = -1;
    int m_fileNumber = 0;
    Posix::FileId m_id;
    // Global on purpose: file numbers are the program's, not one file's or one
    // store's, so every open in the run takes the next number (1 to 511, then 1
    // again) and no two open log files ever share one.
    static int s_nextFileNumber;
};
