#pragma once
// What every subsystem may write to the window it works in: the display panel,
// the mode line, the caption and the beep. The window is the one implementation;
// a subsystem holds this, never the window.

#include <QString>
#include <QStringList>

class ConsoleOutput {
  public:
    // Carriage return + line feed, set again by every writer of a multi-line text.
    QString NewLine;
    void setNewLine() { NewLine = QStringLiteral("\r\n"); }
    // The display panel write: font size, then the whole text, lines joined by NewLine.
    virtual void writePanel(int pointSize, const QStringList &lines) = 0;
    // The mode line: "Mode", NewLine, activity.
    virtual void writeMode(const QString &activity) = 0;
    // The window's caption.
    virtual void writeCaption(const QString &caption) = 0;
    virtual void beep() = 0;

  protected:
    ~ConsoleOutput() = default;
};
