#pragma once
// Small pieces the report windows are built from: positions in twips, the
// fonts and colours of the forms, and a button whose
// caption wraps onto a second line.

#include "widgets/FormBinding.h"
#include "widgets/Twips.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPushButton>
#include <QRect>
#include <cstddef>

class QLabel;
class QLineEdit;

namespace ReportWidgets {

using Twips::px;
constexpr QRect twips(int left, int top, int width, int height) { return Twips::rect(left, top, width, height); }

// The forms' system face, 9.75 pt bold.
QFont systemBold();

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

// Builds a form from its layout table, row by row in table order (which is also
// the order the controls stack in): `make(row)` makes the control of the row's
// kind, which is then named, placed in twips and kept in the row's member.
template <class Form, class Row, std::size_t N, class Make>
void buildControls(Form &form, const Row (&rows)[N], Make make)
{
    for (const Row &row : rows) {
        QWidget *control = make(row);
        control->setObjectName(row.name);
        control->setGeometry(twips(row.left, row.top, row.width, row.height));
        bindControl(form, row.member, control);
    }
}

} // namespace ReportWidgets

// A push button that wraps its caption over several lines when it is too narrow
// for one; text() stays the caption.
class WrappingButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent *event) override;
};
