#pragma once
// Reading the files the operator chooses as sources of calls: call history
// files (comma-separated lines with `#` comments and an optional
// `!!Order!!,Call,...` line naming the columns), super-check-partial files (one
// call a line) and the QRPDATA.DAT of an earlier Kestrix log. A file is refused
// whole when it is missing, not a regular file (looked at before it is opened,
// so a named pipe never blocks), over 50 MB, or binary; a line that cannot be
// used is skipped and said why. Nothing here waits on anything but a plain read.

#include <QList>
#include <QString>
#include <QStringList>

// What one source gave: its calls with their values, and what was passed over.
struct HistorySource {
    enum Kind { CallHistory, CheckPartial, EarlierLog };
    struct Entry {
        QString call;     // upper case, blanks at either end removed
        QString spc;      // may be empty
        QString exchange; // the ARCI number or the power; may be empty
    };
    struct Skipped {
        int line;
        QString reason;
        // "line 12: control character"
        QString text() const { return QStringLiteral("line %1: %2").arg(line).arg(reason); }
    };

    QString path;
    Kind kind = CallHistory;
    // Empty when the file was read; otherwise why it was refused, in plain words.
    QString refusal;
    // What the operator should know of a file that was read (its encoding), or empty.
    QString note;
    QList<Entry> entries;
    QList<Skipped> skipped;

    bool refused() const { return !refusal.isEmpty(); }
};

namespace CallHistoryFile {

inline constexpr qint64 MaxBytes = 50LL * 1024 * 1024;
inline constexpr int MaxLineLength = 500;
// A call longer than this is no call sign (the log's call field holds 8).
inline constexpr int MaxCallLength = 15;

// The column order that applies until an order line names another.
QStringList defaultOrder();

// The columns the S-P-C and the exchange come from. An empty spcColumn takes the
// first non-empty of State, Sect and Loc1; column names compare case-blind.
struct Columns {
    QString spcColumn;
    QString exchangeColumn = QStringLiteral("Exch1");
};

HistorySource readCallHistory(const QString &path, const Columns &columns = {});
HistorySource readCheckPartial(const QString &path);
// The contacts of the log in `folder`, read-only: the file is neither locked nor
// repaired, and the log may be open in another Kestrix meanwhile. A call worked
// more than once gives the values of its last contact in the log.
HistorySource readEarlierLog(const QString &folder);

// The text of a file's bytes as the readers take it: the file's bytes checked
// (no NUL), decoded as UTF-8 or, when they are not, as Latin-1 (said in *note).
// False with *refusal set when the bytes are binary.
bool decode(const QByteArray &bytes, QString *text, QString *refusal, QString *note);

} // namespace CallHistoryFile
