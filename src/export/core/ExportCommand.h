#pragma once
// kestrix-export: the export from a log folder, for scripts. Exit status 0 on
// success, 1 when a file cannot be read or written, 2 for bad arguments.

#include <QDateTime>
#include <QStringList>

class QIODevice;

class ExportCommand {
  public:
    enum Status { Success = 0, FileError = 1, BadArguments = 2 };

    // `arguments` as main() gets them, the program's name first. Messages and
    // the help go to `out` and `err`; with --output - the exported file goes to
    // `out` and the closing message to `err`. `now` stamps the ADIF header.
    static int run(const QStringList &arguments, QIODevice &out, QIODevice &err, const QDateTime &now);
};
