#include "help/frmProvinces.h"

#include "widgets/Twips.h"

#include "help/ReferenceTables.h"
#include "widgets/PanelFonts.h"

#include <QLabel>

frmProvinces::frmProvinces(QWidget *owner)
    : ReferenceWindow(owner, QStringLiteral("frmProvinces"), QStringLiteral("          Canadian Provinces"),
                      QColor(128, 128, 128), 8850, 1005, 3000, 3855)
{
    lblProvinces = new QLabel(this);
    lblProvinces->setObjectName(QStringLiteral("lblProvinces"));
    lblProvinces->setGeometry(Twips::rect(0, 0, 3015, 3855));
    lblProvinces->setTextFormat(Qt::PlainText);
    lblProvinces->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblProvinces->setWordWrap(true);
    QPalette p = lblProvinces->palette();
    p.setColor(QPalette::Window, QColor(255, 0, 0));
    p.setColor(QPalette::WindowText, QColor(0, 0, 0));
    lblProvinces->setPalette(p);
    lblProvinces->setAutoFillBackground(true);
    QFont f(PanelFonts::system());
    f.setPointSizeF(9.75);
    f.setBold(true);
    lblProvinces->setFont(f);
    Form_Load();
}

void frmProvinces::Form_Load() { lblProvinces->setText(ReferenceTables::provincesText()); }
