#include "store/Posix.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/falloc.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Posix {

namespace {
// Global on purpose: every write of the program passes through this file,
// whichever object makes it, so a test can stop or fail the disk under the whole
// program (the window's store included) without a seam in each caller.
WriteHook &hook()
{
    static WriteHook h;
    return h;
}

TraceHook &tracer()
{
    static TraceHook h;
    return h;
}

void trace(Step step, int fd, qint64 offset, const char *data, qint64 size)
{
    if (tracer())
        tracer()(step, fd, offset, data, size);
}

FileId fromStat(const struct stat &st)
{
    FileId id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.regular = S_ISREG(st.st_mode);
    id.exists = true;
    id.links = st.st_nlink;
    return id;
}
} // namespace

void setWriteHook(WriteHook h) { hook() = std::move(h); }
void setTraceHook(TraceHook h) { tracer() = std::move(h); }

void ignoreFileSizeSignal() { ::signal(SIGXFSZ, SIG_IGN); }

QString reason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

FileId idOf(int fd)
{
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return {};
    return fromStat(st);
}

FileId idOfPath(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return fromStat(st);
}

FileId idOfAt(int dirFd, const QString &name)
{
    struct stat st {};
    if (dirFd < 0 || ::fstatat(dirFd, QFile::encodeName(name).constData(), &st, 0) != 0)
        return {};
    return fromStat(st);
}

int openAt(int dirFd, const QString &name, int flags, mode_t mode)
{
    const QByteArray n = QFile::encodeName(name);
    int fd;
    do {
        fd = ::openat(dirFd, n.constData(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int renameAside(int dirFd, const QString &from, const QString &name, QString *taken)
{
    const QByteArray f = QFile::encodeName(from);
    for (int k = 1; k < 1000; ++k) {
        const QString candidate = k == 1 ? name : name + u'.' + QString::number(k);
        if (::renameat2(dirFd, f.constData(), dirFd, QFile::encodeName(candidate).constData(), RENAME_NOREPLACE) == 0) {
            if (taken)
                *taken = candidate;
            return 0;
        }
        if (errno == EINVAL && !idOfAt(dirFd, candidate).exists) {
            // A file system without RENAME_NOREPLACE: the name was just seen free.
            if (::renameat(dirFd, f.constData(), dirFd, QFile::encodeName(candidate).constData()) != 0)
                return errno;
            if (taken)
                *taken = candidate;
            return 0;
        }
        if (errno != EEXIST && errno != EINVAL)
            return errno;
    }
    return EEXIST;
}

int lockFile(int fd)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
        return 0;
    return errno == EACCES ? EAGAIN : errno;
}

int open(const QString &path, int flags, mode_t mode)
{
    const QByteArray p = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(p.constData(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

void close(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

qint64 length(int fd)
{
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return 0;
    return st.st_size;
}

qint64 readAt(int fd, char *into, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, into + done, size - done, offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

int writeAt(int fd, const char *data, qint64 size, qint64 offset)
{
    qint64 allowed = size;
    const bool goOn = !hook() || hook()(fd, offset, size, &allowed);
    if (allowed < 0)
        return int(-allowed);
    qint64 done = 0;
    int err = 0;
    while (done < allowed) {
        const ssize_t put = ::pwrite(fd, data + done, allowed - done, offset + done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0) {
            err = errno;
            break;
        }
        if (put == 0) {
            err = ENOSPC;
            break;
        }
        done += put;
    }
    if (done > 0)
        trace(Step::Write, fd, offset, data, done);
    if (!goOn)
        throw Stopped{};
    return err;
}

int writeAll(int fd, const char *data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, data + done, size_t(size - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, -1);
            continue;
        }
        if (put < 0)
            return errno;
        if (put == 0)
            return ENOSPC;
        done += put;
    }
    return 0;
}

int truncate(int fd, qint64 length)
{
    qint64 allowed = 0;
    if (hook() && !hook()(fd, length, -1, &allowed))
        throw Stopped{};
    int r;
    do {
        r = ::ftruncate(fd, length);
    } while (r != 0 && errno == EINTR);
    if (r == 0)
        trace(Step::Truncate, fd, length, nullptr, -1);
    return r == 0 ? 0 : errno;
}

int sync(int fd)
{
    if (::fsync(fd) != 0)
        return errno;
    trace(Step::Sync, fd, -1, nullptr, 0);
    return 0;
}

int syncDirectory(int dirFd)
{
    const int err = ::fsync(dirFd) == 0 ? 0 : errno;
    if (!err)
        trace(Step::SyncFolder, dirFd, -1, nullptr, 0);
    // Some file systems cannot sync a folder; that is no reason to stop.
    return err == EINVAL || err == EROFS ? 0 : err;
}

int syncDirectory(const QString &directory)
{
    int fd = open(directory, O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    const int err = syncDirectory(fd);
    close(fd);
    return err;
}

int reserve(int fd, qint64 offset, qint64 size)
{
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, offset, size) == 0)
        return 0;
    return errno == ENOSPC || errno == EFBIG ? errno : 0;
}

} // namespace Posix
