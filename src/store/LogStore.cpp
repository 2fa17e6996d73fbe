#include "store/LogStore.h"

#include "store/StartupRepair.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>

LogStore::LogStore(const QString &directory, FileErrorHandler onError)
    : m_directory(directory), m_onError(onError), m_qrp(directory, QrpFileName, QrpRecLen, onError),
      m_arci(directory, ArciFileName, ArciRecLen, onError), m_journal(directory),
      m_writer(m_qrp, m_arci, m_journal, onError, [this] { return filesStillTheLog(); })
{
}

LogStore::~LogStore()
{
    m_journal.close();
    m_qrp.close();
    m_arci.close();
    Posix::close(m_dirFd);
}

bool LogStore::openFolder()
{
    // The files are opened, checked and written through the folder open here, so
    // a name is always looked up in the folder the log was opened in.
    Posix::close(m_dirFd);
    m_dirFd = Posix::open(m_directory, O_RDONLY | O_DIRECTORY);
    m_journal.setFolder(m_dirFd);
    if (m_dirFd >= 0)
        return true;
    if (m_onError)
        m_onError(QLatin1String(QrpFileName), Posix::reason(errno));
    return false;
}

qint32 LogStore::recordCountFor(qint64 length)
{
    qint64 whole = length / QrpRecLen;
    const qint64 rest = length % QrpRecLen;
    if (2 * rest > QrpRecLen || (2 * rest == QrpRecLen && (whole % 2) != 0))
        ++whole;
    if (whole < 1)
        whole = 1;
    return static_cast<qint32>(qMin<qint64>(whole, std::numeric_limits<qint32>::max()));
}

bool LogStore::openQrp()
{
    if ((m_dirFd < 0 && !openFolder()) || !m_qrp.open(m_dirFd))
        return false;
    reopenQrp();
    return true;
}

bool LogStore::openArci()
{
    if ((m_dirFd < 0 && !openFolder()) || !m_arci.open(m_dirFd))
        return false;
    reopenArci();
    return true;
}

void LogStore::reopenQrp()
{
    m_qrp.reopen();
    m_currentRecord = 1;
    m_recordCount = recordCountFor(m_qrp.length());
}

void LogStore::reopenArci()
{
    m_arci.reopen();
    m_arciRecord = 1;
}

void LogStore::reportJournal(const QString &reason)
{
    if (m_onError)
        m_onError(QLatin1String(Journal::FileName), reason);
}

bool LogStore::open()
{
    m_notes.clear();
    m_journal.close();
    m_qrp.close();
    m_arci.close();
    // A file-size limit makes a write fail (EFBIG, reported) instead of ending the program.
    Posix::ignoreFileSizeSignal();
    if (!openFolder() || !openQrp())
        return false;
    // One file under both names is refused before the second name is opened.
    if (Posix::idOfAt(m_dirFd, QLatin1String(ArciFileName)) == m_qrp.id()) {
        closeQrp();
        if (m_onError)
            m_onError(QStringLiteral("%1 and %2").arg(QLatin1String(QrpFileName), QLatin1String(ArciFileName)),
                      QStringLiteral("the two names are one file"));
        return false;
    }
    if (!openArci())
        return false;
    if (const int err = m_journal.open(m_dirFd)) {
        reportJournal(Posix::reason(err));
        return false;
    }
    if (!m_writer.journalReady())
        return false;
    StartupRepair repairs(m_qrp, m_arci, m_journal, m_writer, m_dirFd, m_onError, m_notes);
    if (!repairs.finishJournal())
        return false;
    repairs.mendLog();
    reopenQrp();
    reopenArci();
    return !repairs.failed();
}

bool LogStore::repair()
{
    StartupRepair repairs(m_qrp, m_arci, m_journal, m_writer, m_dirFd, m_onError, m_notes);
    const bool wrote = repairs.mendLog();
    reopenQrp();
    reopenArci();
    return wrote;
}

bool LogStore::recoverCutOffSave()
{
    StartupRepair repairs(m_qrp, m_arci, m_journal, m_writer, m_dirFd, m_onError, m_notes);
    const bool wrote = repairs.mendCutOffSave();
    reopenQrp();
    reopenArci();
    return wrote;
}

void LogStore::readRecord(qint64 n) { QrpRecord_ = QrpRecord::fromBytes(m_qrp.read(n)); }

// ---- operations ---------------------------------------------------------------

LogStore::Outcome LogStore::saveContact(qint32 n, const QrpRecord &record, const ArciLine &line)
{
    if (n < 1 || n != m_recordCount || n == std::numeric_limits<qint32>::max())
        return Outcome::Refused;
    QrpRecord placeholder;
    placeholder.set(QrpRecord::Band, record.raw(QrpRecord::Band));
    QList<Write> writes{{Journal::Qrp, (n - 1) * qint64(QrpRecLen), record.bytes()}};
    writes += missingLinesBefore(n);
    writes += {{Journal::Arci, (n - 1) * qint64(ArciRecLen), line.bytes()},
               {Journal::Qrp, n * qint64(QrpRecLen), placeholder.bytes()}};
    return operate(n, n + 1, writes);
}

LogStore::Outcome LogStore::rewriteRecord(qint32 n, const QrpRecord &record, const ArciLine &line)
{
    if (n < 1 || n >= m_recordCount)
        return Outcome::Refused;
    QList<Write> writes{{Journal::Qrp, (n - 1) * qint64(QrpRecLen), record.bytes()}};
    writes += missingLinesBefore(n);
    writes += {{Journal::Arci, (n - 1) * qint64(ArciRecLen), line.bytes()}};
    return operate(n, m_recordCount, writes);
}

LogStore::Outcome LogStore::deleteRecord(qint32 n)
{
    const QrpRecord deleted = QrpRecord::deleted();
    return rewriteRecord(n, deleted, ArciLine::forRecord(deleted));
}

LogStore::Outcome LogStore::writeBack(qint32 n, const QrpRecord &record)
{
    return operate(n, m_recordCount, {{Journal::Qrp, (n - 1) * qint64(QrpRecLen), record.bytes()}});
}

LogStore::Outcome LogStore::operate(qint32 n, qint32 below, const QList<Write> &writes)
{
    // Stored contacts only (and, for a save, the placeholder that takes it).
    if (n < 1 || n >= below)
        return Outcome::Refused;
    m_currentRecord = m_arciRecord = n;
    const Outcome outcome = m_writer.run(writes);
    if (outcome != Outcome::FilesChanged) {
        reopenQrp();
        reopenArci();
    }
    return outcome;
}

QList<LogStore::Write> LogStore::missingLinesBefore(qint64 n)
{
    // A line past the end of ARCIFILE.DAT would leave a gap of zero bytes: the
    // lines before it are written from their records first.
    QList<Write> writes;
    for (qint64 k = m_arci.length() / ArciRecLen + 1; k < n; ++k)
        writes.append(
            {Journal::Arci, (k - 1) * ArciRecLen, ArciLine::forRecord(QrpRecord::fromBytes(m_qrp.read(k))).bytes()});
    return writes;
}

bool LogStore::filesStillTheLog() const
{
    // A folder renamed while the program runs leaves the path to a new folder
    // (or none): the log is then the one at the path, opened again.
    const Posix::FileId folder = Posix::idOfPath(m_directory);
    return folder == Posix::idOf(m_dirFd) && m_qrp.nameStillRefersToIt() && m_arci.nameStillRefersToIt() &&
           !(m_qrp.id() == m_arci.id());
}

// ---- scans ------------------------------------------------------------------------

void LogStore::scan(qint32 first, qint32 last, const Visitor &visit)
{
    // The same slices as the in-place scan, with each record in the shared buffer.
    scanRaw(first, last, [&](qint32 n, const char *record) {
        QrpRecord_ = QrpRecord::fromBytes(record, QrpRecLen);
        return visit(n, QrpRecord_);
    });
}
