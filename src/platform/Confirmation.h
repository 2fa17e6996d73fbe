#pragma once
// A Yes/No question in a message box; the program's only modal wait.

#include <QString>

class QWidget;

class Confirmation {
  public:
    virtual ~Confirmation() = default;
    // True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title) = 0;
};
