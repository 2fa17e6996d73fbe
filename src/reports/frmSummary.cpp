#include "frmSummary.h"

#include <QLineEdit>

frmSummary::frmSummary(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSummary"));
    for (auto [box, name] : {std::pair{&txt9A, "txt9A"}, std::pair{&txt9B, "txt9B"}, std::pair{&txt10A, "txt10A"}, std::pair{&txt10B, "txt10B"}, std::pair{&txt11A, "txt11A"}, std::pair{&txt11B, "txt11B"}, std::pair{&txt12A, "txt12A"}, std::pair{&txt12B, "txt12B"}, std::pair{&txt13A, "txt13A"}, std::pair{&txt13B, "txt13B"}, std::pair{&txt14A, "txt14A"}, std::pair{&txt14B, "txt14B"}, std::pair{&txt15A, "txt15A"}, std::pair{&txt15B, "txt15B"}, std::pair{&txt16A, "txt16A"}, std::pair{&txt16B, "txt16B"}, std::pair{&txt22A, "txt22A"}, std::pair{&txt23A, "txt23A"}, std::pair{&txt27A, "txt27A"}}) {
        *box = new QLineEdit(this);
        (*box)->setObjectName(QLatin1String(name));
    }
}
