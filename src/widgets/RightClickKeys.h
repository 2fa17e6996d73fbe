#pragma once
// The buttons that act on the right mouse button (Change, Delete, Print) take
// the same act from the keyboard and from assistive technology: Shift+F10 or the
// Menu key on the focused button, and the button's "ShowMenu" accessible action,
// each press the right button on it, so what happens is the right click's own.

#include <QObject>

class QPushButton;
class QWidget;

class RightClickKeys : public QObject {
    Q_OBJECT
  public:
    explicit RightClickKeys(QObject *parent);

    void watch(QPushButton *button);
    // A right-button press and release on the widget, as the mouse gives them.
    static void rightClick(QWidget *widget);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
