#pragma once
// The log's journal: before an operation changes QRPDATA.DAT or ARCIFILE.DAT,
// every change it will make (the new bytes, the bytes they replace, and both
// files' lengths before and after) is written to ".kestrix-journal" in the log
// folder and synced to disk. Only then are the log files written; once they are
// synced, the journal is marked empty. A program stopped in between (a kill, a
// power cut, a full disk) leaves a journal that the next start-up finds: it
// finishes the operation, or, where that cannot be done, undoes it, but only
// when the log files hold what the journal says they held before it or what it
// wrote (their lengths, and byte for byte the places it writes): the journal
// knows its log by content, wherever the files are now. A journal that does not
// fit the files is set aside under another name, never deleted. A journal cut
// short fails its checksum and is ignored: the log files were not touched.
// Nobody reading the .DAT files sees any of this; their formats are unchanged.

#include "store/Posix.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class Journal {
  public:
    static constexpr const char *FileName = ".kestrix-journal";
    enum LogFileIndex { Qrp = 0, Arci = 1 };

    struct Change {
        int file = Qrp;
        qint64 offset = 0;
        QByteArray after;  // the bytes the operation writes
        QByteArray before; // the bytes they replace, as far as the file reached
    };
    struct Operation {
        // Which files they were when it was written; kept for the reader, not
        // trusted: a file system hands a freed inode to the next file.
        std::array<Posix::FileId, 2> files{};
        std::array<qint64, 2> lengthBefore{};
        std::array<qint64, 2> lengthAfter{};
        QList<Change> changes;
    };

    explicit Journal(QString directory) : m_directory(std::move(directory)) {}
    ~Journal() { Posix::close(m_fd); }
    Journal(const Journal &) = delete;
    Journal &operator=(const Journal &) = delete;

    // Opens the journal in the folder open as dirFd, creating it if missing; 0
    // or the errno of the failure.
    int open(int dirFd);
    // Opens it again in the folder last given.
    int reopen() { return open(m_dirFd); }
    void setFolder(int dirFd) { m_dirFd = dirFd; }
    void close() { Posix::close(m_fd); }
    bool isOpen() const { return m_fd >= 0; }
    QString path() const;
    Posix::FileId id() const { return Posix::idOf(m_fd); }
    bool nameStillRefersToIt() const;
    // Renames the journal to SetAsideName (or SetAsideName.2, ...), never over
    // another file, and starts an empty one; 0 or the errno. *name gets the name taken.
    int setAside(QString *name);
    static constexpr const char *SetAsideName = ".kestrix-journal.aside";

    // The operation the journal holds, when it holds a whole one.
    std::optional<Operation> pending() const;
    // Writes the operation and syncs it; 0 or the errno of the failure.
    int record(const Operation &op);
    // Marks the journal empty and syncs it; 0 or the errno of the failure.
    int clear();

    static QByteArray encode(const Operation &op);
    static std::optional<Operation> decode(const QByteArray &bytes);

  private:
    QString m_directory;
    int m_dirFd = -1; // the folder's, owned by the store
    int m_fd = -1;
};
