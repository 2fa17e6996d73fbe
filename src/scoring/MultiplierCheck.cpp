#include "scoring/MultiplierCheck.h"

#include "console/frmKestrix.h"
#include "rules/ContactMatch.h"
#include "store/LogStore.h"

#include <QLineEdit>

MultiplierCheck::MultiplierCheck(frmKestrix &window) : m_window(window) {}

MultiplierCheck::~MultiplierCheck() = default;

bool MultiplierCheck::worked(LogStore &log, const QString &spc, const QString &band)
{
    const ContactMatch sameMultiplier = ContactMatch::multiplier(spc, band);
    bool found = false;
    // The whole log is read, a match does not end the scan.
    log.scanContactsRaw([&](qint32, const char *record) {
        if (sameMultiplier(record))
            found = true;
        return true;
    });
    return found;
}

void MultiplierCheck::CheckMultiplier()
{
    frmKestrix &w = m_window;
    const bool found = worked(w.log(), w.ui().txtSpc->text(), w.ui().txtBand->text());
    w.ui().txtMultiplier->setText(found ? QStringLiteral("0") : QStringLiteral("1"));
}
