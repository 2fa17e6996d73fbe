// The call index against a plain scan of the same records and sources, on
// random logs changed at random: partial matches, worked-before, the values
// offered for a call, and the live score against BandRecount.

#include "TestFiles.h"
#include "history/CallIndex.h"
#include "rules/BandRecount.h"
#include "store/LogStore.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

class tst_CallIndex : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void againstPlainScan();
};

namespace {

QString pick(QRandomGenerator &g, const QStringList &from) { return from[g.bounded(int(from.size()))]; }

struct Plain {
    QList<QrpRecord> records;
    QList<HistorySource> sources;

    static bool live(const QrpRecord &r) { return r.value(QrpRecord::Callsign) != QLatin1String("DELETED"); }

    QList<CallIndex::Match> matches(const QString &text, int limit) const
    {
        QSet<QString> inLog, known;
        for (const QrpRecord &r : records)
            if (live(r))
                inLog << r.value(QrpRecord::Callsign);
        known = inLog;
        for (const HistorySource &s : sources)
            for (const auto &e : s.entries)
                known << e.call;
        QList<std::tuple<int, bool, QByteArray>> ranked;
        for (const QString &c : known)
            if (c.contains(text))
                ranked.append({c == text ? 0 : c.startsWith(text) ? 1 : 2, !inLog.contains(c), c.toLatin1()});
        std::sort(ranked.begin(), ranked.end());
        QList<CallIndex::Match> out;
        for (const auto &[group, other, call] : ranked.first(qMin<qsizetype>(limit, ranked.size())))
            out.append({QString::fromLatin1(call), !other});
        return out;
    }

    QList<CallIndex::Worked> worked(const QString &call) const
    {
        QList<CallIndex::Worked> out;
        for (qsizetype n = records.size(); n >= 1; --n) {
            const QrpRecord &r = records[n - 1];
            const int band = BandRecount::bandOf(r.data());
            if (live(r) && r.value(QrpRecord::Callsign) == call && band >= 0 &&
                std::none_of(out.begin(), out.end(), [&](const auto &w) { return w.band == band; }))
                out.append(
                    {band, qint32(n), r.value(QrpRecord::Arci), r.value(QrpRecord::Power), r.value(QrpRecord::SPC)});
        }
        std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) { return a.band < b.band; });
        return out;
    }

    std::optional<CallIndex::Known> lookup(const QString &call) const
    {
        for (qsizetype n = records.size(); n >= 1; --n) {
            const QrpRecord &r = records[n - 1];
            if (live(r) && r.value(QrpRecord::Callsign) == call) {
                const QString arci = r.value(QrpRecord::Arci);
                const QString power = r.value(QrpRecord::Power);
                return CallIndex::Known{r.value(QrpRecord::SPC),
                                        arci.isEmpty() ? (power.isEmpty() ? power : power + "W") : arci, true};
            }
        }
        std::optional<CallIndex::Known> known;
        for (const HistorySource &s : sources)
            for (const auto &e : s.entries)
                if (e.call == call && (!e.spc.isEmpty() || !e.exchange.isEmpty()))
                    known = CallIndex::Known{e.spc, e.exchange, false};
        return known;
    }
};

void compare(const CallIndex &index, const Plain &plain, const QStringList &pool, QRandomGenerator &g)
{
    BandRecount recount;
    QList<qint64> times;
    for (const QrpRecord &r : plain.records) {
        recount.add(r.data());
        if (Plain::live(r) && CallIndex::timeOf(r.data()) >= 0)
            times << CallIndex::timeOf(r.data());
    }
    std::sort(times.begin(), times.end());
    qint64 operating = 0;
    for (qsizetype i = 1; i < times.size(); ++i)
        operating += times[i] - times[i - 1] < 1800 ? times[i] - times[i - 1] : 0;
    const QDateTime now =
        QDateTime::fromSecsSinceEpoch(times.isEmpty() ? 0 : times[g.bounded(int(times.size()))], Qt::UTC);
    const auto within = [&](qint64 s) {
        return std::count_if(times.begin(), times.end(),
                             [&](qint64 t) { return t <= now.toSecsSinceEpoch() && t > now.toSecsSinceEpoch() - s; });
    };
    const CallIndex::LiveScore score = index.liveScore(now, {2, 1, 10, 3600});
    QCOMPARE(score.sums, recount.sums());
    QCOMPARE(score.finalScore, recount.sums().totalPoints() * recount.sums().totalMultipliers() * 2.0 + 10);
    QCOMPARE(score.lastTen, within(600));
    QCOMPARE(score.lastSixty, within(3600));
    QCOMPARE(score.operatingSeconds, operating);
    QCOMPARE(score.remainingSeconds, qMax<qint64>(0, 3600 - operating));
    for (const QString &call : pool) {
        QCOMPARE(index.workedBefore(call), plain.worked(call));
        QCOMPARE(index.lookup(call), plain.lookup(call));
        const QString typed = call.mid(g.bounded(int(call.size())), 1 + g.bounded(3));
        for (int limit : {3, 40})
            QCOMPARE(index.partialMatches(typed.toLower(), limit), plain.matches(typed, limit));
    }
}

} // namespace

void tst_CallIndex::againstPlainScan()
{
    QCOMPARE(CallIndex::timeOf(TestLog::record({"K", "", "", "", "", "", "40", "12/07/98", "14:03:27", "", ""}).data()),
             QDateTime(QDate(1998, 12, 7), QTime(14, 3, 27), Qt::UTC).toSecsSinceEpoch());
    for (quint32 seed = 1; seed <= 12; ++seed) {
        QRandomGenerator g(seed);
        QStringList pool;
        while (pool.size() < 30) {
            QString call;
            for (int i = 0, n = 1 + g.bounded(6); i < n; ++i)
                call += QChar(u"KW12AB/"[g.bounded(7)]);
            if (!pool.contains(call))
                pool << call;
        }
        auto randomRecord = [&] {
            return TestLog::record(
                {g.bounded(8) ? pick(g, pool) : QStringLiteral("DELETED"), pick(g, {"", "1234", "0", " 77"}),
                 pick(g, {"", "5", "0", "10"}), pick(g, {"", "MA", "ONT", "ENGL", " NY", "X"}), "579", "579",
                 pick(g, {"160", "80", "40", "20", "15", "10", "6", "2", "", " 40"}), g.bounded(10) ? "12/07/98" : "",
                 QTime(14, 0).addSecs(g.bounded(3 * 3600)).toString(), "5", "1"});
        };
        Plain plain;
        HistorySource history, check;
        check.kind = HistorySource::CheckPartial;
        for (int i = 0; i < 20; ++i) {
            history.entries.append({pick(g, pool), pick(g, {"", "OH", "QUE"}), pick(g, {"", "99", "5"})});
            check.entries.append({pick(g, pool), {}, {}});
        }
        plain.sources = {history, check};
        for (int i = 0; i < 40; ++i)
            plain.records << randomRecord();
        QByteArray bytes;
        for (const QrpRecord &r : plain.records)
            bytes += r.bytes();
        CallIndex index;
        index.rebuild(plain.sources, bytes.constData(), plain.records.size());
        compare(index, plain, pool, g);
        for (int step = 0; step < 60; ++step) {
            const int n = 1 + g.bounded(int(plain.records.size()));
            switch (g.bounded(3)) {
            case 0:
                plain.records << randomRecord();
                index.addRecord(qint32(plain.records.size()), plain.records.back());
                break;
            case 1:
                plain.records[n - 1] = randomRecord();
                index.replaceRecord(n, plain.records[n - 1]);
                break;
            default:
                plain.records[n - 1] = QrpRecord::deleted();
                index.deleteRecord(n);
            }
            compare(index, plain, pool, g);
        }
        // The same records built from the open log's file.
        QTemporaryDir dir;
        TestLog::writeLog(dir.path(), plain.records, QStringLiteral("40"));
        LogStore store(dir.path(), [](const QString &file, const QString &why) { QFAIL(qPrintable(file + why)); });
        QVERIFY(store.open());
        CallIndex fromFile;
        fromFile.rebuild(plain.sources, store);
        compare(fromFile, plain, pool, g);
    }
}

QTEST_GUILESS_MAIN(tst_CallIndex)
#include "tst_callindex.moc"
