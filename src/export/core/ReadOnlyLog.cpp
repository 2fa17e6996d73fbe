#include "ReadOnlyLog.h"

#include "LogStore.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyLog::ReadOnlyLog(QString directory) : m_directory(std::move(directory)) {}

QString ReadOnlyLog::filePath() const { return QDir(m_directory).filePath(QLatin1String(LogStore::QrpFileName)); }

bool ReadOnlyLog::read()
{
    m_contacts.clear();
    m_recordCount = 1;
    const QByteArray p = QFile::encodeName(filePath());
    int fd;
    do {
        fd = ::open(p.constData(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        m_reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        m_reason = QStringLiteral("not a regular file");
        ::close(fd);
        return false;
    }
    m_recordCount = LogStore::recordCountFor(st.st_size);
    // The placeholder and any bytes after it are not needed.
    const qint64 wanted = qMin<qint64>(st.st_size, qint64(m_recordCount - 1) * QrpRecord::Size);
    QByteArray bytes(wanted, Qt::Uninitialized);
    qint64 done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(fd, bytes.data() + done, wanted - done, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            m_reason = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return false;
        }
        if (got == 0)
            break; // shrunk meanwhile: what is missing reads as blanks
        done += got;
    }
    ::close(fd);
    bytes.truncate(done);

    m_contacts.reserve(m_recordCount - 1);
    for (qint64 n = 1; n < m_recordCount; ++n) {
        const qint64 at = (n - 1) * QrpRecord::Size;
        m_contacts << QrpRecord::fromBytes(bytes.constData() + qMin<qint64>(at, bytes.size()),
                                           qMax<qint64>(0, bytes.size() - at));
    }
    return true;
}
