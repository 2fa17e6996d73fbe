#include "console/CaptionButton.h"

#include "console/ConsoleLayout.h"

#include <QStyleOptionButton>
#include <QStylePainter>

CaptionButton::CaptionButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    connect(this, &QObject::objectNameChanged, this, &CaptionButton::takeFace);
}

void CaptionButton::takeFace(const QString &name)
{
    for (const ControlSpec &c : ConsoleLayout::controls()) {
        if (c.name != name || c.kind() != ControlSpec::Button || !c.back.isValid())
            continue;
        QPalette face = palette();
        face.setColor(QPalette::Button, c.back);
        setPalette(face);
        m_face = c.back;
        return;
    }
}

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    if (!m_face.isValid()) {
        painter.drawControl(QStyle::CE_PushButton, option);
    } else {
        // Styles shade a face colour; a coloured key shows its colour as it is,
        // inside the style's frame, a little darker while pressed.
        painter.drawControl(QStyle::CE_PushButtonBevel, option);
        const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.fillRect(inside, isDown() ? m_face.darker(125) : m_face);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}
