#include "AdifWriter.h"

#include "SpcTable.h"

#include <QRegularExpression>

QByteArray AdifWriter::field(const char *name, const QString &value)
{
    if (value.isEmpty())
        return {};
    const QByteArray bytes = value.toUtf8();
    return '<' + QByteArray(name) + ':' + QByteArray::number(bytes.size()) + '>' + bytes;
}

QString AdifWriter::powerNumber(const QString &power)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+(?:\\.\\d+)?|\\.\\d+) ?[Ww]?$"));
    const QRegularExpressionMatch m = re.match(power.trimmed());
    return m.hasMatch() ? m.captured(1) : QString();
}

QByteArray AdifWriter::write(const QList<ExportContact> &contacts, const ExportSettings &settings)
{
    const StationData own = settings.station.normalized();
    const QByteArray nl = "\r\n";
    auto joined = [](const QString &a, const QString &b) {
        return a.isEmpty() ? b : b.isEmpty() ? a : a + QLatin1Char(' ') + b;
    };

    QByteArray out;
    out += "Kestrix log export" + nl;
    out += field("ADIF_VER", QStringLiteral("3.1.4")) + nl;
    out += field("PROGRAMID", QStringLiteral("Kestrix")) + nl;
    out += field("PROGRAMVERSION", settings.programVersion) + nl;
    if (settings.created.isValid())
        out += field("CREATED_TIMESTAMP", settings.created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss"))) + nl;
    out += "<EOH>" + nl;

    const QString sent = joined(own.spc, own.number);
    for (const ExportContact &c : contacts) {
        QList<QByteArray> fields{
            field("CALL", c.call),
            field("QSO_DATE", c.date.toString(QStringLiteral("yyyyMMdd"))),
            field("TIME_ON", c.time.toString(QStringLiteral("HHmmss"))),
            field("BAND", QLatin1String(c.band->adifBand)),
            field("MODE", own.mode),
            field("RST_SENT", c.rstSent),
            field("RST_RCVD", c.rstRcvd),
            field("STATE", SpcTable::adifState(c.spc)),
            field("SRX_STRING", joined(c.spc, c.numberOrPower())),
            field("STX_STRING", sent),
            field("RX_PWR", c.arci.isEmpty() ? powerNumber(c.power) : QString()),
            field("OPERATOR", own.call),
            "<EOR>",
        };
        fields.removeAll(QByteArray());
        out += fields.join(' ') + nl;
    }
    return out;
}
