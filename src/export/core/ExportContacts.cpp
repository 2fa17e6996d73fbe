#include "ExportContacts.h"

#include <QRegularExpression>

namespace {

int digitValue(const QString &field)
{
    // One character; a digit counts its value, anything else 0.
    return field.size() == 1 && field.at(0).isDigit() && field.at(0).unicode() < 128 ? field.at(0).digitValue() : 0;
}

} // namespace

QDate ExportContacts::readDate(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2}|\\d{4})$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, m.captured(1).toInt(), m.captured(2).toInt());
}

QTime ExportContacts::readTime(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = re.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QTime(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).isEmpty() ? 0 : m.captured(3).toInt());
}

ExportContacts::ExportContacts(const QList<QrpRecord> &records)
{
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QrpRecord &r = records.at(i);
        const qint32 number = static_cast<qint32>(i + 1);
        const BandInfo *band = BandPlan::find(r.value(QrpRecord::Band));
        if (band) {
            m_points += digitValue(r.value(QrpRecord::Points));
            m_multipliers += digitValue(r.value(QrpRecord::Multiplier));
        }

        const QString call = r.value(QrpRecord::Callsign);
        if (call.isEmpty() || call == QLatin1String("DELETED"))
            continue;
        const QString who = QStringLiteral("Record %1 (%2)").arg(number).arg(call);
        if (!band) {
            m_warnings << QStringLiteral("%1 left out: its band \"%2\" is none of %3.")
                              .arg(who, r.value(QrpRecord::Band), BandPlan::list());
            continue;
        }
        ExportContact c;
        c.date = readDate(r.value(QrpRecord::QsoDate));
        if (!c.date.isValid()) {
            m_warnings << QStringLiteral("%1 left out: its date \"%2\" is not a date mm/dd/yy.")
                              .arg(who, r.value(QrpRecord::QsoDate));
            continue;
        }
        c.time = readTime(r.value(QrpRecord::QsoTime));
        if (!c.time.isValid()) {
            m_warnings << QStringLiteral("%1 left out: its time \"%2\" is not a time hh:mm:ss.")
                              .arg(who, r.value(QrpRecord::QsoTime));
            continue;
        }
        c.record = number;
        c.call = call;
        c.rstSent = r.value(QrpRecord::RstSent);
        c.rstRcvd = r.value(QrpRecord::RstRcvd);
        c.spc = r.value(QrpRecord::SPC);
        c.arci = r.value(QrpRecord::Arci);
        c.power = r.value(QrpRecord::Power);
        c.band = band;
        m_contacts << c;
    }
}
