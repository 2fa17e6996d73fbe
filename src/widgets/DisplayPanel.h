#pragma once
// The display panel in the radio's display window: a multi-line box that centres
// its lines. It is always written as the program does it: the font size first,
// then the whole text (lines joined by carriage return + line feed).

#include <QTextEdit>

class DisplayPanel : public QTextEdit {
    Q_OBJECT
  public:
    explicit DisplayPanel(QWidget *parent = nullptr);

    void setFontSize(qreal points);
    qreal fontSize() const { return m_size; }
    // The whole text, CR LF line breaks and all.
    void setText(const QString &text);
    QString text() const { return m_text; }
    void clear();

  private:
    QString m_text;
    qreal m_size = 9.75;
};
