#include "export/core/CabrilloWriter.h"

#include "rules/ContestBands.h"

namespace {

// The QSO line template: each column's width and whether it is right-aligned.
//   QSO: freq  mo date       time call          rst spc  nr    call          rst spc  nr
//   QSO: ***** ** yyyy-mm-dd nnnn ************* nnn aaaa nnnnn ************* nnn aaaa nnnnn
struct Template {
    int width;
    bool right;
};
constexpr std::array<Template, CabrilloWriter::ColumnCount> columns{{
    {5, true},
    {2, false},
    {10, false},
    {4, false},
    {13, false},
    {3, false},
    {4, false},
    {5, false},
    {13, false},
    {3, false},
    {4, false},
    {5, false},
}};

// A value as one Cabrillo field: blanks inside would split it in two.
QString token(const QString &value)
{
    QString out;
    for (const QChar c : value)
        if (!c.isSpace())
            out += c;
    return out;
}

const QByteArray nl = "\r\n";

// The frequency column names a band by its lower edge in kHz, 6 m as 50 (MHz).
QString frequency(int band)
{
    const int khz = ContestBands::table[band].lowKhz;
    return QString::number(khz >= 50000 ? khz / 1000 : khz);
}

QByteArray tag(const char *name, const QString &value) { return QByteArray(name) + ": " + value.toLatin1() + nl; }

// Free text cut into lines of at most `width` characters at blanks.
QStringList wrapped(const QString &text, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (qsizetype at = 0; at < word.size(); at += width) {
            const QString piece = word.mid(at, width);
            if (!line.isEmpty() && line.size() + 1 + piece.size() > width) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + piece;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

CabrilloWriter::CabrilloWriter(const ExportSettings &settings)
    : m_settings(settings), m_own(settings.station.normalized()),
      m_mode(m_own.mode == QLatin1String("SSB") ? QStringLiteral("PH") : QStringLiteral("CW"))
{
    for (int i = 0; i < ColumnCount; ++i)
        m_width[i] = columns[i].width;
}

std::unique_ptr<FormatWriter> CabrilloWriter::make(const ExportSettings &settings)
{
    return std::make_unique<CabrilloWriter>(settings);
}

bool CabrilloWriter::madeByKestrix(const QByteArray &start)
{
    if (!start.startsWith("START-OF-LOG:"))
        return false;
    const qsizetype firstQso = start.indexOf("\nQSO:");
    const qsizetype createdBy = start.indexOf("\nCREATED-BY: Kestrix ");
    return createdBy > 0 && (firstQso < 0 || createdBy < firstQso);
}

CabrilloWriter::Row CabrilloWriter::row(const ExportContact &c) const
{
    return Row{
        frequency(c.band),
        m_mode,
        ExportContacts::dateText(c.date, true),
        ExportContacts::timeText(c.time, false),
        token(m_own.call),
        token(c.rstSent),
        token(m_own.spc),
        token(m_own.number),
        token(c.call),
        token(c.rstRcvd),
        token(c.spc),
        token(c.numberOrPower()),
    };
}

void CabrilloWriter::measure(const ExportContact &contact)
{
    const Row r = row(contact);
    for (int i = 0; i < ColumnCount; ++i)
        m_width[i] = qMax(m_width[i], r[i].size());
}

QByteArray CabrilloWriter::header(const LogSurvey &survey) const
{
    const EntrantData &e = m_settings.entrant;
    QByteArray out;
    out += tag("START-OF-LOG", QStringLiteral("3.0"));
    out += tag("CONTEST", m_own.contest);
    out += tag("CALLSIGN", m_own.call);
    out += tag("LOCATION", m_own.spc);
    out += tag("CATEGORY-OPERATOR", QStringLiteral("SINGLE-OP"));
    out += tag("CATEGORY-BAND", survey.onlyBand >= 0
                                    ? QLatin1String(ContestBands::table[survey.onlyBand].name) + QLatin1Char('M')
                                    : QStringLiteral("ALL"));
    out += tag("CATEGORY-MODE", m_own.mode);
    out += tag("CATEGORY-POWER", QStringLiteral("QRP"));
    const auto optional = [&out](const char *name, const QString &value) {
        const QString v = value.simplified();
        if (!v.isEmpty())
            out += tag(name, v);
    };
    optional("CATEGORY-STATION", e.categoryStation.toUpper());
    optional("CATEGORY-TRANSMITTER", e.categoryTransmitter.toUpper());
    out += tag("CLAIMED-SCORE", QString::number(survey.claimedScore));
    optional("NAME", e.name);
    optional("ADDRESS", e.address);
    optional("ADDRESS-CITY", e.city);
    optional("ADDRESS-STATE-PROVINCE", e.state);
    optional("ADDRESS-POSTALCODE", e.postalCode);
    for (const QString &line : wrapped(e.soapbox, 70))
        out += tag("SOAPBOX", line);
    out += tag("CREATED-BY", QStringLiteral("Kestrix ") + m_settings.programVersion);
    return out;
}

QByteArray CabrilloWriter::record(const ExportContact &contact) const
{
    const Row r = row(contact);
    QString text = QStringLiteral("QSO:");
    for (int i = 0; i < ColumnCount; ++i) {
        text += QLatin1Char(' ');
        text += columns[i].right ? r[i].rightJustified(m_width[i]) : r[i].leftJustified(m_width[i]);
    }
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text.toLatin1() + nl;
}

QByteArray CabrilloWriter::footer() const { return "END-OF-LOG:" + nl; }
