#include "reports/PrintMessages.h"

#include "widgets/ConsoleOutput.h"
#include "widgets/PanelSize.h"

#include <QFileInfo>

namespace PrintMessages {

void tell(ConsoleOutput &window, const QString &sheet, const PrintTarget::Result &result)
{
    if (result.ok && !result.toFile)
        return;
    window.setNewLine();
    if (result.ok) {
        window.writePanel(PanelSize::Notice, {QStringLiteral("No printer found."), sheet + QStringLiteral(" saved as"),
                                              QFileInfo(result.where).fileName()});
        return;
    }
    window.writePanel(PanelSize::Notice, {sheet + QStringLiteral(" not printed."), result.why});
    window.beep();
}

} // namespace PrintMessages
