#include "export/core/TimeOrder.h"

#include "store/Posix.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr qint64 ReaderEntries = 4096;

} // namespace

// One run read a buffer at a time.
struct TimeOrder::Reader {
    int fd = -1;
    qint64 at = 0;   // next entry in the file
    qint64 left = 0; // entries of the run not yet in the buffer
    std::vector<Entry> buffer;
    size_t pos = 0;

    bool done() const { return pos >= buffer.size(); }
    const Entry &head() const { return buffer[pos]; }
    // Refills the buffer when it is used up; false with errno on a read error.
    bool refill(int &error)
    {
        if (pos < buffer.size() || left == 0)
            return true;
        const qint64 n = std::min(left, ReaderEntries);
        buffer.resize(size_t(n));
        char *data = reinterpret_cast<char *>(buffer.data());
        const qint64 bytes = n * qint64(sizeof(Entry));
        const qint64 got = Posix::readAt(fd, data, bytes, at * qint64(sizeof(Entry)));
        if (got != bytes) {
            error = got < 0 ? errno : EIO;
            return false;
        }
        at += n;
        left -= n;
        pos = 0;
        return true;
    }
};

TimeOrder::TimeOrder(QString folder, qsizetype runEntries, int fanIn)
    : m_folder(std::move(folder)), m_runEntries(std::max<qsizetype>(2, runEntries)), m_fanIn(std::max(2, fanIn))
{
    m_buffer.reserve(size_t(m_runEntries));
}

TimeOrder::~TimeOrder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool TimeOrder::fail(const QString &why)
{
    if (m_reason.isEmpty())
        m_reason = why;
    return false;
}

bool TimeOrder::openFile(int &fd)
{
    // An unnamed file: nothing is left behind, whatever happens to the program.
    const QByteArray folder = QFile::encodeName(m_folder.isEmpty() ? QStringLiteral(".") : m_folder);
    fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return true;
    QByteArray name = folder + "/.kestrix-order-XXXXXX";
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(
            QStringLiteral("no temporary file for the time order in %1: %2").arg(m_folder, Posix::reason(errno)));
    ::unlink(name.constData());
    return true;
}

bool TimeOrder::writeEntries(int fd, qint64 at, const Entry *entries, qint64 count)
{
    const char *data = reinterpret_cast<const char *>(entries);
    const qint64 bytes = count * qint64(sizeof(Entry));
    const int error = Posix::writeAt(fd, data, bytes, at * qint64(sizeof(Entry)));
    return error == 0 ||
           fail(QStringLiteral("the time order's temporary file cannot be written: %1").arg(Posix::reason(error)));
}

bool TimeOrder::add(qint64 key, qint32 record)
{
    if (!m_reason.isEmpty())
        return false;
    m_buffer.push_back(Entry{key, record});
    if (qsizetype(m_buffer.size()) >= m_runEntries)
        return spill();
    return true;
}

bool TimeOrder::spill()
{
    if (m_buffer.empty())
        return true;
    if (m_fd < 0 && !openFile(m_fd))
        return false;
    std::sort(m_buffer.begin(), m_buffer.end());
    if (!writeEntries(m_fd, m_fileEntries, m_buffer.data(), qint64(m_buffer.size())))
        return false;
    m_runs.push_back(Run{m_fileEntries, qint64(m_buffer.size())});
    m_fileEntries += qint64(m_buffer.size());
    m_buffer.clear();
    return true;
}

bool TimeOrder::mergeRuns(int fromFd, const std::vector<Run> &runs, int toFd, qint64 at, Run &merged)
{
    std::vector<Reader> readers(runs.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        readers[i].fd = fromFd;
        readers[i].at = runs[i].offset;
        readers[i].left = runs[i].count;
    }
    std::vector<Entry> out;
    out.reserve(size_t(ReaderEntries));
    merged = Run{at, 0};
    for (;;) {
        int best = -1;
        Entry bestEntry{};
        for (size_t i = 0; i < readers.size(); ++i) {
            int error = 0;
            if (!readers[i].refill(error))
                return fail(
                    QStringLiteral("the time order's temporary file cannot be read: %1").arg(Posix::reason(error)));
            if (!readers[i].done() && (best < 0 || readers[i].head() < bestEntry)) {
                best = int(i);
                bestEntry = readers[i].head();
            }
        }
        if (best < 0 || qsizetype(out.size()) == ReaderEntries) {
            if (!writeEntries(toFd, at + merged.count, out.data(), qint64(out.size())))
                return false;
            merged.count += qint64(out.size());
            out.clear();
        }
        if (best < 0)
            return true;
        out.push_back(bestEntry);
        ++readers[size_t(best)].pos;
    }
}

bool TimeOrder::finish()
{
    if (!m_reason.isEmpty())
        return false;
    if (m_runs.empty()) {
        std::sort(m_buffer.begin(), m_buffer.end());
        m_memoryAt = 0;
        return true;
    }
    if (!spill())
        return false;
    m_buffer = std::vector<Entry>(); // the run buffer's memory goes to the readers
    // More runs than can be merged at once: merge groups into longer runs first.
    while (qsizetype(m_runs.size()) > m_fanIn) {
        int next = -1;
        if (!openFile(next))
            return false;
        std::vector<Run> longer;
        qint64 at = 0;
        for (size_t i = 0; i < m_runs.size(); i += size_t(m_fanIn)) {
            const std::vector<Run> group(m_runs.begin() + qsizetype(i),
                                         m_runs.begin() + qsizetype(std::min(m_runs.size(), i + size_t(m_fanIn))));
            Run merged{};
            if (!mergeRuns(m_fd, group, next, at, merged)) {
                ::close(next);
                return false;
            }
            longer.push_back(merged);
            at += merged.count;
        }
        ::close(m_fd);
        m_fd = next;
        m_runs = longer;
    }
    return startMerge();
}

std::function<bool(int, int)> TimeOrder::later() const
{
    // A heap keeps its largest first: the reader whose head comes later is the larger.
    return [this](int a, int b) { return m_readers[size_t(b)].head() < m_readers[size_t(a)].head(); };
}

bool TimeOrder::startMerge()
{
    m_readers.assign(m_runs.size(), Reader{});
    m_heap.clear();
    for (size_t i = 0; i < m_runs.size(); ++i) {
        m_readers[i].fd = m_fd;
        m_readers[i].at = m_runs[i].offset;
        m_readers[i].left = m_runs[i].count;
        int error = 0;
        if (!m_readers[i].refill(error))
            return fail(QStringLiteral("the time order's temporary file cannot be read: %1").arg(Posix::reason(error)));
        if (!m_readers[i].done())
            m_heap.push_back(int(i));
    }
    std::make_heap(m_heap.begin(), m_heap.end(), later());
    return true;
}

bool TimeOrder::next(Entry &entry)
{
    if (!m_reason.isEmpty())
        return false;
    if (m_runs.empty()) {
        if (m_memoryAt >= qsizetype(m_buffer.size()))
            return false;
        entry = m_buffer[size_t(m_memoryAt++)];
        return true;
    }
    if (m_heap.empty())
        return false;
    std::pop_heap(m_heap.begin(), m_heap.end(), later());
    Reader &reader = m_readers[size_t(m_heap.back())];
    entry = reader.head();
    ++reader.pos;
    int error = 0;
    if (!reader.refill(error))
        return fail(QStringLiteral("the time order's temporary file cannot be read: %1").arg(Posix::reason(error)));
    if (!reader.done())
        std::push_heap(m_heap.begin(), m_heap.end(), later());
    else
        m_heap.pop_back();
    return true;
}
