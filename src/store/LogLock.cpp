#include "store/LogLock.h"

#include "store/Posix.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

LogLock::LogLock(const QString &directory) : m_directory(directory) {}

LogLock::~LogLock() { Posix::close(m_fd); }

bool LogLock::acquire()
{
    // The lock is on the folder, not on a file in it: renaming or removing the
    // log files leaves the folder, and so the lock, where it was.
    m_fd = Posix::open(m_directory, O_RDONLY | O_DIRECTORY);
    if (m_fd < 0) {
        m_reason = Posix::reason(errno);
        return false;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        m_heldByOther = errno == EWOULDBLOCK;
        m_reason = m_heldByOther ? QStringLiteral("the log is in use by another Kestrix") : Posix::reason(errno);
        Posix::close(m_fd);
        return false;
    }
    return true;
}
