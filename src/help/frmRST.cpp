#include "help/frmRST.h"

#include "widgets/Twips.h"

#include "help/MultiLineTextBox.h"
#include "help/ReferenceTables.h"
#include "widgets/PanelFonts.h"

frmRST::frmRST(QWidget *owner)
    : ReferenceWindow(owner, QStringLiteral("frmRST"), QStringLiteral("            RST System"), QColor(255, 0, 0),
                      8865, 1020, 2970, 3825)
{
    txtRST = new MultiLineTextBox(this);
    txtRST->setObjectName(QStringLiteral("txtRST"));
    txtRST->setGeometry(Twips::rect(0, 0, 3015, 3855));
    QPalette p = txtRST->palette();
    p.setColor(QPalette::Base, QColor(255, 0, 0));
    txtRST->setPalette(p);
    QFont f(PanelFonts::serif());
    f.setPointSizeF(9.75);
    f.setBold(true);
    txtRST->setFont(f);
    Form_Load();
}

void frmRST::Form_Load() { txtRST->setText(ReferenceTables::rstText()); }
