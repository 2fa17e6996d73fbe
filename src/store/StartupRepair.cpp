#include "store/StartupRepair.h"

#include "store/ArciLine.h"
#include "store/LogStore.h"
#include "store/QrpRecord.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <utility>

using Write = JournalledWriter::Write;
using Outcome = JournalledWriter::Outcome;

namespace {
constexpr int QrpRecLen = QrpRecord::Size;
constexpr int ArciRecLen = ArciLine::Size;
const char *const StrayFileName = LogStore::StrayFileName;
const char *const ArciStrayFileName = LogStore::ArciStrayFileName;
} // namespace

StartupRepair::StartupRepair(LogFile &qrp, LogFile &arci, Journal &journal, JournalledWriter &writer, int dirFd,
                             FileErrorHandler onError, QStringList &notes)
    : m_qrp(qrp), m_arci(arci), m_journal(journal), m_writer(writer), m_dirFd(dirFd), m_onError(std::move(onError)),
      m_notes(notes)
{
}

bool StartupRepair::run(const QList<Write> &writes, int truncateFile, qint64 truncateTo, const QList<Write> &anchors)
{
    const Outcome outcome = m_writer.run(writes, truncateFile, truncateTo, anchors);
    m_failed = m_failed || outcome != Outcome::Written;
    return outcome == Outcome::Written;
}

bool StartupRepair::finishJournal()
{
    const std::optional<Journal::Operation> op = m_journal.pending();
    if (!op)
        return true;
    if (!m_writer.holdsBeforeOrAfter(*op)) {
        // Not the log it was written for (a new contest in the freed files, a
        // copy put back, another folder's journal): nothing of it is made here.
        setJournalAside(*op);
        return !m_failed;
    }
    const int err = m_writer.redo(*op);
    if (!err) {
        m_notes << QStringLiteral("The last operation, stopped before it ended, was completed.");
        return true;
    }
    // It cannot be completed (no room, say): it is undone instead, so both files
    // are again as they were before it.
    if (m_writer.undo(*op)) {
        m_notes << QStringLiteral("The last operation, stopped before it ended, was undone.");
        return true;
    }
    m_qrp.fail(Posix::reason(err));
    return false;
}

void StartupRepair::setJournalAside(const Journal::Operation &op)
{
    QString name;
    if (const int err = m_journal.setAside(&name)) {
        m_failed = true;
        if (m_onError)
            m_onError(QLatin1String(Journal::FileName), Posix::reason(err));
        return;
    }
    const auto [first, last] = JournalledWriter::recordsWritten(op);
    const QString records = first == 0      ? QStringLiteral("a start-up repair")
                            : first == last ? QStringLiteral("record %1").arg(first)
                                            : QStringLiteral("records %1 to %2").arg(first).arg(last);
    m_notes << QStringLiteral("An operation on %1, stopped before it ended, was NOT finished: these log files "
                              "are not the ones it was writing. It is kept in %2.")
                   .arg(records, name);
    // The records it names, where they are stored contacts with a whole line:
    // the operator hears of any whose line says otherwise.
    const qint64 contacts = LogStore::recordCountFor(m_qrp.length()) - 1;
    for (qint64 n = first; n >= 1 && n <= qMin(last, contacts) && n - first < 64; ++n) {
        const QByteArray line = m_arci.read(n);
        if (line.size() == ArciRecLen && !ArciLine::fromBytes(line).agreesWith(QrpRecord::fromBytes(m_qrp.read(n))))
            m_notes << QStringLiteral("Record %1 and its line in ARCIFILE.DAT disagree: check record %1.").arg(n);
    }
}

namespace {

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

bool StartupRepair::setAside(int index, qint64 from, const char *strayName)
{
    // Bytes that belong to no record or line of the log: kept in a file of their
    // own, synced, then cut off, so no contact is counted short or saved over.
    LogFile &source = file(index);
    const qint64 length = source.length();
    const QString stray = QLatin1String(strayName);
    const bool existed = Posix::idOfAt(m_dirFd, stray).exists;
    int fd = Posix::openAt(m_dirFd, stray, O_RDWR | O_CREAT);
    int err = fd < 0 ? errno : 0;
    // A set-aside cut short before its cut leaves the bytes, or their first
    // part, at the end of the stray file already: they are not kept twice.
    qint64 at = fd < 0 ? 0 : Posix::length(fd);
    qint64 kept = 0;
    constexpr qint64 Chunk = 1 << 20;
    const qint64 span = qMin(at, length - from);
    if (!err && span > 0 && span <= Chunk) {
        const QByteArray tail = source.readBytes(from, span);
        QByteArray end(span, Qt::Uninitialized);
        if (Posix::readAt(fd, end.data(), span, at - span) == span)
            for (kept = span; kept > 0 && !end.endsWith(tail.left(kept)); --kept) {
            }
    }
    for (qint64 next = from + kept; !err && next < length; next += Chunk) {
        const QByteArray bytes = source.readBytes(next, qMin(Chunk, length - next));
        err = bytes.isEmpty() ? EIO : Posix::writeAt(fd, bytes.constData(), bytes.size(), at);
        at += bytes.size();
    }
    if (!err)
        err = Posix::sync(fd);
    Posix::close(fd);
    if (!err && !existed)
        err = Posix::syncDirectory(m_dirFd);
    if (err) {
        m_failed = true;
        if (m_onError)
            m_onError(stray, Posix::reason(err));
        return false;
    }
    // The record or line before the cut ties the journal to this log.
    QList<Write> anchor;
    const qint64 unit = index == Journal::Qrp ? QrpRecLen : ArciRecLen;
    if (from >= unit)
        anchor.append({index, from - unit, source.readBytes(from - unit, unit)});
    if (!run({}, index, from, anchor))
        return false;
    m_notes << QStringLiteral("%1 byte(s) past the end of %2 were moved to %3.")
                   .arg(length - from)
                   .arg(source.name(), stray);
    return true;
}

bool StartupRepair::mendCutOffSave()
{
    bool wrote = false;
    qint64 length = m_qrp.length();

    if (length % QrpRecLen != 0) {
        const qint64 whole = length / QrpRecLen;
        const QrpRecord last = QrpRecord::fromBytes(m_qrp.read(whole));
        const QByteArray tail = m_qrp.read(whole + 1);
        if ((whole == 0 || last.holdsMoreThanBand()) && whole < std::numeric_limits<qint32>::max() - 1 &&
            placeholderStart(tail)) {
            // A placeholder cut short (after a contact, or as the first record): it is written whole.
            const QrpRecord placeholder =
                whole == 0 ? placeholderFor(QrpRecord::fromBytes(tail)) : placeholderFor(last);
            if (!run({{Journal::Qrp, whole * QrpRecLen, placeholder.bytes()}}))
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
    if (!last.holdsMoreThanBand())
        return wrote;
    const qint64 arciLength = m_arci.length();
    const qint64 arciLines = arciLength / ArciRecLen;

    // The contact itself cut short: its first 16 or 32 bytes over the placeholder's
    // last ones, so no time, points or mark, and no line yet. The save never
    // returned; the record goes back to being the placeholder.
    const bool cut = last.value(QrpRecord::QsoTime).isEmpty() && last.value(QrpRecord::Points).isEmpty() &&
                     last.value(QrpRecord::Multiplier).isEmpty();
    if (cut && arciLength % ArciRecLen == 0 && arciLines == records - 1)
        return run({{Journal::Qrp, (records - 1) * qint64(QrpRecLen), placeholderFor(last).bytes()}}) || wrote;

    // The contact's line first, where the cut fell before it or in it, then the
    // placeholder: one operation.
    QList<Write> writes;
    // (Where more lines are missing before it, the line rebuild that follows writes them all.)
    const ArciLine line = ArciLine::forRecord(last);
    const QByteArray partLine = m_arci.read(records);
    if ((records - 1) * qint64(ArciRecLen) <= arciLength &&
        (partLine.size() < ArciRecLen || allZero(partLine.constData(), partLine.size())))
        writes.append({Journal::Arci, (records - 1) * qint64(ArciRecLen), line.bytes()});
    writes.append({Journal::Qrp, records * qint64(QrpRecLen), placeholderFor(last).bytes()});
    return run(writes) || wrote;
}

bool StartupRepair::rebuildLines()
{
    // Lines of contacts that are missing, cut short or all zero bytes are made
    // again from their records, a batch to an operation.
    const qint64 contacts = LogStore::recordCountFor(m_qrp.length()) - 1;
    constexpr qint64 Batch = 128;
    constexpr qint64 Slice = 1 << 16;
    bool wrote = false;
    QList<Write> writes;
    auto flush = [&]() {
        if (writes.isEmpty())
            return true;
        const bool ok = run(std::exchange(writes, {}));
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
            writes.append({Journal::Arci, (n - 1) * ArciRecLen,
                           ArciLine::forRecord(QrpRecord::fromBytes(m_qrp.read(n))).bytes()});
            if (writes.size() >= Batch && !flush())
                return wrote;
        }
    }
    flush();
    return wrote;
}

bool StartupRepair::mendLog()
{
    const bool cutOff = mendCutOffSave();
    // ARCIFILE.DAT holds one line per contact and no more: lines past the last
    // contact belong to no record here (QRPDATA.DAT replaced, say) and are set
    // aside rather than saved over.
    const qint64 contactBytes = qint64(LogStore::recordCountFor(m_qrp.length()) - 1) * ArciRecLen;
    const bool pastLog =
        !m_failed && m_arci.length() > contactBytes && setAside(Journal::Arci, contactBytes, ArciStrayFileName);
    const bool lines = !m_failed && rebuildLines();
    return cutOff || pastLog || lines;
}
