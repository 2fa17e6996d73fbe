#pragma once
// How a window's layout table names its controls: each row holds the member the
// control is kept in, so the compiler checks the name, and the member's type is
// the control's kind (the variant's alternative). A row says
// `FORM_CONTROL(Form, txtCall)` for the object name and the member at once.

#include <QString>
#include <QWidget>
#include <type_traits>
#include <variant>

#define FORM_CONTROL(Form, name) QStringLiteral(#name), &Form::name

// The control behind a member, as a plain widget.
template <class Form, class... Kinds>
QWidget *controlAt(const Form &form, const std::variant<Kinds * Form::*...> &member)
{
    return std::visit([&](auto field) -> QWidget * { return form.*field; }, member);
}

// Fills the member with a control built for it (of the member's kind).
template <class Form, class... Kinds>
void bindControl(Form &form, const std::variant<Kinds * Form::*...> &member, QWidget *control)
{
    std::visit(
        [&](auto field) {
            using Control = std::remove_reference_t<decltype(*(form.*field))>;
            form.*field = static_cast<Control *>(control);
        },
        member);
}
