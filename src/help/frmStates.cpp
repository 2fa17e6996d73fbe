#include "help/frmStates.h"

#include "widgets/Twips.h"

#include "help/MultiLineTextBox.h"
#include "help/ReferenceTables.h"
#include "widgets/PanelFonts.h"

frmStates::frmStates(QWidget *owner)
    : ReferenceWindow(owner, QStringLiteral("frmStates"), QStringLiteral("            State Abbreviations"),
                      QColor(255, 0, 0), 8850, 1005, 3000, 3975)
{
    // The table is part of the layout; the window has nothing to do on load.
    txtStates = new MultiLineTextBox(this);
    txtStates->setObjectName(QStringLiteral("txtStates"));
    txtStates->setGeometry(Twips::rect(0, 0, 3015, 3975));
    QPalette p = txtStates->palette();
    p.setColor(QPalette::Base, QColor(255, 0, 0));
    txtStates->setPalette(p);
    QFont f(PanelFonts::system());
    f.setPointSizeF(9.75);
    f.setBold(true);
    txtStates->setFont(f);
    txtStates->setText(ReferenceTables::statesText());
}
