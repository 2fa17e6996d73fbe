#include "console/ClockSetting.h"

#include "console/ClockDialog.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QPushButton>

ClockSetting::ClockSetting(frmKestrix &window) : m_window(window)
{
    connect(window.ui().cmdCalendar, &QPushButton::clicked, this, &ClockSetting::cmdCalendar_Click);
    connect(window.ui().cmdSetTime, &QPushButton::clicked, this, &ClockSetting::cmdSetTime_Click);
    connect(window.ui().mnuDate, &QAction::triggered, this, &ClockSetting::mnuDate_Click);
    connect(window.ui().mnuClock, &QAction::triggered, this, &ClockSetting::mnuClock_Click);
    window.ui().mnuDate->setEnabled(true);
    window.ui().mnuClock->setEnabled(true);
}

ClockSetting::~ClockSetting() = default;

void ClockSetting::cmdCalendar_Click()
{
    show(m_setDate, true);
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Setting Date"));
    m_window.writePanel(PanelSize::Guide,
                        {QStringLiteral("To change the date, simply"), QStringLiteral("enter the correct date and"),
                         QStringLiteral("press the [OK] button.")});
}

void ClockSetting::cmdSetTime_Click()
{
    show(m_setTime, false);
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Setting Clock"));
    m_window.writePanel(PanelSize::Guide,
                        {QStringLiteral("To change the time, simply"), QStringLiteral("enter the correct time and"),
                         QStringLiteral("press the [OK] button.")});
}

void ClockSetting::mnuDate_Click() { show(m_setDate, true); }

void ClockSetting::mnuClock_Click() { show(m_setTime, false); }

namespace {

void bringUp(QWidget *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void ClockSetting::show(ClockDialog *&dialog, bool date)
{
    if (!dialog) {
        dialog = new ClockDialog(date ? setDateForm() : setTimeForm(), m_window.platform().clock, &m_window);
        connect(dialog, &ClockDialog::refused, this, &ClockSetting::reportRefusal);
        // Connected after the dialog's own handler: a hidden dialog has set the clock.
        connect(dialog->cmdOK, &QPushButton::clicked, this, [this, shown = dialog] { afterOK(shown); });
    }
    bringUp(dialog);
}

// The clock stays as it was; the dialog stays open for another try. The panel's
// text before the first of a run of refusals is kept to be put back.
void ClockSetting::reportRefusal(const QStringList &lines)
{
    if (!showsRefusal()) {
        m_before = m_window.ui().txtSpecs->text();
        m_beforeSize = m_window.ui().txtSpecs->fontSize();
    }
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Guide, lines);
    m_refusal = m_window.ui().txtSpecs->text();
    m_window.beep();
}

bool ClockSetting::showsRefusal() const { return !m_refusal.isNull() && m_window.ui().txtSpecs->text() == m_refusal; }

// Once the clock is set the refusal no longer holds: the panel shows again what
// it showed before it, unless something else has replaced it meanwhile.
void ClockSetting::afterOK(const QWidget *dialog)
{
    if (!dialog->isHidden())
        return;
    if (showsRefusal()) {
        m_window.ui().txtSpecs->setFontSize(m_beforeSize);
        m_window.ui().txtSpecs->setText(m_before);
    }
    m_refusal = QString();
}
