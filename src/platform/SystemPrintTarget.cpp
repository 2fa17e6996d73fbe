#include "platform/SystemPrintTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QPageSize localPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                              : QPageSize(QPageSize::A4);
}

} // namespace

SystemPrintTarget::SystemPrintTarget(QString directory, Use use) : m_directory(std::move(directory)), m_use(use) {}

PrintTarget::Result SystemPrintTarget::print(const QString &baseName, const Draw &draw)
{
    if (m_use == Use::DefaultPrinter && !QPrinterInfo::defaultPrinter().isNull())
        return toPrinter(baseName, draw);
    return toPdf(baseName, draw);
}

PrintTarget::Result SystemPrintTarget::toPrinter(const QString &baseName, const Draw &draw)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    const QString name = info.description().isEmpty() ? info.printerName() : info.description();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(baseName);
    QPainter painter;
    if (!painter.begin(&printer))
        return Result{false, name, QStringLiteral("The printer %1 could not be started.").arg(name)};
    draw(painter, printer);
    const bool ended = painter.end();
    if (!ended || printer.printerState() == QPrinter::Error)
        return Result{false, name, QStringLiteral("The printer %1 reported an error.").arg(name)};
    if (printer.printerState() == QPrinter::Aborted)
        return Result{false, name, QStringLiteral("The print job on %1 was cancelled.").arg(name)};
    return Result{true, name, {}};
}

QString SystemPrintTarget::freePdfName(const QString &directory, const QString &baseName)
{
    const QDir dir(directory);
    QString path = dir.filePath(baseName + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.pdf").arg(baseName).arg(n));
    return path;
}

PrintTarget::Result SystemPrintTarget::toPdf(const QString &baseName, const Draw &draw)
{
    const QString directory = m_directory.isEmpty() ? QDir::currentPath() : m_directory;
    // NewOnly refuses a file that appeared since the name was chosen: nothing is overwritten.
    QFile file;
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(freePdfName(directory, baseName));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (QFileInfo::exists(file.fileName()))
            continue;
        return Result{false, file.fileName(),
                      QStringLiteral("No printer, and %1 could not be written: %2.")
                          .arg(QDir::toNativeSeparators(file.fileName()), file.errorString())};
    }
    if (!file.isOpen())
        return Result{false, {}, QStringLiteral("No printer, and no free file name for %1.pdf.").arg(baseName)};

    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Kestrix"));
        writer.setTitle(baseName);
        writer.setResolution(300);
        writer.setPageLayout(
            QPageLayout(localPaper(), QPageLayout::Portrait, QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));
        QPainter painter;
        if (painter.begin(&writer)) {
            draw(painter, writer);
            drawn = painter.end();
        }
    }
    const bool written = drawn && file.error() == QFileDevice::NoError && file.flush();
    const QString reason = file.errorString();
    file.close();
    if (!written) {
        file.remove();
        return Result{false, file.fileName(),
                      QStringLiteral("No printer, and %1 could not be written: %2.")
                          .arg(QDir::toNativeSeparators(file.fileName()), reason)};
    }
    return Result{true, file.fileName(), {}, true};
}
