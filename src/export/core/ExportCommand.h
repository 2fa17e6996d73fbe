#pragma once
// kestrix-export: the export from a log folder, for scripts. Exit status 0 on
// success; 1 when the log cannot be read, the output cannot be written (a full
// disk, standard output closed or full) or contacts a checker cannot read would
// be missing; 2 for bad arguments and outputs that are not regular files.

#include <QDateTime>
#include <QStringList>

class ExportCommand {
  public:
    enum Status { Success = 0, FileError = 1, BadArguments = 2 };

    // `arguments` as main() gets them, the program's name first. Messages and
    // the help go to the descriptors `out` and `err` (-1 for one that is
    // closed); with --output - the exported file goes to `out`, which is closed
    // at the end, and the closing message to `err`. `now` stamps the ADIF header.
    static int run(const QStringList &arguments, int out, int err, const QDateTime &now);
};
