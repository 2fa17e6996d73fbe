#pragma once
// A command button whose caption wraps onto a second line when it is wider than
// the button, as the narrow keys of the panel need ("Save Record").

#include <QPushButton>

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
