// Search speed: one search over a log of 100 000 contacts against the floor of a
// plain scan of the same records, and the time to set a list of 1 000 matches
// into the display panel.

#include "console/frmKestrix.h"
#include "platform/DesktopPlatform.h"
#include "review/RecordSearch.h"
#include "store/QrpRecord.h"
#include "widgets/DisplayPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

constexpr int Contacts = 100000;

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kestrix_bench";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives for the whole run
}

QrpRecord contact(const QString &call, const QString &arci, const QString &spc)
{
    QrpRecord r;
    r.set(QrpRecord::Callsign, call);
    r.set(QrpRecord::Arci, arci);
    r.set(QrpRecord::Power, arci.isEmpty() ? QStringLiteral("5") : QString());
    r.set(QrpRecord::SPC, spc);
    r.set(QrpRecord::RstSent, QStringLiteral("579"));
    r.set(QrpRecord::RstRcvd, QStringLiteral("599"));
    r.set(QrpRecord::Band, QStringLiteral("40"));
    r.set(QrpRecord::QsoDate, QStringLiteral("12/07/98"));
    r.set(QrpRecord::QsoTime, QStringLiteral("14:03:27"));
    r.set(QrpRecord::Points, arci.isEmpty() ? QStringLiteral("2") : QStringLiteral("5"));
    r.set(QrpRecord::Multiplier, QStringLiteral("0"));
    return r;
}

// A window on a log of 100 000 contacts: K1ABC three times, K2MANY on every
// hundredth record (1 000 matches), everything else a distinct call.
struct BigLog {
    QTemporaryDir dir;
    DesktopPlatform platform;
    std::unique_ptr<frmKestrix> window;

    BigLog()
    {
        QByteArray bytes;
        bytes.reserve(qsizetype(Contacts + 1) * QrpRecord::Size);
        for (int i = 1; i <= Contacts; ++i) {
            QString call = QStringLiteral("W%1").arg(i, 6, 36, QLatin1Char('0')).toUpper();
            if (i % 100 == 50)
                call = QStringLiteral("K2MANY");
            if (i == 10 || i == 50001 || i == 99999)
                call = QStringLiteral("K1ABC");
            bytes += contact(call, i % 3 ? QString::number(i % 9000) : QString(), QStringLiteral("NY")).bytes();
        }
        QrpRecord placeholder;
        placeholder.set(QrpRecord::Band, QStringLiteral("40"));
        bytes += placeholder.bytes();
        QFile f(QDir(dir.path()).filePath(QStringLiteral("QRPDATA.DAT")));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the benchmark log");
        f.close();
        window = std::make_unique<frmKestrix>(dir.path(), platform.platform());
        window->setFileErrorHandler([](const QString &file, const QString &reason) {
            qFatal("file error on %s: %s", qPrintable(file), qPrintable(reason));
        });
        if (!window->Form_Load())
            qFatal("the benchmark log did not open");
        window->ui().Timer1->stop();
        window->show();
        QCoreApplication::processEvents();
    }

    static BigLog &get()
    {
        ensureApplication();
        // The window goes before the application does.
        static BigLog *log = [] {
            auto *made = new BigLog;
            qAddPostRoutine([] { delete log; });
            return made;
        }();
        return *log;
    }

    // Runs the search for `text` as a keystroke would.
    void search(const QString &text)
    {
        {
            const QSignalBlocker quiet(window->ui().txtSearchInfo);
            window->ui().txtSearchInfo->setText(text);
        }
        window->recordSearch().txtSearchInfo_Change();
    }
};

// The floor: the whole file read with one read, and each 48-byte record's call
// sign compared with the text; no record buffer, no output.
void BM_PlainScan(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    const QString path = QDir(log.dir.path()).filePath(QStringLiteral("QRPDATA.DAT"));
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            qFatal("cannot read the benchmark log");
        const QByteArray bytes = f.readAll();
        int hits = 0;
        for (qsizetype at = 0; at + QrpRecord::Size <= bytes.size(); at += QrpRecord::Size)
            hits += std::memcmp(bytes.constData() + at, "K1ABC   ", 8) == 0;
        benchmark::DoNotOptimize(hits);
    }
    state.SetItemsProcessed(state.iterations() * log.window->RecordCount());
}
BENCHMARK(BM_PlainScan)->Unit(benchmark::kMillisecond);

// The log store's in-place scan alone, as the search reads the log: every record
// visited once, nothing compared.
void BM_StoreScan(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    for (auto _ : state) {
        qint64 seen = 0;
        log.window->log().scanRaw(1, log.window->RecordCount(), [&](qint32, const char *record) {
            seen += record[0];
            return true;
        });
        benchmark::DoNotOptimize(seen);
    }
    state.SetItemsProcessed(state.iterations() * log.window->RecordCount());
}
BENCHMARK(BM_StoreScan)->Unit(benchmark::kMillisecond);

void BM_SearchThreeMatches(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    for (auto _ : state)
        log.search(QStringLiteral("K1ABC"));
    state.SetItemsProcessed(state.iterations() * log.window->RecordCount());
}
BENCHMARK(BM_SearchThreeMatches)->Unit(benchmark::kMillisecond);

void BM_SearchNoMatch(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    for (auto _ : state)
        log.search(QStringLiteral("K1AB"));
    state.SetItemsProcessed(state.iterations() * log.window->RecordCount());
}
BENCHMARK(BM_SearchNoMatch)->Unit(benchmark::kMillisecond);

void BM_SearchThousandMatches(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    for (auto _ : state)
        log.search(QStringLiteral("K2MANY"));
    state.SetItemsProcessed(state.iterations() * log.window->RecordCount());
}
BENCHMARK(BM_SearchThousandMatches)->Unit(benchmark::kMillisecond);

// The part of every search that does not grow with the log: putting the
// three-line no-match text into the display panel.
void BM_PanelNoMatchText(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    frmKestrix &w = *log.window;
    w.setNewLine();
    for (auto _ : state)
        w.writePanel(8,
                     {QString(), QStringLiteral("Sorry, no records match"), QStringLiteral("your search criteria.")});
}
BENCHMARK(BM_PanelNoMatchText)->Unit(benchmark::kMillisecond);

// Setting a list of 1 000 matches (14 000 lines) into the display panel, and the
// same followed by the repaint the window then does.
void BM_PanelThousandMatches(benchmark::State &state)
{
    BigLog &log = BigLog::get();
    frmKestrix &w = *log.window;
    w.setNewLine();
    QString list;
    for (int i = 1; i <= 1000; ++i) {
        RecordSearch::appendBlock(
            list, i * 100, contact(QStringLiteral("K2MANY"), QStringLiteral("1234"), QStringLiteral("NY")), w.NewLine);
        list += w.NewLine;
    }
    const bool repaint = state.range(0) != 0;
    for (auto _ : state) {
        w.writePanel(8, {list});
        if (repaint) {
            w.ui().txtSpecs->viewport()->repaint();
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        w.writePanel(8, {QStringLiteral("x")});
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PanelThousandMatches)->Arg(0)->Arg(1)->ArgNames({"repaint"})->Unit(benchmark::kMillisecond);

} // namespace
