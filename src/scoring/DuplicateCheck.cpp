#include "scoring/DuplicateCheck.h"

#include "rules/ContactMatch.h"
#include "store/LogStore.h"
#include "store/Text.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QLineEdit>

DuplicateCheck::DuplicateCheck(LogStore &log, const EntryRowControls &entry, const FrontPanelControls &panel,
                               ConsoleOutput &console)
    : m_log(log), m_entry(entry), m_panel(panel), m_console(console)
{
    connect(m_entry.txtCallsign, &QLineEdit::textChanged, this, &DuplicateCheck::txtCallsign_Change);
    connect(m_entry.txtBand, &QLineEdit::textChanged, this, &DuplicateCheck::updateMark);

    // Left of the call-sign box, where the panel has room.
    using Twips::px;
    m_mark = new QLabel(QStringLiteral("DUPE"), m_panel.client);
    m_mark->setObjectName(QStringLiteral("lblDupe"));
    m_mark->setAlignment(Qt::AlignCenter);
    m_mark->setStyleSheet(QStringLiteral("QLabel { background: #FFFF00; color: #C00000; border: 2px solid #C00000; "
                                         "font: bold 9pt; }"));
    m_mark->setGeometry(px(30), px(5580), px(670), px(450));
    m_mark->setAccessibleName(QStringLiteral("Duplicate contact"));
    m_mark->hide();
}

DuplicateCheck::~DuplicateCheck() = default;

std::optional<QrpRecord> DuplicateCheck::firstWorked(LogStore &log, const QString &callsign, const QString &band)
{
    const ContactMatch duplicate = ContactMatch::duplicate(callsign, band);
    std::optional<QrpRecord> hit;
    log.scanContactsRaw([&](qint32, const char *record) {
        if (duplicate(record)) {
            hit = QrpRecord::fromBytes(record, QrpRecord::Size);
            return false;
        }
        return true;
    });
    return hit;
}

void DuplicateCheck::txtCallsign_Change()
{
    m_console.setNewLine();
    int size = PanelSize::Guide;
    m_console.writePanel(
        size, {QStringLiteral("Entering Callsigns"), QStringLiteral("You can enter up to a maximum of"),
               QStringLiteral("8 characters, so Dravek/4 is valid."), QStringLiteral("ENTER DATA ONLY IN RED BOXES")});
    const QString callsign = m_entry.txtCallsign->text();
    const QString band = m_entry.txtBand->text();
    if (Text::aboveZero(callsign))
        m_console.writeMode(QStringLiteral("Entering Data"));

    // A missing band is warned about, and the scan still runs with the empty band.
    if (band.isEmpty() && Text::aboveZero(callsign)) {
        size = PanelSize::Notice;
        m_console.beep();
        m_console.writePanel(size, {QStringLiteral("You forgot to set the BAND!"),
                                    QStringLiteral("Select Kestrix Program/Set Band"),
                                    QStringLiteral("from Main Menu ... NOW !")});
    }

    const std::optional<QrpRecord> hit = firstWorked(m_log, callsign, band);
    markDuplicate(hit && !Text::trimBlanks(callsign).isEmpty());
    if (!hit)
        return;
    m_console.beep();
    const QString two = QStringLiteral("  ");
    const QString particulars = hit->value(QrpRecord::Callsign) + two + hit->value(QrpRecord::Band) + two +
                                hit->value(QrpRecord::SPC) + two + hit->value(QrpRecord::QsoDate) + two +
                                hit->value(QrpRecord::QsoTime);
    m_console.writePanel(size, {QStringLiteral("Duplicate Contact"), QString(), particulars,
                                QStringLiteral("Press CLEAR BUTTON and start again.")});
}

void DuplicateCheck::updateMark()
{
    const QString callsign = m_entry.txtCallsign->text();
    markDuplicate(!Text::trimBlanks(callsign).isEmpty() && firstWorked(m_log, callsign, m_entry.txtBand->text()));
}

void DuplicateCheck::markDuplicate(bool duplicate)
{
    m_mark->setVisible(duplicate);
    m_entry.txtCallsign->setAccessibleDescription(duplicate ? QStringLiteral("Duplicate contact") : QString());
}
