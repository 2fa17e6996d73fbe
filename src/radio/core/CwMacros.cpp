#include "radio/core/CwMacros.h"

#include <QHash>
#include <QRegularExpression>

namespace {

const QRegularExpression &braced()
{
    static const QRegularExpression re(QStringLiteral("\\{[^{}]*\\}"));
    return re;
}

QString valueOf(const QString &macro, const CwMacros::Values &v)
{
    const QString name = macro.toUpper();
    if (name == QLatin1String("{MYCALL}"))
        return v.myCall;
    if (name == QLatin1String("{MYSPC}"))
        return v.mySpc;
    if (name == QLatin1String("{MYNR}"))
        return v.myNr;
    if (name == QLatin1String("{CALL}"))
        return v.call;
    if (name == QLatin1String("{RST}"))
        return v.rst;
    return macro;
}

// Dots and dashes of the characters keyers send.
const QHash<QChar, QByteArray> &codes()
{
    static const QHash<QChar, QByteArray> table = [] {
        const char *const pairs[][2] = {
            {"A", ".-"},     {"B", "-..."},   {"C", "-.-."},   {"D", "-.."},     {"E", "."},       {"F", "..-."},
            {"G", "--."},    {"H", "...."},   {"I", ".."},     {"J", ".---"},    {"K", "-.-"},     {"L", ".-.."},
            {"M", "--"},     {"N", "-."},     {"O", "---"},    {"P", ".--."},    {"Q", "--.-"},    {"R", ".-."},
            {"S", "..."},    {"T", "-"},      {"U", "..-"},    {"V", "...-"},    {"W", ".--"},     {"X", "-..-"},
            {"Y", "-.--"},   {"Z", "--.."},   {"0", "-----"},  {"1", ".----"},   {"2", "..---"},   {"3", "...--"},
            {"4", "....-"},  {"5", "....."},  {"6", "-...."},  {"7", "--..."},   {"8", "---.."},   {"9", "----."},
            {"?", "..--.."}, {"/", "-..-."},  {".", ".-.-.-"}, {",", "--..--"},  {"=", "-...-"},   {"+", ".-.-."},
            {"-", "-....-"}, {"'", ".----."}, {"(", "-.--."},  {")", "-.--.-"},  {":", "---..."},  {"@", ".--.-."},
            {"!", "-.-.--"}, {"&", ".-..."},  {";", "-.-.-."}, {"\"", ".-..-."}, {"$", "...-..-"}, {"_", "..--.-"},
        };
        QHash<QChar, QByteArray> t;
        for (const auto &p : pairs)
            t.insert(QLatin1Char(p[0][0]), p[1]);
        return t;
    }();
    return table;
}

} // namespace

const QStringList &CwMacros::names()
{
    static const QStringList list{QStringLiteral("{MYCALL}"), QStringLiteral("{MYSPC}"), QStringLiteral("{MYNR}"),
                                  QStringLiteral("{CALL}"), QStringLiteral("{RST}")};
    return list;
}

const QStringList &CwMacros::defaults()
{
    static const QStringList list{QStringLiteral("CQ TEST {MYCALL} {MYCALL} TEST"),
                                  QStringLiteral("{CALL} 5NN {MYSPC} {MYNR}"),
                                  QStringLiteral("TU {MYCALL}"),
                                  QStringLiteral("{MYCALL}"),
                                  QStringLiteral("{CALL}"),
                                  QStringLiteral("AGN?"),
                                  QStringLiteral("?"),
                                  QStringLiteral("QRZ?")};
    return list;
}

QString CwMacros::expand(const QString &message, const Values &values, bool forCwDaemon, QString *changed)
{
    QString out;
    qsizetype at = 0;
    auto it = braced().globalMatch(message);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += message.mid(at, m.capturedStart() - at);
        out += valueOf(m.captured(), values);
        at = m.capturedEnd();
    }
    out += message.mid(at);

    QString sent, dropped;
    sent.reserve(out.size());
    const auto keyable = [forCwDaemon](QChar c) {
        return codes().contains(c) && !(forCwDaemon && (c == QLatin1Char('+') || c == QLatin1Char('-')));
    };
    for (QChar c : out) {
        if (c.isSpace()) {
            sent += QLatin1Char(' ');
            continue;
        }
        const QChar upper = c.toUpper();
        if (keyable(upper)) {
            sent += upper;
            continue;
        }
        // "É" is an E with a mark: the E is keyed.
        const QChar plain = QString(upper).normalized(QString::NormalizationForm_D).at(0);
        if (plain.isLetter() && keyable(plain))
            sent += plain;
        if (c.isPrint() && !dropped.contains(c))
            dropped += c;
    }
    if (changed)
        *changed = dropped;
    return sent.simplified();
}

QStringList CwMacros::unknown(const QString &message)
{
    QStringList found;
    QString rest = message;
    auto it = braced().globalMatch(message);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (!names().contains(m.captured().toUpper()))
            found << m.captured();
    }
    rest.replace(braced(), QStringLiteral(" "));
    for (QChar c : rest)
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            found << QString(c);
    return found;
}

QStringList CwMacros::emptyOwn(const QString &message, const Values &values)
{
    QStringList empty;
    const std::pair<const char *, const QString *> own[] = {
        {"{MYCALL}", &values.myCall}, {"{MYSPC}", &values.mySpc}, {"{MYNR}", &values.myNr}};
    for (const auto &[name, value] : own)
        if (message.contains(QLatin1String(name), Qt::CaseInsensitive) && value->trimmed().isEmpty())
            empty << QLatin1String(name);
    return empty;
}

int CwMacros::sendingMillis(const QString &text, int wpm)
{
    // One dot is 1200/wpm ms; a dash 3 dots; 1 dot between the elements of a
    // character, 3 between characters, 7 between words.
    qint64 units = 0;
    bool previousWasChar = false;
    for (QChar c : text) {
        if (c == QLatin1Char(' ')) {
            if (previousWasChar)
                units += 4; // 3 already counted after the character
            previousWasChar = false;
            continue;
        }
        const QByteArray code = codes().value(c.toUpper());
        if (code.isEmpty())
            continue;
        for (char e : code)
            units += (e == '-' ? 3 : 1) + 1;
        units += 2; // the last element's gap grows to 3
        previousWasChar = true;
    }
    if (previousWasChar)
        units -= 3; // sending ends with the last element
    if (wpm <= 0)
        return 0;
    return int(units * 1200 / wpm);
}
