#include "history/CallIndex.h"

#include "rules/FinalScore.h"
#include "store/LogStore.h"
#include "store/QrpRecord.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

constexpr QrpRecord::Layout at(QrpRecord::Field f) { return QrpRecord::layout[f]; }

// A field's bytes with blanks at either end removed.
QByteArrayView trimmed(const char *record, QrpRecord::Field f)
{
    const auto [offset, width] = at(f);
    int first = offset, last = offset + width;
    while (first < last && record[first] == ' ')
        ++first;
    while (last > first && record[last - 1] == ' ')
        --last;
    return QByteArrayView(record + first, last - first);
}

// The S-P-C as BandRecount keys it: trimmed, moved to the front, padded with blanks.
quint32 spcKey(const char *record)
{
    const QByteArrayView spc = trimmed(record, QrpRecord::SPC);
    quint32 key = 0;
    for (int i = 0; i < 4; ++i)
        key = (key << 8) | static_cast<unsigned char>(i < spc.size() ? spc[i] : ' ');
    return key;
}
constexpr quint32 BlankSpc = 0x20202020;

QString spcText(quint32 key)
{
    char text[4];
    qToBigEndian(key, text);
    return QString::fromLatin1(text, 4).trimmed();
}

// The character groups the index is kept by: letters, digits and '/' each
// stand for themselves, every other character for one shared symbol.
constexpr int Symbols = 38;
constexpr int Bigrams = Symbols + Symbols * Symbols;
constexpr int Grams = Bigrams + Symbols * Symbols * Symbols;
int symbol(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= '0' && c <= '9')
        return 26 + c - '0';
    return c == '/' ? 36 : 37;
}
int unigram(const char *s) { return symbol(s[0]); }
int bigram(const char *s) { return Symbols + symbol(s[0]) * Symbols + symbol(s[1]); }
int trigram(const char *s) { return Bigrams + (symbol(s[0]) * Symbols + symbol(s[1])) * Symbols + symbol(s[2]); }

// Days from 1970-01-01 to a day of the proleptic Gregorian calendar.
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return qint64(era) * 146097 + doe - 719468;
}

// Two digits at text[i], or -1.
int twoDigits(const char *text, int i)
{
    const char a = text[i], b = text[i + 1];
    return a >= '0' && a <= '9' && b >= '0' && b <= '9' ? (a - '0') * 10 + (b - '0') : -1;
}

} // namespace

CallIndex::Key CallIndex::Key::of(const char *text, int length)
{
    char bytes[16] = {};
    std::memcpy(bytes, text, std::size_t(qMin(length, 16)));
    return Key{qFromBigEndian<quint64>(bytes), qFromBigEndian<quint64>(bytes + 8)};
}

CallIndex::Key CallIndex::Key::of(const QString &call)
{
    const QByteArray bytes = call.toLatin1();
    return of(bytes.constData(), int(bytes.size()));
}

int CallIndex::Key::length() const
{
    int n = 0;
    while (n < 16 && at(n) != 0)
        ++n;
    return n;
}

QString CallIndex::Key::text() const
{
    char bytes[16];
    qToBigEndian(hi, bytes);
    qToBigEndian(lo, bytes + 8);
    return QString::fromLatin1(bytes, length());
}

qint64 CallIndex::timeOf(const char *record)
{
    const char *date = record + at(QrpRecord::QsoDate).offset;
    const char *time = record + at(QrpRecord::QsoTime).offset;
    if (date[2] != '/' || date[5] != '/' || time[2] != ':' || time[5] != ':')
        return -1;
    const int month = twoDigits(date, 0), day = twoDigits(date, 3), year = twoDigits(date, 6);
    const int h = twoDigits(time, 0), m = twoDigits(time, 3), s = twoDigits(time, 6);
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 0 || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 ||
        s > 59)
        return -1;
    const qint64 days = daysFromCivil(year >= 70 ? 1900 + year : 2000 + year, month, day);
    return days * 86400 + h * 3600 + m * 60 + s;
}

// ---- building ---------------------------------------------------------------------

void CallIndex::rebuild(const QList<HistorySource> &sources, LogStore &log)
{
    const qint64 count = qMax<qint64>(0, log.RecordCount() - 1);
    QByteArray bytes = count > 0 ? log.qrpFile().readRange(1, count) : QByteArray();
    if (bytes.size() < count * QrpRecord::Size)
        bytes.append(QByteArray(count * QrpRecord::Size - bytes.size(), ' '));
    rebuild(sources, bytes.constData(), count);
}

void CallIndex::rebuild(const QList<HistorySource> &sources, const char *records, qint64 count)
{
    *this = CallIndex();
    m_contacts.assign(std::size_t(count + 1), Contact{});

    // Every call once, from the log and the sources: sorted, their order is their id.
    struct Origin {
        Key key;
        qint64 from; // a record number, or minus one minus the entry's place among all entries
        bool operator<(const Origin &o) const { return key < o.key; }
    };
    std::vector<Origin> origins;
    qint64 entries = 0;
    for (const HistorySource &s : sources)
        entries += s.entries.size();
    origins.reserve(std::size_t(count + entries));
    for (qint64 n = 1; n <= count; ++n) {
        const char *r = records + (n - 1) * QrpRecord::Size;
        const QByteArrayView call = trimmed(r, QrpRecord::Callsign);
        if (call == QByteArrayView(QrpRecord::DeletedCall))
            continue;
        Contact &c = m_contacts[n];
        c = contactOf(r);
        origins.push_back({Key::of(call.data(), int(call.size())), n});
    }
    qint64 e = 0;
    for (const HistorySource &s : sources)
        for (const HistorySource::Entry &entry : s.entries)
            origins.push_back({Key::of(entry.call), -1 - e++});
    std::sort(origins.begin(), origins.end());

    std::vector<quint32> entryIds(static_cast<std::size_t>(entries));
    m_calls.reserve(origins.size());
    for (const Origin &o : origins) {
        if (m_calls.empty() || m_calls.back() != o.key)
            m_calls.push_back(o.key);
        const quint32 id = quint32(m_calls.size() - 1);
        if (o.from > 0)
            m_contacts[o.from].call = id;
        else
            entryIds[std::size_t(-1 - o.from)] = id;
    }
    m_calls.shrink_to_fit();
    m_sealed = quint32(m_calls.size());
    m_logCount.assign(m_sealed, 0);
    m_flags.assign(m_sealed, 0);
    m_head.assign(m_sealed, 0);
    m_tail.assign(m_sealed, 0);

    // The contacts in record order, counted as BandRecount counts them.
    std::vector<quint8> bandsSeen(m_sealed, 0);
    for (qint64 n = 1; n <= count; ++n) {
        const Contact &c = m_contacts[n];
        if (c.call == NoCall)
            continue;
        link(qint32(n));
        ++m_logCount[c.call];
        if (c.time >= 0)
            m_times.push_back(c.time);
        if (c.band < 0)
            continue;
        ++m_sums.contacts[c.band];
        if (bandsSeen[c.call] & (1 << c.band)) {
            ++m_sums.duplicates[c.band];
            continue;
        }
        bandsSeen[c.call] |= quint8(1 << c.band);
        m_sums.points[c.band] += c.points;
        spcCount(c.band, c.spc, +1);
    }
    std::sort(m_times.begin(), m_times.end());
    for (std::size_t i = 1; i < m_times.size(); ++i)
        if (m_times[i] - m_times[i - 1] < BreakSeconds)
            m_operating += m_times[i] - m_times[i - 1];

    e = 0;
    for (const HistorySource &s : sources)
        for (const HistorySource::Entry &entry : s.entries) {
            const quint32 id = entryIds[std::size_t(e++)];
            m_flags[id] |= s.kind == HistorySource::CheckPartial ? FromCheck : FromHistory;
            if (!entry.spc.isEmpty() || !entry.exchange.isEmpty())
                m_history.insert(id, Known{entry.spc, entry.exchange, false});
        }
    buildGrams();
}

void CallIndex::buildGrams()
{
    m_gramStart.assign(Grams + 1, 0);
    auto eachGram = [this](quint32 id, auto &&use) {
        char text[16];
        qToBigEndian(m_calls[id].hi, text);
        qToBigEndian(m_calls[id].lo, text + 8);
        const int length = m_calls[id].length();
        int grams[48], n = 0;
        for (int i = 0; i < length; ++i)
            grams[n++] = unigram(text + i);
        for (int i = 0; i + 1 < length; ++i)
            grams[n++] = bigram(text + i);
        for (int i = 0; i + 2 < length; ++i)
            grams[n++] = trigram(text + i);
        std::sort(grams, grams + n);
        for (int i = 0; i < n; ++i)
            if (i == 0 || grams[i] != grams[i - 1])
                use(grams[i]);
    };
    for (quint32 id = 0; id < m_sealed; ++id)
        eachGram(id, [this](int g) { ++m_gramStart[g + 1]; });
    for (int g = 0; g < Grams; ++g)
        m_gramStart[g + 1] += m_gramStart[g];
    m_gramIds.resize(m_gramStart[Grams]);
    std::vector<quint32> fill(m_gramStart.begin(), m_gramStart.end() - 1);
    for (quint32 id = 0; id < m_sealed; ++id)
        eachGram(id, [&](int g) { m_gramIds[fill[g]++] = id; });
}

CallIndex::Contact CallIndex::contactOf(const char *record) const
{
    Contact c;
    c.time = timeOf(record);
    c.band = qint8(BandRecount::bandOf(record));
    c.points = qint8(BandRecount::pointsOf(record));
    c.spc = spcKey(record);
    std::memcpy(c.arci, record + at(QrpRecord::Arci).offset, sizeof c.arci);
    std::memcpy(c.power, record + at(QrpRecord::Power).offset, sizeof c.power);
    return c;
}

// ---- keeping current --------------------------------------------------------------

quint32 CallIndex::idOf(const Key &key) const
{
    const auto sealedEnd = m_calls.begin() + m_sealed;
    const auto found = std::lower_bound(m_calls.begin(), sealedEnd, key);
    if (found != sealedEnd && *found == key)
        return quint32(found - m_calls.begin());
    const auto added = m_added.find(key);
    return added == m_added.end() ? NoCall : added->second;
}

quint32 CallIndex::idOfCall(const QString &call) const
{
    if (call.isEmpty() || call.size() > 16)
        return NoCall;
    for (QChar c : call)
        if (c.unicode() > 0xFF)
            return NoCall;
    return idOf(Key::of(call));
}

quint32 CallIndex::idFor(const Key &key)
{
    quint32 id = idOf(key);
    if (id != NoCall)
        return id;
    id = quint32(m_calls.size());
    m_calls.push_back(key);
    m_logCount.push_back(0);
    m_flags.push_back(0);
    m_head.push_back(0);
    m_tail.push_back(0);
    m_added.emplace(key, id);
    return id;
}

void CallIndex::link(qint32 n)
{
    Contact &c = m_contacts[n];
    qint32 after = m_tail[c.call];
    while (after > n)
        after = m_contacts[after].prev;
    const qint32 before = after ? m_contacts[after].next : m_head[c.call];
    c.prev = after;
    c.next = before;
    (after ? m_contacts[after].next : m_head[c.call]) = n;
    (before ? m_contacts[before].prev : m_tail[c.call]) = n;
}

void CallIndex::unlink(qint32 n)
{
    Contact &c = m_contacts[n];
    (c.prev ? m_contacts[c.prev].next : m_head[c.call]) = c.next;
    (c.next ? m_contacts[c.next].prev : m_tail[c.call]) = c.prev;
    c.prev = c.next = 0;
}

qint32 CallIndex::firstOnBand(quint32 call, int band) const
{
    for (qint32 r = m_head[call]; r; r = m_contacts[r].next)
        if (m_contacts[r].band == band)
            return r;
    return 0;
}

void CallIndex::spcCount(int band, quint32 spc, int sign)
{
    if (spc == BlankSpc)
        return;
    auto &counts = m_spcs[band];
    if (sign > 0) {
        if (++counts[spc] == 1)
            ++m_sums.multipliers[band];
    } else if (auto it = counts.find(spc); it != counts.end() && --it->second == 0) {
        counts.erase(it);
        --m_sums.multipliers[band];
    }
}

// A contact entering (+1) or leaving (-1) the count of its band: only the
// first contact of a call on a band scores, so the one after it takes over
// when it leaves, and gives way when one comes before it.
void CallIndex::count(qint32 n, int sign)
{
    const Contact &c = m_contacts[n];
    if (c.band < 0)
        return;
    const int b = c.band;
    m_sums.contacts[b] += sign;
    const qint32 first = firstOnBand(c.call, b);
    if (first != n) {
        m_sums.duplicates[b] += sign;
        return;
    }
    // n is the call's first contact on the band: the next one there, if any, is
    // counted in its place when n leaves and becomes a duplicate when n arrives.
    qint32 other = c.next;
    while (other && m_contacts[other].band != b)
        other = m_contacts[other].next;
    if (other) {
        m_sums.duplicates[b] += sign;
        m_sums.points[b] -= sign * m_contacts[other].points;
        spcCount(b, m_contacts[other].spc, -sign);
    }
    m_sums.points[b] += sign * c.points;
    spcCount(b, c.spc, sign);
}

void CallIndex::addTime(qint64 t)
{
    const auto it = std::upper_bound(m_times.begin(), m_times.end(), t);
    auto gap = [](qint64 a, qint64 b) { return b - a < BreakSeconds ? b - a : 0; };
    const bool hasPrev = it != m_times.begin(), hasNext = it != m_times.end();
    if (hasPrev && hasNext)
        m_operating -= gap(*(it - 1), *it);
    if (hasPrev)
        m_operating += gap(*(it - 1), t);
    if (hasNext)
        m_operating += gap(t, *it);
    m_times.insert(it, t);
}

void CallIndex::removeTime(qint64 t)
{
    const auto it = std::lower_bound(m_times.begin(), m_times.end(), t);
    if (it == m_times.end() || *it != t)
        return;
    auto gap = [](qint64 a, qint64 b) { return b - a < BreakSeconds ? b - a : 0; };
    const bool hasPrev = it != m_times.begin(), hasNext = it + 1 != m_times.end();
    if (hasPrev)
        m_operating -= gap(*(it - 1), t);
    if (hasNext)
        m_operating -= gap(t, *(it + 1));
    if (hasPrev && hasNext)
        m_operating += gap(*(it - 1), *(it + 1));
    m_times.erase(it);
}

void CallIndex::remove(qint32 n)
{
    if (n < 1 || std::size_t(n) >= m_contacts.size() || m_contacts[n].call == NoCall)
        return;
    Contact &c = m_contacts[n];
    if (c.time >= 0)
        removeTime(c.time);
    count(n, -1);
    unlink(n);
    --m_logCount[c.call];
    c = Contact{};
}

void CallIndex::insert(qint32 n, const char *record)
{
    const QByteArrayView call = trimmed(record, QrpRecord::Callsign);
    if (call == QByteArrayView(QrpRecord::DeletedCall))
        return;
    Contact c = contactOf(record);
    c.call = idFor(Key::of(call.data(), int(call.size())));
    m_contacts[n] = c;
    link(n);
    ++m_logCount[c.call];
    if (c.time >= 0)
        addTime(c.time);
    count(n, +1);
}

void CallIndex::replaceRecord(qint32 n, const QrpRecord &record)
{
    if (n < 1)
        return;
    if (std::size_t(n) >= m_contacts.size())
        m_contacts.resize(std::size_t(n) + 1);
    remove(n);
    insert(n, record.data());
}

void CallIndex::deleteRecord(qint32 n) { remove(n); }

// ---- answers ----------------------------------------------------------------------

// The sealed calls that may hold the text, in id (alphabetical) order, until
// `visit` returns false: the calls holding its rarest group of up to three characters.
template <typename Visit> void CallIndex::eachCandidate(const QByteArray &text, Visit &&visit) const
{
    const char *t = text.constData();
    int best = text.size() == 1 ? unigram(t) : text.size() == 2 ? bigram(t) : trigram(t);
    for (qsizetype i = 1; i + 2 < text.size(); ++i) {
        const int g = trigram(t + i);
        if (m_gramStart[g + 1] - m_gramStart[g] < m_gramStart[best + 1] - m_gramStart[best])
            best = g;
    }
    for (quint32 i = m_gramStart[best]; i < m_gramStart[best + 1]; ++i)
        if (!visit(m_gramIds[i]))
            return;
}

QList<CallIndex::Match> CallIndex::partialMatches(const QString &typed, int limit) const
{
    const QString upper = typed.trimmed().toUpper();
    if (upper.isEmpty() || upper.size() > 16 || limit <= 0 || m_calls.empty())
        return {};
    for (QChar c : upper)
        if (c.unicode() > 0xFF)
            return {};
    const QByteArray text = upper.toLatin1();
    const int length = int(text.size());
    const Key key = Key::of(text.constData(), length);
    const std::size_t wanted = std::size_t(limit);

    auto beginsWith = [&](const Key &k) {
        if (length <= 8)
            return (k.hi ^ key.hi) >> (64 - 8 * length) == 0;
        return k.hi == key.hi && (k.lo ^ key.lo) >> (64 - 8 * (length - 8)) == 0;
    };
    auto holds = [&](const Key &k) {
        char bytes[16];
        qToBigEndian(k.hi, bytes);
        qToBigEndian(k.lo, bytes + 8);
        return QByteArrayView(bytes, k.length()).contains(QByteArrayView(text));
    };

    // Per group, the log's calls and the others; each in alphabetical order.
    std::vector<quint32> exact, beginLog, beginOther, holdLog, holdOther;
    auto sortAndCut = [&](std::vector<quint32> &ids, std::size_t most) {
        std::sort(ids.begin(), ids.end(), [this](quint32 a, quint32 b) { return m_calls[a] < m_calls[b]; });
        if (ids.size() > most)
            ids.resize(most);
    };

    // The calls that begin with the text stand together among the sealed ones.
    const auto sealedEnd = m_calls.begin() + m_sealed;
    const quint32 first = quint32(std::lower_bound(m_calls.begin(), sealedEnd, key) - m_calls.begin());
    quint32 end = first;
    for (; end < m_sealed && beginsWith(m_calls[end]); ++end) {
        if (!known(end))
            continue;
        if (m_calls[end] == key)
            exact.push_back(end);
        else if (m_logCount[end] > 0)
            beginLog.push_back(end);
        else if (beginOther.size() < wanted)
            beginOther.push_back(end);
        if (beginLog.size() >= wanted)
            break;
    }
    // The calls first met since the index was built, few and in no order.
    std::vector<quint32> addedHold;
    for (const auto &[k, id] : m_added) {
        if (!known(id))
            continue;
        if (k == key)
            exact.push_back(id);
        else if (beginsWith(k))
            (m_logCount[id] > 0 ? beginLog : beginOther).push_back(id);
        else if (holds(k))
            addedHold.push_back(id);
    }
    sortAndCut(beginLog, wanted);
    sortAndCut(beginOther, wanted);

    const std::size_t found = exact.size() + beginLog.size() + beginOther.size();
    if (found < wanted) {
        const std::size_t rest = wanted - found;
        eachCandidate(text, [&](quint32 id) {
            if ((id >= first && id < end) || !known(id) || !holds(m_calls[id]))
                return true;
            if (m_logCount[id] > 0)
                holdLog.push_back(id);
            else if (holdOther.size() < rest)
                holdOther.push_back(id);
            return holdLog.size() < rest;
        });
        for (quint32 id : addedHold)
            (m_logCount[id] > 0 ? holdLog : holdOther).push_back(id);
        sortAndCut(holdLog, rest);
        sortAndCut(holdOther, rest);
    }

    QList<Match> matches;
    for (const auto *group : {&exact, &beginLog, &beginOther, &holdLog, &holdOther})
        for (quint32 id : *group) {
            if (matches.size() >= limit)
                return matches;
            matches.append({m_calls[id].text(), m_logCount[id] > 0});
        }
    return matches;
}

QList<CallIndex::Worked> CallIndex::workedBefore(const QString &call) const
{
    QList<Worked> worked;
    const quint32 id = idOfCall(call);
    if (id == NoCall)
        return worked;
    quint8 seen = 0;
    for (qint32 r = m_tail[id]; r; r = m_contacts[r].prev) {
        const Contact &c = m_contacts[r];
        if (c.band < 0 || (seen & (1 << c.band)))
            continue;
        seen |= quint8(1 << c.band);
        worked.append({c.band, r, QString::fromLatin1(c.arci, sizeof c.arci).trimmed(),
                       QString::fromLatin1(c.power, sizeof c.power).trimmed(), spcText(c.spc)});
    }
    std::sort(worked.begin(), worked.end(), [](const Worked &a, const Worked &b) { return a.band < b.band; });
    return worked;
}

std::optional<CallIndex::Known> CallIndex::lookup(const QString &call) const
{
    const quint32 id = idOfCall(call);
    if (id == NoCall)
        return std::nullopt;
    if (const qint32 last = m_tail[id]) {
        const Contact &c = m_contacts[last];
        const QString arci = QString::fromLatin1(c.arci, sizeof c.arci).trimmed();
        // A power is given as the exchange columns write it ("5W"), so it is never taken for a member number.
        const QString power = QString::fromLatin1(c.power, sizeof c.power).trimmed();
        return Known{spcText(c.spc), arci.isEmpty() ? (power.isEmpty() ? power : power + QLatin1Char('W')) : arci,
                     true};
    }
    const auto found = m_history.constFind(id);
    if (found == m_history.cend())
        return std::nullopt;
    return *found;
}

CallIndex::LiveScore CallIndex::liveScore(const QDateTime &nowUtc, const ScoreFactors &factors) const
{
    LiveScore score;
    score.sums = m_sums;
    for (int b = 0; b < BandRecount::BandCount; ++b)
        score.contacts += m_sums.contacts[b];
    score.points = m_sums.totalPoints();
    score.multipliers = m_sums.totalMultipliers();
    score.finalScore = FinalScore::of({double(score.points), double(score.multipliers), factors.powerMultiplier,
                                       factors.bonusMultiplier, factors.bonusPoints});
    const qint64 now = nowUtc.toSecsSinceEpoch();
    auto since = [&](qint64 seconds) {
        return std::upper_bound(m_times.begin(), m_times.end(), now) -
               std::upper_bound(m_times.begin(), m_times.end(), now - seconds);
    };
    score.lastTen = since(10 * 60);
    score.lastSixty = since(60 * 60);
    score.operatingSeconds = m_operating;
    if (factors.limitSeconds > 0)
        score.remainingSeconds = qMax<qint64>(0, factors.limitSeconds - m_operating);
    return score;
}
