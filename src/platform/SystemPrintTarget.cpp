#include "SystemPrintTarget.h"

PrintTarget::Result SystemPrintTarget::print(const QString &, const Draw &)
{
    return Result{false, {}, QStringLiteral("Printing is not available yet.")};
}
