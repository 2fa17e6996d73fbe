#include "store/Posix.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/falloc.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Posix {

namespace {
WriteHook &hook()
{
    static WriteHook h;
    return h;
}

FileId fromStat(const struct stat &st)
{
    FileId id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.regular = S_ISREG(st.st_mode);
    id.exists = true;
    return id;
}
} // namespace

void setWriteHook(WriteHook h) { hook() = std::move(h); }

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
    return r == 0 ? 0 : errno;
}

int sync(int fd) { return ::fsync(fd) == 0 ? 0 : errno; }

int syncDirectory(const QString &directory)
{
    const int fd = open(directory, O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return errno;
    const int err = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder; that is no reason to stop.
    return err == EINVAL || err == EROFS ? 0 : err;
}

int reserve(int fd, qint64 offset, qint64 size)
{
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, offset, size) == 0)
        return 0;
    return errno == ENOSPC || errno == EFBIG ? errno : 0;
}

} // namespace Posix
