#include "rules/Points.h"

#include "store/Text.h"

namespace Points {

QString member(const QString &arci) { return Text::aboveZero(arci) ? QStringLiteral("5") : QString(); }

QString nonMember(const QString &arci, const QString &spc)
{
    if (arci != QStringLiteral("     "))
        return QString();
    switch (Text::trimBlanks(spc).size()) {
    case 4:
        return QStringLiteral("4");
    case 3:
    case 2:
        return QStringLiteral("2");
    default:
        return QString();
    }
}

} // namespace Points
