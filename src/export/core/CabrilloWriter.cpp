#include "CabrilloWriter.h"

#include <array>

namespace {

// The QSO line template: each column's width and whether it is right-aligned.
//   QSO: freq  mo date       time call          rst spc  nr    call          rst spc  nr
//   QSO: ***** ** yyyy-mm-dd nnnn ************* nnn aaaa nnnnn ************* nnn aaaa nnnnn
enum Column { Freq, Mode, Date, Time, OwnCall, OwnRst, OwnSpc, OwnNumber, Call, Rst, Spc, Number, ColumnCount };
struct Template {
    int width;
    bool right;
};
constexpr std::array<Template, ColumnCount> columns{{
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

} // namespace

QString CabrilloWriter::categoryBand(const QList<ExportContact> &contacts)
{
    if (contacts.isEmpty())
        return QStringLiteral("ALL");
    const BandInfo *band = contacts.first().band;
    for (const ExportContact &c : contacts)
        if (c.band != band)
            return QStringLiteral("ALL");
    return QLatin1String(band->cabrilloCategory);
}

QByteArray CabrilloWriter::write(const QList<ExportContact> &contacts, const ExportSettings &settings, qint64 score,
                                 QStringList *warnings)
{
    const StationData own = settings.station.normalized();
    const QString mode = own.mode == QLatin1String("SSB") ? QStringLiteral("PH") : QStringLiteral("CW");

    QList<std::array<QString, ColumnCount>> rows;
    std::array<qsizetype, ColumnCount> width{};
    for (int i = 0; i < ColumnCount; ++i)
        width[i] = columns[i].width;
    for (const ExportContact &c : contacts) {
        std::array<QString, ColumnCount> row{
            QLatin1String(c.band->cabrilloFreq),
            mode,
            c.date.toString(QStringLiteral("yyyy-MM-dd")),
            c.time.toString(QStringLiteral("HHmm")),
            token(own.call),
            token(c.rstSent),
            token(own.spc),
            token(own.number),
            token(c.call),
            token(c.rstRcvd),
            token(c.spc),
            token(c.numberOrPower()),
        };
        for (int i = 0; i < ColumnCount; ++i)
            width[i] = qMax(width[i], row[i].size());
        rows << row;

        QStringList missing;
        if (row[OwnRst].isEmpty())
            missing << QStringLiteral("the RST sent");
        if (row[Rst].isEmpty())
            missing << QStringLiteral("the RST received");
        if (row[Spc].isEmpty())
            missing << QStringLiteral("the S-P-C");
        if (row[Number].isEmpty())
            missing << QStringLiteral("the ARCI number or power");
        if (warnings && !missing.isEmpty())
            *warnings << QStringLiteral("Record %1 (%2): its QSO line lacks %3.")
                             .arg(c.record)
                             .arg(c.call, missing.join(QStringLiteral(" and ")));
    }

    const QString nl = QStringLiteral("\r\n");
    QString out;
    out += QStringLiteral("START-OF-LOG: 3.0") + nl;
    out += QStringLiteral("CONTEST: ") + own.contest + nl;
    out += QStringLiteral("CALLSIGN: ") + own.call + nl;
    out += QStringLiteral("CATEGORY-OPERATOR: SINGLE-OP") + nl;
    out += QStringLiteral("CATEGORY-BAND: ") + categoryBand(contacts) + nl;
    out += QStringLiteral("CATEGORY-MODE: ") + own.mode + nl;
    out += QStringLiteral("CATEGORY-POWER: QRP") + nl;
    out += QStringLiteral("CLAIMED-SCORE: ") + QString::number(score) + nl;
    out += QStringLiteral("CREATED-BY: Kestrix ") + settings.programVersion + nl;
    for (const auto &row : rows) {
        QString line = QStringLiteral("QSO:");
        for (int i = 0; i < ColumnCount; ++i) {
            line += QLatin1Char(' ');
            line += columns[i].right ? row[i].rightJustified(width[i]) : row[i].leftJustified(width[i]);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + nl;
    }
    out += QStringLiteral("END-OF-LOG:") + nl;
    return out.toUtf8();
}
