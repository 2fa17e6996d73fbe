#pragma once
// A command button of the panel: its caption wraps onto a second line when it is
// wider than the button, as the narrow keys need ("Save Record"), and its face
// takes the colour the window's layout gives the button of its name.

#include <QPushButton>

class CaptionButton : public QPushButton {
    Q_OBJECT
  public:
    explicit CaptionButton(const QString &text, QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void takeFace(const QString &name);

    QColor m_face; // invalid: the style's own
};
