#include "export/core/ReadOnlyLog.h"

#include "export/core/ExportContacts.h"
#include "store/LogStore.h"
#include "store/Posix.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>

ReadOnlyLog::ReadOnlyLog(QString directory) : m_directory(std::move(directory)) {}

ReadOnlyLog::~ReadOnlyLog() { Posix::close(m_fd); }

QString ReadOnlyLog::filePath() const { return QDir(m_directory).filePath(QLatin1String(LogStore::QrpFileName)); }

bool ReadOnlyLog::open()
{
    Posix::close(m_fd);
    m_recordCount = 1;
    // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
    int fd = Posix::open(filePath(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        m_reason = Posix::reason(errno);
        return false;
    }
    if (!Posix::idOf(fd).regular) {
        m_reason = QStringLiteral("not a regular file");
        Posix::close(fd);
        return false;
    }
    m_fd = fd;
    m_recordCount = LogStore::recordCountFor(Posix::length(fd));
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
    // A file shorter than its count, or shrunk meanwhile: what is missing reads as blanks.
    const qint64 done = Posix::readAt(m_fd, bytes.data(), wanted, offset);
    if (done < 0) {
        if (error)
            *error = Posix::reason(errno);
        bytes.clear();
        return false;
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
    const qint64 contacts = last.holdsMoreThanBand() ? m_recordCount : m_recordCount - 1;
    m_contacts.reserve(contacts);
    for (qint64 n = 1; n <= contacts; ++n)
        m_contacts << record(n);
    return true;
}
