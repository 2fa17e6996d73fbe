#pragma once
// The one key-press filter of the program. Every key typed into a watched box is
// shown to the box's rule first, which may replace the key's text (an empty text
// swallows the key); the box then gets the replaced key in place of the typed
// one. Keys held with Ctrl, Alt or Meta, and keys without text, pass untouched.

#include <QObject>
#include <QString>
#include <functional>

class KeyRewrite : public QObject {
    Q_OBJECT
  public:
    using Rule = std::function<void(QObject *box, QString &typed)>;
    KeyRewrite(Rule rule, QObject *parent);

    void watch(QObject *box);

    // Typed letters in upper case, one character for one. A Latin-1 letter whose
    // capital lies outside Latin-1 (the log's character set) stays as typed.
    static QString upperCase(const QString &typed);
    // A filter that puts whatever is typed into its boxes in upper case.
    static KeyRewrite *upperCaseKeys(QObject *parent);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    Rule m_rule;
    bool m_forwarding = false;
};
