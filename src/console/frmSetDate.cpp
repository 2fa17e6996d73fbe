#include "frmSetDate.h"

#include "ClockDialogLook.h"
#include "ClockText.h"
#include "SystemClock.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ClockDialogLook;

frmSetDate::frmSetDate(SystemClock &clock, QWidget *parent) : QWidget(parent), m_clock(clock)
{
    setUpWindow(this, QStringLiteral("frmSetDate"), QStringLiteral("                   Set Date"));
    lblSetDate = label(this, QStringLiteral("lblSetDate"), twips(120, 120, 2895, 495));
    txtSetDate = entryBox(this, QStringLiteral("txtSetDate"), twips(360, 840, 2415, 615), 8);
    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), twips(120, 1800, 1215, 495));
    cmdCancel = button(this, QStringLiteral("cmdCancel"), QStringLiteral("&Cancel"), twips(1800, 1800, 1215, 495));
    setTabOrder(txtSetDate, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &frmSetDate::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetDate::cmdCancel_Click);
    lblSetDate->installEventFilter(this);

    Form_Load();
}

void frmSetDate::Form_Load()
{
    // The box cuts the text to its 8 characters, as it does any text put into it.
    txtSetDate->setText(ClockText::dialogDate(m_clock.now().toUTC().date()));
    lblSetDate->setText(QStringLiteral("Enter Date\r\n(Ex: 6/10/98)"));
}

void frmSetDate::cmdOK_Click()
{
    const QString typed = txtSetDate->text();
    QString problem;
    const std::optional<QDate> date = ClockText::readDate(typed, &problem);
    if (!date) {
        Q_EMIT refused({QStringLiteral("The date was not changed."), problem,
                        QStringLiteral("Type it as month/day/year, for example 6/10/98.")});
        return;
    }
    QString why;
    if (!m_clock.set(ClockText::withDate(m_clock.now(), *date), &why)) {
        Q_EMIT refused({QStringLiteral("The date was not changed."), why});
        return;
    }
    hide();
}

void frmSetDate::cmdCancel_Click() { hide(); }

void frmSetDate::lblSetDate_Click() { hide(); }

bool frmSetDate::eventFilter(QObject *watched, QEvent *event)
{
    if (isClick(lblSetDate, watched, event))
        lblSetDate_Click();
    return QWidget::eventFilter(watched, event);
}
