#pragma once
// The questions the program asks in a message box: Yes/No before a delete,
// Yes/No/Cancel before Exit stores an edited review row.

#include <QString>

class QWidget;

class Confirmation {
  public:
    virtual ~Confirmation() = default;
    // True for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, const QString &title) = 0;

    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(QWidget *parent, const QString &text, const QString &title) = 0;
};
