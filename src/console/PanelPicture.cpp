#include "console/PanelPicture.h"

#include <QPainter>
#include <QSvgRenderer>

// The picture is compiled into the static library; its resources need registering.
static QString picturePath()
{
    Q_INIT_RESOURCE(kestrix);
    return QStringLiteral(":/kestrix/panel.svg");
}

PanelPicture::PanelPicture(QWidget *parent) : QWidget(parent), m_picture(new QSvgRenderer(picturePath(), this))
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x00, 0xFF, 0x00));
    setPalette(p);
}

void PanelPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture->isValid())
        m_picture->render(&painter, QRectF(0, 0, 800, 323));
}
