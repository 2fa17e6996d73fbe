#include "widgets/FullBoxNotice.h"

#include <QKeyEvent>
#include <QLineEdit>

FullBoxNotice::FullBoxNotice(Refused refused, QObject *parent) : QObject(parent), m_refused(std::move(refused)) {}

void FullBoxNotice::watch(QLineEdit *box) { box->installEventFilter(this); }

bool FullBoxNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString typed = key->text();
    if (typed.isEmpty() || !typed.front().isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    auto *box = static_cast<QLineEdit *>(watched);
    if (box->isReadOnly() || box->text().size() - box->selectedText().size() + typed.size() <= box->maxLength())
        return false;
    m_refused(box, typed);
    return false; // the box refuses the key itself
}
