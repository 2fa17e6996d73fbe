#include "reports/RememberedDetails.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

void RememberedDetails::bind(QLineEdit *box, Detail detail)
{
    const qsizetype at = m_boxes.size();
    m_boxes.append(Box{box, detail, box->text(), box->text(), {}});
    // Only the operator's own typing counts, not texts the program puts in.
    connect(box, &QLineEdit::textEdited, this, [this, at](const QString &text) { m_boxes[at].typed = text; });
}

void RememberedDetails::bind(QPlainTextEdit *box, Detail detail)
{
    const qsizetype at = m_boxes.size();
    m_boxes.append(Box{box, detail, box->toPlainText(), box->toPlainText(), {}});
    connect(box, &QPlainTextEdit::textChanged, this, [this, at, box] {
        if (!m_filling)
            m_boxes[at].typed = box->toPlainText();
    });
}

QString RememberedDetails::textOf(const QWidget *widget)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(widget))
        return line->text();
    return static_cast<const QPlainTextEdit *>(widget)->toPlainText();
}

void RememberedDetails::setText(QWidget *widget, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(widget)->setPlainText(text);
}

void RememberedDetails::fill()
{
    const StationDetails details = StationDetails::load();
    m_filling = true;
    for (Box &b : m_boxes) {
        if (b.typed || textOf(b.widget) != b.shown)
            continue;
        const QString &remembered = details.*b.detail;
        b.shown = remembered.isEmpty() ? b.initial : remembered;
        setText(b.widget, b.shown);
    }
    m_filling = false;
}

void RememberedDetails::remember()
{
    const auto asTyped = [](const Box &b) { return b.typed && *b.typed == textOf(b.widget); };
    if (std::none_of(m_boxes.cbegin(), m_boxes.cend(), asTyped))
        return;
    // Read again: another form may have remembered something since this one was filled.
    StationDetails details = StationDetails::load();
    for (Box &b : m_boxes) {
        if (asTyped(b)) {
            b.shown = *b.typed;
            details.*b.detail = b.shown;
        }
        b.typed.reset();
    }
    details.save();
}
