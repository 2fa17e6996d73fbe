#include "export/core/AdifWriter.h"

#include "export/core/SpcTable.h"
#include "rules/ContestBands.h"

#include <QRegularExpression>

namespace {

const QByteArray nl = "\r\n";

QString joined(const QString &a, const QString &b)
{
    return a.isEmpty() ? b : b.isEmpty() ? a : a + QLatin1Char(' ') + b;
}

} // namespace

QByteArray AdifWriter::field(const char *name, const QString &value)
{
    QByteArray out;
    append(out, name, value);
    return out;
}

void AdifWriter::append(QByteArray &out, const char *name, const QString &value)
{
    if (value.isEmpty())
        return;
    if (!out.isEmpty())
        out += ' ';
    out += '<';
    out += name;
    out += ':';
    out += QByteArray::number(value.size());
    out += '>';
    out += value.toLatin1();
}

QString AdifWriter::powerNumber(const QString &power)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+(?:\\.\\d+)?|\\.\\d+) ?[Ww]?$"));
    const QRegularExpressionMatch m = re.match(power.trimmed());
    return m.hasMatch() ? m.captured(1) : QString();
}

std::unique_ptr<FormatWriter> AdifWriter::make(const ExportSettings &settings)
{
    return std::make_unique<AdifWriter>(settings);
}

bool AdifWriter::madeByKestrix(const QByteArray &start)
{
    const qsizetype end = start.indexOf("<EOH>");
    const qsizetype program = start.indexOf("<PROGRAMID:7>Kestrix");
    return end > 0 && program >= 0 && program < end;
}

AdifWriter::AdifWriter(const ExportSettings &settings)
    : m_settings(settings), m_own(settings.station.normalized()), m_sent(joined(m_own.spc, m_own.number)),
      // ADIF's MY_STATE holds a U.S. state and a Canadian province alike.
      m_myState(SpcTable::adifState(m_own.spc)), m_name(settings.entrant.name.simplified())
{
}

QByteArray AdifWriter::header(const LogSurvey &) const
{
    QByteArray out;
    out += "Kestrix log export" + nl;
    out += field("ADIF_VER", QStringLiteral("3.1.4")) + nl;
    out += field("PROGRAMID", QStringLiteral("Kestrix")) + nl;
    out += field("PROGRAMVERSION", m_settings.programVersion) + nl;
    if (m_settings.created.isValid())
        out += field("CREATED_TIMESTAMP", m_settings.created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss"))) + nl;
    out += "<EOH>" + nl;
    return out;
}

QByteArray AdifWriter::record(const ExportContact &c) const
{
    QByteArray out;
    out.reserve(320);
    append(out, "CALL", c.call);
    append(out, "QSO_DATE", ExportContacts::dateText(c.date, false));
    append(out, "TIME_ON", ExportContacts::timeText(c.time, true));
    append(out, "BAND", QLatin1String(ContestBands::table[c.band].name) + QLatin1Char('m'));
    append(out, "MODE", m_own.mode);
    append(out, "RST_SENT", c.rstSent);
    append(out, "RST_RCVD", c.rstRcvd);
    append(out, "STATE", SpcTable::adifState(c.spc));
    const QString received = joined(c.spc, c.numberOrPower());
    append(out, "SRX_STRING", received);
    append(out, "STX_STRING", m_sent);
    append(out, "RX_PWR", c.arci.isEmpty() ? powerNumber(c.power) : QString());
    append(out, "COMMENT", received);
    append(out, "OPERATOR", m_own.call);
    append(out, "STATION_CALLSIGN", m_own.call);
    append(out, "MY_STATE", m_myState);
    append(out, "MY_NAME", m_name);
    out += " <EOR>" + nl;
    return out;
}
