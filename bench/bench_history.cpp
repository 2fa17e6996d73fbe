// The call index at 1 000 000 contacts and a 50 000-call check file: building
// it at start-up, the partial matches of one keystroke, worked-before, the live
// score, and keeping it current on a save. The resident memory after the build
// is reported as a counter.

#include "history/CallHistoryFile.h"
#include "history/CallIndex.h"
#include "store/QrpRecord.h"

#include "ResidentMemory.h"
#include <QDateTime>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>

namespace {

constexpr int Contacts = 1000000;
constexpr int CheckCalls = 50000;

// Calls shaped as real ones: a prefix, a digit and one to three letters.
QString randomCall(QRandomGenerator &g)
{
    static const char *const prefixes[] = {"K", "W", "N", "AA", "KB", "WA", "VE", "G", "DL", "JA", "F", "ON"};
    QString call = QLatin1String(prefixes[g.bounded(int(std::size(prefixes)))]);
    call += QChar(u'0' + g.bounded(10));
    for (int i = 0, n = 1 + g.bounded(3); i < n; ++i)
        call += QChar(u'A' + g.bounded(26));
    return call;
}

struct Fixture {
    QByteArray records;
    QTemporaryDir dir;
    QString checkPath;
    QStringList calls; // some of the log's calls, to type
    std::unique_ptr<CallIndex> index;
    double indexMegabytes = 0;

    Fixture()
    {
        QRandomGenerator g(7);
        const char *const bands[] = {"160", "80", "40", "20", "15", "10", "6"};
        const char *const spcs[] = {"NY", "MA", "OH", "CA", "TX", "ONT", "QUE", "ENGL", "GERM", "JAPN"};
        records.resize(qsizetype(Contacts) * QrpRecord::Size);
        QrpRecord r;
        const QDateTime start(QDate(2026, 12, 5), QTime(0, 0), Qt::UTC);
        for (int i = 0; i < Contacts; ++i) {
            r.clear();
            const QString call = randomCall(g);
            if (i % 1000 == 0)
                calls << call;
            const QDateTime at = start.addSecs(i / 4);
            r.set(QrpRecord::Callsign, call);
            r.set(QrpRecord::Arci, i % 3 ? QString::number(1000 + i % 9000) : QString());
            r.set(QrpRecord::Power, i % 3 ? QString() : QStringLiteral("5"));
            r.set(QrpRecord::SPC, QLatin1String(spcs[i % std::size(spcs)]));
            r.set(QrpRecord::RstSent, QStringLiteral("579"));
            r.set(QrpRecord::RstRcvd, QStringLiteral("599"));
            r.set(QrpRecord::Band, QLatin1String(bands[g.bounded(7)]));
            r.set(QrpRecord::QsoDate, at.toString(QStringLiteral("MM/dd/yy")));
            r.set(QrpRecord::QsoTime, at.toString(QStringLiteral("hh:mm:ss")));
            std::memcpy(records.data() + qsizetype(i) * QrpRecord::Size, r.data(), QrpRecord::Size);
        }
        QByteArray check = "# active calls\n";
        for (int i = 0; i < CheckCalls; ++i)
            check += randomCall(g).toLatin1() + '\n';
        checkPath = QDir(dir.path()).filePath(QStringLiteral("MASTER.SCP"));
        QFile f(checkPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(check) != check.size())
            qFatal("cannot write the check file");
    }

    std::unique_ptr<CallIndex> build() const
    {
        auto built = std::make_unique<CallIndex>();
        built->rebuild({CallHistoryFile::readCheckPartial(checkPath)}, records.constData(), Contacts);
        return built;
    }

    static Fixture &get()
    {
        static Fixture fixture;
        if (!fixture.index) {
            const double before = residentMegabytes();
            fixture.index = fixture.build();
            fixture.indexMegabytes = residentMegabytes() - before;
        }
        return fixture;
    }
};

// The longest any one of the texts takes, in microseconds.
double slowest(const CallIndex &index, const QStringList &typed)
{
    double most = 0;
    for (const QString &text : typed) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(index.partialMatches(text));
        most =
            std::max(most, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return most;
}

// Start-up: the check file read and the index built from every contact.
void BM_HistoryBuild(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    for (auto _ : state) {
        auto built = f.build();
        benchmark::DoNotOptimize(built->callCount());
    }
    state.counters["calls"] = double(f.index->callCount());
    state.counters["rss_MB"] = residentMegabytes();
    state.counters["index_MB"] = f.indexMegabytes;
}
BENCHMARK(BM_HistoryBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

// One keystroke: the calls holding what the call box holds after it, typed
// call by call from the first character to the last.
void BM_HistoryPartialMatch(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    QStringList typed;
    for (const QString &call : f.calls)
        for (int n = 1; n <= call.size(); ++n)
            typed << call.left(n) << call.mid(1, n);
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.index->partialMatches(typed[i]));
        i = (i + 1) % typed.size();
    }
    state.counters["slowest_us"] = slowest(*f.index, typed);
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_HistoryPartialMatch)->Unit(benchmark::kMicrosecond);

// Keystrokes that few calls begin with: every single character, and groups few calls hold.
void BM_HistoryPartialMatchRare(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    QStringList typed{QStringLiteral("QZ"), QStringLiteral("9X"), QStringLiteral("ZZZ")};
    for (char c : QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/"))
        typed << QString(QLatin1Char(c));
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.index->partialMatches(typed[i]));
        i = (i + 1) % typed.size();
    }
    state.counters["slowest_us"] = slowest(*f.index, typed);
}
BENCHMARK(BM_HistoryPartialMatchRare)->Unit(benchmark::kMicrosecond);

void BM_HistoryWorkedBefore(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.index->workedBefore(f.calls[i]));
        benchmark::DoNotOptimize(f.index->lookup(f.calls[i]));
        i = (i + 1) % f.calls.size();
    }
}
BENCHMARK(BM_HistoryWorkedBefore)->Unit(benchmark::kMicrosecond);

void BM_HistoryLiveScore(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    const QDateTime now(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.index->liveScore(now, {1, 1, 0, 24 * 3600}));
}
BENCHMARK(BM_HistoryLiveScore)->Unit(benchmark::kMicrosecond);

// A save and a change of the same contact, as the window reports them.
void BM_HistorySaveAndChange(benchmark::State &state)
{
    Fixture &f = Fixture::get();
    const QrpRecord last = QrpRecord::fromBytes(f.records.right(QrpRecord::Size));
    QrpRecord changed = last;
    changed.set(QrpRecord::Band, QStringLiteral("20"));
    for (auto _ : state) {
        f.index->addRecord(Contacts + 1, last);
        f.index->replaceRecord(Contacts + 1, changed);
        f.index->deleteRecord(Contacts + 1);
    }
}
BENCHMARK(BM_HistorySaveAndChange)->Unit(benchmark::kMicrosecond);

} // namespace
