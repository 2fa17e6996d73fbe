#include "ClockSetting.h"

#include "DisplayPanel.h"
#include "frmKestrix.h"
#include "frmSetDate.h"
#include "frmSetTime.h"

#include <QAction>
#include <QPushButton>

ClockSetting::ClockSetting(frmKestrix &window) : m_window(window)
{
    QObject::connect(window.ui().cmdCalendar, &QPushButton::clicked, &window, [this] { cmdCalendar_Click(); });
    QObject::connect(window.ui().cmdSetTime, &QPushButton::clicked, &window, [this] { cmdSetTime_Click(); });
    QObject::connect(window.ui().mnuDate, &QAction::triggered, &window, [this] { mnuDate_Click(); });
    QObject::connect(window.ui().mnuClock, &QAction::triggered, &window, [this] { mnuClock_Click(); });
    window.ui().mnuDate->setEnabled(true);
    window.ui().mnuClock->setEnabled(true);
}

ClockSetting::~ClockSetting() = default;

void ClockSetting::cmdCalendar_Click()
{
    showSetDate();
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Setting Date"));
    m_window.writePanel(8, {QStringLiteral("To change the date, simply"), QStringLiteral("enter the correct date and"),
                            QStringLiteral("press the [OK] button.")});
}

void ClockSetting::cmdSetTime_Click()
{
    showSetTime();
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Setting Clock"));
    m_window.writePanel(8, {QStringLiteral("To change the time, simply"), QStringLiteral("enter the correct time and"),
                            QStringLiteral("press the [OK] button.")});
}

void ClockSetting::mnuDate_Click() { showSetDate(); }

void ClockSetting::mnuClock_Click() { showSetTime(); }

namespace {

void bringUp(QWidget *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

void ClockSetting::showSetDate()
{
    if (!m_setDate) {
        m_setDate = new frmSetDate(m_window.platform().clock, &m_window);
        QObject::connect(m_setDate, &frmSetDate::refused, &m_window,
                         [this](const QStringList &lines) { reportRefusal(lines); });
        // Connected after the dialog's own handler: a hidden dialog has set the clock.
        QObject::connect(m_setDate->cmdOK, &QPushButton::clicked, &m_window, [this] { afterOK(m_setDate); });
    }
    bringUp(m_setDate);
}

void ClockSetting::showSetTime()
{
    if (!m_setTime) {
        m_setTime = new frmSetTime(m_window.platform().clock, &m_window);
        QObject::connect(m_setTime, &frmSetTime::refused, &m_window,
                         [this](const QStringList &lines) { reportRefusal(lines); });
        QObject::connect(m_setTime->cmdOK, &QPushButton::clicked, &m_window, [this] { afterOK(m_setTime); });
    }
    bringUp(m_setTime);
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
    m_window.writePanel(8, lines);
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
