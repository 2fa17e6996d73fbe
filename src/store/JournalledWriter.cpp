#include "store/JournalledWriter.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>

JournalledWriter::JournalledWriter(LogFile &qrp, LogFile &arci, Journal &journal, FileErrorHandler onError,
                                   std::function<bool()> stillTheLog)
    : m_qrp(qrp), m_arci(arci), m_journal(journal), m_onError(std::move(onError)), m_stillTheLog(std::move(stillTheLog))
{
}

void JournalledWriter::reportJournal(const QString &reason)
{
    if (m_onError)
        m_onError(QLatin1String(Journal::FileName), reason);
}

bool JournalledWriter::journalReady()
{
    // The journal is ours; should its name refer to another file now, the name
    // is opened again (and made, if it went), and checked as at start-up.
    if (!m_journal.nameStillRefersToIt()) {
        if (const int err = m_journal.reopen()) {
            reportJournal(Posix::reason(err));
            return false;
        }
    }
    const Posix::FileId id = m_journal.id();
    for (const LogFile *f : {&m_qrp, &m_arci}) {
        if (id == f->id()) {
            m_journal.close();
            reportJournal(QStringLiteral("it is another name of %1").arg(f->name()));
            return false;
        }
    }
    return true;
}

JournalledWriter::Outcome JournalledWriter::run(const QList<Write> &writes, int truncateFile, qint64 truncateTo,
                                                const QList<Write> &anchors)
{
    if (writes.isEmpty() && truncateTo < 0)
        return Outcome::Written;
    if (!m_stillTheLog())
        return Outcome::FilesChanged;

    Journal::Operation op;
    for (int f = 0; f < 2; ++f) {
        op.files[f] = file(f).id();
        op.lengthBefore[f] = op.lengthAfter[f] = file(f).length();
    }
    // What a truncation cuts off has been set aside in a file of its own first.
    if (truncateTo >= 0 && truncateTo < op.lengthBefore[truncateFile])
        op.lengthAfter[truncateFile] = truncateTo;
    for (const Write &w : anchors + writes) {
        const qint64 before = op.lengthBefore[w.file];
        const QByteArray old = w.offset < before
                                   ? file(w.file).readBytes(w.offset, qMin<qint64>(w.bytes.size(), before - w.offset))
                                   : QByteArray();
        op.changes.append({w.file, w.offset, w.bytes, old});
        op.lengthAfter[w.file] = qMax(op.lengthAfter[w.file], w.offset + w.bytes.size());
    }
    // Writes of the bytes that are there already (Exit writing back a record
    // as it was read, mostly) leave the files, and the journal, alone.
    bool changes = op.lengthAfter != op.lengthBefore;
    for (const Journal::Change &c : op.changes)
        changes = changes || c.after != c.before;
    if (!changes)
        return Outcome::Written;
    if (!journalReady())
        return Outcome::Failed;
    return apply(op);
}

JournalledWriter::Outcome JournalledWriter::apply(const Journal::Operation &op)
{
    // Space for what grows a file is had before anything is written, so a full
    // disk or a file-size limit stops the operation while both files are as they were.
    for (const Journal::Change &c : op.changes) {
        if (c.after.isEmpty() || c.offset + c.after.size() <= op.lengthBefore[c.file])
            continue;
        if (const int err = Posix::reserve(file(c.file).fd(), c.offset, c.after.size())) {
            file(c.file).fail(Posix::reason(err));
            return Outcome::Failed;
        }
    }
    if (const int err = m_journal.record(op)) {
        reportJournal(Posix::reason(err));
        // A journal that may have reached the disk must not outlive the files it
        // does not describe: marked empty where that can still be done.
        m_journal.clear();
        return Outcome::Failed;
    }
    // The names are checked again now that the journal is on disk: files moved
    // away while it was synced are not written.
    if (!m_stillTheLog() || !m_journal.nameStillRefersToIt()) {
        if (const int err = m_journal.clear()) {
            reportJournal(Posix::reason(err));
            return Outcome::Failed;
        }
        return Outcome::FilesChanged;
    }
    for (const Journal::Change &c : op.changes) {
        if (c.after.isEmpty() || c.after == c.before)
            continue;
        if (const int err = Posix::writeAt(file(c.file).fd(), c.after.constData(), c.after.size(), c.offset)) {
            undo(op);
            file(c.file).fail(Posix::reason(err));
            return Outcome::Failed;
        }
    }
    for (int f = 0; f < 2; ++f) {
        if (op.lengthAfter[f] < op.lengthBefore[f]) {
            if (const int err = Posix::truncate(file(f).fd(), op.lengthAfter[f])) {
                undo(op);
                file(f).fail(Posix::reason(err));
                return Outcome::Failed;
            }
        }
    }
    for (int f = 0; f < 2; ++f) {
        bool touched = op.lengthAfter[f] != op.lengthBefore[f];
        for (const Journal::Change &c : op.changes)
            touched = touched || (c.file == f && c.after != c.before);
        if (!touched)
            continue;
        if (const int err = Posix::sync(file(f).fd())) {
            undo(op);
            file(f).fail(Posix::reason(err));
            return Outcome::Failed;
        }
    }
    if (const int err = m_journal.clear()) {
        // The operation is on disk, and the journal would only make it again at
        // the next start: the operator is told to look rather than type it twice.
        reportJournal(QStringLiteral("%1; record %2 may have been saved: check record %2 after restart")
                          .arg(Posix::reason(err))
                          .arg(recordsWritten(op).first));
        return Outcome::Failed;
    }
    return Outcome::Written;
}

bool JournalledWriter::holdsBeforeOrAfter(const Journal::Operation &op) const
{
    for (int f = 0; f < 2; ++f) {
        const qint64 length = file(f).length();
        if (length < qMin(op.lengthBefore[f], op.lengthAfter[f]) ||
            length > qMax(op.lengthBefore[f], op.lengthAfter[f]))
            return false;
    }
    for (const Journal::Change &c : op.changes) {
        const QByteArray now = file(c.file).readBytes(c.offset, c.after.size());
        for (qsizetype i = 0; i < now.size(); ++i) {
            // Each byte the old one, the new one, or (past the old end of the
            // file, where a later write of the operation landed first) a zero.
            const char b = now.at(i);
            const bool found = i < c.before.size() ? b == c.before.at(i) : b == 0;
            if (b != c.after.at(i) && !found)
                return false;
        }
    }
    return true;
}

bool JournalledWriter::undo(const Journal::Operation &op)
{
    bool whole = true;
    for (int f = 0; f < 2; ++f)
        if (file(f).length() != op.lengthBefore[f] && op.lengthAfter[f] >= op.lengthBefore[f])
            whole = Posix::truncate(file(f).fd(), op.lengthBefore[f]) == 0 && whole;
    for (qsizetype i = op.changes.size() - 1; i >= 0; --i) {
        const Journal::Change &c = op.changes.at(i);
        if (!c.before.isEmpty() && c.before != c.after)
            whole = Posix::writeAt(file(c.file).fd(), c.before.constData(), c.before.size(), c.offset) == 0 && whole;
    }
    for (int f = 0; f < 2; ++f)
        whole = Posix::sync(file(f).fd()) == 0 && whole;
    // A journal not cleared is taken up again by the next start-up.
    return whole && m_journal.clear() == 0;
}

int JournalledWriter::redo(const Journal::Operation &op)
{
    for (const Journal::Change &c : op.changes)
        if (!c.after.isEmpty() && c.after != c.before)
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

std::pair<qint64, qint64> JournalledWriter::recordsWritten(const Journal::Operation &op)
{
    // By the records of QRPDATA.DAT it writes, else by its lines.
    for (const int f : {int(Journal::Qrp), int(Journal::Arci)}) {
        const qint64 size = f == Journal::Qrp ? 48 : 83;
        qint64 first = -1, last = -1;
        for (const Journal::Change &c : op.changes) {
            if (c.file != f || c.after.isEmpty() || c.after == c.before)
                continue;
            const qint64 from = c.offset / size + 1, to = (c.offset + c.after.size() - 1) / size + 1;
            first = first < 0 ? from : qMin(first, from);
            last = qMax(last, to);
        }
        if (first > 0)
            return {first, last};
    }
    return {0, 0};
}
