#include "export/core/LogExport.h"

#include "export/core/AdifWriter.h"
#include "export/core/CabrilloWriter.h"
#include "export/core/ExportContacts.h"
#include "export/core/ExportSink.h"
#include "export/core/PlainText.h"
#include "export/core/RecordSource.h"
#include "export/core/TimeOrder.h"
#include "store/Journal.h"
#include "store/LogStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cmath>
#include <new>
#include <sys/stat.h>

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
    if (s.format == ExportFormat::Cabrillo) {
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
          m_cabrillo(m_settings), m_adif(m_settings)
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
        const double score =
            double(m_points) * double(m_multipliers) * m_settings.powerMultiplier * m_settings.bonusMultiplier +
            m_settings.bonusPoints;
        if (!std::isfinite(score) || score > 9e15)
            return fail(ExportResult::WriteError, QStringLiteral("the claimed score is too large to write"));
        m_result.claimedScore = std::llround(score);
        m_result.totalPoints = m_points;
        m_result.totalMultipliers = m_multipliers;
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
        m_last = ExportContacts::holdsMoreThanBand(recordAt(bytes, 0)) ? count : count - 1;
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
            m_points += reading.points;
            m_multipliers += reading.multipliers;
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
            if (m_settings.format == ExportFormat::Cabrillo)
                m_cabrillo.measure(c);
            m_bands = first || m_bands == c.band ? c.band : nullptr;
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
        return put(m_settings.format == ExportFormat::Cabrillo ? m_cabrillo.line(reading.contact)
                                                               : m_adif.record(reading.contact));
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
        if (!put(m_settings.format == ExportFormat::Cabrillo ? m_cabrillo.header(m_result.claimedScore, m_bands)
                                                             : m_adif.header()))
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
        if (m_settings.format == ExportFormat::Cabrillo && !put(CabrilloWriter::footer()))
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
    CabrilloWriter m_cabrillo;
    AdifWriter m_adif;
    ExportResult m_result;
    qint64 m_last = 0;
    qint64 m_points = 0, m_multipliers = 0, m_contacts = 0;
    const BandInfo *m_bands = nullptr;
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

QString refusal(const QString &path, const QString &logDirectory)
{
    const QFileInfo target(path);
    const QString shown = QDir::toNativeSeparators(target.absoluteFilePath());
    struct stat st {};
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return QStringLiteral("%1 is a folder.").arg(shown);
        if (S_ISFIFO(st.st_mode))
            return QStringLiteral("%1 is a named pipe, not a file; choose another name.").arg(shown);
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
            return QStringLiteral("%1 is a device, not a file; choose another name.").arg(shown);
        if (!S_ISREG(st.st_mode))
            return QStringLiteral("%1 is not a regular file; choose another name.").arg(shown);
    } else if (target.isSymLink()) {
        return QStringLiteral("%1 is a link to a file that is not there; choose another name.").arg(shown);
    }
    // Compare real places, so a relative name or a link to a log file is caught too.
    const QString targetDir = QFileInfo(target.absolutePath()).canonicalFilePath();
    const QString logDir = QFileInfo(logDirectory).canonicalFilePath();
    const QString targetPath =
        target.exists() ? target.canonicalFilePath() : targetDir + QLatin1Char('/') + target.fileName();
    // The journal and the bytes set aside beside the log are the log too.
    for (const char *name : {LogStore::QrpFileName, LogStore::ArciFileName, Journal::FileName, LogStore::StrayFileName,
                             LogStore::ArciStrayFileName}) {
        const QFileInfo log(QDir(logDirectory).filePath(QLatin1String(name)));
        const QString logPath = log.exists() ? log.canonicalFilePath() : logDir + QLatin1Char('/') + log.fileName();
        if (!logDir.isEmpty() && targetPath == logPath)
            return QStringLiteral("%1 is a log file of Kestrix; choose another name.").arg(shown);
    }
    return {};
}

} // namespace LogExport
