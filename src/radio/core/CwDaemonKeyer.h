#pragma once
// CW through cwdaemon, the keyer daemon for rigs without CAT keying. It takes
// UDP datagrams: plain text to send, <ESC>4 to stop at once, <ESC>2<wpm> for
// the speed, and <ESC>h<word> asks for "h<word>" back when the next text has
// been sent. Nothing here waits: datagrams go out and answers come as signals.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>

class QUdpSocket;

class CwDaemonKeyer : public QObject {
    Q_OBJECT
  public:
    explicit CwDaemonKeyer(QObject *parent = nullptr);
    ~CwDaemonKeyer() override;

    // Where the daemon listens; a host name is looked up without waiting.
    void configure(const QString &host, quint16 port, int wpm);
    void send(const QString &text);
    void stop();
    void setSpeed(int wpm);

    bool isSending() const { return m_sending; }

    // How often the daemon is told the speed again, to see that it is there.
    static constexpr int CheckMillis = 2000;
    // How long past the text's own sending time its answer may take.
    static constexpr int ReplyGraceMillis = 3000;

  Q_SIGNALS:
    void sendingChanged(bool sending);
    // answering false with the reason when the daemon cannot be reached.
    void answeringChanged(bool answering, const QString &reason);

  private:
    void resolved(const QHostAddress &address);
    void write(const QByteArray &datagram);
    void readReplies();
    void socketError();
    void check();
    void replyOverdue();
    void setAnswering(bool answering, const QString &reason);
    void setSending(bool sending);

    QUdpSocket *m_socket = nullptr;
    QHostAddress m_address;
    quint16 m_port = 0;
    int m_wpm = 25;
    int m_lookup = -1;
    QList<QByteArray> m_waiting; // datagrams written before the address was known
    QTimer m_check;
    QTimer m_replyTimer;
    QByteArray m_expectedReply;
    quint32 m_serial = 0;
    bool m_sending = false;
    bool m_answering = true;
    bool m_errorSinceCheck = false;
    QString m_reason;
    bool m_noReply = false; // the reason is an overdue reply, which only a reply clears
    QString m_where;        // host:port, for the messages
};
