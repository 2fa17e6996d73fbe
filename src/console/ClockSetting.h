#pragma once
// The date and time dialogs and the buttons and menu items that open them.

#include <QObject>
#include <QStringList>

class QWidget;

class frmKestrix;
class ClockDialog;

class ClockSetting : public QObject {
    Q_OBJECT
  public:
    explicit ClockSetting(frmKestrix &window);
    ~ClockSetting();

    // "Date" and "Clock": open their dialog, then tell the operator what to do.
    void cmdCalendar_Click();
    void cmdSetTime_Click();
    // "Set Date" and "Set GMT Clock": open the dialog only.
    void mnuDate_Click();
    void mnuClock_Click();

    // The dialogs, once they have been opened in this run; null before.
    ClockDialog *setDateDialog() const { return m_setDate; }
    ClockDialog *setTimeDialog() const { return m_setTime; }

  private:
    void show(ClockDialog *&dialog, bool date);
    void reportRefusal(const QStringList &lines);
    bool showsRefusal() const;
    void afterOK(const QWidget *dialog);

    frmKestrix &m_window;
    // Children of the main window: created on first opening, kept for the run.
    ClockDialog *m_setDate = nullptr;
    ClockDialog *m_setTime = nullptr;
    // The refusal the panel was given last, and what the panel held before it.
    QString m_refusal, m_before;
    qreal m_beforeSize = 0;
};
