#include "widgets/DisplayPanel.h"

#include <QTextDocument>
#include <QTextOption>

DisplayPanel::DisplayPanel(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setFocusPolicy(Qt::ClickFocus);
    // Every line is centred by the document's default, so a long text (a search
    // listing thousands of lines) is set in one pass; a read-only panel keeps no
    // undo history.
    setUndoRedoEnabled(false);
    QTextOption centred = document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    document()->setDefaultTextOption(centred);
}

void DisplayPanel::setFontSize(qreal points)
{
    m_size = points;
    // Every write sets the size first; when it is already in force, setting it
    // again would only lay out the old text once more before it is replaced.
    if (font().pointSizeF() == points && document()->defaultFont().pointSizeF() == points)
        return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    document()->setDefaultFont(f);
}

void DisplayPanel::setText(const QString &text)
{
    m_text = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

void DisplayPanel::clear() { setText(QString()); }
