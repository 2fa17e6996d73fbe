#pragma once
// The contacts' order by date and time, record order for equal times, found
// without holding the log: (time, record number) pairs are sorted in runs of a
// fixed size, runs that do not fit are kept in an unnamed temporary file, and
// the runs are merged. Memory stays near runEntries + fanIn x 4096 pairs.

#include <QString>
#include <functional>
#include <vector>

class TimeOrder {
  public:
    struct Entry {
        qint64 key;
        qint32 record;
        qint32 unused = 0;
        bool operator<(const Entry &o) const { return key != o.key ? key < o.key : record < o.record; }
    };

    // `folder` holds the temporary file while there is one.
    explicit TimeOrder(QString folder, qsizetype runEntries = qsizetype(1) << 18, int fanIn = 64);
    ~TimeOrder();
    TimeOrder(const TimeOrder &) = delete;
    TimeOrder &operator=(const TimeOrder &) = delete;

    // False, with reason(), when a run cannot be kept in the temporary file.
    bool add(qint64 key, qint32 record);
    // After the last add: the order is ready to be read with next().
    bool finish();
    // The next pair in order; false at the end, or on a read error with reason() set.
    bool next(Entry &entry);
    QString reason() const { return m_reason; }
    // How many runs went to the temporary file.
    qsizetype spilledRuns() const { return qsizetype(m_runs.size()); }

  private:
    struct Run {
        qint64 offset; // in entries
        qint64 count;
    };
    struct Reader;

    bool openFile(int &fd);
    bool writeEntries(int fd, qint64 at, const Entry *entries, qint64 count);
    bool spill();
    bool mergeRuns(int fromFd, const std::vector<Run> &runs, int toFd, qint64 at, Run &merged);
    bool startMerge();
    std::function<bool(int, int)> later() const;
    bool fail(const QString &why);

    QString m_folder;
    qsizetype m_runEntries;
    int m_fanIn;
    std::vector<Entry> m_buffer;
    std::vector<Run> m_runs;
    int m_fd = -1;
    qint64 m_fileEntries = 0;
    qsizetype m_memoryAt = 0; // reading the sorted buffer when nothing was spilled
    std::vector<Reader> m_readers;
    std::vector<int> m_heap; // reader indexes, smallest head first
    QString m_reason;
};
