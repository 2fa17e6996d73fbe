#include "widgets/ShownWindows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const char *const CaredFor = "kestrixShownBefore";

QString captionOf(const QLabel *label) { return label->text().simplified().remove(QLatin1Char('&')); }

// The box's rectangle in `form`'s coordinates.
QRect placeIn(const QWidget *w, const QWidget *form) { return QRect(w->mapTo(form, QPoint(0, 0)), w->size()); }

QString nameFromLabels(const QWidget *box, QWidget *form)
{
    const QRect at = placeIn(box, form);
    const QLabel *row = nullptr, *column = nullptr;
    int rowGap = INT_MAX, columnGap = INT_MAX;
    for (const QLabel *label : form->findChildren<QLabel *>()) {
        if (captionOf(label).isEmpty() || label->window() != form)
            continue;
        const QRect l = placeIn(label, form);
        if (l.right() <= at.left() + 2 && l.top() <= at.center().y() && l.bottom() >= at.center().y() &&
            at.left() - l.right() < rowGap) {
            row = label;
            rowGap = at.left() - l.right();
        }
        if (l.bottom() <= at.top() + 2 && l.left() <= at.center().x() && l.right() >= at.center().x() &&
            at.top() - l.bottom() < columnGap) {
            column = label;
            columnGap = at.top() - l.bottom();
        }
    }
    QStringList parts;
    if (row)
        parts << captionOf(row);
    if (column && columnGap < 3 * at.height())
        parts << captionOf(column);
    return parts.join(QLatin1Char(' '));
}

} // namespace

ShownWindows::ShownWindows(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

bool ShownWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    if (!w->isWindow() || w->property(CaredFor).toBool() || qobject_cast<QMenu *>(w) != nullptr ||
        w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
        return false;
    w->setProperty(CaredFor, true);
    nameBoxesFromLabels(w);
    fitToScreen(w);
    return false;
}

void ShownWindows::nameBoxesFromLabels(QWidget *form)
{
    QList<QWidget *> boxes;
    for (QLineEdit *b : form->findChildren<QLineEdit *>())
        boxes << b;
    for (QTextEdit *b : form->findChildren<QTextEdit *>())
        boxes << b;
    for (QPlainTextEdit *b : form->findChildren<QPlainTextEdit *>())
        boxes << b;
    for (QWidget *box : boxes) {
        if (!box->accessibleName().isEmpty() || box->window() != form)
            continue;
        const QString name = nameFromLabels(box, form);
        if (!name.isEmpty())
            box->setAccessibleName(name);
    }
}

void ShownWindows::fitToScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = free.size() - frame;
    QSize want = window->size().expandedTo(window->minimumSizeHint());
    if (auto *main = qobject_cast<QMainWindow *>(window))
        want = main->sizeHint().expandedTo(main->size());
    if (want.width() <= room.width() && want.height() <= room.height())
        return;

    // The contents go into a scroll area that the window can make smaller than them.
    auto *scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QWidget *central = main->takeCentralWidget();
        scroll->setWidget(central);
        main->setCentralWidget(scroll);
    } else {
        auto *inner = new QWidget;
        if (QLayout *layout = window->layout()) {
            inner->setLayout(layout); // takes the layout and the widgets in it
            scroll->setWidgetResizable(true);
        } else {
            for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                if (!child->isWindow())
                    child->setParent(inner), child->show();
            inner->setFixedSize(window->size());
        }
        inner->setMinimumSize(want);
        scroll->setWidget(inner);
        auto *layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scroll);
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(room.expandedTo(QSize(1, 1)));
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window->resize((want + QSize(bar, bar)).boundedTo(room));
    window->move(free.topLeft());
}
