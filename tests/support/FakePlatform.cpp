#include "FakePlatform.h"

#include <QDir>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

namespace {
// A paged device whose pages are images, so tests can look at every page drawn.
class ImagePages : public QPagedPaintDevice {
  public:
    explicit ImagePages(QList<QImage> &pages) : QPagedPaintDevice(nullptr), m_pages(pages)
    {
        m_pages.append(blankPage());
    }
    bool newPage() override
    {
        // Like a printer, a new page keeps the painter's font, pen and brush.
        if (!m_painter) {
            m_pages.append(blankPage());
            return true;
        }
        const QFont font = m_painter->font();
        const QPen pen = m_painter->pen();
        const QBrush brush = m_painter->brush();
        m_painter->end();
        m_pages.append(blankPage());
        m_painter->begin(&m_pages.last());
        m_painter->setFont(font);
        m_painter->setPen(pen);
        m_painter->setBrush(brush);
        return true;
    }
    QPaintEngine *paintEngine() const override { return m_pages.last().paintEngine(); }
    void attach(QPainter *p) { m_painter = p; }
    QImage &current() { return m_pages.last(); }

  protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 1275;
        case PdmHeight:
            return 1650;
        case PdmWidthMM:
            return 216;
        case PdmHeightMM:
            return 279;
        case PdmNumColors:
            return 0xFFFFFF;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 150;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    static QImage blankPage()
    {
        QImage img(1275, 1650, QImage::Format_RGB32); // Letter at 150 dpi
        img.setDotsPerMeterX(5906);
        img.setDotsPerMeterY(5906);
        img.fill(Qt::white);
        return img;
    }
    QList<QImage> &m_pages;
    QPainter *m_painter = nullptr;
};
} // namespace

PrintTarget::Result CapturingPrintTarget::print(const QString &baseName, const Draw &draw)
{
    if (fail)
        return Result{false, {}, failReason};
    Job job;
    job.baseName = baseName;
    ImagePages device(job.pages);
    QPainter painter(&device.current());
    device.attach(&painter);
    draw(painter, device);
    painter.end();
    jobs.append(job);
    return Result{true, baseName + QStringLiteral(" (captured)"), {}};
}
