#include "store/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <sys/stat.h>

namespace SettingsFile {

namespace {

bool usable(const QString &file)
{
    struct stat st {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return true; // missing (or unreachable, which the settings read as a first run)
    QString what;
    if (S_ISFIFO(st.st_mode))
        what = QStringLiteral("is a named pipe");
    else if (S_ISDIR(st.st_mode))
        what = QStringLiteral("is a folder");
    else if (!S_ISREG(st.st_mode))
        what = QStringLiteral("is not a regular file");
    else if (st.st_size > MaxSize)
        what = QStringLiteral("is larger than %1 bytes").arg(MaxSize);
    else
        return true;

    static std::mutex lock;
    static QSet<QString> told;
    const std::lock_guard<std::mutex> hold(lock);
    if (!told.contains(file)) {
        told.insert(file);
        QString program = QCoreApplication::applicationName();
        if (program.isEmpty())
            program = QStringLiteral("kestrix");
        const QByteArray line = QStringLiteral("%1: %2 %3; the settings in it are not used and it is left as it is.\n")
                                    .arg(program, QDir::toNativeSeparators(file), what)
                                    .toLocal8Bit();
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
    return false;
}

} // namespace

bool usable()
{
    bool all = true;
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        for (const char *name : {"/Kestrix/Kestrix.conf", "/Kestrix.conf"})
            all = usable(folder + QLatin1String(name)) && all;
    return all;
}

} // namespace SettingsFile
