#pragma once
// What the rig's frequency and mode mean to the log: the band in metres as
// the band box holds it, the frequency as the status line shows it, and the
// mode as the export names it.

#include <QString>

namespace RadioBands {
// "160", "80", "40", "20", "15", "10" or "6" when hz lies in that band (edges
// included), else empty.
QString bandOf(double hz);
// 7032100 Hz as "7.032.10": MHz, kHz, then tens of hertz.
QString frequencyText(double hz);
// "CW" for Hamlib's CW modes, "SSB" for its phone modes, empty for the rest
// (data, RTTY, unknown).
QString exportMode(const QString &hamlibMode);
} // namespace RadioBands
