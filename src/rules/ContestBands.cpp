#include "rules/ContestBands.h"

#include <QStringList>

namespace ContestBands {

int indexOf(QStringView band)
{
    const QStringView name = band.trimmed();
    for (int b = 0; b < Count; ++b)
        if (name == QLatin1String(table[b].name))
            return b;
    return -1;
}

int indexOfKhz(double khz)
{
    for (int b = 0; b < Count; ++b)
        if (khz >= table[b].lowKhz && khz <= table[b].highKhz)
            return b;
    return -1;
}

QString names()
{
    QStringList list;
    for (const Band &b : table)
        list << QLatin1String(b.name);
    return list.join(QStringLiteral(", "));
}

} // namespace ContestBands
