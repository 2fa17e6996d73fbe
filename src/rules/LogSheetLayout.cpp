#include "rules/LogSheetLayout.h"

#include "store/QrpRecord.h"
#include "store/Text.h"

#include <cmath>

namespace {

// Places texts at columns line by line, like a printer's tab to a column: when the
// print position is already past the column, the text goes to the next line.
class ColumnWriter {
  public:
    explicit ColumnWriter(const LogSheetLayout::Measure &measure) : m_measure(measure) {}

    ColumnWriter &at(int column, const QString &text)
    {
        const qreal start = column - 1;
        if (m_position > start + 1e-9)
            breakLine();
        m_line.append(LogSheetText{column, text});
        m_position = start + m_measure(text);
        return *this;
    }
    void endLine() { breakLine(); }
    QList<LogSheetLine> take() { return std::move(m_lines); }

  private:
    void breakLine()
    {
        m_lines.append(m_line);
        m_line.clear();
        m_position = 0;
    }

    const LogSheetLayout::Measure &m_measure;
    QList<LogSheetLine> m_lines;
    LogSheetLine m_line;
    qreal m_position = 0; // columns from the left edge
};

using Contact = LogSheetLayout::Contact;

// The contact's columns, left to right: where the heading and the values stand,
// and the record field each value comes from (a blank ARCI field prints the power).
struct Column {
    int headAt;
    const char *head;
    int valueAt;
    QString Contact::*value;
    QrpRecord::Field field;
    std::optional<QrpRecord::Field> whenBlank = std::nullopt;
};
// clang-format off
const Column columns[] = {
    {2,   "Date",       1,   &Contact::date,        QrpRecord::QsoDate},
    {16,  "Time",       14,  &Contact::time,        QrpRecord::QsoTime},
    {29,  "Call",       28,  &Contact::call,        QrpRecord::Callsign},
    {42,  "RST-R",      43,  &Contact::rstRcvd,     QrpRecord::RstRcvd},
    {54,  "S-P-C",      55,  &Contact::spc,         QrpRecord::SPC},
    {64,  "ARCI #/PWR", 65,  &Contact::arciOrPower, QrpRecord::Arci, QrpRecord::Power},
    {81,  "RST-S",      83,  &Contact::rstSent,     QrpRecord::RstSent},
    {91,  "Points",     94,  &Contact::points,      QrpRecord::Points},
    {103, "Mult",       105, &Contact::multiplier,  QrpRecord::Multiplier},
};
// clang-format on

qint64 runningTotal(const QList<LogSheetLayout::Contact> &contacts, QString LogSheetLayout::Contact::*field)
{
    double total = 0;
    for (const auto &c : contacts)
        total = std::nearbyint(total + Text::numericValue(c.*field)); // halves to even
    return static_cast<qint64>(total);
}

} // namespace

std::optional<LogSheetLayout::Contact> LogSheetLayout::select(const QrpRecord &record, const QString &band)
{
    if (record.value(QrpRecord::Band) != band)
        return std::nullopt;
    if (record.value(QrpRecord::Callsign).isEmpty())
        return std::nullopt;
    Contact c;
    for (const Column &col : columns) {
        c.*col.value = record.value(col.field);
        if (col.whenBlank && (c.*col.value).isEmpty())
            c.*col.value = record.value(*col.whenBlank);
    }
    return c;
}

qint64 LogSheetLayout::pointsTotal(const QList<Contact> &contacts) { return runningTotal(contacts, &Contact::points); }

qint64 LogSheetLayout::multiplierTotal(const QList<Contact> &contacts)
{
    return runningTotal(contacts, &Contact::multiplier);
}

QList<LogSheetLine> LogSheetLayout::lines(const Header &h, const QList<Contact> &contacts, const Measure &measure)
{
    const QString rule(RuleLength, u'=');
    ColumnWriter w(measure);
    for (int i = 0; i < 4; ++i)
        w.endLine();
    w.at(1, rule).endLine();
    w.at(50, h.contestName).at(90, h.date).endLine();
    w.endLine();
    w.at(1, QStringLiteral("Callsign = ") + h.call)
        .at(25, QStringLiteral("SPC = ") + h.spc)
        .at(45, QStringLiteral("ARCI #/Power = ") + h.number)
        .at(75, QStringLiteral("Band = ") + h.band)
        .at(90, QStringLiteral("Mode = ") + h.mode)
        .endLine();
    w.endLine();
    w.at(1, rule).endLine();
    for (const Column &col : columns)
        w.at(col.headAt, QString::fromLatin1(col.head));
    w.endLine();
    w.at(1, rule).endLine();

    for (const Contact &c : contacts) {
        for (const Column &col : columns)
            w.at(col.valueAt, c.*col.value);
        w.endLine();
    }

    w.at(92, QStringLiteral("------")).at(105, QStringLiteral("----")).endLine();
    w.at(93, Text::numberText(pointsTotal(contacts))).at(105, Text::numberText(multiplierTotal(contacts))).endLine();
    return w.take();
}

QList<QList<LogSheetLine>> LogSheetLayout::pages(const QList<LogSheetLine> &lines, int linesPerPage)
{
    linesPerPage = qMax(1, linesPerPage);
    QList<QList<LogSheetLine>> result;
    for (qsizetype i = 0; i < lines.size(); i += linesPerPage)
        result.append(lines.mid(i, linesPerPage));
    return result;
}

QString LogSheetLayout::textAt(const LogSheetLine &line, int column)
{
    for (const LogSheetText &t : line)
        if (t.column == column)
            return t.text;
    return QString();
}
