#pragma once
// The checks behind the fuzz targets, shared by the libFuzzer programs and the
// corpus replay in the test suite. Each takes raw bytes and returns what went
// wrong, or an empty text. A crash, a hang or a sanitizer report is a failure
// as well.

#include "rules/ClockText.h"
#include "store/ArciLine.h"
#include "store/Journal.h"
#include "store/LogStore.h"
#include "store/QrpRecord.h"
#include "store/Text.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace FuzzTargets {

inline QString quoted(const QString &text) { return QLatin1Char('"') + text.left(40) + QLatin1Char('"'); }

// A text as a field stores it: control characters become blanks.
inline QString stored(QString text)
{
    for (QChar &c : text)
        if (!Latin1::printable(c.unicode()))
            c = u' ';
    return text;
}

// QRPDATA.DAT bytes, read record by record as every scan reads them.
inline QString qrpRecords(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    for (std::size_t at = 0; at < size || at == 0; at += QrpRecord::Size) {
        const qsizetype available = qsizetype(size - at);
        const QrpRecord r = QrpRecord::fromBytes(bytes + at, available);
        // The bytes there, the rest of a short record blank.
        const QByteArray expected =
            QByteArray(bytes + at, qMin<qsizetype>(available, QrpRecord::Size)).leftJustified(QrpRecord::Size, ' ');
        if (r.bytes() != expected)
            return QStringLiteral("record at %1 does not hold the bytes read").arg(at);
        QrpRecord copy;
        const ArciLine line = ArciLine::forRecord(r);
        const bool deleted = r.raw(QrpRecord::Callsign) == QStringLiteral("DELETED ");
        for (int f = 0; f < QrpRecord::FieldCount; ++f) {
            const auto field = QrpRecord::Field(f);
            const QString value = r.value(field);
            if (value.startsWith(u' ') || value.endsWith(u' ') || value != Text::trimBlanks(r.raw(field)))
                return QStringLiteral("field %1 reads %2 with blanks around it").arg(f).arg(quoted(value));
            if (r.raw(field).size() != QrpRecord::layout[f].width ||
                r.rawBytes(field).size() != QrpRecord::layout[f].width)
                return QStringLiteral("field %1 is not %2 characters wide").arg(f).arg(QrpRecord::layout[f].width);
            copy.set(field, r.raw(field));
        }
        if (copy.bytes() != Latin1::encode(stored(Latin1::decode(r.data(), QrpRecord::Size))))
            return QStringLiteral("record at %1 changes when its fields are copied").arg(at);

        // Its ARCIFILE.DAT line carries the same values in wider columns.
        static constexpr ArciLine::Column columnOf[QrpRecord::FieldCount] = {
            ArciLine::Callsign, ArciLine::Arci,    ArciLine::Power,     ArciLine::SPC,
            ArciLine::RstSent,  ArciLine::RstRcvd, ArciLine::Band,      ArciLine::QsoDate,
            ArciLine::QsoTime,  ArciLine::Points,  ArciLine::Multiplier};
        const QByteArray lb = line.bytes();
        if (lb.size() != ArciLine::Size || !lb.endsWith(QByteArray("\x02\x00\r\n", 4)))
            return QStringLiteral("line of record at %1 has no line end").arg(at);
        for (int f = 0; f < QrpRecord::FieldCount; ++f) {
            QString want = Text::trimBlanks(stored(r.raw(QrpRecord::Field(f))));
            if (deleted && f == QrpRecord::Callsign)
                want.clear();
            if (deleted && f == QrpRecord::QsoDate)
                want = QStringLiteral("DELETED");
            if (line.value(columnOf[f]) != want)
                return QStringLiteral("line column %1 reads %2, record %3")
                    .arg(f)
                    .arg(quoted(line.value(columnOf[f])), quoted(want));
        }
        if (size == 0)
            break;
    }
    return {};
}

// ARCIFILE.DAT bytes, a line at a time.
inline QString arciLines(const std::uint8_t *data, std::size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    for (qsizetype at = 0; at < all.size() || at == 0; at += ArciLine::Size) {
        const QByteArray chunk = all.mid(at, ArciLine::Size);
        const ArciLine line = ArciLine::fromBytes(chunk);
        const QByteArray bytes = line.bytes();
        if (bytes.left(chunk.size()) != chunk || bytes.mid(chunk.size()) != ArciLine().bytes().mid(chunk.size()))
            return QStringLiteral("line at %1 does not hold the bytes read").arg(at);
        ArciLine copy;
        for (int c = 0; c < ArciLine::ColumnCount; ++c) {
            const QString value = line.value(ArciLine::Column(c));
            if (value.size() > ArciLine::layout[c].width || value.startsWith(u' ') || value.endsWith(u' '))
                return QStringLiteral("column %1 reads %2").arg(c).arg(quoted(value));
            copy.set(ArciLine::Column(c), value);
            if (copy.value(ArciLine::Column(c)) != Text::trimBlanks(stored(value)))
                return QStringLiteral("column %1 does not keep %2").arg(c).arg(quoted(value));
        }
        if (all.isEmpty())
            break;
    }
    return {};
}

// The numeric value of a text, its whole-number form and the "above 0" test.
inline QString numericValue(const std::uint8_t *data, std::size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    for (const QString &text :
         {QString::fromUtf8(bytes, qsizetype(size)), QString::fromLatin1(bytes, qsizetype(size))}) {
        const double value = Text::numericValue(text);
        if (std::isnan(value))
            return QStringLiteral("%1 reads as NaN").arg(quoted(text));
        const auto whole = Text::wholeValue(text);
        if (whole != Text::roundHalfEven(value))
            return QStringLiteral("%1: whole value disagrees with the rounding").arg(quoted(text));
        // A number written back reads as itself.
        if (whole && Text::numericValue(Text::numberText(*whole)) != *whole)
            return QStringLiteral("%1: %2 does not read back").arg(quoted(text), Text::numberText(*whole));
        // Plain digits read as their decimal value.
        QString digits = text;
        digits.remove(u' ').remove(u'\t').remove(u'\n');
        bool plain = !digits.isEmpty() && digits.size() <= 15;
        for (QChar c : digits)
            plain = plain && c >= u'0' && c <= u'9';
        if (plain && value != double(digits.toLongLong()))
            return QStringLiteral("%1 reads as %2").arg(quoted(text)).arg(value);
        // A text that cannot begin a number reads as 0.
        const QChar first = digits.isEmpty() ? QChar() : digits.at(0);
        if (!(first.isDigit() && first.unicode() < 128) && first != u'-' && first != u'+' && first != u'.' &&
            value != 0)
            return QStringLiteral("%1 reads as %2, not 0").arg(quoted(text)).arg(value);
        const bool above = !text.isEmpty() && (text.at(0) > u'0' || (text.at(0) == u'0' && text.size() > 1));
        if (Text::aboveZero(text) != above)
            return QStringLiteral("%1 above \"0\" is wrong").arg(quoted(text));
        if (Text::trimBlanks(text).startsWith(u' ') || Text::trimBlanks(text).endsWith(u' '))
            return QStringLiteral("%1 keeps blanks when trimmed").arg(quoted(text));
    }
    return {};
}

// The date and time typed into the clock dialogs.
inline QString clockText(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString problem;
    const auto date = ClockText::readDate(text, &problem);
    if (date) {
        if (!problem.isEmpty() || !date->isValid() || date->year() < ClockText::FirstYear)
            return QStringLiteral("%1 read as the date %2").arg(quoted(text), date->toString(Qt::ISODate));
        const QString shown = ClockText::dialogDate(*date);
        if (date->year() < 2070 && (shown.size() > 8 || ClockText::readDate(shown) != date))
            return QStringLiteral("date %1 does not read back from %2").arg(date->toString(Qt::ISODate), quoted(shown));
        const QDateTime now(QDate(1998, 12, 7), QTime(14, 3, 27), Qt::UTC);
        const QDateTime set = ClockText::withDate(now, *date);
        if (set.date() != *date || set.time() != now.time())
            return QStringLiteral("setting the date %1 moves the time").arg(date->toString(Qt::ISODate));
    } else if (problem.isEmpty()) {
        return QStringLiteral("%1 refused as a date without a reason").arg(quoted(text));
    }
    problem.clear();
    const auto time = ClockText::readTime(text, &problem);
    if (time) {
        if (!problem.isEmpty() || !time->isValid() || time->msec() != 0)
            return QStringLiteral("%1 read as the time %2").arg(quoted(text), time->toString());
        if (ClockText::readTime(ClockText::dialogTime(*time)) != time)
            return QStringLiteral("time %1 does not read back").arg(time->toString());
        const QDateTime now(QDate(1998, 12, 7), QTime(14, 3, 27), Qt::UTC);
        const QDateTime set = ClockText::withTime(now, *time);
        if (set.time() != *time || set.date() != now.date())
            return QStringLiteral("setting the time %1 moves the date").arg(time->toString());
    } else if (problem.isEmpty()) {
        return QStringLiteral("%1 refused as a time without a reason").arg(quoted(text));
    }
    return {};
}

// The journal as start-up reads it back: anything but a whole, checksummed
// operation is refused, and what is taken is exactly what was written.
inline QString journal(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Journal::Operation> op = Journal::decode(bytes);
    if (!op)
        return {};
    const QByteArray again = Journal::encode(*op);
    if (!bytes.startsWith(again))
        return QStringLiteral("a journal read back does not write the same bytes");
    for (const Journal::Change &c : op->changes)
        if (c.offset < 0 || (c.file != Journal::Qrp && c.file != Journal::Arci))
            return QStringLiteral("a change outside the two log files was taken");
    return {};
}

} // namespace FuzzTargets
