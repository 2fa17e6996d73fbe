#include "help/ReferenceWindow.h"

#include "widgets/Twips.h"

#include <QCloseEvent>

ReferenceWindow::ReferenceWindow(QWidget *owner, const QString &name, const QString &caption, const QColor &background,
                                 int left, int top, int width, int height)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
    const QRect client = Twips::rect(left, top, width, height);
    setGeometry(client);
    setFixedSize(client.size());
}

void ReferenceWindow::bringToFront()
{
    show();
    raise();
    activateWindow();
}

void ReferenceWindow::closeEvent(QCloseEvent *event)
{
    m_discarded = true;
    event->accept();
}
