#include "export/core/PlainText.h"

#include <QList>

namespace {

struct Spelling {
    char32_t letter;
    const char *ascii;
};

// Letters without a decomposition into a base letter and marks.
constexpr Spelling spellings[] = {
    {U'ß', "ss"}, {U'Æ', "AE"}, {U'æ', "ae"}, {U'Ø', "O"},  {U'ø', "o"}, {U'Œ', "OE"}, {U'œ', "oe"},
    {U'Ð', "D"},  {U'ð', "d"},  {U'Þ', "TH"}, {U'þ', "th"}, {U'Ł', "L"}, {U'ł', "l"},  {U'Đ', "D"},
    {U'đ', "d"},  {U'Ħ', "H"},  {U'ħ', "h"},  {U'ı', "i"},  {U'ĸ', "k"}, {U'Ŋ', "N"},  {U'ŋ', "n"},
};

bool isControl(char32_t c) { return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F); }

// One character outside printable ASCII as ASCII text.
QString spelled(char32_t c)
{
    for (const Spelling &s : spellings)
        if (s.letter == c)
            return QLatin1String(s.ascii);
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString out;
    for (const QChar d : decomposed) {
        if (d.category() == QChar::Mark_NonSpacing || d.category() == QChar::Mark_Enclosing ||
            d.category() == QChar::Mark_SpacingCombining)
            continue;
        if (d.unicode() < 0x20 || d.unicode() > 0x7E)
            return QStringLiteral("?");
        out += d;
    }
    return out.isEmpty() ? QStringLiteral("?") : out;
}

} // namespace

namespace PlainText {

Result ascii(const QString &text)
{
    Result r;
    bool plain = true;
    for (const QChar c : text)
        plain = plain && c.unicode() >= 0x20 && c.unicode() <= 0x7E;
    if (plain) {
        r.text = text;
        return r;
    }
    r.text.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c >= 0x20 && c <= 0x7E) {
            r.text += QChar(char16_t(c));
        } else if (isControl(c)) {
            r.text += QLatin1Char(' ');
            r.controls = true;
        } else {
            r.text += spelled(c);
            r.transliterated = true;
        }
    }
    return r;
}

} // namespace PlainText
