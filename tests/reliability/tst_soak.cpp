// Soak: 5 000 contacts typed through the real widgets and saved with the Save
// Record button, duplicates, deletes and changes mixed in; then both files
// compared byte for byte with a model of what they must hold, built here from
// the rules as the operator reads them (upper case, 579 on the space bar,
// points by membership and S-P-C length, a multiplier for an S-P-C new on its
// band), and the band chart checked against the model's sums.
//
// KESTRIX_SOAK_SEED and KESTRIX_SOAK_CONTACTS repeat or widen a run.

#include "FakePlatform.h"
#include "ReliabilityLog.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace Reliability;

namespace {

// One stored record as the operator would read it back: its eleven values.
struct Row {
    QString call, arci, power, spc, rstSent, rstRcvd, band, date, time, points, mult;
    QByteArray record() const
    {
        return recordBytes(call, arci, power, spc, rstSent, rstRcvd, band, date, time, points, mult);
    }
    // The line a save or a change writes; a deleted record's date column says so.
    QByteArray line() const
    {
        if (call == QStringLiteral("DELETED"))
            return lineBytes({}, arci, power, spc, rstSent, rstRcvd, band, QStringLiteral("DELETED"), time, points,
                             mult);
        return lineBytes(call, arci, power, spc, rstSent, rstRcvd, band, date, time, points, mult);
    }
};

const QStringList bandNames{QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"), QStringLiteral("20"),
                            QStringLiteral("15"),  QStringLiteral("10"), QStringLiteral("6")};
const QStringList spcs{QStringLiteral("ny"),   QStringLiteral("ca"),  QStringLiteral("tx"),   QStringLiteral("ont"),
                       QStringLiteral("que"),  QStringLiteral("mex"), QStringLiteral("scot"), QStringLiteral("dl"),
                       QStringLiteral("fran"), QStringLiteral("wa"),  QStringLiteral("bc"),   QStringLiteral("ohio")};

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace

class Soak : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fiveThousandContacts();
};

void Soak::fiveThousandContacts()
{
    const quint32 seed = qEnvironmentVariableIsSet("KESTRIX_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("KESTRIX_SOAK_SEED"))
                             : 19990109u;
    const int total = qEnvironmentVariableIsSet("KESTRIX_SOAK_CONTACTS")
                          ? qEnvironmentVariableIntValue("KESTRIX_SOAK_CONTACTS")
                          : 5000;
    qInfo("soak seed %u (rerun with KESTRIX_SOAK_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    auto dir = scratchDir();
    FakePlatform fakes;
    auto window = TestLog::openWindow(dir->path(), fakes);
    frmKestrix &w = *window;
    const QList<QAction *> bandMenu{w.ui().mnu160, w.ui().mnu80, w.ui().mnu40, w.ui().mnu20,
                                    w.ui().mnu15,  w.ui().mnu10, w.ui().mnu6};

    QList<Row> log;
    QStringList calls;
    int duplicates = 0, deletes = 0, cancelled = 0, changes = 0;
    QString band;
    while (log.size() < total) {
        const int n = log.size() + 1;
        QCOMPARE(w.ui().txtRecNumber->text(), QStringLiteral(" %1").arg(n));
        if (n % 97 == 1) {
            const int b = random.bounded(bandNames.size());
            bandMenu.at(b)->trigger();
            band = bandNames.at(b);
        }
        QCOMPARE(w.ui().txtBand->text(), band);

        Row r;
        r.band = band;
        fakes.clock.current = QDateTime(QDate(1999, 1, 9), QTime(0, 0), Qt::UTC).addSecs(n * 13);
        w.Timer1_Timer();
        r.date = dateText(fakes.clock.current);
        r.time = timeText(fakes.clock.current);

        // A call worked before (on this band or another) one time in five.
        const bool again = !calls.isEmpty() && random.bounded(5) == 0;
        const QString call =
            again ? calls.at(random.bounded(calls.size())).toLower() : QStringLiteral("w%1x").arg(n, 0, 36);
        calls.append(call.toUpper());
        QTest::keyClicks(w.ui().txtCallsign, call);
        r.call = call.toUpper();
        bool worked = false;
        for (const Row &s : log)
            worked = worked || (s.call == r.call && s.band == band);
        QCOMPARE(w.ui().txtSpecs->toPlainText().startsWith(QStringLiteral("Duplicate Contact")), worked);
        duplicates += worked ? 1 : 0;

        r.rstRcvd = random.bounded(3) ? QStringLiteral("599") : QStringLiteral("449");
        QTest::keyClicks(w.ui().txtRstRcvd, r.rstRcvd);
        if (random.bounded(4)) {
            QTest::keyClicks(w.ui().txtRstSent, QStringLiteral("5 ")); // the space bar enters 579
            r.rstSent = QStringLiteral("579");
        } else {
            r.rstSent = QStringLiteral("559");
            QTest::keyClicks(w.ui().txtRstSent, r.rstSent);
        }
        const QString spc = spcs.at(random.bounded(spcs.size()));
        QTest::keyClicks(w.ui().txtSpc, spc);
        r.spc = spc.toUpper();
        if (random.bounded(3)) {
            r.arci = QString::number(1 + random.bounded(9999));
            QTest::keyClicks(w.ui().txtArci, r.arci);
            r.points = QStringLiteral("5");
        } else {
            r.power = QString::number(1 + random.bounded(20));
            QTest::keyClicks(w.ui().txtPower, r.power);
            r.points = r.spc.size() == 4 ? QStringLiteral("4") : QStringLiteral("2");
        }
        bool known = false;
        for (const Row &s : log)
            known = known || (s.spc == r.spc && s.band == band);
        r.mult = known ? QStringLiteral("0") : QStringLiteral("1");
        QTest::mouseClick(w.ui().cmdSaveRecord, Qt::LeftButton);
        log.append(r);

        // Now and then a stored record is deleted (or the question answered No) ...
        if (n % 53 == 0) {
            const int k = 1 + random.bounded(log.size());
            retype(w.ui().txtRecNum, QString::number(k));
            fakes.confirmation.answer = random.bounded(6) != 0;
            QTest::mouseClick(w.ui().cmdDeleteRecord, Qt::RightButton);
            if (fakes.confirmation.answer) {
                log[k - 1] = Row{QStringLiteral("DELETED"), {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
                ++deletes;
            } else {
                ++cancelled;
            }
        }
        // ... or changed: a new band, power or S-P-C typed over the shown one.
        if (n % 41 == 0) {
            const int k = 1 + random.bounded(log.size());
            retype(w.ui().txtRecNum, QString::number(k));
            Row &c = log[k - 1];
            switch (random.bounded(3)) {
            case 0:
                c.band = bandNames.at(random.bounded(bandNames.size()));
                retype(w.ui().txtBnd, c.band);
                break;
            case 1:
                c.power = QString::number(random.bounded(100));
                retype(w.ui().txtPwr, c.power);
                break;
            default:
                c.spc = spcs.at(random.bounded(spcs.size())).toUpper();
                retype(w.ui().txtLocale, c.spc.toLower());
                break;
            }
            QTest::mouseClick(w.ui().cmdChangeRecord, Qt::RightButton);
            ++changes;
        }
    }

    // Both files hold the model, the placeholder carrying the band last set.
    QByteArray qrp, arci;
    for (const Row &r : log) {
        qrp += r.record();
        arci += r.line();
    }
    qrp += placeholder(band);
    const QByteArray qrpOnDisk = TestLog::readFile(dir->path(), QStringLiteral("QRPDATA.DAT"));
    const QByteArray arciOnDisk = TestLog::readFile(dir->path(), QStringLiteral("ARCIFILE.DAT"));
    for (int i = 0; i < log.size(); ++i) {
        QVERIFY2(qrpOnDisk.mid(i * 48, 48) == log.at(i).record(),
                 qPrintable(QStringLiteral("record %1: [%2] [%3]")
                                .arg(i + 1)
                                .arg(QString::fromLatin1(qrpOnDisk.mid(i * 48, 48)),
                                     QString::fromLatin1(log.at(i).record()))));
        QVERIFY2(arciOnDisk.mid(i * 83, 83) == log.at(i).line(),
                 qPrintable(
                     QStringLiteral("line %1: [%2]").arg(i + 1).arg(QString::fromLatin1(arciOnDisk.mid(i * 83, 79)))));
    }
    QCOMPARE(qrpOnDisk, qrp);
    QCOMPARE(arciOnDisk, arci);

    // The band chart scores the model by the contest's rules: a call counts once
    // per band, a member 5, a power 4 or 2 by the S-P-C, each S-P-C once per band.
    w.ui().cmdUpdate->click();
    for (int b = 0; b < bandNames.size(); ++b) {
        int points = 0, mults = 0;
        QSet<QString> worked, spcsWorked;
        for (const Row &r : log) {
            if (r.band != bandNames.at(b) || worked.contains(r.call) || r.call == QStringLiteral("DELETED"))
                continue;
            worked.insert(r.call);
            if (!r.arci.isEmpty())
                points += 5;
            else if (r.power > QStringLiteral("0"))
                points += r.spc.size() == 4 ? 4 : 2;
            if (!spcsWorked.contains(r.spc))
                ++mults;
            spcsWorked.insert(r.spc);
        }
        QCOMPARE(w.ui().pointLabels().at(b)->text(), QString::number(points));
        QCOMPARE(w.ui().multiplierLabels().at(b)->text(), QString::number(mults));
    }
    // A new start on the log finds it whole: nothing to mend, the next save after the last contact.
    window.reset();
    auto again = TestLog::openWindow(dir->path(), fakes);
    QCOMPARE(again->ui().txtRecNumber->text(), QStringLiteral(" %1").arg(total + 1));
    QCOMPARE(again->ui().txtBand->text(), band);
    QCOMPARE(TestLog::readFile(dir->path(), QStringLiteral("QRPDATA.DAT")), qrp);
    QCOMPARE(TestLog::readFile(dir->path(), QStringLiteral("ARCIFILE.DAT")), arci);
    qInfo("contacts soaked: %d (duplicates %d, deleted %d, delete cancelled %d, changed %d); both files as the "
          "model holds them byte for byte, nothing lost",
          total, duplicates, deletes, cancelled, changes);
}

QTEST_MAIN(Soak)
#include "tst_soak.moc"
