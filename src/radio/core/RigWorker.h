#pragma once
// The rig's own thread: every Hamlib call that can wait on the radio runs
// here, never on the GUI thread. RigControl owns the thread and talks to this
// object by queued calls; results go back by queued signals.

#include <QElapsedTimer>
#include <QObject>
#include <QString>

struct s_rig;
class QTimer;

class RigWorker : public QObject {
    Q_OBJECT
  public:
    RigWorker();
    ~RigWorker() override;

    // All of these run on the rig's thread.
    void start();
    void configure(int model, const QString &port, int serialSpeed, int wpm);
    void sendMorse(const QString &text);
    void stopMorse();
    void setSpeed(int wpm);
    void test(int model, const QString &port, int serialSpeed);
    void shutdown();

    static constexpr int PollMillis = 500;   // about twice a second
    static constexpr int RetryMillis = 2000; // a rig that does not answer is asked again so often

  Q_SIGNALS:
    void reading(double hz, const QString &mode);
    void notAnswering(const QString &reason);
    void morseStarted();
    void morseFailed(const QString &reason);
    void testDone(bool answers, double hz, const QString &mode, const QString &why);

  private:
    void poll();
    void closeRig();
    bool read(s_rig *rig, double *hz, QString *mode, QString *why);
    void fail(const QString &reason);

    s_rig *m_rig = nullptr;
    QTimer *m_timer = nullptr;
    int m_model = 0;
    QString m_port;
    int m_serialSpeed = 0;
    int m_wpm = 0;
    QElapsedTimer m_sinceFailure; // invalid while the rig answers
};
