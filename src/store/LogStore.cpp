#include "store/LogStore.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <limits>

LogStore::LogStore(const QString &directory, FileErrorHandler onError)
    : m_directory(directory), m_onError(onError), m_qrp(directory, QrpFileName, QrpRecLen, onError),
      m_arci(directory, ArciFileName, ArciRecLen, onError), m_journal(directory)
{
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
    if (!m_qrp.open())
        return false;
    reopenQrp();
    return true;
}

bool LogStore::openArci()
{
    if (!m_arci.open())
        return false;
    reopenArci();
    return true;
}

void LogStore::reopenQrp()
{
    m_qrp.reopen();
    m_currentRecord = 1;
    m_recordCount = recordCountFor(lengthWithPending(Journal::Qrp));
}

void LogStore::reopenArci()
{
    m_arci.reopen();
    m_arciRecord = 1;
}

void LogStore::reportJournal(int err)
{
    if (m_onError)
        m_onError(QLatin1String(Journal::FileName), Posix::reason(err));
}

bool LogStore::open()
{
    m_notes.clear();
    m_lastOutcome = Outcome::Written;
    m_pending.clear();
    m_inOperation = false;
    m_journal.close();
    if (!openQrp() || !openArci())
        return false;
    if (m_qrp.id() == m_arci.id()) {
        closeQrp();
        closeArci();
        if (m_onError)
            m_onError(QStringLiteral("%1 and %2").arg(QLatin1String(QrpFileName), QLatin1String(ArciFileName)),
                      QStringLiteral("the two names are one file"));
        return false;
    }
    if (const int err = m_journal.open()) {
        reportJournal(err);
        return false;
    }
    const Posix::FileId journal = m_journal.id();
    if (journal == m_qrp.id() || journal == m_arci.id()) {
        reportJournal(EINVAL);
        return false;
    }
    if (!finishJournal())
        return false;
    repair();
    return m_lastOutcome != Outcome::Failed;
}

void LogStore::readRecord(qint64 n) { QrpRecord_ = QrpRecord::fromBytes(m_qrp.read(n)); }

// ---- operations ---------------------------------------------------------------

void LogStore::beginOperation()
{
    m_pending.clear();
    m_inOperation = true;
}

void LogStore::abandonOperation()
{
    m_pending.clear();
    m_inOperation = false;
}

qint64 LogStore::lengthWithPending(int index)
{
    qint64 length = file(index).length();
    for (const Write &w : m_pending)
        if (w.file == index)
            length = qMax(length, w.offset + w.bytes.size());
    return length;
}

void LogStore::queue(int index, qint64 offset, const QByteArray &bytes)
{
    // A later write to the same place replaces an earlier one of the same operation.
    for (Write &w : m_pending)
        if (w.file == index && w.offset == offset && w.bytes.size() == bytes.size()) {
            w.bytes = bytes;
            return;
        }
    m_pending.append({index, offset, bytes});
}

bool LogStore::writeRecord(qint64 n)
{
    if (n < 1 || n > std::numeric_limits<qint32>::max())
        return false;
    const bool own = !m_inOperation;
    if (own)
        beginOperation();
    queue(Journal::Qrp, (n - 1) * QrpRecLen, QrpRecord_.bytes());
    return own ? commitOperation() == Outcome::Written : true;
}

bool LogStore::writeArciLine(qint64 n)
{
    if (n < 1 || n > std::numeric_limits<qint32>::max())
        return false;
    const bool own = !m_inOperation;
    if (own)
        beginOperation();
    // A line past the end of ARCIFILE.DAT would leave a gap of zero bytes: the
    // lines before it are written from their records first.
    queueMissingLinesBefore(n);
    queue(Journal::Arci, (n - 1) * ArciRecLen, ArciLine_.bytes());
    return own ? commitOperation() == Outcome::Written : true;
}

void LogStore::queueMissingLinesBefore(qint64 n)
{
    const qint64 whole = lengthWithPending(Journal::Arci) / ArciRecLen;
    for (qint64 k = whole + 1; k < n; ++k) {
        bool queued = false;
        for (const Write &w : m_pending)
            queued = queued || (w.file == Journal::Arci && w.offset == (k - 1) * ArciRecLen);
        if (!queued)
            queue(Journal::Arci, (k - 1) * ArciRecLen, lineFor(QrpRecord::fromBytes(m_qrp.read(k))).bytes());
    }
}

LogStore::Outcome LogStore::commitOperation()
{
    QList<Write> writes = std::move(m_pending);
    m_pending.clear();
    m_inOperation = false;
    return run(std::move(writes));
}

bool LogStore::filesStillTheLog() const
{
    return m_qrp.nameStillRefersToIt() && m_arci.nameStillRefersToIt() && !(m_qrp.id() == m_arci.id());
}

LogStore::Outcome LogStore::run(QList<Write> writes, int truncateFile, qint64 truncateTo)
{
    if (writes.isEmpty() && truncateTo < 0)
        return m_lastOutcome = Outcome::Written;
    if (!filesStillTheLog())
        return m_lastOutcome = Outcome::FilesChanged;
    // The journal is ours; should it have gone, it is made again before it is needed.
    if (!m_journal.nameStillRefersToIt()) {
        if (const int err = m_journal.open()) {
            reportJournal(err);
            return m_lastOutcome = Outcome::Failed;
        }
    }

    Journal::Operation op;
    for (int f = 0; f < 2; ++f) {
        op.files[f] = file(f).id();
        op.lengthBefore[f] = op.lengthAfter[f] = file(f).length();
    }
    // What a truncation cuts off has been set aside in a file of its own first.
    if (truncateTo >= 0 && truncateTo < op.lengthBefore[truncateFile])
        op.lengthAfter[truncateFile] = truncateTo;
    for (const Write &w : writes) {
        const qint64 before = op.lengthBefore[w.file];
        const QByteArray old = w.offset < before
                                   ? file(w.file).readBytes(w.offset, qMin<qint64>(w.bytes.size(), before - w.offset))
                                   : QByteArray();
        op.changes.append({w.file, w.offset, w.bytes, old});
        op.lengthAfter[w.file] = qMax(op.lengthAfter[w.file], w.offset + w.bytes.size());
    }
    return m_lastOutcome = apply(op) ? Outcome::Written : Outcome::Failed;
}

bool LogStore::apply(const Journal::Operation &op)
{
    // Space for what grows a file is had before anything is written, so a full
    // disk or a file-size limit stops the operation while both files are as they were.
    for (const Journal::Change &c : op.changes) {
        if (c.after.isEmpty() || c.offset + c.after.size() <= op.lengthBefore[c.file])
            continue;
        if (const int err = Posix::reserve(file(c.file).fd(), c.offset, c.after.size())) {
            file(c.file).fail(Posix::reason(err));
            return false;
        }
    }
    if (const int err = m_journal.record(op)) {
        reportJournal(err);
        return false;
    }
    for (const Journal::Change &c : op.changes) {
        if (c.after.isEmpty())
            continue;
        if (const int err = Posix::writeAt(file(c.file).fd(), c.after.constData(), c.after.size(), c.offset)) {
            undo(op);
            file(c.file).fail(Posix::reason(err));
            return false;
        }
    }
    for (int f = 0; f < 2; ++f) {
        if (op.lengthAfter[f] < op.lengthBefore[f]) {
            if (const int err = Posix::truncate(file(f).fd(), op.lengthAfter[f])) {
                undo(op);
                file(f).fail(Posix::reason(err));
                return false;
            }
        }
    }
    for (int f = 0; f < 2; ++f) {
        bool touched = op.lengthAfter[f] != op.lengthBefore[f];
        for (const Journal::Change &c : op.changes)
            touched = touched || c.file == f;
        if (!touched)
            continue;
        if (const int err = Posix::sync(file(f).fd())) {
            undo(op);
            file(f).fail(Posix::reason(err));
            return false;
        }
    }
    if (const int err = m_journal.clear()) {
        // The operation is on disk; the journal would only make it again.
        reportJournal(err);
        return false;
    }
    return true;
}

bool LogStore::undo(const Journal::Operation &op)
{
    bool whole = true;
    for (int f = 0; f < 2; ++f)
        if (file(f).length() != op.lengthBefore[f] && op.lengthAfter[f] >= op.lengthBefore[f])
            whole = Posix::truncate(file(f).fd(), op.lengthBefore[f]) == 0 && whole;
    for (qsizetype i = op.changes.size() - 1; i >= 0; --i) {
        const Journal::Change &c = op.changes.at(i);
        if (!c.before.isEmpty())
            whole = Posix::writeAt(file(c.file).fd(), c.before.constData(), c.before.size(), c.offset) == 0 && whole;
    }
    for (int f = 0; f < 2; ++f)
        whole = Posix::sync(file(f).fd()) == 0 && whole;
    // A journal not cleared is taken up again by the next start-up.
    return whole && m_journal.clear() == 0;
}

int LogStore::redo(const Journal::Operation &op)
{
    for (const Journal::Change &c : op.changes)
        if (!c.after.isEmpty())
            if (const int err = Posix::writeAt(file(c.file).fd(), c.after.constData(), c.after.size(), c.offset))
                return err;
    for (int f = 0; f < 2; ++f)
        if (op.lengthAfter[f] < op.lengthBefore[f] && file(f).length() > op.lengthAfter[f])
            if (const int err = Posix::truncate(file(f).fd(), op.lengthAfter[f]))
                return err;
    for (int f = 0; f < 2; ++f)
        if (const int err = Posix::sync(file(f).fd()))
            return err;
    return m_journal.clear();
}

bool LogStore::finishJournal()
{
    const std::optional<Journal::Operation> op = m_journal.pending();
    if (!op)
        return true;
    if (!(op->files[Journal::Qrp] == m_qrp.id()) || !(op->files[Journal::Arci] == m_arci.id())) {
        // The operation was on files that are no longer this folder's log.
        m_notes << QStringLiteral("An unfinished operation on earlier log files was dropped.");
        if (const int err = m_journal.clear()) {
            reportJournal(err);
            return false;
        }
        return true;
    }
    const int err = redo(*op);
    if (!err) {
        m_notes << QStringLiteral("The last operation, stopped before it ended, was completed.");
        return true;
    }
    // It cannot be completed (no room, say): it is undone instead, so both files
    // are again as they were before it.
    if (undo(*op)) {
        m_notes << QStringLiteral("The last operation, stopped before it ended, was undone.");
        return true;
    }
    m_qrp.fail(Posix::reason(err));
    return false;
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

ArciLine LogStore::lineOf(const QrpRecord::Values &values)
{
    ArciLine line;
    for (const QrpRecord::FieldPlace &f : QrpRecord::fields)
        line.set(f.column, values[f.field]);
    return line;
}

ArciLine LogStore::rewrittenLineOf(const QrpRecord::Values &values)
{
    ArciLine line = lineOf(values);
    if (values[QrpRecord::Callsign] == QLatin1String(QrpRecord::DeletedCall)) {
        line.set(ArciLine::Callsign, QString());
        line.set(ArciLine::QsoDate, QLatin1String(QrpRecord::DeletedCall));
    }
    return line;
}

ArciLine LogStore::lineFor(const QrpRecord &r)
{
    // Each field as it was written: the blanks that pad it on the right are left
    // off (they pad the wider column all the same), leading blanks stay.
    QrpRecord::Values values;
    for (const QrpRecord::FieldPlace &f : QrpRecord::fields) {
        QString stored = r.raw(f.field);
        while (stored.endsWith(u' '))
            stored.chop(1);
        values[f.field] = stored;
    }
    return rewrittenLineOf(values);
}

// ---- start-up repair -------------------------------------------------------------

namespace {

bool holdsMoreThanBand(const QrpRecord &r)
{
    for (int f = 0; f < QrpRecord::FieldCount; ++f)
        if (f != QrpRecord::Band && !r.value(QrpRecord::Field(f)).isEmpty())
            return true;
    return false;
}

// The first bytes of a placeholder: blanks, with the band where they reach it.
bool placeholderStart(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes.at(i) != ' ' && (i < 27 || i > 29))
            return false;
    return true;
}

bool allZero(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        if (data[i] != 0)
            return false;
    return true;
}

QrpRecord placeholderFor(const QrpRecord &contact)
{
    QrpRecord p;
    p.set(QrpRecord::Band, contact.raw(QrpRecord::Band));
    return p;
}

} // namespace

bool LogStore::setAside(int index, qint64 from, const char *strayName)
{
    // Bytes that belong to no record or line of the log: kept in a file of their
    // own, synced, then cut off, so no contact is counted short or saved over.
    LogFile &source = file(index);
    const qint64 length = source.length();
    const QString path = QDir(m_directory).filePath(QLatin1String(strayName));
    const bool existed = Posix::idOfPath(path).exists;
    int fd = Posix::open(path, O_WRONLY | O_CREAT | O_APPEND);
    int err = fd < 0 ? errno : 0;
    constexpr qint64 Chunk = 1 << 20;
    for (qint64 at = from; !err && at < length; at += Chunk) {
        const QByteArray bytes = source.readBytes(at, qMin(Chunk, length - at));
        err = bytes.isEmpty() ? EIO : Posix::writeAt(fd, bytes.constData(), bytes.size(), Posix::length(fd));
    }
    if (!err)
        err = Posix::sync(fd);
    Posix::close(fd);
    if (!err && !existed)
        err = Posix::syncDirectory(m_directory);
    if (err) {
        if (m_onError)
            m_onError(QLatin1String(strayName), Posix::reason(err));
        return false;
    }
    if (run({}, index, from) != Outcome::Written)
        return false;
    m_notes << QStringLiteral("%1 byte(s) past the end of %2 were moved to %3.")
                   .arg(length - from)
                   .arg(source.name(), QLatin1String(strayName));
    return true;
}

bool LogStore::recoverCutOffSave()
{
    const bool wrote = mendCutOffSave();
    reopenQrp();
    reopenArci();
    return wrote;
}

bool LogStore::mendCutOffSave()
{
    bool wrote = false;
    qint64 length = m_qrp.length();

    if (length % QrpRecLen != 0) {
        const qint64 whole = length / QrpRecLen;
        const QrpRecord last = QrpRecord::fromBytes(m_qrp.read(whole));
        const QByteArray tail = m_qrp.read(whole + 1);
        if ((whole == 0 || holdsMoreThanBand(last)) && whole < std::numeric_limits<qint32>::max() - 1 &&
            placeholderStart(tail)) {
            // A placeholder cut short (after a contact, or as the first record): it is written whole.
            const QrpRecord placeholder =
                whole == 0 ? placeholderFor(QrpRecord::fromBytes(tail)) : placeholderFor(last);
            if (run({{Journal::Qrp, whole * QrpRecLen, placeholder.bytes()}}) != Outcome::Written)
                return wrote;
        } else if (!setAside(Journal::Qrp, whole * QrpRecLen, StrayFileName)) {
            return wrote;
        }
        wrote = true;
        length = m_qrp.length();
    }
    if (length == 0 || length / QrpRecLen >= std::numeric_limits<qint32>::max() - 1)
        return wrote;
    const qint32 records = static_cast<qint32>(length / QrpRecLen);

    // A placeholder holds nothing but its band. A last record holding anything else
    // is a contact whose save stopped before its placeholder was written.
    const QrpRecord last = QrpRecord::fromBytes(m_qrp.read(records));
    if (!holdsMoreThanBand(last))
        return wrote;
    const qint64 arciLength = m_arci.length();
    const qint64 arciLines = arciLength / ArciRecLen;

    // The contact itself cut short: its first 16 or 32 bytes over the placeholder's
    // last ones, so no time, points or mark, and no line yet. The save never
    // returned; the record goes back to being the placeholder.
    const bool cut = last.value(QrpRecord::QsoTime).isEmpty() && last.value(QrpRecord::Points).isEmpty() &&
                     last.value(QrpRecord::Multiplier).isEmpty();
    if (cut && arciLength % ArciRecLen == 0 && arciLines == records - 1)
        return run({{Journal::Qrp, (records - 1) * qint64(QrpRecLen), placeholderFor(last).bytes()}}) ==
                   Outcome::Written ||
               wrote;

    // The contact's line first, where the cut fell before it or in it, then the
    // placeholder: one operation.
    QList<Write> writes;
    // (Where more lines are missing before it, the line rebuild that follows writes them all.)
    const ArciLine line = lineFor(last);
    const QByteArray partLine = m_arci.read(records);
    if ((records - 1) * qint64(ArciRecLen) <= arciLength &&
        (partLine.size() < ArciRecLen || allZero(partLine.constData(), partLine.size())))
        writes.append({Journal::Arci, (records - 1) * qint64(ArciRecLen), line.bytes()});
    writes.append({Journal::Qrp, records * qint64(QrpRecLen), placeholderFor(last).bytes()});
    return run(writes) == Outcome::Written || wrote;
}

bool LogStore::rebuildLines()
{
    // Lines of contacts that are missing, cut short or all zero bytes are made
    // again from their records, a batch to an operation.
    const qint64 contacts = recordCountFor(m_qrp.length()) - 1;
    constexpr qint64 Batch = 128;
    constexpr qint64 Slice = 1 << 16;
    bool wrote = false;
    QList<Write> writes;
    auto flush = [&]() {
        if (writes.isEmpty())
            return true;
        const bool ok = run(std::exchange(writes, {})) == Outcome::Written;
        wrote = wrote || ok;
        return ok;
    };
    for (qint64 from = 1; from <= contacts; from += Slice) {
        const qint64 to = qMin(contacts, from + Slice - 1);
        const QByteArray lines = m_arci.readRange(from, to);
        for (qint64 n = from; n <= to; ++n) {
            const qint64 at = (n - from) * ArciRecLen;
            const qint64 have = qBound<qint64>(0, lines.size() - at, qint64(ArciRecLen));
            if (have == ArciRecLen && !allZero(lines.constData() + at, ArciRecLen))
                continue;
            writes.append({Journal::Arci, (n - 1) * ArciRecLen, lineFor(QrpRecord::fromBytes(m_qrp.read(n))).bytes()});
            if (writes.size() >= Batch && !flush())
                return wrote;
        }
    }
    flush();
    return wrote;
}

bool LogStore::repair()
{
    const bool cutOff = mendCutOffSave();
    // ARCIFILE.DAT holds one line per contact and no more: lines past the last
    // contact belong to no record here (QRPDATA.DAT replaced, say) and are set
    // aside rather than saved over.
    const qint64 contactBytes = qint64(recordCountFor(m_qrp.length()) - 1) * ArciRecLen;
    const bool pastLog = m_lastOutcome == Outcome::Written && m_arci.length() > contactBytes &&
                         setAside(Journal::Arci, contactBytes, ArciStrayFileName);
    const bool lines = m_lastOutcome == Outcome::Written && rebuildLines();
    reopenQrp();
    reopenArci();
    return cutOff || pastLog || lines;
}
