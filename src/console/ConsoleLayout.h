#pragma once
// The main window's controls as data: name, kind, place in twips, colours, font,
// length limit and caption. The window builds its controls from this table.

#include "console/KestrixControls.h"
#include "widgets/FormBinding.h"
#include "widgets/PanelFonts.h"
#include "widgets/Twips.h"

#include <QColor>
#include <QList>
#include <QString>
#include <variant>

// Which pointer of the controls a table entry fills; its type is the control's kind.
using ControlMember = std::variant<QLineEdit * KestrixControls::*, QLabel * KestrixControls::*,
                                   QPushButton * KestrixControls::*, DisplayPanel * KestrixControls::*>;

struct ControlSpec {
    // In the order of the member's alternatives.
    enum Kind { TextBox, Label, Button, Panel };
    QString name;
    ControlMember member;
    Kind kind() const { return Kind(member.index()); }
    int left, top, width, height; // twips
    QColor back;                  // invalid: transparent / the widget's own
    QColor fore;
    QString family;
    qreal points;
    bool bold;
    int maxLength; // 0: none
    QString caption;
    Qt::Alignment align;
    bool border = false;
};

namespace ConsoleLayout {
constexpr int ClientWidth = 11805, ClientHeight = 8595;
using Twips::px;

// Every control of the main window, in tab order where it takes the focus.
const QList<ControlSpec> &controls();
// The controls that take the focus, in tab order.
const QList<ControlMember> &tabOrder();

using PanelFonts::serif;
using PanelFonts::system;
} // namespace ConsoleLayout
