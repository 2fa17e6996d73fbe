#include "LogLock.h"

#include "LogStore.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

LogLock::LogLock(const QString &directory) : m_directory(directory) {}

LogLock::~LogLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LogLock::acquire()
{
    const QByteArray p = QFile::encodeName(QDir(m_directory).filePath(LogStore::QrpFileName));
    m_fd = ::open(p.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        m_reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        m_heldByOther = errno == EWOULDBLOCK;
        m_reason = m_heldByOther ? QStringLiteral("the log is in use by another Kestrix")
                                 : QString::fromLocal8Bit(std::strerror(errno));
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}
