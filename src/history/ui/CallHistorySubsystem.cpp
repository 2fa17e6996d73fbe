#include "history/ui/CallHistorySubsystem.h"

#include "export/core/StationDetails.h"
#include "history/ui/frmCallHistory.h"
#include "history/ui/frmCheck.h"
#include "platform/Platform.h"
#include "platform/SystemClock.h"
#include "rules/ContestBands.h"
#include "rules/FinalScore.h"
#include "scoring/EntryRules.h"
#include "store/LogStore.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"

#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QDateTime>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QTimer>

namespace {

// Offered values are set in white italics on the red boxes until they are taken.
const QColor offeredText(0xFF, 0xFF, 0xFF);

QString callOf(const QLineEdit *box) { return box->text().trimmed().toUpper(); }

} // namespace

CallHistorySubsystem::CallHistorySubsystem(LogStore &log, const EntryRowControls &entry,
                                           const FrontPanelControls &panel, const MenuControls &menus,
                                           EntryRules &entryRules, Platform &platform, ConsoleOutput &console,
                                           QWidget &window)
    : m_log(log), m_entry(entry), m_panel(panel), m_menus(menus), m_entryRules(entryRules), m_platform(platform),
      m_console(console), m_window(window)
{
    m_spc.box = entry.txtSpc;
    m_arci.box = entry.txtArci;
    m_power.box = entry.txtPower;
    for (Offer *slot : {&m_spc, &m_arci, &m_power}) {
        connect(slot->box, &QLineEdit::textChanged, this, [this, slot] { boxChanged(*slot); });
        slot->box->installEventFilter(this);
    }
    connect(entry.txtCallsign, &QLineEdit::textChanged, this, &CallHistorySubsystem::txtCallsign_Change);
    connect(entry.txtBand, &QLineEdit::textChanged, this, &CallHistorySubsystem::updateCheckWindow);

    connect(menus.mnuCallHistory, &QAction::triggered, this, &CallHistorySubsystem::mnuCallHistory_Click);
    connect(menus.mnuCheck, &QAction::triggered, this, &CallHistorySubsystem::mnuCheck_Click);
    menus.mnuCallHistory->setEnabled(true);
    menus.mnuCheck->setEnabled(true);

    // Ctrl+1..9 on the panel take the check window's match of that number.
    for (int n = 1; n <= 9; ++n) {
        auto *key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + n)), &window);
        key->setObjectName(QStringLiteral("keyMatch%1").arg(n));
        connect(key, &QShortcut::activated, this, [this, n] {
            if (m_check && m_check->isVisible())
                putCall(m_check->matchAt(n - 1));
        });
    }
    m_clock = new QTimer(this);
    m_clock->setInterval(30 * 1000);
    connect(m_clock, &QTimer::timeout, this, &CallHistorySubsystem::showScore);
    m_choice = HistoryChoice::load();
}

CallHistorySubsystem::~CallHistorySubsystem()
{
    delete m_check;
    delete m_dialog;
}

CallHistorySubsystem::Exchange CallHistorySubsystem::splitExchange(const QString &exchange)
{
    static const QRegularExpression power(QStringLiteral("^(\\d{1,4})\\s*W$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QString text = exchange.trimmed();
    const QRegularExpressionMatch m = power.match(text);
    if (m.hasMatch())
        return {QString(), m.captured(1)};
    return {text, QString()};
}

void CallHistorySubsystem::rebuild()
{
    m_sources.clear();
    CallHistoryFile::Columns columns;
    columns.spcColumn = m_choice.spcColumn;
    columns.exchangeColumn = m_choice.exchangeColumn.isEmpty() ? QStringLiteral("Exch1") : m_choice.exchangeColumn;
    for (const QString &p : m_choice.callHistories)
        m_sources.append(frmCallHistory::read(HistorySource::CallHistory, p, columns));
    for (const QString &p : m_choice.earlierLogs)
        m_sources.append(frmCallHistory::read(HistorySource::EarlierLog, p, columns));
    for (const QString &p : m_choice.checkFiles)
        m_sources.append(frmCallHistory::read(HistorySource::CheckPartial, p, columns));
    m_index.rebuild(m_sources, m_log);
    m_indexedCount = m_log.RecordCount();
    if (m_choice.checkWindowOpen && !m_check)
        mnuCheck_Click();
    updateCheckWindow();
}

void CallHistorySubsystem::readRecords(qint32 first, qint32 last)
{
    // The scan leaves the last record in the shared record buffer: it is put back.
    const QrpRecord keep = m_log.QrpRecord_;
    m_log.scanRaw(first, last, [this](qint32 n, const char *record) {
        m_index.replaceRecord(n, QrpRecord::fromBytes(record, QrpRecord::Size));
        return true;
    });
    m_log.QrpRecord_ = keep;
}

void CallHistorySubsystem::logWritten()
{
    const qint32 count = m_log.RecordCount();
    if (count < m_indexedCount) {
        rebuild();
        return;
    }
    // A change or delete wrote the current record; a save added records up to the placeholder.
    const qint32 current = m_log.CurrentRecord();
    if (current >= 1 && current < m_indexedCount)
        readRecords(current, current);
    if (count > m_indexedCount)
        readRecords(m_indexedCount, count - 1);
    m_indexedCount = count;
    updateCheckWindow();
}

// ---- offering the exchange -------------------------------------------------------

bool CallHistorySubsystem::offered(const QLineEdit *box) const
{
    for (const Offer *slot : {&m_spc, &m_arci, &m_power})
        if (slot->box == box)
            return !slot->text.isEmpty();
    return false;
}

void CallHistorySubsystem::showOffered(QLineEdit *box, bool offered)
{
    QPalette pal = box->palette();
    if (offered && !box->property("kestrixOwnText").isValid())
        box->setProperty("kestrixOwnText", pal.color(QPalette::Text));
    const QVariant own = box->property("kestrixOwnText");
    pal.setColor(QPalette::Text, offered ? offeredText : own.value<QColor>());
    box->setPalette(pal);
    QFont font = box->font();
    font.setItalic(offered);
    box->setFont(font);
    box->setAccessibleDescription(offered ? QStringLiteral("Offered from call history") : QString());
}

bool CallHistorySubsystem::offer(Offer &slot, const QString &text)
{
    const QString current = slot.box->text();
    const bool blank = current.trimmed().isEmpty();
    const bool ours = !slot.text.isEmpty() && (current == slot.text || blank);
    if (!ours && !blank)
        return false; // the operator's text
    if (text.isEmpty()) {
        if (slot.text.isEmpty())
            return false;
        const QString was = slot.text;
        slot.text.clear();
        showOffered(slot.box, false);
        if (current != was)
            return false;
        m_offering = true;
        slot.box->setText(QString());
        m_offering = false;
        return true;
    }
    slot.text = text;
    showOffered(slot.box, true);
    if (current == text)
        return false;
    m_offering = true;
    slot.box->setText(text);
    m_offering = false;
    return true;
}

void CallHistorySubsystem::take(Offer &slot)
{
    if (slot.text.isEmpty())
        return;
    slot.text.clear();
    showOffered(slot.box, false);
}

void CallHistorySubsystem::boxChanged(Offer &slot)
{
    // Typed over, emptied by Clear, or replaced by a rule: no longer an offer.
    if (!m_offering && !slot.text.isEmpty() && slot.box->text() != slot.text)
        take(slot);
}

bool CallHistorySubsystem::eventFilter(QObject *watched, QEvent *event)
{
    // The first key typed into an offered value types over all of it.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool erase = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        // A member number and a power exclude each other: typing one withdraws the
        // other's offer, and with it the blanks its rule put in this box.
        Offer *other = watched == m_arci.box ? &m_power : watched == m_power.box ? &m_arci : nullptr;
        if (other && !other->text.isEmpty() && (erase || typed)) {
            const QString was = other->text;
            take(*other);
            if (other->box->text() == was)
                other->box->clear();
            auto *box = static_cast<QLineEdit *>(watched);
            if (box->text().trimmed().isEmpty())
                box->clear();
        }
        for (Offer *slot : {&m_spc, &m_arci, &m_power})
            if (slot->box == watched && !slot->text.isEmpty() && (erase || typed)) {
                slot->box->clear();
                return erase;
            }
    }
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            for (Offer *slot : {&m_spc, &m_arci, &m_power})
                if (slot->box == watched)
                    take(*slot);
    }
    return QObject::eventFilter(watched, event);
}

void CallHistorySubsystem::txtCallsign_Change()
{
    const QString call = callOf(m_entry.txtCallsign);
    const QString band = m_entry.txtBand->text().trimmed();
    std::optional<CallIndex::Known> known;
    // No offer over the panel's warnings: a missing band, a duplicate on the band.
    bool warned = band.isEmpty();
    if (!call.isEmpty() && !warned) {
        const int b = ContestBands::indexOf(band);
        for (const CallIndex::Worked &w : m_index.workedBefore(call))
            warned = warned || w.band == b;
        if (!warned)
            known = m_index.lookup(call);
    }
    const Exchange exchange = known ? splitExchange(known->exchange) : Exchange();
    // The boxes' rules write their help texts as they are set; the panel keeps
    // what the call box's rules said (the help text, a duplicate, a missing band).
    const QString panelText = m_panel.txtSpecs->text();
    const qreal panelSize = m_panel.txtSpecs->fontSize();
    const QString modeText = m_panel.lblMode->text();
    const bool hadExchange = !m_arci.text.isEmpty() || !m_power.text.isEmpty();
    bool changed = offer(m_spc, known ? known->spc : QString());
    changed = offer(m_arci, exchange.arci) || changed;
    changed = offer(m_power, exchange.power) || changed;
    // A withdrawn member number or power leaves nothing that scores, nor the
    // blanks its rule put in the other box (a full box would refuse the next key).
    if (hadExchange && m_arci.text.isEmpty() && m_power.text.isEmpty() && m_entry.txtArci->text().trimmed().isEmpty() &&
        m_entry.txtPower->text().trimmed().isEmpty()) {
        m_offering = true;
        m_entry.txtArci->clear();
        m_entry.txtPower->clear();
        m_offering = false;
        m_entry.txtPoints->setText(QString());
        changed = true;
    }
    if (changed) {
        m_entryRules.rescore();
        if (m_panel.txtSpecs->text() != panelText || m_panel.txtSpecs->fontSize() != panelSize) {
            m_panel.txtSpecs->setFontSize(panelSize);
            m_panel.txtSpecs->setText(panelText);
        }
        m_panel.lblMode->setText(modeText);
    }
    updateCheckWindow();
}

// ---- the dialog and the check window ----------------------------------------------

void CallHistorySubsystem::mnuCallHistory_Click()
{
    if (!m_dialog) {
        m_dialog = new frmCallHistory(&m_window);
        connect(m_dialog, &QDialog::accepted, this, [this] {
            m_choice = m_dialog->choice(m_choice);
            m_choice.save();
            m_sources = m_dialog->sources();
            m_index.rebuild(m_sources, m_log);
            m_indexedCount = m_log.RecordCount();
            m_console.writeMode(QStringLiteral("Call history: %1 calls").arg(m_index.callCount()));
            txtCallsign_Change();
        });
    }
    m_dialog->setChoice(m_choice, m_sources);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void CallHistorySubsystem::mnuCheck_Click()
{
    if (!m_check) {
        m_check = new frmCheck(&m_window);
        if (!m_choice.checkWindowGeometry.isEmpty())
            m_check->restoreGeometry(m_choice.checkWindowGeometry);
        m_check->setLimitHours(m_choice.limitHours);
        connect(m_check, &frmCheck::chosen, this, &CallHistorySubsystem::putCall);
        connect(m_check, &frmCheck::limitChanged, this, [this](int hours) {
            m_choice.limitHours = hours;
            m_choice.save();
            showScore();
        });
        connect(m_check, &frmCheck::hidden, this, [this] {
            m_clock->stop();
            m_choice.checkWindowGeometry = m_check->saveGeometry();
            m_choice.save();
        });
        // Open at the next start unless the operator closed it.
        connect(m_check, &frmCheck::closedByOperator, this, [this] {
            m_choice.checkWindowOpen = false;
            m_choice.save();
        });
    }
    readScoreFactors();
    m_check->show();
    m_check->raise();
    m_choice.checkWindowOpen = true;
    m_choice.save();
    m_clock->start();
    updateCheckWindow();
}

void CallHistorySubsystem::putCall(const QString &call)
{
    if (call.isEmpty())
        return;
    m_entry.txtCallsign->setText(call);
    m_entry.txtCallsign->activateWindow();
    m_entry.txtCallsign->setFocus(Qt::ShortcutFocusReason);
    m_entry.txtCallsign->end(false);
}

void CallHistorySubsystem::updateCheckWindow()
{
    if (!m_check || !m_check->isVisible())
        return;
    const QString call = callOf(m_entry.txtCallsign);
    m_check->showMatches(call.isEmpty() ? QList<CallIndex::Match>() : m_index.partialMatches(call));
    m_check->showWorked(call, call.isEmpty() ? QList<CallIndex::Worked>() : m_index.workedBefore(call));
    showScore();
}

void CallHistorySubsystem::readScoreFactors()
{
    // The station's multipliers and bonus as last remembered by the summary sheet
    // or the export; a figure never set counts as 1 (multipliers) or 0 (bonus).
    const StationDetails details = StationDetails::load();
    const FinalScore::Figures f = FinalScore::read(QStringLiteral("0"), QStringLiteral("0"), details.powerMultiplier,
                                                   details.bonusMultiplier, details.bonusPoints);
    m_factors = CallIndex::ScoreFactors();
    if (!details.powerMultiplier.trimmed().isEmpty())
        m_factors.powerMultiplier = f.powerMultiplier;
    if (!details.bonusMultiplier.trimmed().isEmpty())
        m_factors.bonusMultiplier = f.bonusMultiplier;
    m_factors.bonusPoints = f.bonusPoints;
}

void CallHistorySubsystem::showScore()
{
    if (!m_check || !m_check->isVisible())
        return;
    m_factors.limitSeconds = qint64(m_choice.limitHours) * 3600;
    m_check->showScore(m_index.liveScore(m_platform.clock.now(), m_factors));
}
