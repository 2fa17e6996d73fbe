#pragma once
// The rig as the GUI thread sees it: every request is queued to the rig's own
// thread and returns at once; what the rig says comes back as signals on the
// GUI thread. No call here waits on the radio.

#include <QObject>
#include <QString>

class QThread;
class RigWorker;

class RigControl : public QObject {
    Q_OBJECT
  public:
    explicit RigControl(QObject *parent = nullptr);
    ~RigControl() override;

    // Opens the rig and reads it four times a second; model 0 closes it.
    void configure(int model, const QString &port, int serialSpeed, int wpm);
    void sendMorse(const QString &text);
    void stopMorse();
    void setSpeed(int wpm);
    // Opens a rig with these settings once and reads it; answered by testDone.
    void test(int model, const QString &port, int serialSpeed);

    static constexpr int ExitMillis = 700; // the longest the window's close waits on the rig

  Q_SIGNALS:
    void reading(double hz, const QString &mode);
    void notAnswering(const QString &reason);
    void morseStarted();
    void morseFailed(const QString &reason);
    void testDone(bool answers, double hz, const QString &mode, const QString &why);

  private:
    template <typename F> void queue(F &&call);

    QThread *m_thread;
    RigWorker *m_worker;
};
