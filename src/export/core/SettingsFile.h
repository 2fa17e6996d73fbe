#pragma once
// The file the station details and the radio settings are kept in between
// runs: ~/.config/Kestrix/Kestrix.conf, under $XDG_CONFIG_HOME when that is
// set. A file that is not a regular file (a named pipe, which would keep the
// program waiting for ever, a device, a folder) or is larger than any settings
// file Kestrix writes is treated as absent: never read, never replaced.

#include <QString>

namespace SettingsFile {

inline constexpr qint64 MaxSize = 1024 * 1024;

QString path();

// True when the file may be read and written: it is missing, or a regular file
// of at most MaxSize bytes. Otherwise false, after one line on standard error
// naming the file (once a run for each file).
bool usable(const QString &file = path());

} // namespace SettingsFile
