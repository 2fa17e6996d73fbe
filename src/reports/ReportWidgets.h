#pragma once
// Small pieces the report windows are built from: positions in twips, the
// fonts and colours of the forms, and a button whose
// caption wraps onto a second line.

#include "widgets/Twips.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPushButton>
#include <QRect>

class QLabel;
class QLineEdit;

namespace ReportWidgets {

using Twips::px;
constexpr QRect twips(int left, int top, int width, int height) { return Twips::rect(left, top, width, height); }

// The forms' system face, 9.75 pt bold.
QFont systemBold();

void setBackground(QWidget *widget, const QColor &colour);
void setForeground(QWidget *widget, const QColor &colour);

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
