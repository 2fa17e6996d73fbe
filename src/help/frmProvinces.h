#pragma once
// The Canadian province abbreviations reference window.

#include "help/ReferenceWindow.h"

class QLabel;

class frmProvinces : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit frmProvinces(QWidget *owner);

    QLabel *lblProvinces;

  private:
    void Form_Load();
};
