#pragma once
// The rig's own thread: every Hamlib call that can wait on the radio runs
// here, never on the GUI thread. RigControl owns the thread and talks to this
// object by queued calls; results go back by queued signals.
//
// Hamlib's own connect to a network rig is not bounded by its timeout (a host
// that drops the connect holds it for two minutes), so a network rig is first
// reached by a connect of the worker's own, without waiting: the thread stays
// free for new settings, Test and Exit, and gives up after ConnectMillis.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

struct s_rig;
class QTcpSocket;
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

    // The frequency is read so often, the mode every other time.
    static constexpr int PollMillis = 250;
    static constexpr int RetryMillis = 2000;   // a rig that does not answer is asked again so often
    static constexpr int ConnectMillis = 2000; // the longest wait for a network rig's connect

  Q_SIGNALS:
    void reading(double hz, const QString &mode);
    void notAnswering(const QString &reason);
    void morseStarted();
    void morseFailed(const QString &reason);
    void testDone(bool answers, double hz, const QString &mode, const QString &why);

  private:
    void poll();
    void openAndRead();
    void testOpen(int model, const QString &port, int serialSpeed);
    void closeRig();
    bool read(s_rig *rig, double *hz, QString *mode, QString *why);
    void fail(const QString &reason);
    // Connects to host:port without waiting; done gets an empty reason once
    // something accepted the connect, else why not. Deleting the socket
    // returned cancels it, and done is then never called.
    QTcpSocket *reach(int model, const QString &address, std::function<void(const QString &)> done);

    s_rig *m_rig = nullptr;
    QTimer *m_timer = nullptr;
    QPointer<QTcpSocket> m_connecting; // the rig in use, being reached
    QPointer<QTcpSocket> m_testing;    // the rig of a Test, being reached
    int m_model = 0;
    QString m_port;
    int m_serialSpeed = 0;
    int m_wpm = 0;
    unsigned m_polls = 0;
    QString m_mode;               // the rig's mode as last read
    QElapsedTimer m_sinceFailure; // invalid while the rig answers
};
