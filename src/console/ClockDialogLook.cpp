#include "ClockDialogLook.h"

#include "ConsoleLayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace ClockDialogLook {

namespace {

QFont systemFont()
{
    QFont font(ConsoleLayout::system());
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

void fill(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

QRect twips(int left, int top, int width, int height)
{
    using ConsoleLayout::px;
    return QRect(px(left), px(top), px(width), px(height));
}

void setUpWindow(QWidget *window, const QString &name, const QString &caption)
{
    window->setObjectName(name);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setWindowTitle(caption);
    window->setAutoFillBackground(true);
    fill(window, QPalette::Window, QColor(64, 64, 64));
    const QRect client = twips(8775, 1005, 3090, 2625);
    window->setFixedSize(client.size());
    window->setGeometry(client);
}

QLabel *label(QWidget *window, const QString &name, const QRect &place)
{
    auto *l = new QLabel(window);
    l->setObjectName(name);
    l->setGeometry(place);
    l->setAutoFillBackground(true);
    fill(l, QPalette::Window, QColor(255, 255, 0));
    fill(l, QPalette::WindowText, QColor(0, 0, 0));
    l->setAlignment(Qt::AlignCenter);
    l->setFont(systemFont());
    l->setFocusPolicy(Qt::NoFocus);
    return l;
}

QLineEdit *entryBox(QWidget *window, const QString &name, const QRect &place, int maxLength)
{
    auto *box = new QLineEdit(window);
    box->setObjectName(name);
    box->setGeometry(place);
    fill(box, QPalette::Base, QColor(255, 0, 0));
    fill(box, QPalette::Text, QColor(0, 0, 0));
    box->setAlignment(Qt::AlignCenter);
    QFont font(ConsoleLayout::serif());
    font.setPointSizeF(18);
    font.setBold(true);
    box->setFont(font);
    box->setMaxLength(maxLength);
    return box;
}

QPushButton *button(QWidget *window, const QString &name, const QString &caption, const QRect &place)
{
    auto *b = new QPushButton(caption, window);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setFont(systemFont());
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

bool isClick(const QLabel *label, const QObject *watched, const QEvent *event)
{
    if (watched != label || event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    return mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint());
}

} // namespace ClockDialogLook
