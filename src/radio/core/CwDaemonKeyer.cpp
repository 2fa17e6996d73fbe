#include "radio/core/CwDaemonKeyer.h"

#include "radio/core/CwMacros.h"
#include "radio/core/RadioSettings.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <algorithm>

namespace {
const char Esc = 0x1B;
}

CwDaemonKeyer::CwDaemonKeyer(QObject *parent) : QObject(parent), m_socket(new QUdpSocket(this))
{
    connect(m_socket, &QUdpSocket::readyRead, this, &CwDaemonKeyer::readReplies);
    connect(m_socket, &QUdpSocket::errorOccurred, this, &CwDaemonKeyer::socketError);
    m_check.setInterval(CheckMillis);
    connect(&m_check, &QTimer::timeout, this, &CwDaemonKeyer::check);
    m_replyTimer.setSingleShot(true);
    connect(&m_replyTimer, &QTimer::timeout, this, &CwDaemonKeyer::replyOverdue);
}

CwDaemonKeyer::~CwDaemonKeyer()
{
    if (m_lookup >= 0)
        QHostInfo::abortHostLookup(m_lookup);
}

void CwDaemonKeyer::configure(const QString &host, quint16 port, int wpm)
{
    if (m_lookup >= 0)
        QHostInfo::abortHostLookup(m_lookup);
    m_lookup = -1;
    m_socket->abort();
    m_address.clear();
    m_port = port;
    m_wpm = wpm;
    m_waiting.clear();
    m_errorSinceCheck = false;
    // A new address starts with a clean slate: its first trouble is news.
    m_answering = true;
    m_reason.clear();
    m_noReply = false;
    m_where = RadioSettings::shown(QStringLiteral("%1:%2").arg(host).arg(port));
    setSending(false);
    m_replyTimer.stop();
    m_check.start();

    QHostAddress literal;
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        literal = QHostAddress(QHostAddress::LocalHost);
    else
        literal = QHostAddress(host);
    if (!literal.isNull()) {
        resolved(literal);
        return;
    }
    m_lookup = QHostInfo::lookupHost(host, this, [this, host](const QHostInfo &info) {
        m_lookup = -1;
        const QList<QHostAddress> addresses = info.addresses();
        if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
            setAnswering(false, QStringLiteral("no host named %1: check its address").arg(RadioSettings::shown(host)));
            return;
        }
        // cwdaemon listens on IPv4.
        const auto v4 = std::find_if(addresses.begin(), addresses.end(), [](const QHostAddress &a) {
            return a.protocol() == QAbstractSocket::IPv4Protocol;
        });
        if (v4 == addresses.end()) {
            setAnswering(false, QStringLiteral("%1 has no IPv4 address, and cwdaemon listens on IPv4 only")
                                    .arg(RadioSettings::shown(host)));
            return;
        }
        const QHostAddress chosen = *v4;
        resolved(chosen);
    });
}

void CwDaemonKeyer::resolved(const QHostAddress &address)
{
    m_address = address;
    // A connected socket hears "port unreachable" when no daemon listens there.
    m_socket->connectToHost(m_address, m_port);
    write(QByteArray(1, Esc) + '2' + QByteArray::number(m_wpm));
    const QList<QByteArray> waiting = std::exchange(m_waiting, {});
    for (const QByteArray &d : waiting)
        write(d);
}

void CwDaemonKeyer::write(const QByteArray &datagram)
{
    if (m_address.isNull()) {
        m_waiting << datagram;
        return;
    }
    if (m_socket->state() != QAbstractSocket::ConnectedState)
        m_socket->connectToHost(m_address, m_port);
    if (m_socket->write(datagram) != datagram.size())
        socketError();
}

void CwDaemonKeyer::send(const QString &text)
{
    if (text.isEmpty())
        return;
    // The daemon may have been restarted with its own speed since.
    write(QByteArray(1, Esc) + '2' + QByteArray::number(m_wpm));
    m_expectedReply = "k" + QByteArray::number(++m_serial);
    write(QByteArray(1, Esc) + 'h' + m_expectedReply);
    write(text.toLatin1());
    // A daemon that has not answered by the time the text should have been
    // sent, and some, is not there.
    const int remaining = m_sending && m_replyTimer.isActive() ? m_replyTimer.remainingTime() : 0;
    m_replyTimer.start(remaining + CwMacros::sendingMillis(text, m_wpm) + ReplyGraceMillis);
    // To a daemon known to be missing the text goes out all the same, in case
    // it is back, but "sending" waits for its answer.
    if (m_answering)
        setSending(true);
}

void CwDaemonKeyer::stop()
{
    write(QByteArray(1, Esc) + '4');
    m_replyTimer.stop();
    m_expectedReply.clear();
    setSending(false);
}

void CwDaemonKeyer::setSpeed(int wpm)
{
    m_wpm = wpm;
    write(QByteArray(1, Esc) + '2' + QByteArray::number(m_wpm));
}

void CwDaemonKeyer::readReplies()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        // The reply carries the word of the <ESC>h request, after an 'h', and
        // may end with a line end.
        const QByteArray reply = datagram.data().trimmed();
        setAnswering(true, QString());
        if (!m_expectedReply.isEmpty() && reply == "h" + m_expectedReply) {
            m_replyTimer.stop();
            m_expectedReply.clear();
            setSending(false);
        }
    }
}

void CwDaemonKeyer::socketError()
{
    m_errorSinceCheck = true;
    // A datagram refused by the host ("port unreachable") comes back as an
    // unnamed error on the connected socket.
    QString reason = m_socket->errorString();
    if (m_socket->error() == QAbstractSocket::ConnectionRefusedError ||
        m_socket->error() == QAbstractSocket::UnknownSocketError)
        reason = QStringLiteral("nothing is listening on %1: is cwdaemon running?").arg(m_where);
    else
        reason = QStringLiteral("cannot reach %1 (%2): check its address").arg(m_where, reason);
    setAnswering(false, reason);
    m_replyTimer.stop();
    m_expectedReply.clear();
    setSending(false);
    // A refused datagram leaves the socket in an error state; the next write
    // connects afresh.
    m_socket->abort();
}

void CwDaemonKeyer::check()
{
    if (m_address.isNull())
        return;
    // A check that drew no refusal since the last one means the daemon is there
    // again (or, on a far host, at least not known to be missing).
    if (!m_errorSinceCheck && !m_answering && !m_noReply)
        setAnswering(true, QString());
    m_errorSinceCheck = false;
    write(QByteArray(1, Esc) + '2' + QByteArray::number(m_wpm));
}

void CwDaemonKeyer::replyOverdue()
{
    m_expectedReply.clear();
    setSending(false);
    // A daemon already known to be missing keeps that, plainer, reason.
    if (m_answering) {
        setAnswering(false, QStringLiteral("no reply from cwdaemon at %1: is it running there?").arg(m_where));
        m_noReply = true;
    }
}

void CwDaemonKeyer::setAnswering(bool answering, const QString &reason)
{
    if (answering == m_answering && reason == m_reason)
        return;
    m_noReply = false;
    m_answering = answering;
    m_reason = reason;
    Q_EMIT answeringChanged(answering, reason);
}

void CwDaemonKeyer::setSending(bool sending)
{
    if (sending == m_sending)
        return;
    m_sending = sending;
    Q_EMIT sendingChanged(sending);
}
