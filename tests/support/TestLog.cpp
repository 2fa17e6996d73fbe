#include "TestLog.h"

namespace TestLog {

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
