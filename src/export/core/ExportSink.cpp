#include "export/core/ExportSink.h"

#include "store/Posix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Posix::writeAll;

} // namespace

bool ExportSink::fail(const QString &why)
{
    if (m_reason.isEmpty())
        m_reason = why;
    return false;
}

FileReplacement::FileReplacement(QString path) : m_path(std::move(path))
{
    // A link is followed: the file it names is replaced, the link stays a link.
    const QFileInfo info(m_path);
    if (info.isSymLink() && info.exists())
        m_path = info.canonicalFilePath();
}

FileReplacement::~FileReplacement() { abandon(); }

bool FileReplacement::open()
{
    const QFileInfo target(m_path);
    QByteArray name = QFile::encodeName(QDir(target.absolutePath()).filePath(QStringLiteral(".kestrix-export-XXXXXX")));
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0)
        return fail(Posix::reason(errno));
    m_temporary = QFile::decodeName(name);

    // The new file gets the old one's permissions (and owner, where allowed);
    // a new file the usual ones.
    struct stat st {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        if (::fchown(m_fd, st.st_uid, st.st_gid) != 0) {
            // Not allowed to give it away: it stays the operator's own.
        }
        ::fchmod(m_fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    }
    return true;
}

bool FileReplacement::write(const char *data, qint64 size)
{
    if (m_fd < 0)
        return fail(QStringLiteral("the file is not open"));
    const int error = writeAll(m_fd, data, size);
    return error == 0 || fail(Posix::reason(error));
}

bool FileReplacement::finish()
{
    if (m_fd < 0)
        return fail(QStringLiteral("the file is not open"));
    if (::fsync(m_fd) != 0)
        return fail(Posix::reason(errno));
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        fail(Posix::reason(errno));
        abandon();
        return false;
    }
    // Whatever took the name meanwhile: a folder, pipe or device is never replaced.
    const QByteArray target = QFile::encodeName(m_path);
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) {
        fail(QStringLiteral("it is no longer a regular file"));
        abandon();
        return false;
    }
    if (::rename(QFile::encodeName(m_temporary).constData(), target.constData()) != 0) {
        fail(Posix::reason(errno));
        abandon();
        return false;
    }
    m_temporary.clear();
    // The rename itself reaches the disk with the folder.
    Posix::syncDirectory(QFileInfo(m_path).absolutePath());
    return true;
}

void FileReplacement::abandon()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
}

DescriptorOutput::DescriptorOutput(int fd) : m_fd(fd) {}

bool DescriptorOutput::write(const char *data, qint64 size)
{
    if (m_fd < 0)
        return fail(Posix::reason(EBADF));
    const int error = writeAll(m_fd, data, size);
    return error == 0 || fail(Posix::reason(error));
}

bool DescriptorOutput::finish()
{
    if (m_fd < 0)
        return fail(Posix::reason(EBADF));
    struct stat st {};
    if (::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(m_fd) != 0)
        return fail(Posix::reason(errno));
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        return fail(Posix::reason(errno));
    return true;
}

bool BufferOutput::write(const char *data, qint64 size)
{
    bytes.append(data, size);
    return true;
}
