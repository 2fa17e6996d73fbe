#pragma once
// Moving the focus into a box the operator is to type over: its text is
// selected, so the first key replaces it rather than adding to it.

#include <QLineEdit>

namespace BoxFocus {

inline void typeOver(QLineEdit *box)
{
    box->setFocus();
    box->selectAll();
}

} // namespace BoxFocus
