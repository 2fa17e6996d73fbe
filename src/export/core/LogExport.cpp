#include "export/core/LogExport.h"

#include "export/core/ExportContacts.h"
#include "export/core/ExportFormats.h"
#include "export/core/ExportSink.h"
#include "export/core/FormatWriter.h"
#include "export/core/PlainText.h"
#include "export/core/RecordSource.h"
#include "export/core/TimeOrder.h"
#include "rules/ContestBands.h"
#include "store/Journal.h"
#include "store/LogStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 SliceRecords = 1024;
constexpr qsizetype OutputBuffer = 64 * 1024;

// Records 1..count-1 of a list, then a blank placeholder.
class MemoryRecords : public RecordSource {
  public:
    explicit MemoryRecords(const QList<QrpRecord> &records) : m_records(records) {}
    qint32 recordCount() const override { return qint32(m_records.size() + 1); }
    bool readRecords(qint64 first, qint64 last, QByteArray &bytes, QString *) override
    {
        bytes.clear();
        for (qint64 n = first; n <= last; ++n)
            bytes += n <= m_records.size() ? m_records.at(n - 1).bytes() : QrpRecord().bytes();
        return true;
    }
    QString filePath() const override { return QLatin1String(LogStore::QrpFileName); }

  private:
    const QList<QrpRecord> &m_records;
};

// Each exported record counted once, in whatever order: the sum of a hash of
// its number and bytes. Both readings must give the same sum.
quint64 fingerprint(qint64 number, const char *record)
{
    return quint64(qHashBits(record, QrpRecord::Size, size_t(number))) * 0x9E3779B97F4A7C15ull + quint64(number);
}

QrpRecord recordAt(const QByteArray &bytes, qint64 index)
{
    const qint64 at = index * QrpRecord::Size;
    return QrpRecord::fromBytes(bytes.constData() + qMin<qint64>(at, bytes.size()), qMax<qint64>(0, bytes.size() - at));
}

// The station and entrant texts in plain ASCII; a warning for each one changed.
ExportSettings inAscii(const ExportSettings &settings, const LogExport::NoticeHandler &notice)
{
    ExportSettings s = settings;
    const auto plain = [&notice](QString &text, const char *what) {
        const PlainText::Result r = PlainText::ascii(text);
        if (r.transliterated && notice)
            notice({false, QStringLiteral("Your %1 \"%2\" is written as \"%3\".")
                               .arg(QLatin1String(what), text, r.text.simplified())});
        else if (r.controls && notice)
            notice({false,
                    QStringLiteral("Control characters in your %1 are written as blanks.").arg(QLatin1String(what))});
        text = r.text;
    };
    plain(s.station.call, "call sign");
    plain(s.station.spc, "S-P-C");
    plain(s.station.number, "ARCI number or power");
    plain(s.station.contest, "contest name");
    if (ExportFormats::info(s.format).entry) {
        plain(s.entrant.address, "address");
        plain(s.entrant.city, "city");
        plain(s.entrant.state, "state");
        plain(s.entrant.postalCode, "zip code");
        plain(s.entrant.categoryStation, "station category");
        plain(s.entrant.categoryTransmitter, "transmitter category");
        plain(s.entrant.soapbox, "comments");
    }
    plain(s.entrant.name, "name");
    return s;
}

class Export {
  public:
    Export(RecordSource &log, ExportSink &sink, const ExportSettings &settings, const QString &scratchFolder,
           const LogExport::NoticeHandler &notice)
        : m_log(log), m_sink(sink), m_settings(inAscii(settings, notice)), m_scratch(scratchFolder), m_notice(notice),
          m_writer(ExportFormats::info(m_settings.format).writer(m_settings))
    {
    }

    ExportResult run()
    {
        if (!findLastContact() || !survey())
            return m_result;
        if (m_result.leftOut > 0 && !m_settings.skipIncomplete) {
            m_result.failure = ExportResult::Incomplete;
            return m_result;
        }
        m_result.counted = m_written.sums();
        m_result.wholeLog = m_whole.sums();
        const std::optional<double> score = FinalScore::of(LogExport::claim(m_result, m_settings));
        if (!score || std::abs(*score) > 9e15)
            return fail(ExportResult::WriteError, QStringLiteral("the claimed score is too large to write"));
        m_result.claimedScore = std::llround(*score);
        if (!m_inOrder && !sortByTime())
            return m_result;
        if (!writeAll()) {
            m_sink.abandon();
            return m_result;
        }
        return m_result;
    }

  private:
    ExportResult fail(ExportResult::Failure failure, const QString &reason)
    {
        if (m_result.failure == ExportResult::None) {
            m_result.failure = failure;
            m_result.reason = reason;
        }
        return m_result;
    }

    bool read(qint64 first, qint64 last, QByteArray &bytes)
    {
        QString why;
        if (m_log.readRecords(first, last, bytes, &why))
            return true;
        fail(ExportResult::ReadError, why);
        return false;
    }

    // Records 1 to RecordCount - 1 hold the contacts; the last record is the
    // placeholder, unless a save was cut off before writing it.
    bool findLastContact()
    {
        const qint32 count = m_log.recordCount();
        QByteArray bytes;
        if (!read(count, count, bytes))
            return false;
        m_last = recordAt(bytes, 0).holdsMoreThanBand() ? count : count - 1;
        return true;
    }

    // Calls visit(number, record bytes, reading) for records 1..m_last, a slice at a time.
    template <typename Visit> bool scan(Visit &&visit)
    {
        QByteArray bytes;
        for (qint64 from = 1; from <= m_last; from += SliceRecords) {
            const qint64 to = qMin(m_last, from + SliceRecords - 1);
            if (!read(from, to, bytes))
                return false;
            for (qint64 n = from; n <= to; ++n) {
                const QrpRecord record = recordAt(bytes, n - from);
                if (!visit(n, record))
                    return false;
            }
        }
        return true;
    }

    // The first reading: counts, column widths, bands, order, notices.
    bool survey()
    {
        bool first = true;
        qint64 lastKey = 0;
        return scan([&](qint64 n, const QrpRecord &record) {
            const RecordReading reading = ExportContacts::read(qint32(n), record);
            m_whole.add(record.data());
            if (reading.kind == RecordReading::Incomplete) {
                ++m_result.leftOut;
                if (m_notice)
                    m_notice({true, reading.notice});
            }
            if (reading.kind != RecordReading::Contact)
                return true;
            const ExportContact &c = reading.contact;
            if (!reading.notice.isEmpty() && m_notice)
                m_notice({false, reading.notice});
            ++m_contacts;
            m_fingerprint += fingerprint(n, record.data());
            // The claim counts the contacts written, in log order, by the contest's rules.
            m_written.add(record.data());
            m_writer->measure(c);
            m_band = first || m_band == c.band ? c.band : -1;
            const qint64 key = c.timeKey();
            if (!first && key < lastKey)
                m_inOrder = false;
            lastKey = key;
            first = false;
            return true;
        });
    }

    // Out of order: a second reading puts (time, record) pairs in order.
    bool sortByTime()
    {
        m_order = std::make_unique<TimeOrder>(m_scratch);
        const bool read = scan([this](qint64 n, const QrpRecord &record) {
            const RecordReading reading = ExportContacts::read(qint32(n), record);
            if (reading.kind == RecordReading::Contact && !m_order->add(reading.contact.timeKey(), qint32(n))) {
                fail(ExportResult::WriteError, m_order->reason());
                return false;
            }
            return true;
        });
        if (!read)
            return false;
        if (!m_order->finish()) {
            fail(ExportResult::WriteError, m_order->reason());
            return false;
        }
        return true;
    }

    bool put(const QByteArray &bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() < OutputBuffer)
            return true;
        return flush();
    }

    bool flush()
    {
        const bool ok = m_sink.write(m_buffer.constData(), m_buffer.size());
        m_buffer.clear();
        if (!ok)
            fail(ExportResult::WriteError, m_sink.reason());
        return ok;
    }

    // One contact of the second reading, which must be as the first one found it.
    bool writeContact(qint64 n, const QrpRecord &record, const qint64 *expectedKey)
    {
        const RecordReading reading = ExportContacts::read(qint32(n), record);
        if (reading.kind != RecordReading::Contact)
            return !expectedKey || changed();
        if (expectedKey && reading.contact.timeKey() != *expectedKey)
            return changed();
        m_check += fingerprint(n, record.data());
        ++m_result.contacts;
        return put(m_writer->record(reading.contact));
    }

    bool changed()
    {
        fail(ExportResult::Changed,
             QStringLiteral("%1 changed while it was being exported").arg(QDir::toNativeSeparators(m_log.filePath())));
        return false;
    }

    bool writeAll()
    {
        m_buffer.reserve(OutputBuffer + 4096);
        if (!put(m_writer->header(LogSurvey{m_result.claimedScore, m_band})))
            return false;
        if (m_order) {
            TimeOrder::Entry e;
            QByteArray bytes;
            while (m_order->next(e)) {
                if (!read(e.record, e.record, bytes) || !writeContact(e.record, recordAt(bytes, 0), &e.key))
                    return false;
            }
            if (!m_order->reason().isEmpty())
                return fail(ExportResult::WriteError, m_order->reason()), false;
        } else if (!scan([this](qint64 n, const QrpRecord &record) { return writeContact(n, record, nullptr); })) {
            return false;
        }
        if (m_result.contacts != m_contacts || m_check != m_fingerprint)
            return changed();
        if (!put(m_writer->footer()))
            return false;
        if (!flush())
            return false;
        if (!m_sink.finish())
            return fail(ExportResult::WriteError, m_sink.reason()), false;
        return true;
    }

    RecordSource &m_log;
    ExportSink &m_sink;
    const ExportSettings m_settings;
    const QString m_scratch;
    const LogExport::NoticeHandler &m_notice;
    std::unique_ptr<FormatWriter> m_writer;
    ExportResult m_result;
    qint64 m_last = 0;
    qint64 m_contacts = 0;
    BandRecount m_written, m_whole;
    int m_band = -1;
    bool m_inOrder = true;
    quint64 m_fingerprint = 0, m_check = 0;
    std::unique_ptr<TimeOrder> m_order;
    QByteArray m_buffer;
};

} // namespace

namespace LogExport {

ExportResult write(RecordSource &log, ExportSink &sink, const ExportSettings &settings, const QString &scratchFolder,
                   const NoticeHandler &notice)
{
    try {
        return Export(log, sink, settings, scratchFolder, notice).run();
    } catch (const std::bad_alloc &) {
        sink.abandon();
        ExportResult r;
        r.failure = ExportResult::Memory;
        r.reason = QStringLiteral("not enough memory");
        return r;
    }
}

ExportResult build(const QList<QrpRecord> &records, const ExportSettings &settings)
{
    MemoryRecords log(records);
    BufferOutput sink;
    ExportSettings s = settings;
    s.skipIncomplete = true;
    QStringList warnings, incomplete;
    ExportResult r = write(log, sink, s, QDir::tempPath(),
                           [&](const Notice &n) { (n.incomplete ? incomplete : warnings) << n.text; });
    r.bytes = sink.bytes;
    r.warnings = warnings;
    r.incomplete = incomplete;
    return r;
}

FinalScore::Figures claim(const ExportResult &result, const ExportSettings &settings)
{
    return FinalScore::Figures{double(result.counted.totalPoints()), double(result.counted.totalMultipliers()),
                               settings.powerMultiplier, settings.bonusMultiplier, settings.bonusPoints};
}

QString claimText(const ExportResult &result, const ExportSettings &settings)
{
    const auto factor = [](const char *name, double value, const QString &from) {
        return QStringLiteral("%1 %2%3").arg(QLatin1String(name), FinalScore::text(value),
                                             from.isEmpty() ? QString() : " (" + from + ")");
    };
    return QStringLiteral("%1 = %2 points x %3 multipliers x %4 x %5 + %6")
        .arg(result.claimedScore)
        .arg(result.counted.totalPoints())
        .arg(result.counted.totalMultipliers())
        .arg(factor("power multiplier", settings.powerMultiplier, settings.powerMultiplierFrom),
             factor("bonus multiplier", settings.bonusMultiplier, settings.bonusMultiplierFrom),
             factor("bonus points", settings.bonusPoints, settings.bonusPointsFrom));
}

QString claimDifference(const ExportResult &result, const ExportSettings &settings, const FinalScore::Figures &sheet)
{
    const FinalScore::Figures ours = claim(result, settings);
    const std::optional<double> theirs = FinalScore::of(sheet);
    if (!theirs || std::llround(*theirs) == result.claimedScore)
        return {};
    const auto number = [](double value) { return FinalScore::text(value); };
    QStringList why;
    if (sheet.points != ours.points || sheet.spc != ours.spc) {
        const bool wholeLog = sheet.points == double(result.wholeLog.totalPoints()) &&
                              sheet.spc == double(result.wholeLog.totalMultipliers());
        if (wholeLog && result.leftOut > 0)
            why << QStringLiteral("it also counts the %1 left out of the file")
                       .arg(result.leftOut == 1 ? QStringLiteral("contact")
                                                : QStringLiteral("%1 contacts").arg(result.leftOut));
        else
            why << QStringLiteral("its totals are %1 points and %2 S-P-C, the contacts written give %3 and %4%5")
                       .arg(number(sheet.points), number(sheet.spc), number(ours.points), number(ours.spc),
                            wholeLog ? QString() : QStringLiteral(" (press Update for the log as it stands)"));
    }
    const auto factor = [&](double mine, double other, const char *name) {
        if (mine != other)
            why << QStringLiteral("its %1 is %2, not %3").arg(QLatin1String(name), number(other), number(mine));
    };
    factor(ours.powerMultiplier, sheet.powerMultiplier, "power multiplier");
    factor(ours.bonusMultiplier, sheet.bonusMultiplier, "bonus multiplier");
    factor(ours.bonusPoints, sheet.bonusPoints, "bonus points");
    return QStringLiteral("The file claims %1; the summary sheet gives %2: %3.")
        .arg(result.claimedScore)
        .arg(number(*theirs), why.join(QStringLiteral("; ")));
}

namespace {

// The names of the files of a log, in any folder.
constexpr const char *logFileNames[] = {LogStore::QrpFileName, LogStore::ArciFileName, Journal::FileName,
                                        LogStore::StrayFileName, LogStore::ArciStrayFileName};

bool logFileName(const QString &name)
{
    for (const char *log : logFileNames)
        if (name.compare(QLatin1String(log), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// A stored record as the program writes it: printable bytes, a band of the
// seven or none, digits or blanks for the date, time, points and multiplier.
bool looksLikeRecord(const char *r)
{
    for (int i = 0; i < QrpRecord::Size; ++i)
        if (static_cast<unsigned char>(r[i]) < 0x20 || r[i] == 0x7F)
            return false;
    const auto only = [r](QrpRecord::Field f, const char *allowed) {
        const auto [offset, width] = QrpRecord::layout[f];
        for (int i = offset; i < offset + width; ++i)
            if (!std::strchr(allowed, r[i]) || !r[i])
                return false;
        return true;
    };
    const auto [bandAt, bandWidth] = QrpRecord::layout[QrpRecord::Band];
    const QString band = QString::fromLatin1(r + bandAt, bandWidth);
    if (ContestBands::indexOf(band) < 0 && !band.trimmed().isEmpty())
        return false;
    return only(QrpRecord::QsoDate, " 0123456789/") && only(QrpRecord::QsoTime, " 0123456789:") &&
           only(QrpRecord::Points, " 0123456789") && only(QrpRecord::Multiplier, " 0123456789");
}

// Whether an open regular file of `size` bytes holds a log: 48-byte records
// that look like the program's (the first ones and the last), not all blank;
// or 83-byte lines that end as the text log's do.
bool holdsLog(int fd, qint64 size)
{
    constexpr qint64 Examined = 256;
    const auto readAt = [fd](qint64 offset, qint64 length) {
        QByteArray bytes(length, Qt::Uninitialized);
        const ssize_t got = ::pread(fd, bytes.data(), size_t(length), off_t(offset));
        bytes.truncate(got < 0 ? 0 : got);
        return bytes;
    };
    if (size > 0 && size % QrpRecord::Size == 0) {
        const qint64 records = size / QrpRecord::Size;
        QByteArray bytes = readAt(0, qMin(records, Examined) * QrpRecord::Size);
        if (records > Examined)
            bytes += readAt(size - QrpRecord::Size, QrpRecord::Size);
        bool shaped = bytes.size() % QrpRecord::Size == 0 && !bytes.isEmpty();
        for (qsizetype at = 0; shaped && at < bytes.size(); at += QrpRecord::Size)
            shaped = looksLikeRecord(bytes.constData() + at);
        if (shaped && !bytes.trimmed().isEmpty())
            return true;
    }
    constexpr qint64 Line = 83;
    if (size > 0 && size % Line == 0) {
        const QByteArray bytes = readAt(0, qMin(size / Line, Examined) * Line);
        bool lines = !bytes.isEmpty() && bytes.size() % Line == 0;
        for (qsizetype at = Line - 4; lines && at < bytes.size(); at += Line)
            lines = bytes.mid(at, 4) == QByteArray("\x02\x00\r\n", 4);
        if (lines)
            return true;
    }
    return false;
}

} // namespace

OutputTarget target(const QString &path, const QString &logDirectory, ExportFormat format)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    const auto refused = [](const QString &why) { return OutputTarget{OutputTarget::Refused, why}; };
    struct stat st {};
    const QByteArray name = QFile::encodeName(info.absoluteFilePath());
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return refused(QStringLiteral("%1 is a folder.").arg(shown));
        if (S_ISFIFO(st.st_mode))
            return refused(QStringLiteral("%1 is a named pipe, not a file; choose another name.").arg(shown));
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            return refused(QStringLiteral("%1 is a device, not a file; choose another name.").arg(shown));
        if (!S_ISREG(st.st_mode))
            return refused(QStringLiteral("%1 is not a regular file; choose another name.").arg(shown));
    } else if (info.isSymLink()) {
        return refused(QStringLiteral("%1 is a link to a file that is not there; choose another name.").arg(shown));
    }

    const QString isLog = QStringLiteral("%1 is a log file of Kestrix; choose another name.").arg(shown);
    if (logFileName(info.fileName()) || (exists && logFileName(QFileInfo(info.canonicalFilePath()).fileName())))
        return refused(isLog);
    // Compare real places, so a relative name or a link to a file of this log is caught too.
    const QString targetDir = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString logDir = QFileInfo(logDirectory).canonicalFilePath();
    const QString targetPath = exists ? info.canonicalFilePath() : targetDir + QLatin1Char('/') + info.fileName();
    for (const char *log : logFileNames) {
        const QFileInfo file(QDir(logDirectory).filePath(QLatin1String(log)));
        const QString logPath = file.exists() ? file.canonicalFilePath() : logDir + QLatin1Char('/') + file.fileName();
        if (!logDir.isEmpty() && targetPath == logPath)
            return refused(isLog);
    }
    if (!exists)
        return {};

    // What the file holds: a log under another name, an earlier export, or something else.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QByteArray start;
    bool log = false;
    if (fd >= 0) {
        struct stat opened {};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
            log = holdsLog(fd, opened.st_size);
            start.resize(qMin<qint64>(opened.st_size, 64 * 1024));
            const ssize_t got = ::pread(fd, start.data(), size_t(start.size()), 0);
            start.truncate(got < 0 ? 0 : got);
        }
        ::close(fd);
    }
    if (log)
        return refused(QStringLiteral("%1 holds the records of a Kestrix log; choose another name.").arg(shown));
    const FormatInfo &f = ExportFormats::info(format);
    if (f.madeByKestrix(start))
        return {OutputTarget::EarlierExport, QString()};
    return {OutputTarget::OtherFile,
            QStringLiteral("%1 is there already and is not %2 made by Kestrix.").arg(shown, QLatin1String(f.label))};
}

} // namespace LogExport
