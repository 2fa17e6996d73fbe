#include "rules/ClockText.h"

#include <QRegularExpression>

namespace ClockText {

namespace {

void say(QString *problem, const QString &sentence)
{
    if (problem)
        *problem = sentence;
}

// A short copy of the typed text for a message: the boxes hold at most 12
// characters, but the functions may be handed anything.
QString quoted(const QString &text)
{
    const QString shown = text.size() > 16 ? text.left(16) + QStringLiteral("...") : text;
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

} // namespace

std::optional<QDate> readDate(const QString &text, QString *problem)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        say(problem, QStringLiteral("No date was typed."));
        return std::nullopt;
    }
    // [0-9] and not \d: only the ASCII digits are digits here.
    static const QRegularExpression shape(QStringLiteral("^([0-9]{1,2})([/-])([0-9]{1,2})\\2([0-9]{2}|[0-9]{4})$"));
    const QRegularExpressionMatch m = shape.match(typed);
    if (!m.hasMatch()) {
        say(problem, quoted(text) + QStringLiteral(" is not a date."));
        return std::nullopt;
    }
    const int month = m.captured(1).toInt();
    const int day = m.captured(3).toInt();
    const QString yearText = m.captured(4);
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year >= 70 ? 1900 : 2000;
    const QDate date(year, month, day);
    if (!date.isValid()) {
        say(problem, quoted(text) + QStringLiteral(" is not a date."));
        return std::nullopt;
    }
    if (year < FirstYear) {
        say(problem, QStringLiteral("The clock cannot be set before 1970."));
        return std::nullopt;
    }
    return date;
}

std::optional<QTime> readTime(const QString &text, QString *problem)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        say(problem, QStringLiteral("No time was typed."));
        return std::nullopt;
    }
    static const QRegularExpression shape(QStringLiteral("^([0-9]{1,2}):([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = shape.match(typed);
    const int hours = m.hasMatch() ? m.captured(1).toInt() : -1;
    const int minutes = m.hasMatch() ? m.captured(2).toInt() : -1;
    const int seconds = m.hasMatch() ? m.captured(3).toInt() : -1;
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) {
        say(problem, quoted(text) + QStringLiteral(" is not a time."));
        return std::nullopt;
    }
    return QTime(hours, minutes, seconds);
}

QString dialogDate(const QDate &date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

QString dialogTime(const QTime &time)
{
    return QStringLiteral("%1:%2:%3")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

QDateTime withDate(const QDateTime &now, const QDate &date) { return QDateTime(date, now.toUTC().time(), Qt::UTC); }

QDateTime withTime(const QDateTime &now, const QTime &time) { return QDateTime(now.toUTC().date(), time, Qt::UTC); }

} // namespace ClockText
