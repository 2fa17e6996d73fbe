#pragma once
// Keeps control characters (tab, line feed, NUL, DEL and the like), typed,
// pasted, dropped or set by the program, out of the boxes whose text is stored
// in the log files. Everything else stays as it is.

#include <QValidator>

class PrintableText : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};
