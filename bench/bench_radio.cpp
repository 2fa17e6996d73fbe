// A keystroke in the call-sign box with a rig connected and polled twice a
// second (Hamlib's rigctld with its dummy rig, on a loopback port) against the
// same keystroke with no radio. Each iteration types one key (a letter, then
// Backspace) through the window's event filters and lets the event loop run,
// so the rig's readings arriving meanwhile are paid for by the keystrokes.
//
// And the band box following the rig: rigctld's dummy rig is moved between
// 40 m and 20 m at random moments against the poll, and each move is timed
// from rigctld's acknowledgement to the band box's change.

#include "console/frmKestrix.h"
#include "platform/DesktopPlatform.h"
#include "radio/core/RadioSettings.h"
#include "radio/core/RigControl.h"
#include "radio/ui/RadioSubsystem.h"
#include "store/QrpRecord.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <csignal>
#include <memory>
#include <random>
#include <sys/prctl.h>

namespace {

constexpr int Contacts = 10000;

// The settings of the run go to a folder of their own, never the user's.
QTemporaryDir &settingsFolder()
{
    static QTemporaryDir dir;
    static const bool set = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        return true;
    }();
    Q_UNUSED(set);
    return dir;
}

// rigctld with the dummy rig on a free loopback port, for the whole run.
struct Rigctld {
    QProcess process;
    quint16 port = 0;
    Rigctld()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
        if (program.isEmpty())
            return;
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
        probe.close();
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(program, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
        for (int i = 0; i < 100; ++i) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (s.waitForConnected(100))
                return;
            QThread::msleep(50);
        }
        port = 0;
    }
    ~Rigctld()
    {
        process.terminate();
        process.waitForFinished(3000);
    }
};

// A window on a log of Contacts generated contacts, with or without the rig.
struct Station {
    QTemporaryDir dir;
    DesktopPlatform platform;
    std::unique_ptr<frmKestrix> window;
    int readings = 0;

    explicit Station(quint16 rigPort)
    {
        settingsFolder();
        RadioSettings radio;
        if (rigPort != 0) {
            radio.rigModel = 2;
            radio.rigPort = QStringLiteral("127.0.0.1:%1").arg(rigPort);
        }
        radio.save();
        QByteArray qrp;
        QrpRecord r;
        for (int i = 0; i < Contacts; ++i) {
            r.clear();
            r.set(QrpRecord::Callsign, QStringLiteral("K%1").arg(i, 6, 36, QLatin1Char('0')).toUpper());
            r.set(QrpRecord::Arci, QString::number(1000 + i % 9000));
            r.set(QrpRecord::SPC, QStringLiteral("NY"));
            r.set(QrpRecord::RstSent, QStringLiteral("579"));
            r.set(QrpRecord::RstRcvd, QStringLiteral("599"));
            r.set(QrpRecord::Band, QStringLiteral("40"));
            r.set(QrpRecord::Points, QStringLiteral("5"));
            r.set(QrpRecord::Multiplier, QStringLiteral("0"));
            qrp += r.bytes();
        }
        r.clear();
        r.set(QrpRecord::Band, QStringLiteral("40"));
        qrp += r.bytes();
        write(LogStore::QrpFileName, qrp);
        write(LogStore::ArciFileName, QByteArray(qsizetype(Contacts) * ArciLine::Size, ' '));
        window = std::make_unique<frmKestrix>(dir.path(), platform.platform());
        if (!window->Form_Load())
            qFatal("the generated log did not open");
        window->ui().Timer1->stop();
        if (auto *rig = window->radio().findChild<RigControl *>())
            QObject::connect(rig, &RigControl::reading, rig, [this] { ++readings; });
    }

    void write(const char *name, const QByteArray &bytes)
    {
        QFile f(QDir(dir.path()).filePath(QLatin1String(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
    }
};

void typeKeys(benchmark::State &state, Station &station)
{
    QLineEdit *box = station.window->ui().txtCallsign;
    box->setText(QStringLiteral("Q9ZZ"));
    QCoreApplication::processEvents();
    const int before = station.readings;
    int i = 0;
    for (auto _ : state) {
        const bool letter = (i++ & 1) == 0;
        QKeyEvent press(QEvent::KeyPress, letter ? Qt::Key_Z : Qt::Key_Backspace, Qt::NoModifier,
                        letter ? QStringLiteral("Z") : QString());
        QCoreApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, press.text());
        QCoreApplication::sendEvent(box, &release);
        QCoreApplication::processEvents();
    }
    state.counters["rig readings"] = station.readings - before;
}

void KeystrokeNoRadio(benchmark::State &state)
{
    static Station station(0);
    typeKeys(state, station);
}

Rigctld &rigctld()
{
    static Rigctld rig;
    return rig;
}

// The window with the rig, read at least once; nullptr with the reason when it cannot be.
Station *rigStation(benchmark::State &state)
{
    if (rigctld().port == 0) {
        state.SkipWithError("rigctld is not installed (Debian package libhamlib-utils)");
        return nullptr;
    }
    static Station station(rigctld().port);
    for (int i = 0; i < 100 && station.readings == 0; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    if (station.readings == 0) {
        state.SkipWithError("the dummy rig did not answer");
        return nullptr;
    }
    return &station;
}

void KeystrokeRigPolled(benchmark::State &state)
{
    if (Station *station = rigStation(state))
        typeKeys(state, *station);
}

void BandFollowLatency(benchmark::State &state)
{
    constexpr int Moves = 120, LimitMillis = 3000;
    Station *station = rigStation(state);
    if (!station)
        return;
    QLineEdit *band = station->window->ui().txtBand;
    QTcpSocket control; // commands to rigctld itself, as rigctl sends them
    control.connectToHost(QHostAddress::LocalHost, rigctld().port);
    if (!control.waitForConnected(2000)) {
        state.SkipWithError("rigctld did not take a second client");
        return;
    }
    std::mt19937 random(4532);
    std::uniform_int_distribution<int> phase(0, 500);
    std::vector<double> millis;
    for (auto _ : state) {
        for (int i = 0; i < Moves; ++i) {
            const bool to20 = band->text() != QLatin1String("20");
            QEventLoop pause;
            QTimer::singleShot(phase(random), &pause, &QEventLoop::quit);
            pause.exec();
            control.write(to20 ? "F 14025000\n" : "F 7032100\n");
            while (!control.canReadLine() && control.waitForReadyRead(LimitMillis)) {
            }
            control.readAll();
            QElapsedTimer moved;
            moved.start();
            QEventLoop followed;
            QObject::connect(band, &QLineEdit::textChanged, &followed, &QEventLoop::quit);
            QTimer::singleShot(LimitMillis, &followed, &QEventLoop::quit);
            followed.exec();
            millis.push_back(double(moved.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(millis.begin(), millis.end());
    const auto percentile = [&](double p) { return millis[std::min(millis.size() - 1, size_t(p * millis.size()))]; };
    state.counters["p50 ms"] = percentile(0.50);
    state.counters["p90 ms"] = percentile(0.90);
    state.counters["p99 ms"] = percentile(0.99);
    state.counters["max ms"] = millis.back();
}

} // namespace

// Three seconds of keystrokes a run: six readings of the rig land among them.
// Run with --benchmark_enable_random_interleaving=true so that both share the
// machine's load alike.
BENCHMARK(KeystrokeNoRadio)->Unit(benchmark::kMicrosecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(KeystrokeRigPolled)->Unit(benchmark::kMicrosecond)->MinTime(3.0)->UseRealTime();
// A fixed number of moves, once: about a minute.
BENCHMARK(BandFollowLatency)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMillisecond)->UseRealTime();
