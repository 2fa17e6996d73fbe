#include "rules/RecordNumbers.h"

#include "store/Text.h"

#include <cmath>
#include <limits>

namespace RecordNumbers {

std::optional<qint32> storedContact(const QString &text, qint32 count)
{
    const double value = Text::numericValue(text);
    if (value != std::floor(value) || value < 1 || value > count - 1)
        return std::nullopt;
    return static_cast<qint32>(value);
}

QString storedContactProblem(const QString &text, qint32 count)
{
    // The number is read as the review row reads it: blanks, tabs and line feeds
    // skipped wherever they stand.
    QString packed = text;
    packed.remove(u' ').remove(u'\t').remove(u'\n');
    if (packed.isEmpty())
        return QStringLiteral("the WHITE RecNum box is empty.");
    const double value = Text::numericValue(text);
    qsizetype at = (packed.startsWith(u'+') || packed.startsWith(u'-')) ? 1 : 0;
    if (at < packed.size() && packed.at(at) == u'.')
        ++at;
    const bool startsWithNumber = at < packed.size() && packed.at(at).isDigit();
    if (value == 0 && !startsWithNumber)
        return QStringLiteral("the WHITE RecNum box holds no number.");
    if (value > count)
        return QStringLiteral("the last record is number") + Text::numberText(count) + QStringLiteral(".");
    if (value == count)
        return QStringLiteral("record") + Text::numberText(count) + QStringLiteral(" is kept for the next contact.");
    if (!(value >= 1))
        return QStringLiteral("record numbers start at 1.");
    if (value != std::floor(value))
        return QStringLiteral("record numbers are whole numbers.");
    return QString();
}

bool isNextRecord(const QString &text, qint32 count)
{
    const auto number = Text::wholeValue(text);
    return number && *number == count && count < std::numeric_limits<qint32>::max();
}

Review review(const QString &text, qint32 count)
{
    const double n = Text::numericValue(text);
    if (n > count)
        return {Review::TooLarge, 0};
    if (!(n >= 1) || n != static_cast<double>(static_cast<qint32>(n)))
        return {Review::NoRecord, 0};
    return {Review::Record, static_cast<qint32>(n)};
}

std::optional<qint32> step(const QString &text, int by)
{
    const auto stepped = Text::roundHalfEven(Text::numericValue(text) + by);
    if (!stepped || *stepped < std::numeric_limits<qint16>::min() || *stepped > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return *stepped;
}

} // namespace RecordNumbers
