#include "ReadOnlyLog.h"

#include "ExportContacts.h"
#include "LogStore.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyLog::ReadOnlyLog(QString directory) : m_directory(std::move(directory)) {}

ReadOnlyLog::~ReadOnlyLog()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QString ReadOnlyLog::filePath() const { return QDir(m_directory).filePath(QLatin1String(LogStore::QrpFileName)); }

bool ReadOnlyLog::open()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_recordCount = 1;
    const QByteArray p = QFile::encodeName(filePath());
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    int fd;
    do {
        fd = ::open(p.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
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
    m_fd = fd;
    m_recordCount = LogStore::recordCountFor(st.st_size);
    return true;
}

bool ReadOnlyLog::readRecords(qint64 first, qint64 last, QByteArray &bytes, QString *error)
{
    bytes.clear();
    if (m_fd < 0 || first < 1 || last < first)
        return true;
    const qint64 offset = (first - 1) * QrpRecord::Size;
    const qint64 wanted = (last - first + 1) * QrpRecord::Size;
    bytes.resize(wanted);
    qint64 done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(m_fd, bytes.data() + done, wanted - done, offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(errno));
            bytes.clear();
            return false;
        }
        if (got == 0)
            break; // shorter than its count, or shrunk meanwhile: what is missing reads as blanks
        done += got;
    }
    bytes.truncate(done);
    return true;
}

bool ReadOnlyLog::read()
{
    m_contacts.clear();
    if (!open())
        return false;
    QByteArray bytes;
    if (!readRecords(1, m_recordCount, bytes, &m_reason))
        return false;
    auto record = [&bytes](qint64 n) {
        const qint64 at = (n - 1) * QrpRecord::Size;
        return QrpRecord::fromBytes(bytes.constData() + qMin<qint64>(at, bytes.size()),
                                    qMax<qint64>(0, bytes.size() - at));
    };
    const QrpRecord last = record(m_recordCount);
    const qint64 contacts = ExportContacts::holdsMoreThanBand(last) ? m_recordCount : m_recordCount - 1;
    m_contacts.reserve(contacts);
    for (qint64 n = 1; n <= contacts; ++n)
        m_contacts << record(n);
    return true;
}
