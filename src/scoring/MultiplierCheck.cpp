#include "scoring/MultiplierCheck.h"

#include "rules/ContactMatch.h"
#include "store/LogStore.h"
#include "widgets/PanelControls.h"

#include <QLineEdit>

MultiplierCheck::MultiplierCheck(LogStore &log, const EntryRowControls &entry) : m_log(log), m_entry(entry) {}

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
    const bool found = worked(m_log, m_entry.txtSpc->text(), m_entry.txtBand->text());
    m_entry.txtMultiplier->setText(found ? QStringLiteral("0") : QStringLiteral("1"));
}
