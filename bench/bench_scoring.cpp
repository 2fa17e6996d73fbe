// The scans behind the call-sign box, the ARCI box and the Update button, on
// generated logs of 1 000, 10 000 and 100 000 contacts, against the floor of a
// plain scan that reads the same file into memory and compares two fields per
// record.

#include "console/frmKestrix.h"
#include "platform/DesktopPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

const char *const Bands[] = {"160", "80", "40", "20", "15", "10", "6"};
const char *const Spcs[] = {
    "NY", "NJ", "CT",  "MA",  "VT",  "NH",  "ME",  "RI", "PA", "OH",  "MI",   "IN",   "IL",   "WI",   "MN",   "IA",
    "MO", "KS", "NE",  "SD",  "ND",  "MT",  "WY",  "CO", "NM", "AZ",  "UT",   "NV",   "CA",   "OR",   "WA",   "ID",
    "TX", "OK", "AR",  "LA",  "MS",  "AL",  "GA",  "FL", "SC", "NC",  "VA",   "WV",   "MD",   "DE",   "KY",   "TN",
    "AK", "HI", "ONT", "QUE", "MAN", "SAS", "ALB", "NS", "NB", "MEX", "SCOT", "ENGL", "GERM", "JAPN", "ITAL", "FRAN"};

// A log of `contacts` generated contacts and its placeholder, in a folder of its own.
struct GeneratedLog {
    QTemporaryDir dir;
    DesktopPlatform platform;
    std::unique_ptr<frmKestrix> window;

    explicit GeneratedLog(int contacts)
    {
        QByteArray qrp;
        qrp.reserve(qsizetype(contacts + 1) * QrpRecord::Size);
        QrpRecord r;
        for (int i = 0; i < contacts; ++i) {
            r.clear();
            const char *spc = Spcs[(i * 7) % std::size(Spcs)];
            r.set(QrpRecord::Callsign, QStringLiteral("K%1").arg(i, 6, 36, QLatin1Char('0')).toUpper());
            r.set(QrpRecord::Arci, i % 3 ? QString::number(1000 + i % 9000) : QStringLiteral("     "));
            r.set(QrpRecord::Power, i % 3 ? QString() : QStringLiteral("5"));
            r.set(QrpRecord::SPC, QLatin1String(spc));
            r.set(QrpRecord::RstSent, QStringLiteral("579"));
            r.set(QrpRecord::RstRcvd, QStringLiteral("599"));
            r.set(QrpRecord::Band, QLatin1String(Bands[i % 7]));
            r.set(QrpRecord::QsoDate, QStringLiteral("12/07/98"));
            r.set(QrpRecord::QsoTime, QStringLiteral("14:03:27"));
            r.set(QrpRecord::Points, i % 3 ? QStringLiteral("5") : QStringLiteral("2"));
            r.set(QrpRecord::Multiplier, i < 7 * int(std::size(Spcs)) ? QStringLiteral("1") : QStringLiteral("0"));
            qrp += r.bytes();
        }
        r.clear();
        r.set(QrpRecord::Band, QStringLiteral("40"));
        qrp += r.bytes();
        write(LogStore::QrpFileName, qrp);
        write(LogStore::ArciFileName, QByteArray(qsizetype(contacts) * ArciLine::Size, ' '));

        window = std::make_unique<frmKestrix>(dir.path(), platform.platform());
        window->setFileErrorHandler(
            [](const QString &file, const QString &reason) { qFatal("%s: %s", qPrintable(file), qPrintable(reason)); });
        if (!window->Form_Load())
            qFatal("the generated log did not open");
        window->ui().Timer1->stop();
    }

    void write(const char *name, const QByteArray &bytes)
    {
        QFile f(QDir(dir.path()).filePath(QLatin1String(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", name);
    }

    QString path() const { return QDir(dir.path()).filePath(QLatin1String(LogStore::QrpFileName)); }
};

GeneratedLog &logOf(int contacts)
{
    static std::map<int, std::unique_ptr<GeneratedLog>> logs;
    auto &log = logs[contacts];
    if (!log)
        log = std::make_unique<GeneratedLog>(contacts);
    return *log;
}

// The floor: read the stored contacts with one read and compare the call sign
// and band of each record with a padded key.
void PlainScan(benchmark::State &state)
{
    GeneratedLog &log = logOf(int(state.range(0)));
    const int fd = ::open(QFile::encodeName(log.path()).constData(), O_RDONLY);
    const qint64 contacts = log.window->RecordCount() - 1;
    const char call[8] = {'Q', '9', 'Z', 'Z', 'Z', ' ', ' ', ' '};
    const char band[3] = {'4', '0', ' '};
    quint64 callKey;
    std::memcpy(&callKey, call, 8);
    for (auto _ : state) {
        QByteArray bytes(contacts * QrpRecord::Size, Qt::Uninitialized);
        if (::pread(fd, bytes.data(), bytes.size(), 0) != bytes.size())
            state.SkipWithError("short read");
        int hits = 0;
        for (const char *r = bytes.constData(), *end = r + bytes.size(); r < end; r += QrpRecord::Size) {
            quint64 stored;
            std::memcpy(&stored, r, 8);
            const bool sameCall = stored == callKey;
            const bool sameBand = ((r[27] ^ band[0]) | (r[28] ^ band[1]) | (r[29] ^ band[2])) == 0;
            hits += int(sameCall) & int(sameBand);
        }
        benchmark::DoNotOptimize(hits);
    }
    ::close(fd);
    state.SetComplexityN(state.range(0));
}

// One run of the call-sign rule: a call sign that is not in the log, so the whole
// log is read (help text and mode line included).
void DuplicateCheckRule(benchmark::State &state)
{
    frmKestrix &w = *logOf(int(state.range(0))).window;
    w.ui().txtBand->setText(QStringLiteral("40"));
    const QString calls[2] = {QStringLiteral("Q9ZZZ"), QStringLiteral("Q9ZZY")};
    int i = 0;
    for (auto _ : state)
        w.ui().txtCallsign->setText(calls[i++ & 1]);
    state.SetComplexityN(state.range(0));
}

// One multiplier check, as the ARCI rule runs it; it always reads the whole log.
void MultiplierCheckRule(benchmark::State &state)
{
    frmKestrix &w = *logOf(int(state.range(0))).window;
    w.ui().txtBand->setText(QStringLiteral("40"));
    w.ui().txtSpc->setText(QStringLiteral("NY"));
    for (auto _ : state)
        w.CheckMultiplier();
    state.SetComplexityN(state.range(0));
}

// One recount into the band chart and the summary sheet.
void Recount(benchmark::State &state)
{
    frmKestrix &w = *logOf(int(state.range(0))).window;
    for (auto _ : state)
        w.UpdateTotals();
    state.SetComplexityN(state.range(0));
}

void Sizes(benchmark::internal::Benchmark *b)
{
    b->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
}

} // namespace

BENCHMARK(PlainScan)->Apply(Sizes);
BENCHMARK(DuplicateCheckRule)->Apply(Sizes);
BENCHMARK(MultiplierCheckRule)->Apply(Sizes);
BENCHMARK(Recount)->Apply(Sizes);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
