#pragma once
// The file the station details and the radio settings are kept in between
// runs: ~/.config/Kestrix/Kestrix.conf, under $XDG_CONFIG_HOME when that is
// set, read with the files QSettings falls back on (Kestrix.conf beside the
// Kestrix folder, and the same two under /etc/xdg). A file among them that is
// not a regular file (a named pipe, which would keep the program waiting for
// ever, a device, a folder) or is larger than any settings file Kestrix writes
// makes the settings absent: they are neither read nor written.

#include <QString>

namespace SettingsFile {

inline constexpr qint64 MaxSize = 1024 * 1024;

// True when the settings may be read and written: each of their files is
// missing, or a regular file of at most MaxSize bytes. Otherwise false, after
// one line on standard error naming the file (once a run for each file).
bool usable();

} // namespace SettingsFile
