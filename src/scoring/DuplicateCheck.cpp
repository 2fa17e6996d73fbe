#include "scoring/DuplicateCheck.h"

#include "console/ConsoleLayout.h"
#include "console/frmKestrix.h"
#include "rules/ContactMatch.h"
#include "store/LogStore.h"
#include "store/Text.h"

#include <QLabel>
#include <QLineEdit>

DuplicateCheck::DuplicateCheck(frmKestrix &window) : m_window(window)
{
    connect(window.ui().txtCallsign, &QLineEdit::textChanged, this, &DuplicateCheck::txtCallsign_Change);
    connect(window.ui().txtBand, &QLineEdit::textChanged, this, &DuplicateCheck::updateMark);

    // Left of the call-sign box, where the panel has room.
    using ConsoleLayout::px;
    m_mark = new QLabel(QStringLiteral("DUPE"), window.ui().client);
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
    frmKestrix &w = m_window;
    w.setNewLine();
    int size = PanelSize::Guide;
    w.writePanel(size, {QStringLiteral("Entering Callsigns"), QStringLiteral("You can enter up to a maximum of"),
                        QStringLiteral("8 characters, so Dravek/4 is valid."),
                        QStringLiteral("ENTER DATA ONLY IN RED BOXES")});
    const QString callsign = w.ui().txtCallsign->text();
    const QString band = w.ui().txtBand->text();
    if (Text::aboveZero(callsign))
        w.writeMode(QStringLiteral("Entering Data"));

    // A missing band is warned about, and the scan still runs with the empty band.
    if (band.isEmpty() && Text::aboveZero(callsign)) {
        size = PanelSize::Notice;
        w.beep();
        w.writePanel(size,
                     {QStringLiteral("You forgot to set the BAND!"), QStringLiteral("Select Kestrix Program/Set Band"),
                      QStringLiteral("from Main Menu ... NOW !")});
    }

    const std::optional<QrpRecord> hit = firstWorked(w.log(), callsign, band);
    markDuplicate(hit && !Text::trimBlanks(callsign).isEmpty());
    if (!hit)
        return;
    w.beep();
    const QString two = QStringLiteral("  ");
    const QString particulars = hit->value(QrpRecord::Callsign) + two + hit->value(QrpRecord::Band) + two +
                                hit->value(QrpRecord::SPC) + two + hit->value(QrpRecord::QsoDate) + two +
                                hit->value(QrpRecord::QsoTime);
    w.writePanel(size, {QStringLiteral("Duplicate Contact"), QString(), particulars,
                        QStringLiteral("Press CLEAR BUTTON and start again.")});
}

void DuplicateCheck::updateMark()
{
    const QString callsign = m_window.ui().txtCallsign->text();
    markDuplicate(!Text::trimBlanks(callsign).isEmpty() &&
                  firstWorked(m_window.log(), callsign, m_window.ui().txtBand->text()));
}

void DuplicateCheck::markDuplicate(bool duplicate)
{
    m_mark->setVisible(duplicate);
    m_window.ui().txtCallsign->setAccessibleDescription(duplicate ? QStringLiteral("Duplicate contact") : QString());
}
