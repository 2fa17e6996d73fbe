#include "export/core/ExportContacts.h"

#include "export/core/PlainText.h"
#include "rules/ContestBands.h"

namespace {

// A stored text for a message: control characters as blanks, so a record
// cannot write escape sequences onto the operator's terminal.
QString shown(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            c = QLatin1Char(' ');
    return out;
}

QString joined(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

struct FieldName {
    QrpRecord::Field field;
    const char *name;
};

// The exchange fields in the order messages name them.
constexpr FieldName exchange[] = {
    {QrpRecord::Callsign, "call sign"}, {QrpRecord::RstSent, "RST sent"}, {QrpRecord::RstRcvd, "RST received"},
    {QrpRecord::SPC, "S-P-C"},          {QrpRecord::Arci, "ARCI number"}, {QrpRecord::Power, "power"},
};

} // namespace

qint64 ExportContact::timeKey() const { return date.toJulianDay() * 86400 + time.msecsSinceStartOfDay() / 1000; }

namespace {

// Digits at `at` up to the separator `end` (or the text's end for 0): between
// `least` and `most` of them, else -1.
int digits(const QString &text, qsizetype &at, char end, int least, int most)
{
    int value = 0, count = 0;
    while (at < text.size() && text.at(at) != QLatin1Char(end)) {
        const char16_t c = text.at(at).unicode();
        if (c < u'0' || c > u'9' || ++count > most)
            return -1;
        value = value * 10 + (c - u'0');
        ++at;
    }
    if (count < least)
        return -1;
    if (end && at < text.size())
        ++at; // past the separator
    else if (end)
        return -1;
    return value;
}

} // namespace

QDate ExportContacts::readDate(const QString &stored)
{
    const QString text = stored.trimmed();
    qsizetype at = 0;
    const int month = digits(text, at, '/', 1, 2);
    const int day = month < 0 ? -1 : digits(text, at, '/', 1, 2);
    const qsizetype yearStart = at;
    int year = day < 0 ? -1 : digits(text, at, 0, 2, 4);
    if (year < 0 || at - yearStart == 3)
        return {};
    if (at - yearStart == 2)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, month, day);
}

bool ExportContacts::isReport(const QString &text)
{
    const auto within = [&text](int at, char16_t low, char16_t high) {
        return text.at(at).unicode() >= low && text.at(at).unicode() <= high;
    };
    return (text.size() == 2 || text.size() == 3) && within(0, u'1', u'5') && within(1, u'1', u'9') &&
           (text.size() == 2 || within(2, u'1', u'9'));
}

QTime ExportContacts::readTime(const QString &stored)
{
    const QString text = stored.trimmed();
    qsizetype at = 0;
    const int hour = digits(text, at, ':', 1, 2);
    if (hour < 0)
        return {};
    const bool seconds = text.indexOf(QLatin1Char(':'), at) >= 0;
    const int minute = digits(text, at, seconds ? ':' : 0, 2, 2);
    const int second = seconds && minute >= 0 ? digits(text, at, 0, 2, 2) : 0;
    if (minute < 0 || second < 0)
        return {};
    return QTime(hour, minute, second);
}

QString ExportContacts::dateText(QDate date, bool dashes)
{
    return QString::asprintf(dashes ? "%04d-%02d-%02d" : "%04d%02d%02d", date.year(), date.month(), date.day());
}

QString ExportContacts::timeText(QTime time, bool seconds)
{
    return seconds ? QString::asprintf("%02d%02d%02d", time.hour(), time.minute(), time.second())
                   : QString::asprintf("%02d%02d", time.hour(), time.minute());
}

RecordReading ExportContacts::read(qint32 number, const QrpRecord &r)
{
    RecordReading reading;
    const int band = ContestBands::indexOf(r.value(QrpRecord::Band));

    // Every exchange field in plain ASCII, blanks around it removed.
    QString value[QrpRecord::FieldCount];
    QStringList changes;
    for (const FieldName &f : exchange) {
        const QString stored = r.value(f.field);
        const PlainText::Result plain = PlainText::ascii(stored);
        value[f.field] = plain.text.trimmed();
        if (plain.transliterated)
            changes << QStringLiteral("its %1 \"%2\" is written as \"%3\"")
                           .arg(QLatin1String(f.name), shown(stored), value[f.field]);
        else if (plain.controls)
            changes << QStringLiteral("control characters in its %1 are written as blanks").arg(QLatin1String(f.name));
    }
    const QString stored = r.value(QrpRecord::Callsign);
    if (value[QrpRecord::Callsign].isEmpty() || stored == QLatin1String(QrpRecord::DeletedCall))
        return reading;
    const QString who = QStringLiteral("Record %1 (%2)").arg(number).arg(shown(stored));

    ExportContact c;
    c.record = number;
    c.call = value[QrpRecord::Callsign];
    c.rstSent = value[QrpRecord::RstSent];
    c.rstRcvd = value[QrpRecord::RstRcvd];
    c.spc = value[QrpRecord::SPC];
    c.arci = value[QrpRecord::Arci];
    c.power = value[QrpRecord::Power];
    c.band = band;
    c.date = readDate(r.value(QrpRecord::QsoDate));
    c.time = readTime(r.value(QrpRecord::QsoTime));

    QStringList problems;
    if (band < 0)
        problems << QStringLiteral("its band \"%1\" is none of %2")
                        .arg(shown(r.value(QrpRecord::Band)), ContestBands::names());
    if (!c.date.isValid())
        problems << QStringLiteral("its date \"%1\" is not a date mm/dd/yy").arg(shown(r.value(QrpRecord::QsoDate)));
    if (!c.time.isValid())
        problems << QStringLiteral("its time \"%1\" is not a time hh:mm:ss").arg(shown(r.value(QrpRecord::QsoTime)));
    // A blank inside a field is dropped in Cabrillo: what is left must not be empty.
    QStringList missing;
    if (c.rstSent.isEmpty())
        missing << QStringLiteral("the RST sent");
    if (c.rstRcvd.isEmpty())
        missing << QStringLiteral("the RST received");
    if (c.spc.isEmpty())
        missing << QStringLiteral("the S-P-C");
    if (c.numberOrPower().isEmpty())
        missing << QStringLiteral("the ARCI number or power");
    if (!missing.isEmpty())
        problems << QStringLiteral("it lacks ") + joined(missing);
    for (const auto &[rst, name] : {std::pair{&c.rstSent, "RST sent"}, std::pair{&c.rstRcvd, "RST received"}})
        if (!rst->isEmpty() && !isReport(*rst))
            problems << QStringLiteral("its %1 \"%2\" is not a report").arg(QLatin1String(name), shown(*rst));

    if (!problems.isEmpty()) {
        reading.kind = RecordReading::Incomplete;
        reading.notice = QStringLiteral("%1: %2.").arg(who, problems.join(QStringLiteral("; ")));
        return reading;
    }
    reading.kind = RecordReading::Contact;
    reading.contact = c;
    if (!changes.isEmpty())
        reading.notice = QStringLiteral("%1: %2.").arg(who, changes.join(QStringLiteral("; ")));
    return reading;
}

ExportContacts::ExportContacts(const QList<QrpRecord> &records)
{
    for (qsizetype i = 0; i < records.size(); ++i) {
        const RecordReading reading = read(static_cast<qint32>(i + 1), records.at(i));
        if (reading.kind == RecordReading::Contact) {
            m_contacts << reading.contact;
            if (!reading.notice.isEmpty())
                m_warnings << reading.notice;
        } else if (reading.kind == RecordReading::Incomplete) {
            m_incomplete << reading.notice;
        }
    }
}
