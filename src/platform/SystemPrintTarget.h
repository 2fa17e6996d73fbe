#pragma once
// Prints to the system's default printer, or writes a PDF in the working
// directory when there is no printer.

#include "PrintTarget.h"

class SystemPrintTarget : public PrintTarget {
public:
    Result print(const QString &baseName, const Draw &draw) override;
};
