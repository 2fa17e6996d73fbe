#pragma once
// Shared by the crash, fault and soak tests and their save driver: the contacts
// the driver saves, the bytes both log files must hold for them (built here
// from plain strings, not with the program's record classes), and a scratch
// folder on tmpfs where the machine has one.

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimeZone>
#include <memory>

namespace Reliability {

// The values a contact is typed with, in the order the boxes are filled.
struct Contact {
    QString call, rstRcvd, rstSent, spc, arci, power, band, points, mult;
    QDateTime when; // the clock when it is saved
};

// Contact number n, the same in every run, so a contact found on disk can be
// checked even when its acknowledgement was cut off by the kill.
inline Contact contactFor(qint64 n)
{
    static const QStringList spcs{QStringLiteral("NY"), QStringLiteral("ONT"), QStringLiteral("SCOT"),
                                  QStringLiteral("CA"), QStringLiteral("MEX")};
    static const QStringList bands{QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"),
                                   QStringLiteral("20"),  QStringLiteral("15"), QStringLiteral("10"),
                                   QStringLiteral("6")};
    Contact c;
    c.call = QStringLiteral("K%1Q").arg(n, 0, 36).toUpper().left(8);
    c.rstRcvd = n % 4 ? QStringLiteral("599") : QStringLiteral("449");
    c.rstSent = QStringLiteral("579");
    c.spc = spcs.at(n % spcs.size());
    const bool member = n % 3 != 0;
    c.arci = member ? QString::number(1 + (n * 7919) % 9999) : QString();
    c.power = member ? QString() : QString::number(1 + n % 5);
    c.band = bands.at((n / 37) % bands.size());
    c.points = member ? QStringLiteral("5") : (c.spc.size() == 4 ? QStringLiteral("4") : QStringLiteral("2"));
    // New unless an earlier contact had this S-P-C on this band.
    c.mult = QStringLiteral("1");
    for (qint64 k = 1; k < n; ++k)
        if (k % spcs.size() == n % spcs.size() && (k / 37) % bands.size() == (n / 37) % bands.size()) {
            c.mult = QStringLiteral("0");
            break;
        }
    c.when = QDateTime(QDate(1998, 12, 5), QTime(0, 0), Qt::UTC).addSecs(n * 17);
    return c;
}

// A field left-aligned in its width, blank-padded or cut.
inline QByteArray field(const QString &text, int width)
{
    return text.toLatin1().left(width).leftJustified(width, ' ');
}

// The 48 bytes of a QRPDATA.DAT record, from its eleven values in file order.
inline QByteArray recordBytes(const QString &call, const QString &arci, const QString &power, const QString &spc,
                              const QString &rstSent, const QString &rstRcvd, const QString &band, const QString &date,
                              const QString &time, const QString &points, const QString &mult)
{
    return field(call, 8) + field(arci, 5) + field(power, 4) + field(spc, 4) + field(rstSent, 3) + field(rstRcvd, 3) +
           field(band, 3) + field(date, 8) + field(time, 8) + field(points, 1) + field(mult, 1);
}

// The 83 bytes of an ARCIFILE.DAT line, same values.
inline QByteArray lineBytes(const QString &call, const QString &arci, const QString &power, const QString &spc,
                            const QString &rstSent, const QString &rstRcvd, const QString &band, const QString &date,
                            const QString &time, const QString &points, const QString &mult)
{
    return field(date, 11) + field(time, 11) + field(call, 12) + field(band, 6) + field(rstRcvd, 6) + field(spc, 7) +
           field(arci, 8) + field(power, 6) + field(rstSent, 6) + field(points, 4) + field(mult, 2) +
           QByteArray("\x02\x00\r\n", 4);
}

inline QString dateText(const QDateTime &t) { return t.toUTC().date().toString(QStringLiteral("MM/dd/yy")); }
inline QString timeText(const QDateTime &t) { return t.toUTC().time().toString(QStringLiteral("HH:mm:ss")); }

inline QByteArray recordOf(const Contact &c)
{
    return recordBytes(c.call, c.arci, c.power, c.spc, c.rstSent, c.rstRcvd, c.band, dateText(c.when), timeText(c.when),
                       c.points, c.mult);
}
inline QByteArray lineOf(const Contact &c)
{
    return lineBytes(c.call, c.arci, c.power, c.spc, c.rstSent, c.rstRcvd, c.band, dateText(c.when), timeText(c.when),
                     c.points, c.mult);
}
inline QByteArray placeholder(const QString &band) { return recordBytes({}, {}, {}, {}, {}, {}, band, {}, {}, {}, {}); }

// A scratch folder. Every save syncs to disk; on tmpfs that costs nothing, and
// a kill or a write error behaves the same there, so the long tests run there.
inline std::unique_ptr<QTemporaryDir> scratchDir()
{
    const QString shm = QStringLiteral("/dev/shm");
    if (QFileInfo(shm).isDir() && QFileInfo(shm).isWritable()) {
        auto dir = std::make_unique<QTemporaryDir>(QDir(shm).filePath(QStringLiteral("kestrix-XXXXXX")));
        if (dir->isValid())
            return dir;
    }
    return std::make_unique<QTemporaryDir>();
}

} // namespace Reliability
