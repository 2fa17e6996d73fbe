#include "frmSetTime.h"

#include "ClockDialogLook.h"
#include "ClockText.h"
#include "SystemClock.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ClockDialogLook;

frmSetTime::frmSetTime(SystemClock &clock, QWidget *parent) : QWidget(parent), m_clock(clock)
{
    setUpWindow(this, QStringLiteral("frmSetTime"), QStringLiteral("               Set GMT Time"));
    lblSetTime = label(this, QStringLiteral("lblSetTime"), twips(120, 120, 2895, 495));
    txtSetTime = entryBox(this, QStringLiteral("txtSetTime"), twips(120, 840, 2895, 615), 12);
    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), twips(240, 1800, 1215, 495));
    QPalette grey = cmdOK->palette();
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    cmdOK->setPalette(grey);
    cmcCancel = button(this, QStringLiteral("cmcCancel"), QStringLiteral("&Cancel"), twips(1680, 1800, 1215, 495));
    setTabOrder(txtSetTime, cmdOK);
    setTabOrder(cmdOK, cmcCancel);

    connect(cmdOK, &QPushButton::clicked, this, &frmSetTime::cmdOK_Click);
    connect(cmcCancel, &QPushButton::clicked, this, &frmSetTime::cmcCancel_Click);
    lblSetTime->installEventFilter(this);

    Form_Load();
}

void frmSetTime::Form_Load()
{
    txtSetTime->setText(ClockText::dialogTime(m_clock.now().toUTC().time()));
    lblSetTime->setText(QStringLiteral("Enter GMT Time\r\n(Ex: 23:30:15)"));
}

void frmSetTime::cmdOK_Click()
{
    const QString typed = txtSetTime->text();
    QString problem;
    const std::optional<QTime> time = ClockText::readTime(typed, &problem);
    if (!time) {
        Q_EMIT refused({QStringLiteral("The time was not changed."), problem,
                        QStringLiteral("Type it as hours:minutes:seconds on a 24-hour clock, for example 23:30:15.")});
        return;
    }
    QString why;
    if (!m_clock.set(ClockText::withTime(m_clock.now(), *time), &why)) {
        Q_EMIT refused({QStringLiteral("The time was not changed."), why});
        return;
    }
    hide();
}

void frmSetTime::cmcCancel_Click() { hide(); }

void frmSetTime::lblSetTime_Click() { hide(); }

bool frmSetTime::eventFilter(QObject *watched, QEvent *event)
{
    if (isClick(lblSetTime, watched, event))
        lblSetTime_Click();
    return QWidget::eventFilter(watched, event);
}
