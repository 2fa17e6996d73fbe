#include "reports/PrintMessages.h"

#include "console/frmKestrix.h"

#include <QFileInfo>

namespace PrintMessages {

void tell(frmKestrix &window, const QString &sheet, const PrintTarget::Result &result)
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
