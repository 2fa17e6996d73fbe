#include "widgets/KeyRewrite.h"

#include <QCoreApplication>
#include <QKeyEvent>

KeyRewrite::KeyRewrite(Rule rule, QObject *parent) : QObject(parent), m_rule(std::move(rule)) {}

void KeyRewrite::watch(QObject *box) { box->installEventFilter(this); }

KeyRewrite *KeyRewrite::upperCaseKeys(QObject *parent)
{
    return new KeyRewrite([](QObject *, QString &typed) { typed = upperCase(typed); }, parent);
}

bool KeyRewrite::eventFilter(QObject *watched, QEvent *event)
{
    if (m_forwarding || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QString original = key->text();
    if (original.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    QString typed = original;
    m_rule(watched, typed);
    if (typed == original)
        return false;
    if (!typed.isEmpty()) {
        QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), typed, key->isAutoRepeat(),
                           ushort(key->count()));
        m_forwarding = true;
        QCoreApplication::sendEvent(watched, &replaced);
        m_forwarding = false;
    }
    return true;
}

QString KeyRewrite::upperCase(const QString &typed)
{
    QString out = typed;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c.isHighSurrogate() && i + 1 < out.size() && out.at(i + 1).isLowSurrogate()) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, out.at(i + 1)));
            if (QChar::requiresSurrogates(upper)) {
                out[i] = QChar(QChar::highSurrogate(upper));
                out[i + 1] = QChar(QChar::lowSurrogate(upper));
            }
            ++i;
            continue;
        }
        if (c.isSurrogate())
            continue;
        const QChar upper = c.toUpper();
        if (c.unicode() <= 0xFF && upper.unicode() > 0xFF)
            continue;
        out[i] = upper;
    }
    return out;
}
