#pragma once
// The RST system reference window.

#include "help/ReferenceWindow.h"

class MultiLineTextBox;

class frmRST : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit frmRST(QWidget *owner);

    MultiLineTextBox *txtRST;

  private:
    void Form_Load();
};
