#pragma once
// The Add, Save Record and Clear commands of the entry row.

#include <QObject>

class frmKestrix;

class EntryWorkflow : public QObject {
    Q_OBJECT
  public:
    explicit EntryWorkflow(frmKestrix &window);
    ~EntryWorkflow() override;

    void cmdAddRecord_Click();
    void cmdSaveRecord_Click();
    void cmdClear_Click();

  private:
    // False (with a beep and a message) when txtRecNumber is not the placeholder's number.
    bool recordNumberAcceptable();

    frmKestrix &m_window;
};
