#include "widgets/RightClickKeys.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const char *const RightClickProperty = "kestrixRightClick";

// A right-click button as assistive technology sees it: Press clicks it, ShowMenu
// is its right click.
class RightClickAccessible : public QAccessibleWidget {
  public:
    explicit RightClickAccessible(QPushButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QPushButton *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    QString localizedActionDescription(const QString &name) const override
    {
        if (name == showMenuAction())
            return QStringLiteral("Acts as the right mouse button on this button");
        return QAccessibleWidget::localizedActionDescription(name);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == showMenuAction())
            return {QStringLiteral("Shift+F10"), QStringLiteral("Menu")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
    void doAction(const QString &name) override
    {
        auto *button = static_cast<QPushButton *>(widget());
        if (name == pressAction())
            button->click();
        else if (name == showMenuAction())
            RightClickKeys::rightClick(button);
    }
};

QAccessibleInterface *rightClickFactory(const QString &, QObject *object)
{
    auto *button = qobject_cast<QPushButton *>(object);
    if (button && button->property(RightClickProperty).toBool())
        return new RightClickAccessible(button);
    return nullptr;
}

} // namespace

RightClickKeys::RightClickKeys(QObject *parent) : QObject(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(rightClickFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void RightClickKeys::watch(QPushButton *button)
{
    button->setProperty(RightClickProperty, true);
    button->installEventFilter(this);
}

void RightClickKeys::rightClick(QWidget *widget)
{
    const QPointF at = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

bool RightClickKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Menu && mods == Qt::NoModifier) ||
            (key->key() == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
            rightClick(static_cast<QWidget *>(watched));
            return true;
        }
    }
    // The key press above has acted; the context-menu request the system makes of
    // the same key must not act a second time.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard)
        return true;
    return false;
}
