#pragma once
// The small window that sets the computer's date, keeping its time of day.

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class SystemClock;

class frmSetDate : public QWidget {
    Q_OBJECT
public:
    // Builds the window and runs its load steps (today's date into the box).
    // Modeless, on top of `parent`; OK, Cancel and the label only hide it.
    frmSetDate(SystemClock &clock, QWidget *parent);

    QLabel *lblSetDate;
    QLineEdit *txtSetDate;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

    void cmdOK_Click();
    void cmdCancel_Click();
    void lblSetDate_Click();

Q_SIGNALS:
    // The date was not set: the lines say why, for the display panel.
    void refused(const QStringList &lines);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();

    SystemClock &m_clock;
};
