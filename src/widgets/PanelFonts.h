#pragma once
// The two faces the front panel and its reference windows are set in.

#include <QString>

namespace PanelFonts {

inline const QString serif() { return QStringLiteral("Times New Roman"); }
// The sans-serif face standing in for the old "System" font: its widths put the
// headings' words over their columns.
inline const QString system() { return QStringLiteral("DejaVu Sans Condensed"); }

} // namespace PanelFonts
