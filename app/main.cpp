#include "console/frmKestrix.h"
#include "platform/DesktopPlatform.h"
#include "store/LogLock.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrix"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrix.Kestrix"));

    // The log lives in the working directory.
    const QString directory = QDir::currentPath();
    LogLock lock(directory);
    if (!lock.acquire()) {
        const QString message = lock.heldByOther()
                                    ? QStringLiteral("The log in %1 is in use by another Kestrix.").arg(directory)
                                    : QStringLiteral("QRPDATA.DAT: %1").arg(lock.reason());
        std::fprintf(stderr, "kestrix: %s\n", qPrintable(message));
        QMessageBox::critical(nullptr, QStringLiteral("Kestrix"), message);
        return 1;
    }

    DesktopPlatform desktop;
    frmKestrix window(directory, desktop.platform());
    window.setWindowIcon(QIcon(QStringLiteral(":/kestrix/kestrix.svg")));
    if (!window.Form_Load())
        return 1;
    window.show();
    return app.exec();
}
