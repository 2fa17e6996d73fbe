#pragma once
// What Kestrix knows of calls while one is typed, answered from memory: the
// calls holding the typed text (from the open log, the call histories and the
// check files), the bands a call was worked on in this log, the S-P-C and
// ARCI number or power to offer for a call, and the live score.
//
// Built once from the log's records and the sources (rebuild), then kept
// current by the window on every save, change and delete (addRecord,
// replaceRecord, deleteRecord). The log files stay the truth: rebuild after a
// start-up repair or a reopen.
//
// The live score counts as BandRecount does, record for record: deleted
// contacts count nothing, a call's first contact on a band (in record order)
// scores, later ones are duplicates.

#include "history/CallHistoryFile.h"
#include "rules/BandRecount.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <unordered_map>
#include <vector>

class LogStore;
class QrpRecord;

class CallIndex {
  public:
    // A screenful of partial matches.
    static constexpr int ScreenRows = 40;

    struct Match {
        QString call;
        bool inLog; // worked in the open log
        bool operator==(const Match &) const = default;
    };
    // Calls holding `typed` (blanks at either end removed, compared in upper
    // case), at most `limit`, best first: the call itself, then the calls that
    // begin with the text, then those holding it further on; within each group
    // the calls worked in this log before the others, and alphabetically
    // (by character code) within those.
    QList<Match> partialMatches(const QString &typed, int limit = ScreenRows) const;

    struct Worked {
        int band; // 0 for 160 m to 6 for 6 m, as ContestBands
        qint32 record;
        QString arci, power, spc; // as the station sent them
        bool operator==(const Worked &) const = default;
    };
    // The bands `call` was worked on in this log, in band order, each with the
    // last contact on it; deleted contacts and those on no contest band are left out.
    QList<Worked> workedBefore(const QString &call) const;

    struct Known {
        QString spc;
        QString exchange; // the ARCI number, or the power ("5W") when there is none
        bool fromLog;
        bool operator==(const Known &) const = default;
    };
    // What to offer for `call`: its last contact in this log, otherwise the last
    // source (in the order given to rebuild) that gave it values.
    std::optional<Known> lookup(const QString &call) const;

    struct ScoreFactors {
        double powerMultiplier = 1;
        double bonusMultiplier = 1;
        double bonusPoints = 0;
        qint64 limitSeconds = 0; // the operating time allowed; 0 for none
    };
    struct LiveScore {
        BandRecount::Sums sums;
        qint64 contacts = 0, points = 0, multipliers = 0;
        std::optional<double> finalScore;
        // Contacts logged in the ten and sixty minutes up to `now`.
        qint64 lastTen = 0, lastSixty = 0;
        // The time from the first contact to the last, less every gap of 30
        // minutes or more between two contacts next to each other in time.
        qint64 operatingSeconds = 0;
        qint64 remainingSeconds = -1; // of the limit; -1 without one
    };
    static constexpr qint64 BreakSeconds = 30 * 60;
    LiveScore liveScore(const QDateTime &nowUtc, const ScoreFactors &factors) const;
    LiveScore liveScore(const QDateTime &nowUtc) const { return liveScore(nowUtc, ScoreFactors()); }

    // Starts again from the sources and the log's contacts: records 1 to
    // count (48 bytes each, in record order).
    void rebuild(const QList<HistorySource> &sources, const char *records, qint64 count);
    // The same from the open log: its stored contacts, the placeholder excluded.
    // Reads the file directly; the shared record buffer is left as it is.
    void rebuild(const QList<HistorySource> &sources, LogStore &log);

    // Record n saved (n one above the last), changed or marked deleted.
    void addRecord(qint32 n, const QrpRecord &record) { replaceRecord(n, record); }
    void replaceRecord(qint32 n, const QrpRecord &record);
    void deleteRecord(qint32 n);

    qint64 callCount() const { return qint64(m_calls.size()); }
    // The time of a stored contact (its MM/dd/yy date and hh:mm:ss time, UTC) in
    // seconds since 1970; -1 when the fields hold no such time.
    static qint64 timeOf(const char *record);

  private:
    // A call's Latin-1 bytes (up to 16), zero-padded, as two big-endian numbers,
    // so that comparing keys compares the calls by character code.
    struct Key {
        quint64 hi = 0, lo = 0;
        auto operator<=>(const Key &) const = default;
        static Key of(const char *text, int length);
        static Key of(const QString &call);
        QString text() const;
        int length() const;
        char at(int i) const { return char((i < 8 ? hi >> (56 - 8 * i) : lo >> (56 - 8 * (i - 8))) & 0xFF); }
    };
    struct KeyHash {
        std::size_t operator()(const Key &k) const { return std::hash<quint64>()(k.hi * 31 + k.lo); }
    };
    struct Contact {
        qint64 time = -1;
        quint32 call = NoCall;
        qint32 prev = 0, next = 0; // the call's contacts in record order
        quint32 spc = 0;           // as BandRecount keys it
        char arci[5], power[4];
        qint8 band = -1, points = 0;
    };
    enum Flag : quint8 { FromHistory = 1, FromCheck = 2 };
    static constexpr quint32 NoCall = 0xFFFFFFFF;

    quint32 idOf(const Key &key) const;
    quint32 idFor(const Key &key);
    // The call as typed, exactly: NoCall for one the log cannot hold.
    quint32 idOfCall(const QString &call) const;
    bool known(quint32 id) const { return m_logCount[id] > 0 || m_flags[id] != 0; }
    qint32 firstOnBand(quint32 call, int band) const;
    void link(qint32 n);
    void unlink(qint32 n);
    void remove(qint32 n);
    void insert(qint32 n, const char *record);
    void count(qint32 n, int sign);
    void spcCount(int band, quint32 spc, int sign);
    void addTime(qint64 t);
    void removeTime(qint64 t);
    Contact contactOf(const char *record) const;
    void buildGrams();
    template <typename Visit> void eachCandidate(const QByteArray &text, Visit &&visit) const;

    std::vector<Key> m_calls; // ids below m_sealed in order, the rest as they came
    quint32 m_sealed = 0;
    std::unordered_map<Key, quint32, KeyHash> m_added;
    std::vector<quint32> m_logCount;
    std::vector<quint8> m_flags;
    std::vector<qint32> m_head, m_tail;
    QHash<quint32, Known> m_history;
    std::vector<Contact> m_contacts; // by record number; 0 unused
    // The sealed calls holding each group of one, two and three characters, in id order.
    std::vector<quint32> m_gramStart, m_gramIds;

    BandRecount::Sums m_sums;
    std::array<std::unordered_map<quint32, qint32>, BandRecount::BandCount> m_spcs;
    std::vector<qint64> m_times; // sorted
    qint64 m_operating = 0;
};
