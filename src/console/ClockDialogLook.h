#pragma once
// The look the date and time windows share: dark grey window at a fixed place,
// yellow label, red entry box, bold buttons, all placed in twips (15 to a pixel).

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QEvent;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

namespace ClockDialogLook {

QRect twips(int left, int top, int width, int height);

// Window: caption, background RGB 64,64,64, no minimize or maximize button, client
// area fixed at left 8775, top 1005, 3090 wide, 2625 high on the screen.
void setUpWindow(QWidget *window, const QString &name, const QString &caption);
QLabel *label(QWidget *window, const QString &name, const QRect &place);
QLineEdit *entryBox(QWidget *window, const QString &name, const QRect &place, int maxLength);
// A button that Enter and Escape never press: neither default nor auto-default.
QPushButton *button(QWidget *window, const QString &name, const QString &caption, const QRect &place);

// A left click on the label: the button let go over it.
bool isClick(const QLabel *label, const QObject *watched, const QEvent *event);

} // namespace ClockDialogLook
