#include "export/core/ExportCommand.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // A standard descriptor that was closed stays closed for the command, but is
    // held by /dev/null so that no file the command opens can take its number.
    bool closed[3] = {};
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        closed[fd] = true;
        const int held = ::open("/dev/null", O_RDWR);
        if (held >= 0 && held != fd) {
            ::dup2(held, fd);
            ::close(held);
        }
    }

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrix-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRIX_VERSION));
    return ExportCommand::run(QCoreApplication::arguments(), closed[1] ? -1 : STDOUT_FILENO,
                              closed[2] ? -1 : STDERR_FILENO, QDateTime::currentDateTimeUtc());
}
