#include "history/CallHistoryFile.h"

#include "export/core/ReadOnlyLog.h"
#include "store/Posix.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
// A stored power as the exchange columns write it ("5W"), so it is never taken for a member number.
QString powerText(const QString &power) { return power.isEmpty() ? power : power + QLatin1Char('W'); }
} // namespace

namespace CallHistoryFile {

QStringList defaultOrder()
{
    return {QStringLiteral("Call"),  QStringLiteral("Name"),  QStringLiteral("Loc1"),    QStringLiteral("Loc2"),
            QStringLiteral("Sect"),  QStringLiteral("State"), QStringLiteral("CK"),      QStringLiteral("BirthDate"),
            QStringLiteral("Exch1"), QStringLiteral("Misc"),  QStringLiteral("UserText")};
}

bool decode(const QByteArray &bytes, QString *text, QString *refusal, QString *note)
{
    if (bytes.contains('\0')) {
        *refusal = QStringLiteral("a binary file, not text");
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = utf8.decode(bytes);
    if (utf8.hasError()) {
        *text = QString::fromLatin1(bytes);
        *note = QStringLiteral("not UTF-8: read as Latin-1");
    } else if (text->startsWith(QChar(0xFEFF))) {
        text->remove(0, 1);
    }
    return true;
}

namespace {

// The file's bytes, or false with the reason. The kind of file is looked at by
// name before it is opened, and again on the open descriptor.
bool readBytes(const QString &path, QByteArray *bytes, QString *refusal)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        *refusal = Posix::reason(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *refusal = QStringLiteral("not a regular file");
        return false;
    }
    if (st.st_size > MaxBytes) {
        *refusal = QStringLiteral("larger than 50 MB");
        return false;
    }
    int fd = Posix::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *refusal = Posix::reason(errno);
        return false;
    }
    bool ok = false;
    if (!Posix::idOf(fd).regular) {
        *refusal = QStringLiteral("not a regular file");
    } else {
        // One byte more than allowed shows a file that grew past the limit meanwhile.
        bytes->resize(qMin<qint64>(Posix::length(fd), MaxBytes) + 1);
        const qint64 got = Posix::readAt(fd, bytes->data(), bytes->size(), 0);
        if (got < 0) {
            *refusal = Posix::reason(errno);
        } else if (got > MaxBytes) {
            *refusal = QStringLiteral("larger than 50 MB");
        } else {
            bytes->truncate(got);
            ok = true;
        }
    }
    Posix::close(fd);
    return ok;
}

bool controlCharacter(QStringView line)
{
    for (QChar c : line) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0))
            return true;
    }
    return false;
}

// The lines of a file that are neither blank nor comments, each with its number,
// after the checks every line passes; `use` returns the reason a line is skipped,
// or an empty text.
template <typename Use> void eachLine(HistorySource &source, const QString &text, Use &&use)
{
    int number = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        QString reason;
        if (line.size() > MaxLineLength)
            reason = QStringLiteral("longer than %1 characters").arg(MaxLineLength);
        else if (controlCharacter(line))
            reason = QStringLiteral("control character");
        else if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        else
            reason = use(line.trimmed());
        if (!reason.isEmpty())
            source.skipped.append({number, reason});
    }
}

// The call as the index keeps it, or the reason it is no call sign.
QString callSign(QStringView field, QString *call)
{
    *call = field.trimmed().toString().toUpper();
    if (call->isEmpty())
        return QStringLiteral("no call sign");
    if (call->size() > MaxCallLength)
        return QStringLiteral("call sign longer than %1 characters").arg(MaxCallLength);
    for (QChar c : *call)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'/'))
            return QStringLiteral("not a call sign");
    return {};
}

// The fields of a comma-separated line; a field in double quotes may hold
// commas, and "" in it stands for one quote. False for an unclosed quote.
bool splitFields(QStringView line, QStringList *fields)
{
    fields->clear();
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"')
                field += c, ++i;
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u',') {
            fields->append(wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = wasQuoted = true;
        } else {
            field += c;
        }
    }
    if (quoted)
        return false;
    fields->append(wasQuoted ? field : field.trimmed());
    return true;
}

bool start(HistorySource &source, const QString &path, HistorySource::Kind kind, QString *text)
{
    source.path = path;
    source.kind = kind;
    QByteArray bytes;
    return readBytes(path, &bytes, &source.refusal) && decode(bytes, text, &source.refusal, &source.note);
}

} // namespace

HistorySource readCallHistory(const QString &path, const Columns &columns)
{
    HistorySource source;
    QString text;
    if (!start(source, path, HistorySource::CallHistory, &text))
        return source;

    QStringList order = defaultOrder();
    auto column = [&order](const QString &name) {
        for (qsizetype i = 0; i < order.size(); ++i)
            if (order[i].compare(name, Qt::CaseInsensitive) == 0)
                return int(i);
        return -1;
    };
    QStringList fields;
    eachLine(source, text, [&](QStringView line) -> QString {
        if (!splitFields(line, &fields))
            return QStringLiteral("unclosed quote");
        if (fields.front().compare(QLatin1String("!!Order!!"), Qt::CaseInsensitive) == 0) {
            const QStringList named = fields.mid(1);
            for (const QString &name : named)
                if (name.compare(QLatin1String("Call"), Qt::CaseInsensitive) == 0) {
                    order = named;
                    return {};
                }
            return QStringLiteral("order line names no Call column");
        }
        auto field = [&](const QString &name) {
            const int at = column(name);
            return at >= 0 && at < fields.size() ? fields[at].trimmed().toUpper() : QString();
        };
        HistorySource::Entry entry;
        const int callAt = column(QStringLiteral("Call"));
        if (const QString why =
                callSign(callAt < fields.size() ? QStringView(fields[callAt]) : QStringView(), &entry.call);
            !why.isEmpty())
            return why;
        if (!columns.spcColumn.isEmpty())
            entry.spc = field(columns.spcColumn);
        for (const char *name : {"State", "Sect", "Loc1"})
            if (columns.spcColumn.isEmpty() && entry.spc.isEmpty())
                entry.spc = field(QLatin1String(name));
        entry.exchange = field(columns.exchangeColumn);
        source.entries.append(entry);
        return {};
    });
    return source;
}

HistorySource readCheckPartial(const QString &path)
{
    HistorySource source;
    QString text;
    if (!start(source, path, HistorySource::CheckPartial, &text))
        return source;
    eachLine(source, text, [&](QStringView line) -> QString {
        HistorySource::Entry entry;
        if (QString why = callSign(line, &entry.call); !why.isEmpty())
            return why;
        source.entries.append(entry);
        return {};
    });
    return source;
}

HistorySource readEarlierLog(const QString &folder)
{
    HistorySource source;
    source.kind = HistorySource::EarlierLog;
    ReadOnlyLog log(folder);
    source.path = log.filePath();
    if (!log.read()) {
        source.refusal = log.reason();
        return source;
    }
    source.entries.reserve(log.contacts().size());
    for (const QrpRecord &r : log.contacts()) {
        const QString call = r.value(QrpRecord::Callsign).toUpper();
        if (call.isEmpty() || call == QLatin1String(QrpRecord::DeletedCall))
            continue;
        const QString arci = r.value(QrpRecord::Arci);
        source.entries.append(
            {call, r.value(QrpRecord::SPC), arci.isEmpty() ? powerText(r.value(QrpRecord::Power)) : arci});
    }
    return source;
}

} // namespace CallHistoryFile
