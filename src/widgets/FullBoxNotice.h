#pragma once
// A box that is full refuses the next character; the operator hears a beep and
// reads in the display panel why, instead of losing the character unnoticed
// ("VE3/W1ABC" would be stored as "VE3/W1AB").

#include <QObject>
#include <functional>

class QLineEdit;

class FullBoxNotice : public QObject {
    Q_OBJECT
  public:
    // Called with the box and the characters it refused.
    using Refused = std::function<void(QLineEdit *box, const QString &typed)>;
    FullBoxNotice(Refused refused, QObject *parent);

    void watch(QLineEdit *box);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    Refused m_refused;
};
