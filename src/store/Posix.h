#pragma once
// The system calls the log store makes, each retried on EINTR and each giving
// the system's reason when it fails. Every call that changes a file passes
// through writeAt or truncate, so a test can cut the sequence of writes of an
// operation at any call and any byte, as a kill or a power cut would.

#include <QByteArray>
#include <QString>
#include <functional>
#include <sys/types.h>

namespace Posix {

// The system's words for an errno value.
QString reason(int err);

// Which file a name or descriptor refers to.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    bool regular = false;
    bool exists = false;
    nlink_t links = 0;
    bool operator==(const FileId &o) const { return exists && o.exists && device == o.device && inode == o.inode; }
};
FileId idOf(int fd);
FileId idOfPath(const QString &path);
// The file a name in a folder (opened as a descriptor) refers to, links followed.
FileId idOfAt(int dirFd, const QString &name);

// Keeps a file whose size limit (ulimit -f) is reached from ending the program:
// the write then fails with EFBIG and is reported like a full disk.
void ignoreFileSizeSignal();

// open(2); -1 with errno set on failure.
int open(const QString &path, int flags, mode_t mode = 0644);
// openat(2): a name in the folder open as dirFd; -1 with errno set on failure.
int openAt(int dirFd, const QString &name, int flags, mode_t mode = 0644);
// Renames a file in the folder open as dirFd to the first of name, name.2,
// name.3, ... that is free, never over another file. 0 or the errno.
int renameAside(int dirFd, const QString &from, const QString &name, QString *taken);
// An exclusive lock on the whole file, held by this open file (not by the
// process), so a second open of the same file, from here or from another
// program, is refused. 0, EAGAIN when another holds it, or the errno.
int lockFile(int fd);
void close(int &fd);

qint64 length(int fd);
// Reads up to size bytes at offset; fewer where the file ends. -1 with errno on failure.
qint64 readAt(int fd, char *into, qint64 size, qint64 offset);
// Writes all of data at offset. 0, or the errno of the failure (ENOSPC when
// the system stopped short without saying why).
int writeAt(int fd, const char *data, qint64 size, qint64 offset);
int truncate(int fd, qint64 length);
// Writes all of data at the descriptor's position (a pipe, a terminal or a
// file), through interruptions, short writes and a descriptor left
// non-blocking. 0 or the errno of the failure. Not for the log files.
int writeAll(int fd, const char *data, qint64 size);
int sync(int fd);
// Syncs the folder itself, so a file created or removed in it stays so.
int syncDirectory(const QString &directory);
int syncDirectory(int dirFd);
// Reserves space for bytes offset..offset+size without changing the length:
// ENOSPC or EFBIG when the space cannot be had, 0 otherwise (also where the
// file system cannot reserve).
int reserve(int fd, qint64 offset, qint64 size);

// For tests: called before every writeAt and truncate with the descriptor, the
// offset (the new length for a truncate, with size -1) and the size. It may
// lower *allowed (the bytes of this write that reach the file, from the start)
// and return false to stop right after them, as a kill would; the store then
// throws Posix::Stopped. A write given a negative *allowed fails with that
// errno (-*allowed), writing nothing, as a failing disk would.
using WriteHook = std::function<bool(int fd, qint64 offset, qint64 size, qint64 *allowed)>;
void setWriteHook(WriteHook hook);
struct Stopped {};

// For tests: sees every change and sync as it is made, with the bytes that
// reached the file (a truncate has size -1 and no data; a sync of a file or a
// folder has offset -1).
enum class Step { Write, Truncate, Sync, SyncFolder };
using TraceHook = std::function<void(Step step, int fd, qint64 offset, const char *data, qint64 size)>;
void setTraceHook(TraceHook hook);

} // namespace Posix
