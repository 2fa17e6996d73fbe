#include "DisplayPanel.h"

#include <QTextBlockFormat>
#include <QTextCursor>

DisplayPanel::DisplayPanel(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setFocusPolicy(Qt::ClickFocus);
}

void DisplayPanel::setFontSize(qreal points)
{
    m_size = points;
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
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

void DisplayPanel::clear() { setText(QString()); }
