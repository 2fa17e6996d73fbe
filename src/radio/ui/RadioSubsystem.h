#pragma once
// The radio subsystem: Kestrix Program -> Radio... sets up a rig (Hamlib, directly
// or through rigctld) and a CW keyer (the rig's own or cwdaemon). While a rig
// answers, the band box follows its band through the Set Band menu items and
// its mode becomes the export's default; F1-F8 send the CW messages, Esc
// stops them, Page Up / Page Down change the speed, from any box of the
// window. A status line on the panel says what the radio is doing. The rig is
// only ever asked from its own thread; a radio that fails never stops the log.

#include "radio/core/RadioSettings.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class ConsoleOutput;
struct EntryRowControls;
struct FrontPanelControls;
struct MenuControls;
class QWidget;
class frmRadio;
class QAction;
class QLabel;
class RigControl;
class CwDaemonKeyer;

class RadioSubsystem : public QObject {
    Q_OBJECT
  public:
    RadioSubsystem(const EntryRowControls &entry, const FrontPanelControls &panel, const MenuControls &menus,
                   ConsoleOutput &console, QWidget &window);
    ~RadioSubsystem() override;

    // The dialog, created hidden on first use.
    frmRadio &form();
    void mnuRadio_Click();
    void cmdTest_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    const RadioSettings &settings() const { return m_settings; }
    // Uses these settings from now on (the dialog's OK, and start-up).
    void apply(const RadioSettings &settings);
    // The status line on the panel: "Radio: 7.032.10 CW", "Sending CW", ...
    QLabel *lblRadio() const { return m_status; }

    // The keys: F1-F8 (message 0-7), Esc, Page Up / Page Down.
    void sendMessage(int index);
    void stopSending();
    void changeSpeed(int delta);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    RigControl &rig();
    RadioSettings fromForm() const;
    void toForm(const RadioSettings &settings);
    void rigReading(double hz, const QString &mode);
    void rigNotAnswering(const QString &reason);
    void rigTestDone(bool answers, double hz, const QString &mode, const QString &why);
    void followBand(double hz);
    void followMode(const QString &mode);
    void setSending(bool sending);
    void setCwProblem(const QString &problem);
    bool keysActive() const;
    void showStatus();

    const EntryRowControls &m_entry;
    const FrontPanelControls &m_panel;
    const MenuControls &m_menus;
    ConsoleOutput &m_console;
    QWidget &m_window; // the keys are taken from all of it; the radio dialog is its child
    QAction *m_menuItem = nullptr;
    QLabel *m_status = nullptr;
    QPointer<frmRadio> m_form;
    RadioSettings m_settings;
    QString m_rigProblem;    // why the remembered rig settings are not used
    QString m_keyerProblem;  // why the remembered CW settings are not used
    QString m_noModelWarned; // the address OK last warned has no model
    RigControl *m_rig = nullptr;
    CwDaemonKeyer *m_keyer = nullptr;
    QString m_rigText;     // first status line
    QString m_cwProblem;   // why the last CW request failed
    QString m_sendNote;    // the text going out, when it differs from the message as written
    QTimer m_problemTimer; // a failure of the rig's keyer is shown once, then the speed again
    QString m_rigBand;     // the band the rig was last found on
    QString m_rigMode;     // the export mode the rig was last found in
    bool m_sending = false;
    int m_hamlibMillis = 0; // how long the last message through the rig takes
    QTimer m_sendingTimer;  // the rig's own keyer does not say when it is done
};
