#pragma once
// The U.S. state abbreviations reference window.

#include "help/ReferenceWindow.h"

class MultiLineTextBox;

class frmStates : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit frmStates(QWidget *owner);

    MultiLineTextBox *txtStates;
};
