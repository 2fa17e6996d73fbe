#include "TestLog.h"

#include "console/frmKestrix.h"

#include <QDir>
#include <QFile>
#include <QTest>

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

std::unique_ptr<frmKestrix> openWindow(const QString &dir, FakePlatform &fakes)
{
    auto w = std::make_unique<frmKestrix>(dir, fakes.platform());
    w->setFileErrorHandler([](const QString &file, const QString &reason) {
        qFatal("file error on %s: %s", qPrintable(file), qPrintable(reason));
    });
    if (!w->Form_Load())
        qFatal("Form_Load failed in %s", qPrintable(dir));
    return w;
}

bool hasInk(const QImage &image, const QRect &area)
{
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace TestLog
