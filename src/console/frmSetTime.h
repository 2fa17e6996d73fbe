#pragma once
// The small window that sets the computer's time of day (GMT), keeping its date.

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class SystemClock;

class frmSetTime : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its load steps (the time of day into the box).
    // Modeless, on top of `parent`; OK, Cancel and the label only hide it.
    frmSetTime(SystemClock &clock, QWidget *parent);

    QLabel *lblSetTime;
    QLineEdit *txtSetTime;
    QPushButton *cmdOK;
    QPushButton *cmcCancel;

    void cmdOK_Click();
    void cmcCancel_Click();
    void lblSetTime_Click();

Q_SIGNALS:
    // The time was not set: the lines say why, for the display panel.
    void refused(const QStringList &lines);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();

    SystemClock &m_clock;
};
