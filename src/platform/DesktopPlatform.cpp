#include "platform/DesktopPlatform.h"

#include "platform/LinuxClock.h"
#include "platform/SystemPrintTarget.h"

#include <QApplication>
#include <QMessageBox>

void DesktopBeeper::beep() { QApplication::beep(); }

bool MessageBoxConfirmation::askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Confirmation::Answer MessageBoxConfirmation::askYesNoCancel(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

DesktopPlatform::DesktopPlatform()
    : m_clock(std::make_unique<LinuxClock>()), m_print(std::make_unique<SystemPrintTarget>())
{
}

DesktopPlatform::~DesktopPlatform() = default;

Platform DesktopPlatform::platform() { return Platform{*m_clock, m_beeper, m_confirmation, *m_print}; }
