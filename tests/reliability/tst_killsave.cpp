// Killed mid-save: the save driver saves contacts in a loop and is killed with
// SIGKILL at random moments. A kill may cut a write short only where it crosses
// a memory page (the system writes a page at a time); anything else on disk is
// a fault. After every kill the next start-up must find both files whole, every
// acknowledged contact byte for byte, the placeholder after the last contact,
// and go on saving after it.
//
// KESTRIX_KILL_SEED repeats a run; KESTRIX_KILLS sets the number of kills.

#include "ReliabilityLog.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <thread>

using namespace Reliability;

namespace {

constexpr qint64 Page = 4096;

QByteArray readFile(const QString &dir, const char *name)
{
    QFile f(QDir(dir).filePath(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &dir, const char *name, const QByteArray &bytes)
{
    QFile f(QDir(dir).filePath(QLatin1String(name)));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(f.fileName()));
}

// The placeholder a save of contact n writes over: the one after contact n - 1.
QByteArray placeholderBefore(qint64 n) { return placeholder(n > 1 ? contactFor(n - 1).band : QString()); }

// What a write of `bytes` at `offset` over `before` leaves when cut at the first
// page end it crosses; empty when it crosses none.
QByteArray cutAtPage(qint64 offset, const QByteArray &bytes, const QByteArray &before)
{
    const qint64 head = Page - offset % Page;
    if (head >= bytes.size())
        return {};
    return bytes.left(head) + before.mid(head);
}

struct Tears {
    int contact = 0, line = 0, placeholder = 0;
};

} // namespace

class KillSave : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cutWritesRepaired_data();
    void cutWritesRepaired();
    void killedAtRandomMoments();

  private:
    // Checks both files against the contacts saved; the number of contacts, or
    // -1 with the reason. Before start-up, a write cut at a page end is allowed
    // (and counted); after it, everything must be whole.
    qint64 checkFiles(const QString &dir, bool startedUp, QString *problem, Tears *tears = nullptr);

    qint64 m_acknowledged = 0; // every contact up to here has been acknowledged
};

qint64 KillSave::checkFiles(const QString &dir, bool startedUp, QString *problem, Tears *tears)
{
    auto fail = [problem](const QString &why) {
        *problem = why;
        return qint64(-1);
    };
    Tears ignored;
    if (!tears)
        tears = &ignored;
    QByteArray qrp = readFile(dir, "QRPDATA.DAT");
    QByteArray arci = readFile(dir, "ARCIFILE.DAT");
    if (startedUp && (qrp.size() % 48 != 0 || arci.size() % 83 != 0))
        return fail(QStringLiteral("start-up left QRPDATA.DAT %1 bytes, ARCIFILE.DAT %2 bytes")
                        .arg(qrp.size())
                        .arg(arci.size()));

    // A placeholder cut at a page end, after the contact it follows.
    if (const qint64 part = qrp.size() % 48) {
        const qint64 n = qrp.size() / 48;
        if (qrp.size() % Page != 0 || qrp.right(part) != placeholder(contactFor(n).band).left(part))
            return fail(QStringLiteral("QRPDATA.DAT ends in %1 stray bytes").arg(part));
        qrp.chop(part);
        ++tears->placeholder;
    }
    // A line cut at a page end.
    if (const qint64 part = arci.size() % 83) {
        const qint64 n = arci.size() / 83 + 1;
        if (arci.size() % Page != 0 || arci.right(part) != lineOf(contactFor(n)).left(part))
            return fail(QStringLiteral("ARCIFILE.DAT ends in %1 stray bytes").arg(part));
        arci.chop(part);
        ++tears->line;
    }
    const qint64 records = qrp.size() / 48;
    const qint64 lines = arci.size() / 83;
    const QByteArray last = qrp.right(48);
    const bool endsInPlaceholder = records == 0 || last == placeholder(QString::fromLatin1(last.mid(27, 3)).trimmed());
    qint64 contacts = endsInPlaceholder ? qMax<qint64>(0, records - 1) : records;
    // The contact cut at a page end over the placeholder it was saved into.
    if (!startedUp && !endsInPlaceholder && lines == records - 1 &&
        last == cutAtPage((records - 1) * 48, recordOf(contactFor(records)), placeholderBefore(records))) {
        --contacts;
        ++tears->contact;
    }
    if (contacts < m_acknowledged || contacts > m_acknowledged + 1)
        return fail(QStringLiteral("%1 contacts on disk, %2 acknowledged").arg(contacts).arg(m_acknowledged));
    for (qint64 n = 1; n <= contacts; ++n) {
        if (qrp.mid((n - 1) * 48, 48) != recordOf(contactFor(n)))
            return fail(
                QStringLiteral("record %1 reads [%2]").arg(n).arg(QString::fromLatin1(qrp.mid((n - 1) * 48, 48))));
        if (n <= lines && arci.mid((n - 1) * 83, 83) != lineOf(contactFor(n)))
            return fail(
                QStringLiteral("line %1 reads [%2]").arg(n).arg(QString::fromLatin1(arci.mid((n - 1) * 83, 79))));
    }
    if (lines > contacts || lines < contacts - 1)
        return fail(QStringLiteral("%1 lines for %2 contacts").arg(lines).arg(contacts));
    if (startedUp) {
        if (!endsInPlaceholder || lines != contacts)
            return fail(QStringLiteral("start-up left %1 records and %2 lines").arg(records).arg(lines));
        if (contacts > 0 && last != placeholder(contactFor(contacts).band))
            return fail(QStringLiteral("the placeholder after contact %1 does not carry its band").arg(contacts));
    }
    return contacts;
}

// clang-format off
void KillSave::cutWritesRepaired_data()
{
    // Contact n lies across a page end when (n - 1) * 48 % 4096 > 4048: records
    // 86 (cut 16 bytes in) and 171 (32 bytes in); line 50 crosses 4096 as well.
    QTest::addColumn<int>("saved"); // contacts saved whole before the cut save
    QTest::addColumn<int>("stage"); // 1 contact cut, 2 contact written, 3 line cut, 4 line written, 5 placeholder cut
    QTest::addColumn<int>("expected"); // contacts the log holds after start-up
    QTest::newRow("contact cut 16 bytes in") << 85 << 1 << 85;
    QTest::newRow("contact cut 32 bytes in") << 170 << 1 << 170;
    QTest::newRow("contact whole, no line") << 85 << 2 << 86;
    QTest::newRow("line cut at the page end") << 49 << 3 << 50;
    QTest::newRow("line whole, no placeholder") << 49 << 4 << 50;
    QTest::newRow("placeholder cut 16 bytes in") << 84 << 5 << 85;
    QTest::newRow("placeholder cut 32 bytes in") << 169 << 5 << 170;
}
// clang-format on

void KillSave::cutWritesRepaired()
{
    QFETCH(int, saved);
    QFETCH(int, stage);
    QFETCH(int, expected);
    auto tmp = scratchDir();
    const QString dir = tmp->path();
    QByteArray qrp, arci;
    for (int n = 1; n <= saved; ++n) {
        qrp += recordOf(contactFor(n));
        arci += lineOf(contactFor(n));
    }
    const int n = saved + 1;
    const QByteArray contact = recordOf(contactFor(n));
    if (stage == 1) {
        const QByteArray cut = cutAtPage(saved * 48, contact, placeholderBefore(n));
        QVERIFY(!cut.isEmpty());
        qrp += cut;
    } else {
        qrp += contact;
    }
    if (stage == 3) {
        QCOMPARE((arci.size() + 83) / Page, arci.size() / Page + 1);
        arci += lineOf(contactFor(n)).left(Page - arci.size() % Page);
    } else if (stage >= 4) {
        arci += lineOf(contactFor(n));
    }
    if (stage == 5) {
        QVERIFY(Page - qrp.size() % Page < 48);
        qrp += placeholder(contactFor(n).band).left(Page - qrp.size() % Page);
    }
    writeFile(dir, "QRPDATA.DAT", qrp);
    writeFile(dir, "ARCIFILE.DAT", arci);

    QProcess driver;
    driver.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("1")});
    QVERIFY(driver.waitForFinished(30000));
    QCOMPARE(driver.exitCode(), 0);
    const QByteArray out = driver.readAllStandardOutput();
    // Start-up completed the log; the next save went after the last contact.
    QVERIFY2(out.contains("READY " + QByteArray::number(expected + 1)), out.constData());
    QVERIFY2(out.contains("ACK " + QByteArray::number(expected + 1)), out.constData());
    m_acknowledged = expected + 1;
    QString problem;
    QCOMPARE(checkFiles(dir, true, &problem), qint64(expected + 1));
}

void KillSave::killedAtRandomMoments()
{
    const quint32 seed = qEnvironmentVariableIsSet("KESTRIX_KILL_SEED")
                             ? quint32(qEnvironmentVariableIntValue("KESTRIX_KILL_SEED"))
                             : QRandomGenerator::system()->generate();
    const int kills = qEnvironmentVariableIsSet("KESTRIX_KILLS") ? qEnvironmentVariableIntValue("KESTRIX_KILLS") : 200;
    qInfo("kill seed %u (rerun with KESTRIX_KILL_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    auto tmp = scratchDir();
    QVERIFY(tmp->isValid());
    const QString dir = tmp->path();
    m_acknowledged = 0;

    int killed = 0, killedInStartUp = 0, cutBeforePlaceholder = 0;
    Tears tears;
    for (int round = 0; round < kills; ++round) {
        QProcess driver;
        driver.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--wait")});
        QVERIFY2(driver.waitForStarted(), qPrintable(driver.errorString()));

        // One kill in eight falls into the start-up itself, repairs included.
        const bool duringStartUp = random.bounded(8) == 0;
        if (!duringStartUp) {
            while (!driver.canReadLine())
                QVERIFY2(driver.waitForReadyRead(30000), driver.readAllStandardError().constData());
            const QByteArray ready = driver.readLine().trimmed();
            QString problem;
            const qint64 contacts = checkFiles(dir, true, &problem);
            QVERIFY2(contacts >= 0, qPrintable(problem));
            m_acknowledged = contacts; // a contact start-up found is kept from now on
            QCOMPARE(ready, "READY " + QByteArray::number(contacts + 1));
            driver.write("go\n");
            QVERIFY(driver.waitForBytesWritten(30000));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(duringStartUp ? 150000 : 25000)));
        ::kill(driver.processId(), SIGKILL);
        QVERIFY(driver.waitForFinished(30000));
        QVERIFY2(driver.exitStatus() == QProcess::CrashExit, driver.readAllStandardError().constData());
        ++killed;
        killedInStartUp += duringStartUp ? 1 : 0;

        // Each acknowledgement follows the one before: the saves went on after
        // the last contact and never wrote over it.
        for (const QByteArray &line : driver.readAllStandardOutput().split('\n')) {
            if (!line.startsWith("ACK "))
                continue;
            QCOMPARE(line.mid(4).toLongLong(), m_acknowledged + 1);
            m_acknowledged += 1;
        }
        QString problem;
        QVERIFY2(checkFiles(dir, false, &problem, &tears) >= 0, qPrintable(problem));
        const QByteArray qrp = readFile(dir, "QRPDATA.DAT");
        if (qrp.size() >= 48 && qrp.size() % 48 == 0 && qrp.right(48).left(8).trimmed().size() > 0)
            ++cutBeforePlaceholder;
    }

    // A last start-up, and one more save that lands after the last contact.
    QProcess driver;
    driver.start(QStringLiteral(KESTRIX_SAVE_DRIVER), {dir, QStringLiteral("--count"), QStringLiteral("1")});
    QVERIFY(driver.waitForFinished(30000));
    QCOMPARE(driver.exitCode(), 0);
    const QByteArray ack = driver.readAllStandardOutput().split('\n').value(1);
    QVERIFY2(ack.startsWith("ACK "), ack.constData());
    const qint64 last = ack.mid(4).toLongLong();
    QVERIFY(last == m_acknowledged + 1 || last == m_acknowledged + 2);
    m_acknowledged = last;
    QString problem;
    QCOMPARE(checkFiles(dir, true, &problem), last);

    QCOMPARE(killed, kills);
    qInfo("kills survived: %d (%d during start-up), seed %u; contacts acknowledged: %lld, every one on disk byte "
          "for byte; kills between contact and placeholder: %d; writes cut at a page end: %d contacts, %d lines, "
          "%d placeholders, each repaired by the next start-up; lost: 0",
          killed, killedInStartUp, seed, m_acknowledged, cutBeforePlaceholder, tears.contact, tears.line,
          tears.placeholder);
}

QTEST_GUILESS_MAIN(KillSave)
#include "tst_killsave.moc"
