// Setting the Linux clock, against a stand-in for systemd's timedated on a
// private D-Bus bus and a stand-in for clock_settime: the real clock is never
// touched.

#include "platform/LinuxClock.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <cerrno>

// Answers SetTime as timedated would: records the call and replies as told.
class FakeTimedate : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.timedate1")
  public:
    struct Call {
        qlonglong usec = 0;
        bool relative = true;
        bool interactive = false;
        bool authorisationAllowed = false;
    };

    void answerWith(const QString &errorName, const QString &errorText)
    {
        QMutexLocker lock(&m_mutex);
        m_errorName = errorName;
        m_errorText = errorText;
    }
    QList<Call> calls()
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

  public Q_SLOTS:
    void SetTime(qlonglong usec, bool relative, bool interactive)
    {
        QMutexLocker lock(&m_mutex);
        m_calls.append({usec, relative, interactive, message().isInteractiveAuthorizationAllowed()});
        if (!m_errorName.isEmpty())
            sendErrorReply(m_errorName, m_errorText);
    }

  private:
    QMutex m_mutex;
    QString m_errorName, m_errorText;
    QList<Call> m_calls;
};

class tst_LinuxClock : public QObject {
    Q_OBJECT

    struct SettimeCall {
        qint64 sec;
        long nsec;
    };
    QList<SettimeCall> m_settime; // what the clock_settime stand-in was given
    int m_settimeResult = 0;

    QProcess m_daemon;
    QString m_address;
    QThread m_serviceThread;
    FakeTimedate *m_service = nullptr;

    LinuxClock::SetRealtime recordSettime()
    {
        return [this](const timespec &ts) {
            m_settime.append({qint64(ts.tv_sec), ts.tv_nsec});
            return m_settimeResult;
        };
    }
    QDBusConnection client() { return QDBusConnection(QStringLiteral("client")); }
    bool busUp() const { return !m_address.isEmpty(); }

  private Q_SLOTS:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            return;
        m_daemon.start(daemon,
                       {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!m_daemon.waitForStarted(5000))
            return;
        QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 10000);
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        QVERIFY(QDBusConnection::connectToBus(m_address, QStringLiteral("client")).isConnected());

        // The service answers from its own thread while the clock's call blocks.
        QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("service"));
        QVERIFY(service.isConnected());
        m_service = new FakeTimedate;
        m_service->moveToThread(&m_serviceThread);
        m_serviceThread.start();
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/timedate1"), m_service,
                                       QDBusConnection::ExportAllSlots));
    }
    void cleanupTestCase()
    {
        if (m_service) {
            QDBusConnection::disconnectFromBus(QStringLiteral("service"));
            QDBusConnection::disconnectFromBus(QStringLiteral("client"));
            m_serviceThread.quit();
            m_serviceThread.wait();
            delete m_service;
        }
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            m_daemon.waitForFinished(5000);
        }
    }
    void init()
    {
        m_settime.clear();
        m_settimeResult = 0;
    }

    // timedated takes the time: microseconds since 1970 UTC, absolute, with
    // interactive authorisation; clock_settime is left alone.
    void timedateSets()
    {
        if (!busUp())
            QSKIP("no dbus-daemon on this machine");
        QVERIFY(
            QDBusConnection(QStringLiteral("service")).registerService(QStringLiteral("org.freedesktop.timedate1")));
        m_service->answerWith(QString(), QString());
        LinuxClock clock(client(), recordSettime());
        const QDateTime when(QDate(1998, 6, 10), QTime(23, 30, 15, 250), Qt::UTC);
        QString why = QStringLiteral("untouched");
        QVERIFY(clock.set(when, &why));
        const QList<FakeTimedate::Call> calls = m_service->calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls.first().usec, qlonglong(897521415250000));
        QCOMPARE(calls.first().relative, false);
        QCOMPARE(calls.first().interactive, true);
        QCOMPARE(calls.first().authorisationAllowed, true);
        QVERIFY(m_settime.isEmpty());
        QCOMPARE(why, QStringLiteral("untouched"));
    }

    // clang-format off
    void timedateRefuses_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("why");
        QTest::newRow("network time on")
            << "org.freedesktop.timedate1.AutomaticTimeSyncEnabled" << "Automatic time synchronization is enabled"
            << "Automatic time synchronisation is on; turn it off in the system's date and time settings to set the "
               "clock by hand.";
        QTest::newRow("denied") << "org.freedesktop.DBus.Error.AccessDenied" << "Access denied"
                                << "You are not allowed to set the computer's clock.";
        QTest::newRow("no password prompt")
            << "org.freedesktop.DBus.Error.InteractiveAuthorizationRequired" << "Interactive authentication required."
            << "You are not allowed to set the computer's clock.";
        QTest::newRow("anything else") << "org.example.Error.Odd" << "The RTC is unhappy."
                                       << "The system refused to set the clock: The RTC is unhappy.";
    }
    // clang-format on
    // A refusal is told in plain words, and no second way is tried behind it.
    void timedateRefuses()
    {
        if (!busUp())
            QSKIP("no dbus-daemon on this machine");
        QFETCH(QString, error);
        QFETCH(QString, text);
        QFETCH(QString, why);
        QVERIFY(
            QDBusConnection(QStringLiteral("service")).registerService(QStringLiteral("org.freedesktop.timedate1")));
        m_service->answerWith(error, text);
        const int before = m_service->calls().size();
        LinuxClock clock(client(), recordSettime());
        QString got;
        QVERIFY(!clock.set(QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC), &got));
        QCOMPARE(got, why);
        QCOMPARE(m_service->calls().size(), before + 1);
        QVERIFY(m_settime.isEmpty());
    }

    // clang-format off
    void fallback_data()
    {
        QTest::addColumn<bool>("onBus");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("why"); // empty: set
        QTest::newRow("no timedated, set") << true << 0 << QString();
        QTest::newRow("no timedated, EPERM") << true << EPERM << "You are not allowed to set the computer's clock.";
        QTest::newRow("no bus, set") << false << 0 << QString();
        QTest::newRow("no bus, EINVAL") << false << EINVAL
                                        << "The computer's clock cannot take that date and time.";
    }
    // clang-format on
    // Without timedated (no such service, or no bus at all) clock_settime sets
    // CLOCK_REALTIME to the same instant.
    void fallback()
    {
        QFETCH(bool, onBus);
        QFETCH(int, result);
        QFETCH(QString, why);
        if (onBus && !busUp())
            QSKIP("no dbus-daemon on this machine");
        if (onBus)
            QDBusConnection(QStringLiteral("service")).unregisterService(QStringLiteral("org.freedesktop.timedate1"));
        m_settimeResult = result;
        LinuxClock clock(onBus ? client() : QDBusConnection(QStringLiteral("nowhere")), recordSettime());
        QString got;
        const bool ok = clock.set(QDateTime(QDate(1998, 6, 10), QTime(23, 30, 15, 250), Qt::UTC), &got);
        QCOMPARE(ok, why.isEmpty());
        QCOMPARE(got, why);
        QCOMPARE(m_settime.size(), 1);
        QCOMPARE(m_settime.first().sec, qint64(897521415));
        QCOMPARE(m_settime.first().nsec, 250000000L);
    }

    // Nothing before 1970 and no invalid value reaches the system.
    void outOfRange()
    {
        LinuxClock clock(QDBusConnection(QStringLiteral("nowhere")), recordSettime());
        QString why;
        QVERIFY(!clock.set(QDateTime(QDate(1969, 12, 31), QTime(23, 59, 59), Qt::UTC), &why));
        QCOMPARE(why, QStringLiteral("The clock cannot be set before 1970."));
        QVERIFY(!clock.set(QDateTime(), &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(m_settime.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_LinuxClock)
#include "tst_linuxclock.moc"
