#include "help/ReferenceTables.h"

namespace {
const QString CrLf = QStringLiteral("\r\n");

QStringList entryLines(const QList<ReferenceTables::Abbreviation> &table)
{
    QStringList lines;
    for (const auto &a : table)
        lines << a.name + QStringLiteral(" = ") + a.code;
    return lines;
}
} // namespace

namespace ReferenceTables {

const QStringList &rstLines()
{
    static const QStringList lines{
        QStringLiteral("                RST System"),
        QStringLiteral("Readability"),
        QStringLiteral("1-Unreadable"),
        QStringLiteral("2-Barely readable, occasional words distinguishable"),
        QStringLiteral("3-Readable with considerable difficulty"),
        QStringLiteral("4-Readable with practically no difficulty"),
        QStringLiteral("5-Perdectly readable"),
        QString(),
        QStringLiteral("Signal Strength"),
        QStringLiteral("1-Faint signals barely readable"),
        QStringLiteral("2-Very weak signals"),
        QStringLiteral("3-Weak signals"),
        QStringLiteral("4-Fair signals"),
        QStringLiteral("5-Fairly good signals"),
        QStringLiteral("6-Good signals"),
        QStringLiteral("7-Moderately strong signals"),
        QStringLiteral("8-Strong signals"),
        QStringLiteral("9-Extremely strong signals"),
        QString(),
        QStringLiteral("Tone"),
        QStringLiteral("1-60 cycle ac or less, very rough & broad"),
        QStringLiteral("2-Very rough ac-very harsh & broad"),
        QStringLiteral("3-Rough ac tone, rectified but not filtered"),
        QStringLiteral("4-Rough note, some trace of filtering"),
        QStringLiteral("5-Filtered rectified ac but strongly ripple-modulated"),
        QStringLiteral("6-Filtered tone, definite trace of ripple modulation"),
        QStringLiteral("7-Near pure tone, trace of ripple modulation"),
        QStringLiteral("8-Near perfect tone, slight trace of modulation"),
        QStringLiteral("9-Perfect tone, no trace of ripple or modulation of any kind"),
    };
    return lines;
}

const QList<Abbreviation> &provinces()
{
    static const QList<Abbreviation> table{
        {QStringLiteral("Alberta"), QStringLiteral("ALB")},
        {QStringLiteral("British Columbia"), QStringLiteral("BRC")},
        {QStringLiteral("Manitoba"), QStringLiteral("MAN")},
        {QStringLiteral("New Brunswick"), QStringLiteral("NBR")},
        {QStringLiteral("Newfoundland"), QStringLiteral("NFD")},
        {QStringLiteral("Nova Scotia"), QStringLiteral("NSC")},
        {QStringLiteral("Ontario"), QStringLiteral("ONT")},
        {QStringLiteral("Prince Edward Island"), QStringLiteral("PEI")},
        {QStringLiteral("Quebec"), QStringLiteral("QUE")},
        {QStringLiteral("Saskatchewan"), QStringLiteral("SAS")},
        {QStringLiteral("North West Territories"), QStringLiteral("NWT")},
    };
    return table;
}

const QList<Abbreviation> &states()
{
    static const QList<Abbreviation> table{
        {QStringLiteral("Alabama"), QStringLiteral("AL")},
        {QStringLiteral("Alaska"), QStringLiteral("AK")},
        {QStringLiteral("Arizona"), QStringLiteral("AZ")},
        {QStringLiteral("Arkansas"), QStringLiteral("AR")},
        {QStringLiteral("California"), QStringLiteral("CA")},
        {QStringLiteral("Colorado"), QStringLiteral("CO")},
        {QStringLiteral("Connecticut"), QStringLiteral("CT")},
        {QStringLiteral("Delaware"), QStringLiteral("DE")},
        {QStringLiteral("District of Columbia"), QStringLiteral("DC")},
        {QStringLiteral("Florida"), QStringLiteral("FL")},
        {QStringLiteral("Georgia"), QStringLiteral("GA")},
        {QStringLiteral("Hawaii"), QStringLiteral("HI")},
        {QStringLiteral("Idaho"), QStringLiteral("ID")},
        {QStringLiteral("Illinois"), QStringLiteral("IL")},
        {QStringLiteral("Indiana"), QStringLiteral("IN")},
        {QStringLiteral("Iowa"), QStringLiteral("IA")},
        {QStringLiteral("Kansas"), QStringLiteral("KS")},
        {QStringLiteral("Kentucky"), QStringLiteral("KY")},
        {QStringLiteral("Louisiana"), QStringLiteral("LA")},
        {QStringLiteral("Maine"), QStringLiteral("ME")},
        {QStringLiteral("Maryland"), QStringLiteral("MD")},
        {QStringLiteral("Massachusetts"), QStringLiteral("MA")},
        {QStringLiteral("Michigan"), QStringLiteral("MI")},
        {QStringLiteral("Minnesota"), QStringLiteral("MN")},
        {QStringLiteral("Mississippi"), QStringLiteral("MS")},
        {QStringLiteral("Missouri"), QStringLiteral("MO")},
        {QStringLiteral("Montana"), QStringLiteral("MT")},
        {QStringLiteral("Nebraska"), QStringLiteral("NE")},
        {QStringLiteral("Nevada"), QStringLiteral("NV")},
        {QStringLiteral("New Hampshire"), QStringLiteral("NH")},
        {QStringLiteral("New Jersey"), QStringLiteral("NJ")},
        {QStringLiteral("New Mexico"), QStringLiteral("NM")},
        {QStringLiteral("New York"), QStringLiteral("NY")},
        {QStringLiteral("North Carolina"), QStringLiteral("NC")},
        {QStringLiteral("North Dakota"), QStringLiteral("ND")},
        {QStringLiteral("Ohio"), QStringLiteral("OH")},
        {QStringLiteral("Oklahoma"), QStringLiteral("OK")},
        {QStringLiteral("Oregon"), QStringLiteral("OR")},
        {QStringLiteral("Pennsylvania"), QStringLiteral("PA")},
        {QStringLiteral("Puerto Rico"), QStringLiteral("PR")},
        {QStringLiteral("Rhode Island"), QStringLiteral("RI")},
        {QStringLiteral("South Carolina"), QStringLiteral("SC")},
        {QStringLiteral("South Dakota"), QStringLiteral("SD")},
        {QStringLiteral("Tennessee"), QStringLiteral("TN")},
        {QStringLiteral("Texas"), QStringLiteral("TX")},
        {QStringLiteral("Utah"), QStringLiteral("UT")},
        {QStringLiteral("Vermont"), QStringLiteral("VT")},
        {QStringLiteral("Virginia"), QStringLiteral("VA")},
        {QStringLiteral("Virgin Islands"), QStringLiteral("VI")},
        {QStringLiteral("Washington"), QStringLiteral("WA")},
        {QStringLiteral("West Virginia"), QStringLiteral("WV")},
        {QStringLiteral("Wisconsin"), QStringLiteral("WI")},
        {QStringLiteral("Wyoming"), QStringLiteral("WY")},
    };
    return table;
}

QString rstText() { return rstLines().join(CrLf); }

QString provincesText()
{
    QStringList lines{QStringLiteral("     Canadian Provinces"), QStringLiteral("     Use THREE (3) letters"),
                      QString()};
    lines << entryLines(provinces());
    return lines.join(CrLf);
}

QString statesText()
{
    QStringList lines{QStringLiteral("     State Abbreviations"), QStringLiteral("    Enter TWO (2) letters")};
    lines << entryLines(states());
    return lines.join(CrLf) + CrLf;
}

} // namespace ReferenceTables
