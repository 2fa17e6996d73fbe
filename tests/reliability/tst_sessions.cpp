// Whole sessions against a model. The session driver runs the real window; the
// test sends it random steps (every box typed, pasted and set, control
// characters included; any text in both record-number boxes; Save Record,
// Clear, [+], [-], Update, Change and Delete with both answers, the band menu,
// Exit, the close box), renames, removes or replaces the log files between runs
// and while the window is open, and kills the driver at random moments. After
// every step both files must hold what the model says: Save Record writes the
// entry row at the placeholder, its line and the next placeholder; Change and
// Delete write record and line of a stored contact; Exit writes the review row
// to QRPDATA.DAT only; a renamed log is never written again; after a kill the
// step under way is found done or not done, never in part. KESTRIX_SESSION_SEED
// repeats a run, KESTRIX_SESSIONS and KESTRIX_SESSION_STEPS (per session, on
// average) lengthen it, KESTRIX_SESSION_TRACE prints the steps.

#include "ReliabilityLog.h"
#include "SessionProtocol.h"
#include "rules/Points.h"
#include "store/LogLock.h"
#include "store/LogStore.h"
#include "store/Text.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <thread>

using namespace Reliability;
using namespace Session;

namespace {

constexpr qint64 RecLen = 48, LineLen = 83;
constexpr int FieldOffset[11] = {0, 8, 13, 17, 21, 24, 27, 30, 38, 46, 47};
constexpr int FieldWidth[11] = {8, 5, 4, 4, 3, 3, 3, 8, 8, 1, 1};
// The line's column for each record field, and where it starts.
constexpr int ColumnOffset[11] = {22, 53, 61, 46, 67, 40, 34, 0, 11, 73, 77};

bool isControl(char c) { return uchar(c) < 0x20 || uchar(c) == 0x7F; }

QString shown(const QByteArray &bytes)
{
    QString s;
    for (const char c : bytes)
        s += isControl(c) ? QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0')) : QString(QChar(uchar(c)));
    return s;
}

void sleepMicros(double micros) { std::this_thread::sleep_for(std::chrono::microseconds(qint64(micros))); }

qint64 countFor(qint64 length)
{
    const qint64 whole = length / RecLen, rest = length % RecLen;
    return qMax<qint64>(1, whole + (2 * rest > RecLen || (2 * rest == RecLen && whole % 2 != 0) ? 1 : 0));
}

// The number in a record-number box, for the texts used here: blanks, tabs and line feeds skipped, a
// sign, digits, a fraction; the first other character ends it; no digits reads as 0.
double numberIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]*(\\.[0-9]*)?"));
    bool ok = false;
    const double value = number.match(QString(text).remove(u' ').remove(u'\t').remove(u'\n')).captured().toDouble(&ok);
    return ok ? value : 0;
}

// A stored record the box names: a whole number from 1 to the count less one.
std::optional<qint64> storedRecord(const QString &text, qint64 count)
{
    const double v = numberIn(text);
    return v == std::floor(v) && v >= 1 && v <= count - 1 ? std::optional<qint64>(qint64(v)) : std::nullopt;
}

QByteArray recordOfRow(const QStringList &v)
{
    return recordBytes(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
}

QByteArray lineOfRow(QStringList v, bool deleted)
{
    if (deleted) {
        v[0].clear();
        v[7] = QStringLiteral("DELETED");
    }
    return lineBytes(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10]);
}

// The line start-up rebuilds for a stored record.
QByteArray lineOfRecord(const QByteArray &record)
{
    QStringList fields;
    for (int i = 0; i < 11; ++i)
        fields.append(QString::fromLatin1(record.mid(FieldOffset[i], FieldWidth[i])));
    return lineOfRow(fields, record.left(8) == "DELETED ");
}

bool placeholderLike(const QByteArray &r)
{
    return r.left(27) == QByteArray(27, ' ') && r.mid(30) == QByteArray(18, ' ');
}

// Record and line tell the same contact: each column cut to its field's width
// is the field; a line marked deleted goes with a record marked deleted.
bool agree(const QByteArray &record, const QByteArray &line)
{
    if (line.left(11) == "DELETED    " && line.mid(22, 12).trimmed().isEmpty() && record.left(8) == "DELETED ")
        return true;
    for (int i = 0; i < 11; ++i)
        if (line.mid(ColumnOffset[i], FieldWidth[i]) != record.mid(FieldOffset[i], FieldWidth[i]))
            return false;
    return true;
}

struct Files {
    std::optional<QByteArray> qrp, arci; // empty: no such file
    bool operator==(const Files &) const = default;
};

Files readFolder(const QString &dir)
{
    Files f;
    for (auto [name, bytes] : {std::pair{"QRPDATA.DAT", &f.qrp}, std::pair{"ARCIFILE.DAT", &f.arci}}) {
        QFile file(QDir(dir).filePath(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly))
            *bytes = file.readAll();
    }
    return f;
}

// What the two files must hold, the records whose line only Exit left behind, whether the
// review row was last read from the placeholder, and the lines start-up set aside.
struct LogState {
    Files files;
    QSet<qint64> exitOnly;
    bool showsPlaceholder = false;
    qint64 strayed = 0;
    QByteArray lastStrayed;

    // Every text txtRecNum takes shows the record it names, 1 to the count.
    void review(const QString &text, qint64 count)
    {
        const double v = numberIn(text);
        if (v == std::floor(v) && v >= 1 && v <= count)
            showsPlaceholder = v == count;
    }

    qint64 count() const { return countFor(files.qrp.value_or(QByteArray()).size()); }
    QByteArray record(qint64 n) const { return files.qrp->mid((n - 1) * RecLen, RecLen); }
    void putRecord(qint64 n, const QByteArray &r) { put(*files.qrp, n, RecLen, r); }
    void putLine(qint64 n, const QByteArray &l) { put(*files.arci, n, LineLen, l); }
    void put(QByteArray &file, qint64 n, qint64 len, const QByteArray &bytes)
    {
        if (file.size() < (n - 1) * len)
            qFatal("model: a write past the end of a file at %lld", n);
        file.replace((n - 1) * len, len, bytes);
        if (len == LineLen)
            exitOnly.remove(n);
    }

    // What start-up makes of the folder: missing files created empty, the placeholder after a last contact,
    // lines past the last contact set aside, missing or zeroed lines of contacts rebuilt from their records.
    LogState startedUp() const
    {
        LogState s = *this;
        s.showsPlaceholder = false;
        s.files.qrp = files.qrp.value_or(QByteArray());
        s.files.arci = files.arci.value_or(QByteArray());
        if (s.files.qrp->size() >= RecLen && !placeholderLike(s.files.qrp->right(RecLen)))
            *s.files.qrp += placeholder(QString::fromLatin1(s.files.qrp->mid(s.files.qrp->size() - 21, 3)));
        if (const qint64 lines = (s.count() - 1) * LineLen; s.files.arci->size() > lines) {
            s.lastStrayed = s.files.arci->mid(lines);
            s.strayed += s.lastStrayed.size();
            s.files.arci->truncate(lines);
        }
        for (qint64 n = 1; n < s.count(); ++n) {
            const QByteArray line = s.files.arci->mid((n - 1) * LineLen, LineLen);
            if (line.size() == LineLen && line != QByteArray(LineLen, '\0'))
                continue;
            if (line.size() < LineLen)
                s.files.arci->truncate((n - 1) * LineLen);
            s.putLine(n, lineOfRecord(s.record(n)));
        }
        return s;
    }
};

enum class Op { Other, Save, Change, Delete, Exit, Close };

struct Step {
    QString verb, name, text;
    qint64 clock = 0;
    Op op() const
    {
        static const QStringList ops{
            {}, "click cmdSaveRecord", "right cmdChangeRecord", "right cmdDeleteRecord", "menu mnuExit", "close "};
        return Op(qMax(0, ops.indexOf(verb + ' ' + name)));
    }
    bool ends() const { return op() == Op::Exit || op() == Op::Close; }
    bool writes() const { return op() == Op::Save || op() == Op::Change || op() == Op::Delete; }
    QByteArray command(qint64 k) const
    {
        return QByteArray::number(k) + ' ' + QByteArray::number(clock) + ' ' + verb.toLatin1() + ' ' + encode(name) +
               ' ' + encode(text) + '\n';
    }
    QString describe() const { return QStringLiteral("%1 %2 [%3]").arg(verb, name, shown(text.toLatin1())); }
};

// What a step does to the files, given what the window showed as it began. After an
// unnoticed rename the window still counts `staleCount` records and writes nothing: the
// result is then true for a write it must refuse, reopening the folder's log instead.
bool apply(LogState &s, const Step &step, const QStringList &before, std::optional<qint64> staleCount = {})
{
    const Op op = step.op();
    const qint64 count = staleCount.value_or(s.count());
    const double typed = numberIn(before[RecNumber]);
    const auto n = storedRecord(before[RecNum], count);
    const bool saves = op == Op::Save && std::fabs(typed) <= 2147483647.0 && qint64(std::nearbyint(typed)) == count;
    const bool changes = n && (op == Op::Change || (op == Op::Delete && step.text == "yes"));
    if (staleCount)
        return saves || changes;
    QStringList entry = before.mid(Entry, 11);
    entry[8] = entry[8].left(8); // the clock label without " GMT"
    const QStringList review = before.mid(Review, 11);
    if (saves) {
        // Save Record scores the row once more: the points from the exchange, the
        // multiplier mark, once there, from the log as it stands.
        const QString five(5, u' ');
        QString points = Points::member(entry[1]);
        if (points.isEmpty() && entry[1] == five && Text::aboveZero(entry[2]))
            points = Points::nonMember(entry[1], entry[3]);
        if (!points.isEmpty() || entry[1] == five)
            entry[9] = points;
        if (!entry[10].isEmpty()) {
            entry[10] = QStringLiteral("1");
            for (qint64 i = 1; i < count; ++i) {
                const QrpRecord r = QrpRecord::fromBytes(s.record(i));
                if (r.value(QrpRecord::SPC) == entry[3] && r.value(QrpRecord::Band) == entry[6])
                    entry[10] = QStringLiteral("0");
            }
        }
        s.putRecord(count, recordOfRow(entry));
        s.putLine(count, lineOfRow(entry, false));
        s.putRecord(count + 1, placeholder(entry[6]));
    } else if (changes) {
        const QStringList row = op == Op::Delete ? QStringList{"DELETED"} + QStringList(10) : review;
        s.putRecord(*n, recordOfRow(row));
        s.putLine(*n, lineOfRow(row, row[0] == "DELETED"));
    } else if (op == Op::Exit && n && !before[RecNum].isEmpty() && !s.showsPlaceholder) {
        // A review row edited since it was read is stored, in both files, when the
        // question is answered Yes; a row read from the placeholder never is.
        const QrpRecord stored = QrpRecord::fromBytes(s.record(*n));
        for (int f = 0; f < QrpRecord::FieldCount; ++f)
            if (review[f] != stored.value(QrpRecord::Field(f))) {
                s.putRecord(*n, recordOfRow(review));
                s.putLine(*n, lineOfRow(review, review[0] == "DELETED"));
                break;
            }
    }
    return false;
}

// A file renamed or removed from the log: its bytes stay as they were.
struct Kept {
    QString path;
    QByteArray bytes;
    std::shared_ptr<QFile> held; // a removed file, still open here
};

// The entry boxes, then the review boxes, in the record's field order, and what each is
// typed with: one of the choices, # a number, @ the clock's date or time.
const QStringList boxes = QStringLiteral("txtCallsign txtArci txtPower txtSpc txtRstSent txtRstRcvd txtBand txtDate "
                                         "txtTime txtPoints txtMultiplier txtCall txtClub txtPwr txtLocale txtRstS "
                                         "txtRstR txtBnd txtCalendar txtClock txtPts txtMult")
                              .split(u' ');
const QStringList typed = QStringLiteral("w#x|w#x|w#x|deleted;#;#;ny|ONT|scot|CA|mex|dl;599|5 |449| 59;599|5 |449| "
                                         "59;160|80|40|20|15|10|6;@MM/dd/yy;@HH:mm:ss;#;#")
                              .split(u';');

} // namespace

class Sessions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void randomSessions()
    {
        m_seed = qEnvironmentVariableIsSet("KESTRIX_SESSION_SEED") ? qgetenv("KESTRIX_SESSION_SEED").toUInt()
                                                                   : QRandomGenerator::system()->generate();
        const int sessions = qEnvironmentVariable("KESTRIX_SESSIONS", "80").toInt(nullptr, 0);
        const int steps = qEnvironmentVariable("KESTRIX_SESSION_STEPS", "60").toInt(nullptr, 0);
        qInfo("session seed %u (rerun with KESTRIX_SESSION_SEED=%u)", m_seed, m_seed);
        m_random.seed(m_seed);
        // On a disk, where a sync is slow enough for a kill to fall between the writes.
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        m_dir = tmp.path();
        int stepsRun = 0;

        for (m_session = 1; m_session <= sessions; ++m_session) {
            if (m_session > 1 && m_random.bounded(8) == 0)
                renameLog(false);
            m_log = m_log.startedUp();
            QStringList shown;
            QString problem;
            QVERIFY2((problem = startDriver(&shown)).isEmpty(), qPrintable(where() + problem));
            QVERIFY2((problem = check()).isEmpty(), qPrintable(where() + "after start-up: " + problem));
            QVERIFY2(numberIn(shown[RecNumber]) == m_log.count(),
                     qPrintable(where() + "start-up shows " + shown[RecNumber]));
            QVERIFY2((problem = lockHeld()).isEmpty(), qPrintable(where() + problem));

            for (int left = 1 + m_random.bounded(2 * steps);; --left) {
                if (m_random.bounded(25) == 0) {
                    QVERIFY2((problem = killRound()).isEmpty(), qPrintable(where() + problem));
                    continue;
                }
                if (!m_reopened && m_random.bounded(100) == 0)
                    renameLog(true);
                Step step = nextStep(false);
                if (left <= 0) // the session ends by Exit or the close box
                    step = m_random.bounded(2) ? Step{"close", {}, {}, m_clock} : Step{"menu", "mnuExit", {}, m_clock};
                ++m_step;
                ++stepsRun;
                QStringList before, after;
                QVERIFY2((problem = runStep(step, &before, &after)).isEmpty(),
                         qPrintable(where() + step.describe() + ": " + problem));
                const bool renamed = m_reopened.has_value();
                const qint64 countBefore = m_log.count();
                const bool reopens = take(m_log, step, before);
                trace("    panel: " + after[Panel].section(u'\n', 0, 0), false);
                followReview(step, before, after);
                QVERIFY2((problem = check()).isEmpty(), qPrintable(where() + step.describe() + ": " + problem));
                if (step.ends())
                    break;
                if (step.op() == Op::Save && !renamed && m_log.count() != countBefore)
                    QVERIFY2(numberIn(after[RecNumber]) == m_log.count(),
                             qPrintable(where() + "after the save txtRecNumber shows " + after[RecNumber]));
                if (reopens) {
                    // The write that found the log renamed wrote nothing, reopened the folder's log, said so
                    // (unless in the words of the last reopen) and kept what was typed for one more save.
                    QVERIFY2(after[Panel] != before[Panel] || before[Panel] == m_reopenPanel,
                             qPrintable(where() + "the panel did not tell of the rename: " + after[Panel]));
                    QVERIFY2(numberIn(after[RecNumber]) == m_log.count(),
                             qPrintable(where() + "after the reopen txtRecNumber shows " + after[RecNumber]));
                    QVERIFY2(after.mid(Entry, 6) == before.mid(Entry, 6),
                             qPrintable(where() + "the reopen lost what was typed in the entry boxes"));
                    m_reopenPanel = after[Panel];
                    QVERIFY2((problem = lockHeld()).isEmpty(), qPrintable(where() + "after the reopen: " + problem));
                }
            }
            m_reopened.reset(); // Exit or the close box after an unnoticed rename: start-up reopens
        }

        qInfo("sessions: %d, steps: %d (seed %u); kills: %d (during save %d, change %d, delete %d, exit %d, "
              "elsewhere %d, between steps %d, start-up %d), the step under way found done %d times and not done %d "
              "times; renames survived: %d (%d while the window was open, %d removals, %d replaced by copies); "
              "contacts in the last log: %lld; contacts lost: %d; disagreements: %d",
              sessions, stepsRun, m_seed, m_kills, m_killsIn[int(Op::Save)], m_killsIn[int(Op::Change)],
              m_killsIn[int(Op::Delete)], m_killsIn[int(Op::Exit)], m_killsIn[int(Op::Other)], m_killsBetween,
              m_killsAtStart, m_foundDone, m_foundUndone, m_renames, m_renamesOpen, m_removed, m_replaced,
              m_log.count() - 1, m_lost, m_disagreements);
    }

  private:
    QString pick(const QString &choices)
    {
        const QStringList c = choices.split(u'|');
        return c.at(m_random.bounded(int(c.size())));
    }

    // What the operator types into a box; one time in five junk, control characters included.
    QString text(const QString &box)
    {
        if (m_random.bounded(5) == 0) {
            static const QString alphabet = QStringLiteral("aZk9 0/:.-\u00E9\u00DF\u00FF\u00C4\t\n\r") + QChar(u'\0') +
                                            QChar(0x7F) + QChar(0x1B) + QChar(0x01);
            QString junk;
            for (int i = 1 + m_random.bounded(10); i > 0; --i)
                junk += alphabet.at(m_random.bounded(int(alphabet.size())));
            // Enter in the entry row saves, a step of its own here.
            return boxes.indexOf(box) < 11 ? junk.remove(u'\r') : junk;
        }
        const QString t = pick(typed.at(boxes.indexOf(box) % 11));
        if (t.startsWith(u'@'))
            return QDateTime::fromSecsSinceEpoch(m_clock, Qt::UTC).toString(t.mid(1));
        return QString(t).replace(u'#', QString::number(m_random.bounded(10000), m_random.bounded(2) ? 10 : 36));
    }

    // Any text for a record-number box: the placeholder's number most often, any
    // stored record, 0, numbers above the count, fractions, words.
    QString recordNumberText()
    {
        const qint64 count = m_log.count();
        const QString stored = QString::number(count > 1 ? 1 + m_random.bounded(int(count - 1)) : 1);
        return pick(QStringLiteral("0|^|^ 9|#.5|#.0|%.4|five||#abc|-#|99999999999| %| %|#|#|#"))
            .replace(u'^', QString::number(count + 1))
            .replace(u'#', stored)
            .replace(u'%', QString::number(count));
    }

    Step nextStep(bool inBatch)
    {
        // Weight in a hundred, verb, names; a batch draws from the first 98 (no Exit, no close box).
        static const QStringList kinds =
            QStringLiteral("21 type ;9 type review;9 number txtRecNum;3 number txtRecNumber;16 click cmdSaveRecord;"
                           "12 click cmdClear|cmdPlus|cmdPlus|cmdMinus|cmdMinus|cmdUpdate|cmdChangeRecord|"
                           "cmdDeleteRecord|cmdAddRecord|cmdReview;14 right cmdChangeRecord;10 right cmdDeleteRecord;"
                           "4 menu mnu160|mnu80|mnu40|mnu20|mnu15|mnu10|mnu6;1 menu mnuExit;1 close ")
                .split(u';');
        m_clock += m_random.bounded(1, 120);
        int at = m_random.bounded(inBatch ? 98 : 100);
        QStringList k;
        for (const QString &kind : kinds)
            if (k = kind.split(u' '); (at -= k[0].toInt()) < 0)
                break;
        Step s{k[1], pick(k[2]), {}, m_clock};
        if (s.verb == "type") {
            s.name = boxes.at((s.name.isEmpty() ? 0 : 11) + m_random.bounded(11));
            s.text = text(s.name);
            s.verb = pick(QStringLiteral("key|key|paste|set"));
        } else if (s.verb == "number") {
            s.text = recordNumberText();
            s.verb = pick(QStringLiteral("key|set"));
        } else if (s.verb == "right") {
            s.text = pick(QStringLiteral("yes|yes|no"));
        }
        return s;
    }

    QString startDriver(QStringList *shownAtStart)
    {
        // Start-up is itself killed now and then, repairs and all.
        while (m_random.bounded(6) == 0) {
            m_driver.start(QStringLiteral(KESTRIX_SESSION_DRIVER), m_dir);
            sleepMicros(m_random.generateDouble() * m_startMicros);
            m_driver.kill();
            const QByteArray said = m_driver.process.readAllStandardOutput();
            if (!said.isEmpty() && !said.startsWith("R "))
                return QStringLiteral("start-up: ") + QString::fromUtf8(said);
            m_kills += said.isEmpty();
            m_killsAtStart += said.isEmpty();
        }
        QElapsedTimer took;
        took.start();
        m_driver.start(QStringLiteral(KESTRIX_SESSION_DRIVER), m_dir);
        QByteArray line;
        while (m_driver.readLine(&line)) {
            if (line.startsWith("R ")) {
                *shownAtStart = decodeAll(line);
                m_startMicros = 0.8 * m_startMicros + 0.2 * double(took.nsecsElapsed() / 1000);
                return QString();
            }
            if (!line.isEmpty())
                return QStringLiteral("start-up: %1").arg(QString::fromUtf8(line));
        }
        return QStringLiteral("start-up: ") + m_driver.ended();
    }

    // Sends one step and waits for it; before and after are what the window showed.
    QString runStep(const Step &step, QStringList *before, QStringList *after)
    {
        trace(step.describe());
        QElapsedTimer took;
        took.start();
        QProcess &driver = m_driver.process;
        driver.write(step.command(m_step));
        const QByteArray tag = ' ' + QByteArray::number(m_step) + ' ';
        QByteArray line;
        while (after->isEmpty() && m_driver.readLine(&line)) {
            if (line.startsWith("S" + tag))
                *before = decodeAll(line);
            else if (line.startsWith("A" + tag))
                *after = decodeAll(line);
            else
                return QString::fromUtf8(line);
        }
        if (step.ends()) {
            // The program may end before its last word.
            driver.waitForFinished(30000);
            if (driver.exitStatus() != QProcess::NormalExit || driver.exitCode() != 0)
                return m_driver.ended();
            if (after->isEmpty())
                *after = *before;
        }
        if (before->size() != SlotCount || after->size() != SlotCount)
            return m_driver.ended();
        if (!step.ends())
            m_stepMicros = 0.9 * m_stepMicros + 0.1 * double(took.nsecsElapsed() / 1000);
        if (step.writes())
            m_writeMicros = 0.9 * m_writeMicros + 0.1 * double(took.nsecsElapsed() / 1000);
        return QString();
    }

    // A step the window ran, in the model. After an unnoticed rename the first
    // write it accepts reopens the folder's log instead (true), and nothing else does.
    bool take(LogState &s, const Step &step, const QStringList &before)
    {
        if (!apply(s, step, before, m_reopened ? std::optional<qint64>(m_staleCount) : std::nullopt))
            return false;
        const bool shows = s.showsPlaceholder; // the window goes on
        s = *std::exchange(m_reopened, std::nullopt);
        s.showsPlaceholder = shows;
        return true;
    }

    // The review row follows txtRecNum: typed, every keystroke shows a record; [+] and [-]
    // show the stepped number, then the correction of a step onto the placeholder or 0.
    void followReview(const Step &step, const QStringList &before, const QStringList &after)
    {
        const qint64 count = m_reopened ? m_staleCount : m_log.count();
        const QString &now = after[RecNum];
        if (step.verb == "click" && (step.name == "cmdPlus" || step.name == "cmdMinus")) {
            const double v = std::nearbyint(numberIn(before[RecNum]) + (step.name == "cmdPlus" ? 1 : -1));
            if (v >= -32768 && v <= 32767) {
                m_log.review(QString::number(v), count);
                m_log.review(now, count);
            }
            return;
        }
        if (now == before[RecNum])
            return;
        const bool typed = step.verb == "key" && step.name == "txtRecNum";
        for (qsizetype i = typed ? 1 : now.size(); i <= now.size(); ++i)
            m_log.review(now.left(i), count);
    }

    // Both files against the model, the kept files against their bytes, and what holds whatever the
    // model says: printable fields, whole lines, record and line agreeing unless Exit wrote the record.
    QString check()
    {
        const Files disk = readFolder(m_dir);
        const auto printable = [](const QByteArray &b) { return std::none_of(b.begin(), b.end(), isControl); };
        for (qsizetype at = 0; disk.qrp && at < disk.qrp->size(); at += RecLen)
            if (!printable(disk.qrp->mid(at, RecLen)))
                return QStringLiteral("QRPDATA.DAT record %1 holds a control byte: [%2]")
                    .arg(QString::number(at / RecLen + 1), shown(disk.qrp->mid(at, RecLen)));
        for (qsizetype at = 0; disk.arci && at < disk.arci->size(); at += LineLen)
            if (const QByteArray line = disk.arci->mid(at, LineLen);
                !printable(line.left(79)) || line.mid(79) != QByteArray("\x02\x00\r\n", 4))
                return QStringLiteral("ARCIFILE.DAT line %1 holds a control byte or a broken end: [%2]")
                    .arg(QString::number(at / LineLen + 1), shown(line));
        for (const Kept &k : m_kept) {
            QFile f(k.path);
            if (k.held)
                k.held->seek(0);
            const QByteArray now = k.held ? k.held->readAll() : f.open(QIODevice::ReadOnly) ? f.readAll() : "(gone)";
            if (now != k.bytes)
                return QStringLiteral("%1 was written after it left the log: %2 bytes, %3 at the rename")
                    .arg(k.path, QString::number(now.size()), QString::number(k.bytes.size()));
        }
        // Lines set aside are kept (a start-up killed after keeping them keeps them twice).
        QFile stray(QDir(m_dir).filePath(QLatin1String(LogStore::ArciStrayFileName)));
        const QByteArray strayed = stray.open(QIODevice::ReadOnly) ? stray.readAll() : QByteArray();
        if (strayed.size() < m_log.strayed || !strayed.endsWith(m_log.lastStrayed))
            return QStringLiteral("%1 holds %2 bytes, not the %3 set aside")
                .arg(stray.fileName(), QString::number(strayed.size()), QString::number(m_log.strayed));
        if (disk != m_log.files)
            return differences(disk, m_log.files) +
                   (m_reopened ? QStringLiteral("(The log was renamed; the window has not noticed yet.)") : QString());
        for (qint64 n = 1; !m_reopened && disk.qrp && disk.arci && n < m_log.count(); ++n) {
            const QByteArray line = disk.arci->mid((n - 1) * LineLen, LineLen);
            if (!m_log.exitOnly.contains(n) && (line.size() < LineLen || !agree(m_log.record(n), line))) {
                ++m_disagreements;
                return QStringLiteral("record %1 [%2] and its line [%3] disagree, and no Exit wrote the record")
                    .arg(QString::number(n), shown(m_log.record(n)), shown(line));
            }
        }
        return QString();
    }

    QString differences(const Files &disk, const Files &model)
    {
        QString why;
        for (auto [name, len, d, m] : {std::tuple{"QRPDATA.DAT", RecLen, disk.qrp, model.qrp},
                                       std::tuple{"ARCIFILE.DAT", LineLen, disk.arci, model.arci}}) {
            if (d.has_value() != m.has_value())
                why += QStringLiteral("%1 %2, the model says it must %3. ")
                           .arg(name, d ? "exists" : "is missing", m ? "exist" : "be missing");
            if (!d || !m || *d == *m)
                continue;
            why += QStringLiteral("%1 is %2 bytes, the model %3. ").arg(name).arg(d->size()).arg(m->size());
            for (qint64 n = 1; (n - 1) * len < qMax(d->size(), m->size()); ++n)
                if (d->mid((n - 1) * len, len) != m->mid((n - 1) * len, len)) {
                    why += QStringLiteral("At %1 the file holds [%2] where the model has [%3]. ")
                               .arg(QString::number(n), shown(d->mid((n - 1) * len, len)),
                                    shown(m->mid((n - 1) * len, len)));
                    if (len == RecLen && n < countFor(m->size()))
                        ++m_lost;
                    break;
                }
        }
        return why;
    }

    QString lockHeld()
    {
        LogLock other(m_dir);
        return other.acquire() ? QStringLiteral("a second program got the lock on the open log") : QString();
    }

    // Renames or removes one or both files (a removed one is held open here, to see nobody writes it),
    // or replaces them with copies, as an editor saving ARCIFILE.DAT or a backup put back would.
    void renameLog(bool whileOpen)
    {
        const int which = m_random.bounded(5); // 0-2 both, 3 QRPDATA.DAT alone, 4 ARCIFILE.DAT alone
        const int how = m_random.bounded(4);   // 0 removed, 1 replaced, 2-3 renamed
        m_staleCount = m_log.count();
        for (auto [name, file] :
             {std::pair{"QRPDATA.DAT", &m_log.files.qrp}, std::pair{"ARCIFILE.DAT", &m_log.files.arci}}) {
            if (which == (file == &m_log.files.qrp ? 4 : 3) || !*file)
                continue;
            const QString path = QDir(m_dir).filePath(QLatin1String(name));
            Kept k{path, **file, nullptr};
            if (how == 0) {
                k.held = std::make_shared<QFile>(path);
                k.held->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
                k.path += QStringLiteral(" (removed)");
                QFile::remove(path);
            } else {
                k.path = QDir(m_dir).filePath(QStringLiteral("old%1-%2").arg(m_renames).arg(QLatin1String(name)));
                QFile::rename(path, k.path);
                QFile copy(path);
                if (how == 1 && (!copy.open(QIODevice::WriteOnly) || copy.write(k.bytes) != k.bytes.size()))
                    qFatal("cannot write %s", qPrintable(path));
            }
            m_kept.append(k);
            if (how != 1)
                file->reset();
        }
        trace(QStringList{"removed", "replaced by a copy", "renamed"}[qMin(how, 2)] + ' ' +
              QStringList{"both files", "QRPDATA.DAT", "ARCIFILE.DAT"}[qMax(0, which - 2)] +
              (whileOpen ? " while the window is open" : ""));
        if (!m_log.files.qrp)
            m_log.exitOnly.clear();
        ++m_renames;
        m_renamesOpen += whileOpen;
        m_removed += how == 0;
        m_replaced += how == 1;
        if (whileOpen)
            m_reopened = m_log.startedUp();
    }

    // A batch of steps sent at once and the driver killed while it runs them; the
    // step under way may be found done or not done, never in part.
    QString killRound()
    {
        QList<Step> batch;
        for (int i = 1 + m_random.bounded(8); i > 0; --i) {
            Step s = nextStep(true);
            if (s.op() == Op::Other && m_random.bounded(2) == 0) // more writes, so that more kills fall into one
                s = m_random.bounded(2) ? Step{"click", "cmdSaveRecord", {}, s.clock}
                                        : Step{"right", pick("cmdChangeRecord|cmdDeleteRecord"), "yes", s.clock};
            batch.append(s);
        }
        if (m_random.bounded(4) == 0)
            batch.append(Step{"menu", "mnuExit", {}, m_clock});
        QProcess &driver = m_driver.process;
        const int first = m_step + 1;
        for (const Step &s : batch) {
            driver.write(s.command(++m_step));
            trace(s.describe() + " (sent before the kill)");
        }
        driver.waitForBytesWritten(30000);
        // Kill at a random moment of the batch or, one time in two, early in its first write.
        QByteArray out;
        const qsizetype write = std::find_if(batch.begin(), batch.end(), std::mem_fn(&Step::writes)) - batch.begin();
        const double at = m_random.generateDouble();
        const QByteArray begun = "\nS " + QByteArray::number(first + write) + ' ';
        const bool inWrite = write < batch.size() && m_random.bounded(2);
        while (inWrite && !('\n' + out).contains(begun) && driver.waitForReadyRead(30000))
            out += driver.readAllStandardOutput();
        sleepMicros(inWrite ? at * at * at * m_writeMicros / 4 : at * 0.8 * m_stepMicros * batch.size());
        m_driver.kill();
        const bool endedByExit = driver.exitStatus() == QProcess::NormalExit;

        // Steps acknowledged are done; the one begun and not acknowledged is in flight.
        QStringList before;
        int inFlight = -1;
        out += driver.readAllStandardOutput();
        out.truncate(out.lastIndexOf('\n') + 1); // a line cut by the kill was not said
        for (const QByteArray &line : out.split('\n')) {
            if (line.startsWith("FILEERROR"))
                return QString::fromUtf8(line);
            const QList<QByteArray> w = line.split(' ');
            if (w.size() < 2 || (w[0] != "S" && w[0] != "A"))
                continue;
            const int k = w[1].toInt() - first;
            if (w[0] == "S") {
                before = decodeAll(line);
                inFlight = k;
            } else if (before.size() == SlotCount) {
                take(m_log, batch.at(k), before);
                followReview(batch.at(k), before, decodeAll(line));
                inFlight = -1;
            }
        }
        if (endedByExit && driver.exitCode() != 0)
            return m_driver.ended();
        trace(QString::asprintf(inFlight < 0 ? "killed between steps" : "killed during step %d", first + inFlight),
              false);
        LogState done = m_log;
        if (endedByExit) {
            if (inFlight >= 0)
                take(m_log, batch.at(inFlight), before);
            inFlight = -1;
        } else {
            ++m_kills;
            ++(inFlight < 0 ? m_killsBetween : m_killsIn[int(batch.at(inFlight).op())]);
            if (inFlight >= 0 && before.size() == SlotCount)
                take(done, batch.at(inFlight), before);
        }

        // The next start-up must find the step done or not done.
        m_reopened.reset();
        QStringList shownAtStart;
        if (const QString p = startDriver(&shownAtStart); !p.isEmpty())
            return p;
        const LogState notDone = m_log.startedUp(), wasDone = done.startedUp();
        const Files disk = readFolder(m_dir);
        const bool twoWays = inFlight >= 0 && wasDone.files != notDone.files;
        const QString during =
            inFlight < 0 ? QString()
                         : " during step " + QString::number(first + inFlight) + ", " + batch.at(inFlight).describe();
        if (twoWays && disk != wasDone.files && disk != notDone.files)
            return QStringLiteral("after the kill%1 the step is neither done nor not done. Against not done: "
                                  "%2 Against done: %3")
                .arg(during, differences(disk, notDone.files), differences(disk, wasDone.files));
        m_log = disk == wasDone.files ? wasDone : notDone;
        m_foundDone += twoWays && disk == wasDone.files;
        m_foundUndone += twoWays && disk == notDone.files;
        if (const QString p = check(); !p.isEmpty())
            return QStringLiteral("after the kill%1: %2").arg(during, p);
        return lockHeld();
    }

    void trace(const QString &line, bool numbered = true) const
    {
        if (m_trace)
            std::fprintf(stderr, "%s\n",
                         qPrintable(numbered ? QString::asprintf("%d.%d ", m_session, m_step) + line : line));
    }

    QString where() const { return QString::asprintf("seed %u, session %d, step %d: ", m_seed, m_session, m_step); }

    quint32 m_seed = 0;
    QRandomGenerator m_random;
    QString m_dir;
    LogState m_log;
    std::optional<LogState> m_reopened; // while a rename is unnoticed: what the reopen must make of the log
    qint64 m_staleCount = 0;            // and the count the window still works with
    QString m_reopenPanel;              // what the panel said after the last reopen
    QList<Kept> m_kept;
    Driver m_driver;
    qint64 m_clock = QDateTime(QDate(1998, 12, 5), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    bool m_trace = qEnvironmentVariableIsSet("KESTRIX_SESSION_TRACE");
    int m_session = 0, m_step = 0;
    double m_stepMicros = 2000, m_writeMicros = 2000, m_startMicros = 300000; // running averages, for the kill moments
    int m_kills = 0, m_killsIn[6] = {}, m_killsAtStart = 0, m_killsBetween = 0, m_foundDone = 0, m_foundUndone = 0;
    int m_renames = 0, m_renamesOpen = 0, m_removed = 0, m_replaced = 0, m_lost = 0, m_disagreements = 0;
};

QTEST_GUILESS_MAIN(Sessions)
#include "tst_sessions.moc"
