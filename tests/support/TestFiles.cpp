#include "TestFiles.h"

#include <QDir>
#include <QFile>

namespace TestLog {

QrpRecord record(const QStringList &values)
{
    QrpRecord r;
    for (int f = 0; f < qMin<int>(values.size(), QrpRecord::FieldCount); ++f)
        r.set(QrpRecord::Field(f), values.at(f));
    return r;
}

void writeFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(dir).filePath(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(f.fileName()));
    f.write(bytes);
}

QByteArray readFile(const QString &dir, const QString &name)
{
    QFile f(QDir(dir).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeLog(const QString &dir, const QList<QrpRecord> &records, const QString &band)
{
    QByteArray bytes;
    for (const QrpRecord &r : records)
        bytes += r.bytes();
    if (!band.isNull()) {
        QrpRecord placeholder;
        placeholder.set(QrpRecord::Band, band);
        bytes += placeholder.bytes();
    }
    writeFile(dir, QStringLiteral("QRPDATA.DAT"), bytes);
}

} // namespace TestLog
