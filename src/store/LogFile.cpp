#include "store/LogFile.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>

int LogFile::s_nextFileNumber = 1;

LogFile::LogFile(QString directory, QString name, int recordLength, FileErrorHandler onError)
    : m_directory(std::move(directory)), m_name(std::move(name)), m_recordLength(recordLength),
      m_onError(std::move(onError))
{
}

LogFile::~LogFile() { close(); }

QString LogFile::path() const { return QDir(m_directory).filePath(m_name); }

void LogFile::fail(const QString &reason) const
{
    if (m_onError)
        m_onError(m_name, reason);
}

bool LogFile::open(int dirFd)
{
    close();
    m_dirFd = dirFd;
    const bool existed = Posix::idOfAt(dirFd, m_name).exists;
    int fd = Posix::openAt(dirFd, m_name, O_RDWR | O_CREAT);
    if (fd < 0) {
        fail(Posix::reason(errno));
        return false;
    }
    const Posix::FileId id = Posix::idOf(fd);
    if (!id.regular) {
        Posix::close(fd);
        fail(QStringLiteral("not a regular file"));
        return false;
    }
    // The lock is on the file itself: a second Kestrix is refused however it
    // reaches it (another folder of links to it, a folder renamed and made again).
    if (const int err = Posix::lockFile(fd)) {
        Posix::close(fd);
        fail(err == EAGAIN ? QStringLiteral("the log is in use by another Kestrix") : Posix::reason(err));
        return false;
    }
    // A file created here stays created after a power cut.
    if (!existed)
        Posix::syncDirectory(dirFd);
    m_fd = fd;
    m_id = id;
    reopen();
    return true;
}

void LogFile::reopen()
{
    m_fileNumber = s_nextFileNumber++;
    if (s_nextFileNumber > 511)
        s_nextFileNumber = 1;
}

void LogFile::close()
{
    Posix::close(m_fd);
    m_id = {};
}

bool LogFile::nameStillRefersToIt() const
{
    const Posix::FileId now = Posix::idOfAt(m_dirFd, m_name);
    return m_fd >= 0 && now.regular && now == m_id;
}

qint64 LogFile::length() const { return Posix::length(m_fd); }

QByteArray LogFile::read(qint64 n) const { return readRange(n, n); }

QByteArray LogFile::readRange(qint64 first, qint64 last) const
{
    if (m_fd < 0 || first < 1 || last < first)
        return {};
    const qint64 offset = (first - 1) * m_recordLength;
    const qint64 end = qMin(last * m_recordLength, length());
    if (end <= offset)
        return {};
    return readBytes(offset, end - offset);
}

QByteArray LogFile::readBytes(qint64 offset, qint64 size) const
{
    if (m_fd < 0 || offset < 0 || size <= 0)
        return {};
    QByteArray buffer(size, Qt::Uninitialized);
    const qint64 got = Posix::readAt(m_fd, buffer.data(), size, offset);
    if (got < 0) {
        fail(Posix::reason(errno));
        return {};
    }
    buffer.truncate(got);
    return buffer;
}
