#pragma once
// What the display panel says after a sheet went to the print target: nothing
// when a printer took it, the file's name when it became a PDF, the reason
// (with a beep) when it failed.

#include "platform/PrintTarget.h"

class ConsoleOutput;

namespace PrintMessages {

// `sheet` names the sheet in the message: "Log sheet", "Summary sheet".
void tell(ConsoleOutput &window, const QString &sheet, const PrintTarget::Result &result);

} // namespace PrintMessages
