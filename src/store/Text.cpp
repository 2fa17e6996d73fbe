#include "store/Text.h"

#include <cmath>
#include <limits>

namespace Text {

namespace {

bool skippable(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Characters of the text with the skippable ones removed, read lazily.
class Reader {
  public:
    explicit Reader(const QString &t) : m_text(t) { skip(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    void next()
    {
        ++m_pos;
        skip();
    }

  private:
    void skip()
    {
        while (m_pos < m_text.size() && skippable(m_text.at(m_pos)))
            ++m_pos;
    }
    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

double numericValue(const QString &text)
{
    Reader r(text);
    QString digits;
    if (r.peek() == u'-' || r.peek() == u'+') {
        digits += r.peek();
        r.next();
    }
    bool mantissa = false, point = false;
    while (!r.atEnd()) {
        const QChar c = r.peek();
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
            mantissa = true;
        } else if (c == u'.' && !point) {
            digits += c;
            point = true;
        } else {
            break;
        }
        r.next();
    }
    if (!mantissa)
        return 0;
    const QChar e = r.peek().toUpper();
    if (e == u'E' || e == u'D') {
        QString exponent;
        r.next();
        if (r.peek() == u'-' || r.peek() == u'+') {
            exponent += r.peek();
            r.next();
        }
        while (!r.atEnd() && r.peek().isDigit() && r.peek().unicode() < 128 && exponent.size() < 6) {
            exponent += r.peek();
            r.next();
        }
        if (!exponent.isEmpty() && exponent.back().isDigit())
            digits += u'e' + exponent;
    }
    bool ok = false;
    const double v = digits.toDouble(&ok);
    return ok ? v : (std::isinf(v) ? v : 0);
}

std::optional<std::int32_t> roundHalfEven(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double frac = value - whole;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

std::optional<std::int32_t> wholeValue(const QString &text) { return roundHalfEven(numericValue(text)); }

QString numberText(qint64 value) { return value < 0 ? QString::number(value) : u' ' + QString::number(value); }

QString trimBlanks(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

bool aboveZero(const QString &text) { return QString::compare(text, QStringLiteral("0"), Qt::CaseSensitive) > 0; }

} // namespace Text
