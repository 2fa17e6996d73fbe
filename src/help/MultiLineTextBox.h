#pragma once
// A multi-line text box with a vertical scroll bar whose text is read and written
// with carriage return + line feed line breaks. Long lines wrap at the box's width;
// the operator may scroll, select and edit.

#include <QPlainTextEdit>

class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
};
