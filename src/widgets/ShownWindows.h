#pragma once
// What every window of the program gets when it is first shown, the side
// windows of every subsystem included: each box without an accessible name takes
// one from the labels beside and above it, so a screen reader announces it;
// and the window fits the screen's free area, scrolling its contents where the
// screen is smaller than the window at the current scale.

#include <QObject>

class QWidget;

class ShownWindows : public QObject {
    Q_OBJECT
  public:
    // Watches every window of the application while `parent` lives.
    explicit ShownWindows(QObject *parent);

    // Names each unnamed box of `form` from the label left of it on its row and
    // the label over its column.
    static void nameBoxesFromLabels(QWidget *form);
    // Keeps `window` within the free area of its screen; a window larger than
    // that gets its contents in a scroll area.
    static void fitToScreen(QWidget *window);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
