#include "radio/core/RigWorker.h"

#include "radio/core/RadioSettings.h"
#include "radio/core/RigModels.h"

#include <QFileInfo>
#include <QTcpSocket>
#include <QTimer>

#include <hamlib/rig.h>

namespace {

QString errorText(int code)
{
    // Hamlib's message, first line only: some versions append their debug trail.
    QString text = QString::fromLatin1(rigerror2(code)).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("Hamlib error %1").arg(code) : text;
}

bool setConf(RIG *rig, const char *name, const QString &value)
{
    const token_t token = rig_token_lookup(rig, name);
    return token != RIG_CONF_END && rig_set_conf(rig, token, value.toLocal8Bit().constData()) == RIG_OK;
}

// A rig of this model on this port, opened; nullptr with the reason when it
// cannot be opened or does not answer.
RIG *openRig(int model, const QString &port, int serialSpeed, QString *why)
{
    const RigModel *known = RigModels::find(model);
    if (!known) {
        *why = QStringLiteral("Hamlib knows no rig model %1: choose the rig in Radio...").arg(model);
        return nullptr;
    }
    const QString path = port.trimmed();
    const QString shown = RadioSettings::shown(path);
    if (known->port == RigModel::Port::Serial && path.startsWith(QLatin1Char('/'))) {
        const QFileInfo device(path);
        if (!device.exists()) {
            *why = QStringLiteral("no serial port %1: is the rig's cable plugged in?").arg(shown);
            return nullptr;
        }
        if (!device.isWritable()) {
            *why = QStringLiteral("no permission to use %1: add your account to the dialout group, then log in again")
                       .arg(shown);
            return nullptr;
        }
    }
    RIG *rig = nullptr;
    {
        QMutexLocker lock(&RigModels::tablesLock());
        rig = rig_init(rig_model_t(model));
    }
    if (!rig) {
        *why = QStringLiteral("Hamlib cannot start model %1").arg(model);
        return nullptr;
    }
    if (!path.isEmpty())
        setConf(rig, "rig_pathname", path);
    if (serialSpeed > 0)
        setConf(rig, "serial_speed", QString::number(serialSpeed));
    // A rig that does not answer holds the thread for no longer than this.
    setConf(rig, "timeout", QStringLiteral("1000"));
    setConf(rig, "retry", QStringLiteral("1"));
    const int opened = rig_open(rig);
    if (opened != RIG_OK) {
        *why = QStringLiteral("not answering: ") + errorText(opened);
        if (known->port == RigModel::Port::Network)
            *why += QStringLiteral(" from %1: is it the rig's server?").arg(shown);
        else if (known->port == RigModel::Port::Serial)
            *why += QStringLiteral(" on %1: is the rig switched on, at the serial speed set?").arg(shown);
        rig_cleanup(rig);
        return nullptr;
    }
    // Every reading asks the rig: Hamlib's cache would show a band change up
    // to half a second late.
    rig_set_cache_timeout_ms(rig, HAMLIB_CACHE_ALL, 0);
    return rig;
}

void closeAndFree(RIG *rig)
{
    rig_close(rig);
    rig_cleanup(rig);
}

bool reachedOverTcp(int model)
{
    const RigModel *known = RigModels::find(model);
    return known && known->port == RigModel::Port::Network;
}

} // namespace

RigWorker::RigWorker() = default;

RigWorker::~RigWorker() { closeRig(); }

void RigWorker::start()
{
    m_timer = new QTimer(this);
    m_timer->setInterval(PollMillis);
    connect(m_timer, &QTimer::timeout, this, &RigWorker::poll);
}

void RigWorker::configure(int model, const QString &port, int serialSpeed, int wpm)
{
    delete m_connecting; // new settings never wait on the old address
    closeRig();
    m_model = model;
    m_port = port;
    m_serialSpeed = serialSpeed;
    m_wpm = wpm;
    m_sinceFailure.invalidate();
    if (m_model == 0) {
        m_timer->stop();
        return;
    }
    m_timer->start();
    poll();
}

void RigWorker::closeRig()
{
    if (m_rig)
        closeAndFree(m_rig);
    m_rig = nullptr;
}

void RigWorker::fail(const QString &reason)
{
    closeRig();
    m_sinceFailure.start();
    Q_EMIT notAnswering(reason);
}

QTcpSocket *RigWorker::reach(int model, const QString &address, std::function<void(const QString &)> done)
{
    QString host;
    quint16 port = 0;
    RadioSettings::parseHostPort(address, &host, &port);
    const QString shown = RadioSettings::shown(address.trimmed());
    auto *socket = new QTcpSocket(this);
    auto *limit = new QTimer(socket);
    limit->setSingleShot(true);
    const auto finish = [socket, limit, done](const QString &why) {
        limit->stop();
        socket->disconnect();
        socket->abort();
        socket->deleteLater();
        done(why);
    };
    connect(socket, &QTcpSocket::connected, this, [finish] { finish(QString()); });
    connect(socket, &QTcpSocket::errorOccurred, this, [=](QAbstractSocket::SocketError error) {
        switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            finish(QStringLiteral("nothing is listening on %1: is %2 running?")
                       .arg(shown, model == RigModels::netRigctl() ? QStringLiteral("rigctld")
                                                                   : QStringLiteral("the rig's server")));
            break;
        case QAbstractSocket::HostNotFoundError:
            finish(QStringLiteral("no host named %1: check the rig's address").arg(RadioSettings::shown(host)));
            break;
        default:
            finish(QStringLiteral("cannot reach %1 (%2): check the address and the network")
                       .arg(shown, socket->errorString()));
        }
    });
    connect(limit, &QTimer::timeout, this, [=] {
        finish(QStringLiteral("not answering: no reply from %1 in %2 s").arg(shown).arg(ConnectMillis / 1000));
    });
    limit->start(ConnectMillis);
    socket->connectToHost(host, port);
    return socket;
}

bool RigWorker::read(RIG *rig, double *hz, QString *mode, QString *why)
{
    freq_t freq = 0;
    const int got = rig_get_freq(rig, RIG_VFO_CURR, &freq);
    if (got != RIG_OK) {
        *why = QStringLiteral("not answering: ") + errorText(got);
        return false;
    }
    *hz = double(freq);
    if (!mode)
        return true;
    rmode_t m = RIG_MODE_NONE;
    pbwidth_t width = 0;
    // A rig that tells its frequency but not its mode still answers.
    mode->clear();
    if (rig_get_mode(rig, RIG_VFO_CURR, &m, &width) == RIG_OK && m != RIG_MODE_NONE)
        *mode = QString::fromLatin1(rig_strrmode(m));
    return true;
}

void RigWorker::poll()
{
    if (m_model == 0 || m_connecting)
        return;
    if (!m_rig) {
        // Asked again quietly, not on every tick.
        if (m_sinceFailure.isValid() && m_sinceFailure.elapsed() < RetryMillis)
            return;
        if (reachedOverTcp(m_model)) {
            m_connecting = reach(m_model, m_port, [this](const QString &why) {
                m_connecting.clear();
                if (why.isEmpty())
                    openAndRead();
                else
                    fail(why);
            });
            return;
        }
    }
    openAndRead();
}

void RigWorker::openAndRead()
{
    if (!m_rig) {
        QString why;
        m_rig = openRig(m_model, m_port, m_serialSpeed, &why);
        if (!m_rig) {
            fail(why);
            return;
        }
        m_polls = 0;
        if (m_wpm > 0)
            setSpeed(m_wpm);
    }
    double hz = 0;
    QString why;
    if (!read(m_rig, &hz, m_polls++ % 2 == 0 ? &m_mode : nullptr, &why)) {
        fail(why);
        return;
    }
    m_sinceFailure.invalidate();
    Q_EMIT reading(hz, m_mode);
}

void RigWorker::sendMorse(const QString &text)
{
    if (!m_rig) {
        Q_EMIT morseFailed(QStringLiteral("the radio is not answering"));
        return;
    }
    const int sent = rig_send_morse(m_rig, RIG_VFO_CURR, text.toLatin1().constData());
    if (sent == RIG_OK)
        Q_EMIT morseStarted();
    else
        Q_EMIT morseFailed(errorText(sent));
}

void RigWorker::stopMorse()
{
    if (!m_rig)
        return;
    const int stopped = rig_stop_morse(m_rig, RIG_VFO_CURR);
    if (stopped != RIG_OK)
        Q_EMIT morseFailed(QStringLiteral("the rig cannot stop its CW (%1)").arg(errorText(stopped)));
}

void RigWorker::setSpeed(int wpm)
{
    m_wpm = wpm;
    if (!m_rig)
        return; // set when the rig answers again
    value_t value;
    value.i = wpm;
    const int set = rig_set_level(m_rig, RIG_VFO_CURR, RIG_LEVEL_KEYSPD, value);
    if (set != RIG_OK)
        Q_EMIT morseFailed(QStringLiteral("the rig did not take the speed: ") + errorText(set));
}

void RigWorker::test(int model, const QString &port, int serialSpeed)
{
    if (m_rig && model == m_model && port == m_port && serialSpeed == m_serialSpeed) {
        // The rig in use answers the test itself.
        double hz = 0;
        QString mode, why;
        if (!read(m_rig, &hz, &mode, &why)) {
            fail(why);
            Q_EMIT testDone(false, 0, QString(), why);
            return;
        }
        Q_EMIT testDone(true, hz, mode, QString());
        return;
    }
    delete m_testing;
    if (reachedOverTcp(model)) {
        // Answered within ConnectMillis, whatever the rig in use is doing.
        m_testing = reach(model, port, [=, this](const QString &why) {
            m_testing.clear();
            if (why.isEmpty())
                testOpen(model, port, serialSpeed);
            else
                Q_EMIT testDone(false, 0, QString(), why);
        });
        return;
    }
    testOpen(model, port, serialSpeed);
}

void RigWorker::testOpen(int model, const QString &port, int serialSpeed)
{
    // A port holds one rig at a time: the one in use steps aside and is opened
    // again by the next poll.
    if (m_rig && port.trimmed() == m_port.trimmed())
        closeRig();
    QString why;
    RIG *rig = openRig(model, port, serialSpeed, &why);
    if (!rig) {
        Q_EMIT testDone(false, 0, QString(), why);
        return;
    }
    double hz = 0;
    QString mode;
    const bool answers = read(rig, &hz, &mode, &why);
    closeAndFree(rig);
    Q_EMIT testDone(answers, hz, mode, why);
}

void RigWorker::shutdown()
{
    if (m_timer)
        m_timer->stop();
    delete m_connecting;
    delete m_testing;
    closeRig();
    m_model = 0;
}
