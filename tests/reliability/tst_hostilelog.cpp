// Hostile log files: start-up and every scan of the window (band totals, call
// sign and ARCI typing, search, review, log sheets, export) run on QRPDATA.DAT
// files of random bytes and odd lengths. No crash, no hang, and nothing written
// but the repairs of start-up: a placeholder after a last record that holds a
// contact, bytes past the last whole record and lines past the last contact set
// aside, missing lines rebuilt.
//
// KESTRIX_HOSTILE_SEED and KESTRIX_HOSTILE_CASES repeat or widen a run.

#include "FakePlatform.h"
#include "ReliabilityLog.h"
#include "console/frmKestrix.h"
#include "export/core/ExportContacts.h"
#include "export/core/LogExport.h"
#include "export/core/ReadOnlyLog.h"
#include "reports/LogSheetPrinting.h"
#include "reports/SummarySheet.h"
#include "reports/frmPrinter.h"
#include "store/LogStore.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace Reliability;

class HostileLog : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void oddFiles_data();
    void oddFiles();
    void randomFiles();
    void cleanupTestCase()
    {
        qInfo("hostile files tried: %d, no crash, no hang, no write but %d start-up repairs", m_tried, m_repaired);
    }

  private:
    // Runs the whole window over the files; empty, or what went wrong.
    QString tryLog(const QByteArray &qrp, const QByteArray &arci, quint32 seed);
    int m_tried = 0, m_repaired = 0;
};

namespace {

QByteArray readFile(const QString &dir, const QString &name)
{
    QFile f(QDir(dir).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(dir).filePath(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(f.fileName()));
}

const QStringList bands{QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"), QStringLiteral("20"),
                        QStringLiteral("15"),  QStringLiteral("10"), QStringLiteral("6"),  QString()};

// Everything the operator can do that reads the log and writes nothing.
void operate(frmKestrix &w, QRandomGenerator &random, const QByteArray &qrp)
{
    // A call sign and a number taken from the file, so scans meet matches too.
    const qint64 records = qMax<qint64>(1, qrp.size() / 48);
    const QByteArray some = qrp.mid(random.bounded(records) * 48, 48);
    const QString call = QString::fromLatin1(some.left(8)).trimmed();
    const QString spc = QString::fromLatin1(some.mid(17, 4)).trimmed();

    w.ui().cmdUpdate->click();
    w.summary().cmdCalculate_Click(); // the final score from the recounted totals
    w.ui().txtBand->setText(bands.at(random.bounded(bands.size())));
    QTest::keyClicks(w.ui().txtCallsign, QStringLiteral("k1abc"));
    w.ui().txtCallsign->setText(call);
    w.ui().txtSpc->setText(spc);
    QTest::keyClicks(w.ui().txtArci, QStringLiteral("123"));
    QTest::keyClicks(w.ui().txtPower, QStringLiteral("5"));
    w.ui().cmdClear->click();

    w.ui().cmdSearch->click();
    QTest::keyClicks(w.ui().txtSearchInfo, QStringLiteral("deleted"));
    w.ui().txtSearchInfo->setText(call.left(8));
    w.ui().txtSearchInfo->clear();

    w.ui().cmdReview->click();
    for (const QString &number :
         {QStringLiteral("1"), QString::number(records), QString::number(records + 1), QStringLiteral("-3"),
          QStringLiteral("2.5"), QStringLiteral("x"), QStringLiteral("32767"), QStringLiteral("99999999999")}) {
        w.ui().txtRecNum->setText(number);
        w.ui().cmdPlus->click();
        w.ui().cmdMinus->click();
    }
    w.ui().txtRecNum->setText(QString::number(random.bounded(records) + 1));
    for (int i = 0; i < 3; ++i)
        w.ui().cmdPlus->click();
    w.ui().cmdChangeRecord->click(); // a left click only explains
    w.ui().cmdDeleteRecord->click();

    // A log sheet of a band from the file, caught by the fake print target.
    w.logSheetPrinting().form().txtWhichBand->setText(QString::fromLatin1(some.mid(27, 3)).trimmed());
    QTest::mouseClick(w.ui().cmdPrinter, Qt::RightButton);
    w.ui().cmdClear->click();
}

} // namespace

QString HostileLog::tryLog(const QByteArray &qrp, const QByteArray &arci, quint32 seed)
{
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    writeFile(dir, QStringLiteral("QRPDATA.DAT"), qrp);
    writeFile(dir, QStringLiteral("ARCIFILE.DAT"), arci);
    ++m_tried;

    QString fileError;
    FakePlatform fakes;
    QByteArray qrpNow, arciNow;
    {
        frmKestrix w(dir, fakes.platform());
        w.setFileErrorHandler(
            [&](const QString &file, const QString &reason) { fileError = file + QStringLiteral(": ") + reason; });
        if (!w.Form_Load() || !fileError.isEmpty())
            return QStringLiteral("start-up failed: ") + fileError;

        // Start-up writes only to complete a save cut off (a placeholder in place of
        // the last record or of bytes cut short, or one after the last record),
        // to set aside bytes past the last whole record, and to rebuild the lines
        // of contacts that are missing, cut short or zero-filled.
        qrpNow = readFile(dir, QStringLiteral("QRPDATA.DAT"));
        arciNow = readFile(dir, QStringLiteral("ARCIFILE.DAT"));
        const qint64 whole = qrp.size() / 48 * 48;
        const QByteArray stray = readFile(dir, QStringLiteral("QRPDATA.DAT.stray"));
        if (!stray.isEmpty() && stray != qrp.mid(whole))
            return QStringLiteral("the bytes set aside are not those past the last record");
        if (qrpNow != qrp) {
            const qint64 kept = qMax<qint64>(0, qrp.size() / 48 - 1) * 48;
            if (qrpNow.size() % 48 != 0 || !qrpNow.startsWith(qrp.left(kept)) || qrpNow.size() > kept + 96)
                return QStringLiteral("start-up changed QRPDATA.DAT beyond the repair");
            for (qint64 at = kept; at < qrpNow.size(); at += 48) {
                const QByteArray r = qrpNow.mid(at, 48);
                if (r != qrp.mid(at, 48) && r.left(27) + r.mid(30) != QByteArray(45, ' '))
                    return QStringLiteral("start-up wrote a record that is no placeholder");
            }
        }
        // ARCIFILE.DAT ends with one line per contact: lines past them set aside,
        // whole lines kept, the missing, short or zero-filled rebuilt.
        const qint64 lineBytes = qint64(LogStore::recordCountFor(qrpNow.size()) - 1) * 83;
        if (arciNow.size() != lineBytes)
            return QStringLiteral("ARCIFILE.DAT does not hold one line per contact");
        if (readFile(dir, QStringLiteral("ARCIFILE.DAT.stray")) != arci.mid(lineBytes))
            return QStringLiteral("the lines set aside are not those past the last contact");
        for (qint64 at = 0; at < lineBytes; at += 83) {
            const QByteArray was = arci.mid(at, 83), is = arciNow.mid(at, 83);
            const bool missing = was.size() < 83 || was == QByteArray(83, '\0');
            const QrpRecord record = QrpRecord::fromBytes(qrpNow.mid(at / 83 * 48, 48));
            if (is != (missing ? ArciLine::forRecord(record).bytes() : was))
                return QStringLiteral("start-up changed ARCIFILE.DAT beyond the repair");
        }
        const QByteArray journal = readFile(dir, QStringLiteral(".kestrix-journal"));
        if (journal.startsWith("KXJ1"))
            return QStringLiteral("the journal still holds an operation");

        QRandomGenerator random(seed);
        operate(w, random, qrpNow);
        if (!fileError.isEmpty())
            return QStringLiteral("file error while reading: ") + fileError;
        if (readFile(dir, QStringLiteral("QRPDATA.DAT")) != qrpNow ||
            readFile(dir, QStringLiteral("ARCIFILE.DAT")) != arciNow)
            return QStringLiteral("the log was written without a save");
        w.close(); // the close box writes nothing either
    }
    if (readFile(dir, QStringLiteral("QRPDATA.DAT")) != qrpNow ||
        readFile(dir, QStringLiteral("ARCIFILE.DAT")) != arciNow)
        return QStringLiteral("closing the window wrote to the log");

    // Export reads the same file without opening it for writing.
    ReadOnlyLog log(dir);
    if (!log.read())
        return QStringLiteral("export cannot read the log: ") + log.reason();
    const qsizetype exportable = ExportContacts(log.contacts()).contacts().size();
    ExportSettings settings;
    settings.format = ExportFormat::Adif;
    LogExport::build(log.contacts(), settings);
    // Whatever the records hold, the Cabrillo file has one QSO line per contact.
    settings.format = ExportFormat::Cabrillo;
    const QByteArray cabrillo = LogExport::build(log.contacts(), settings).bytes;
    qsizetype qsoLines = 0;
    for (const QByteArray &line : cabrillo.split('\n'))
        qsoLines += line.startsWith("QSO:") ? 1 : 0;
    if (qsoLines != exportable || exportable > log.contacts().size())
        return QStringLiteral("the Cabrillo file has %1 QSO lines for %2 contacts").arg(qsoLines).arg(exportable);
    QStringList left = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.removeAll(QStringLiteral(".kestrix-journal"));
    left.removeAll(QStringLiteral("QRPDATA.DAT.stray"));
    left.removeAll(QStringLiteral("ARCIFILE.DAT.stray"));
    if (left != QStringList{QStringLiteral("ARCIFILE.DAT"), QStringLiteral("QRPDATA.DAT")})
        return QStringLiteral("files appeared: ") + left.join(u' ');
    if (qrpNow != qrp || arciNow != arci)
        ++m_repaired;
    return {};
}

// clang-format off
void HostileLog::oddFiles_data()
{
    QTest::addColumn<QByteArray>("qrp");
    QTest::addColumn<QByteArray>("arci");
    const QByteArray member = recordOf(contactFor(1));
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("1 byte") << QByteArray("K") << QByteArray();
    QTest::newRow("47 bytes") << member.left(47) << QByteArray();
    QTest::newRow("49 bytes") << member + "X" << QByteArray();
    QTest::newRow("a record of 0x00") << QByteArray(48, '\0') << QByteArray();
    QTest::newRow("records of 0x00") << QByteArray(48 * 20, '\0') << QByteArray(83 * 3, '\0');
    QTest::newRow("records of 0xFF") << QByteArray(48 * 20, '\xff') << QByteArray(83 * 25, '\xff');
    QTest::newRow("0xFF, odd length") << QByteArray(48 * 7 + 31, '\xff') << QByteArray(5, '\xff');
    QTest::newRow("placeholder of 0xFF") << member + QByteArray(48, '\xff') << lineOf(contactFor(1));
    QTest::newRow("lines past the log") << member + placeholder(QStringLiteral("40")) << QByteArray(83 * 40, 'L');
    QTest::newRow("line end only") << member << QByteArray("\r\n");
}
// clang-format on

void HostileLog::oddFiles()
{
    QFETCH(QByteArray, qrp);
    QFETCH(QByteArray, arci);
    const QString problem = tryLog(qrp, arci, 1);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void HostileLog::randomFiles()
{
    const quint32 seed = qEnvironmentVariableIsSet("KESTRIX_HOSTILE_SEED")
                             ? quint32(qEnvironmentVariableIntValue("KESTRIX_HOSTILE_SEED"))
                             : 19981207u;
    const int cases = qEnvironmentVariableIsSet("KESTRIX_HOSTILE_CASES")
                          ? qEnvironmentVariableIntValue("KESTRIX_HOSTILE_CASES")
                          : 1000;
    qInfo("hostile seed %u (rerun with KESTRIX_HOSTILE_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    for (int i = 0; i < cases; ++i) {
        // Lengths 0 to 10 000, a third of them whole records; bytes of every
        // kind, or printable ones that look like fields, or blanks and 0x00.
        qint64 length = random.bounded(10001);
        if (i % 3 == 0)
            length -= length % 48;
        QByteArray qrp(length, Qt::Uninitialized);
        const int kind = random.bounded(3);
        for (char &c : qrp)
            c = kind == 0   ? char(random.bounded(256))
                : kind == 1 ? char(32 + random.bounded(95))
                            : (random.bounded(4) ? ' ' : '\0');
        QByteArray arci;
        if (i % 4 == 0) {
            arci.resize(random.bounded(3000));
            for (char &c : arci)
                c = char(random.bounded(256));
        }
        const QString problem = tryLog(qrp, arci, random.generate());
        QVERIFY2(problem.isEmpty(),
                 qPrintable(QStringLiteral("case %1 (%2 bytes): %3").arg(i).arg(length).arg(problem)));
    }
}

QTEST_MAIN(HostileLog)
#include "tst_hostilelog.moc"
