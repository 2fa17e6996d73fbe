#include "ExportCommand.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrix-export"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRIX_VERSION));

    QFile out, err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return ExportCommand::run(QCoreApplication::arguments(), out, err, QDateTime::currentDateTimeUtc());
}
