// The window with call history at 1 000 000 contacts and a 50 000-call check
// file: start-up (the log opened, the band chart counted, the index built), and
// a keystroke in the call box with the check window open against the same
// keystroke with it closed. The keystroke runs the duplicate check's scan of the
// whole file either way; the difference is what the offers and the check window
// cost. The history subsystem's own share of a keystroke is timed alone too.

#include "console/frmKestrix.h"
#include "history/ui/CallHistorySubsystem.h"
#include "platform/DesktopPlatform.h"
#include "store/QrpRecord.h"

#include "ResidentMemory.h"
#include <QApplication>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Contacts = 1000000;
constexpr int CheckCalls = 50000;

QString callNumber(int i, const char *prefix)
{
    return QLatin1String(prefix) + QString::number(i % 10) + QString::number(i / 10, 36).toUpper();
}

struct BigStation {
    QTemporaryDir dir;
    QTemporaryDir settings;
    DesktopPlatform platform;
    std::unique_ptr<frmKestrix> window;
    double startupMillis = 0;

    BigStation()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        const char *const bands[] = {"160", "80", "40", "20", "15", "10", "6"};
        QByteArray qrp(qsizetype(Contacts + 1) * QrpRecord::Size, ' ');
        QrpRecord r;
        for (int i = 0; i < Contacts; ++i) {
            r.clear();
            r.set(QrpRecord::Callsign, callNumber(i / 3, "K"));
            r.set(QrpRecord::Arci, QString::number(1000 + i % 9000));
            r.set(QrpRecord::SPC, QStringLiteral("NY"));
            r.set(QrpRecord::Band, QLatin1String(bands[i % 7]));
            r.set(QrpRecord::QsoDate, QStringLiteral("12/05/26"));
            r.set(QrpRecord::QsoTime, QStringLiteral("12:00:00"));
            std::memcpy(qrp.data() + qsizetype(i) * QrpRecord::Size, r.data(), QrpRecord::Size);
        }
        r.clear();
        r.set(QrpRecord::Band, QStringLiteral("40"));
        std::memcpy(qrp.data() + qsizetype(Contacts) * QrpRecord::Size, r.data(), QrpRecord::Size);
        write(LogStore::QrpFileName, qrp);
        write(LogStore::ArciFileName, QByteArray(qsizetype(Contacts) * ArciLine::Size, ' '));
        QByteArray check = "# active calls\n";
        for (int i = 0; i < CheckCalls; ++i)
            check += callNumber(i, "W").toLatin1() + '\n';
        write("MASTER.SCP", check);
        HistoryChoice choice;
        choice.checkFiles = {QDir(dir.path()).filePath(QStringLiteral("MASTER.SCP"))};
        choice.save();

        QElapsedTimer started;
        started.start();
        window = std::make_unique<frmKestrix>(dir.path(), platform.platform());
        if (!window->Form_Load())
            qFatal("the generated log did not open");
        startupMillis = double(started.nsecsElapsed()) / 1e6;
        window->ui().Timer1->stop();
        forgetChoice();
    }

    // The other benchmarks' windows start without call history or a check window.
    static void forgetChoice() { HistoryChoice().save(); }

    void write(const char *name, const QByteArray &bytes)
    {
        QFile f(QDir(dir.path()).filePath(QLatin1String(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
    }

    // Built on first use, and gone with the application (a window must not
    // outlive it).
    static BigStation &get()
    {
        static BigStation *station = nullptr;
        if (!station) {
            station = new BigStation;
            qAddPostRoutine([] { delete station; });
        }
        return *station;
    }

    void setCheckWindow(bool open)
    {
        if (open && !window->callHistory().checkWindow()) {
            window->ui().mnuCheck->trigger();
            forgetChoice();
        }
        if (frmCheck *check = window->callHistory().checkWindow())
            check->setVisible(open);
    }
};

void typeInCallBox(benchmark::State &state, bool checkWindowOpen)
{
    BigStation &s = BigStation::get();
    s.setCheckWindow(checkWindowOpen);
    QLineEdit *box = s.window->ui().txtCallsign;
    box->setText(QStringLiteral("K1"));
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        const bool letter = (i++ & 1) == 0;
        QKeyEvent press(QEvent::KeyPress, letter ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                        letter ? QStringLiteral("A") : QString());
        QCoreApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, press.text());
        QCoreApplication::sendEvent(box, &release);
        QCoreApplication::processEvents();
    }
    state.counters["startup_ms"] = s.startupMillis;
    state.counters["rss_MB"] = residentMegabytes();
}

void KeystrokeCheckWindowClosed(benchmark::State &state) { typeInCallBox(state, false); }
void KeystrokeCheckWindowOpen(benchmark::State &state) { typeInCallBox(state, true); }

// The check window's share of one keystroke: its partial matches, worked-before
// and score, for calls of the check file that offer no exchange (an offer runs
// the boxes' own rules, open or closed alike).
void CheckWindowShareOfKeystroke(benchmark::State &state)
{
    BigStation &s = BigStation::get();
    s.setCheckWindow(true);
    QLineEdit *box = s.window->ui().txtCallsign;
    const QStringList typed{QStringLiteral("W"),   QStringLiteral("W1"), QStringLiteral("W1A"), QStringLiteral("W5"),
                            QStringLiteral("W5Z"), QStringLiteral("K"),  QStringLiteral("1")};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            const QSignalBlocker quiet(box);
            box->setText(typed.at(i++ % typed.size()));
        }
        state.ResumeTiming();
        s.window->callHistory().txtCallsign_Change();
    }
}

} // namespace

// Run with --benchmark_enable_random_interleaving=true so that both share the machine's load alike.
BENCHMARK(KeystrokeCheckWindowClosed)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();
BENCHMARK(KeystrokeCheckWindowOpen)->Unit(benchmark::kMillisecond)->MinTime(5.0)->UseRealTime();
BENCHMARK(CheckWindowShareOfKeystroke)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
