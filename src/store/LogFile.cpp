#include "LogFile.h"

#include <QDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/falloc.h>
#include <sys/stat.h>
#include <unistd.h>

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

static QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

bool LogFile::open()
{
    close();
    const QByteArray p = QFile::encodeName(path());
    int fd;
    do {
        fd = ::open(p.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        fail(systemReason(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
        ::close(fd);
        fail(QStringLiteral("not a regular file"));
        return false;
    }
    m_fd = fd;
    m_fileNumber = s_nextFileNumber++;
    if (s_nextFileNumber > 511)
        s_nextFileNumber = 1;
    return true;
}

void LogFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

qint64 LogFile::length() const
{
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return 0;
    return st.st_size;
}

QByteArray LogFile::read(qint64 n) const { return readRange(n, n); }

QByteArray LogFile::readRange(qint64 first, qint64 last) const
{
    if (m_fd < 0 || first < 1 || last < first)
        return {};
    const qint64 offset = (first - 1) * m_recordLength;
    const qint64 end = qMin(last * m_recordLength, length());
    if (end <= offset)
        return {};
    QByteArray buffer(end - offset, Qt::Uninitialized);
    qint64 done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::pread(m_fd, buffer.data() + done, buffer.size() - done, offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            fail(systemReason(errno));
            return {};
        }
        if (got == 0)
            break;
        done += got;
    }
    buffer.truncate(done);
    return buffer;
}

bool LogFile::write(qint64 n, const QByteArray &record)
{
    if (m_fd < 0 || n < 1 || record.size() != m_recordLength)
        return false;
    const qint64 offset = (n - 1) * m_recordLength;
    const qint64 before = length();
    const bool extends = offset + m_recordLength > before;
    const QByteArray previous = extends ? QByteArray() : readRange(n, n);

    // Reserve the space first where the write grows the file, so a full disk or a
    // file-size limit is met before a single byte of the record is written.
    if (extends) {
        // KEEP_SIZE: a kill right after this leaves the length, and so the count, alone.
        if (::fallocate(m_fd, FALLOC_FL_KEEP_SIZE, offset, m_recordLength) != 0 && errno == ENOSPC) {
            fail(systemReason(ENOSPC));
            return false;
        }
    }
    ssize_t put;
    do {
        put = ::pwrite(m_fd, record.constData(), record.size(), offset);
    } while (put < 0 && errno == EINTR);
    int writeErr = put < 0 ? errno : 0;
    if (put >= 0 && put < record.size()) {
        // Part of the record went out: the rest is tried once, so the system says
        // why it stopped (a full disk, a file-size limit) or the record is whole.
        ssize_t more;
        do {
            more = ::pwrite(m_fd, record.constData() + put, record.size() - put, offset + put);
        } while (more < 0 && errno == EINTR);
        writeErr = more < 0 ? errno : (put + more != record.size() ? ENOSPC : 0);
    }
    int syncErr = 0;
    if (writeErr == 0 && ::fsync(m_fd) != 0)
        syncErr = errno;
    if (writeErr == 0 && syncErr == 0)
        return true;

    // Undo what part of the record got out, so the file keeps only whole records.
    if (extends) {
        if (::ftruncate(m_fd, before) != 0) { /* nothing more can be done */ }
    } else if (!previous.isEmpty()) {
        if (::pwrite(m_fd, previous.constData(), previous.size(), offset) < 0) { /* as above */ }
    }
    fail(systemReason(writeErr ? writeErr : syncErr));
    return false;
}
