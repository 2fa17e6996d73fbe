#pragma once
// The main window's controls as data: name, kind, place in twips, colours, font,
// length limit and caption. The window builds its controls from this table.

#include <QColor>
#include <QList>
#include <QString>

struct ControlSpec {
    enum Kind { TextBox, Label, Button, Panel };
    QString name;
    Kind kind;
    int left, top, width, height; // twips
    QColor back;                  // invalid: transparent / the widget's own
    QColor fore;
    QString family;
    qreal points;
    bool bold;
    int maxLength;                // 0: none
    QString caption;
    Qt::Alignment align;
    bool border = false;
};

namespace ConsoleLayout {
constexpr int TwipsPerPixel = 15;
constexpr int ClientWidth = 11805, ClientHeight = 8595;
inline int px(int twips) { return (twips + TwipsPerPixel / 2) / TwipsPerPixel; }

// Every control of the main window, in tab order where it takes the focus.
const QList<ControlSpec> &controls();
// The names of the controls in tab order.
const QStringList &tabOrder();

inline const QString serif() { return QStringLiteral("Times New Roman"); }
// The sans-serif face standing in for the old "System" font: its widths put the
// headings' words over their columns.
inline const QString system() { return QStringLiteral("DejaVu Sans Condensed"); }
} // namespace ConsoleLayout
