// The Export Log dialog of the main window: opening, prefill, the file it
// writes, and never replacing a file without asking.

#include "ExportFixture.h"
#include "ExportLog.h"
#include "frmExport.h"
#include "frmKestrix.h"
#include "frmSummary.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace ExportFixture;

namespace {

struct Session {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<frmKestrix> window;
    frmExport *dialog = nullptr;

    Session()
    {
        TestLog::writeLog(dir.path(), knownLog(), "40");
        window = TestLog::openWindow(dir.path(), fakes);
        window->show();
    }
    frmExport &open()
    {
        window->mnuExport->trigger();
        dialog = window->findChild<frmExport *>(QStringLiteral("frmExport"));
        return *dialog;
    }
    // Types the station K1XYZ / MA / 1234 / CW into the dialog.
    void typeStation(const QString &contest = QStringLiteral("QRP-ARCI-FALL-QSO-PARTY"))
    {
        QTest::keyClicks(dialog->txtCall, "k1xyz");
        QTest::keyClicks(dialog->txtSPC, "ma");
        QTest::keyClicks(dialog->txtNumber, "1234");
        QTest::keyClicks(dialog->txtContest, contest);
    }
    void clickExport() { QTest::mouseClick(dialog->cmdExport, Qt::LeftButton); }
    QString result() const { return dialog->txtResult->toPlainText(); }
    QByteArray file(const QString &name) const { return TestLog::readFile(dir.path(), name); }
};

} // namespace

class tst_ExportDialog : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void menuItemOpensOneDialog()
    {
        Session s;
        QMenu *menu = s.window->mnuKestrix;
        QCOMPARE(menu->actions().last(), s.window->mnuExport);
        QCOMPARE(s.window->mnuExport->text(), "Export Log...");
        QVERIFY(s.window->mnuExport->isEnabled());

        frmExport &dialog = s.open();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.windowTitle(), "Export Log");
        s.window->mnuExport->trigger();
        QCOMPARE(s.window->findChildren<frmExport *>().size(), 1);

        // The file name follows the call sign and the format.
        QTest::keyClicks(dialog.txtCall, "k1xyz");
        QCOMPARE(dialog.txtFile->text(), QDir(s.dir.path()).filePath("K1XYZ.log"));
        dialog.cboFormat->setCurrentIndex(1);
        QCOMPARE(dialog.txtFile->text(), QDir(s.dir.path()).filePath("K1XYZ.adi"));
        // A name typed by hand stays; only its suffix follows the format.
        dialog.txtFile->clear();
        QTest::keyClicks(dialog.txtFile, QDir(s.dir.path()).filePath("entry.adi"));
        QTest::keyClicks(dialog.txtCall, "/p");
        dialog.cboFormat->setCurrentIndex(0);
        QCOMPARE(dialog.txtFile->text(), QDir(s.dir.path()).filePath("entry.log"));

        QTest::mouseClick(dialog.cmdClose, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        s.window->mnuExport->trigger();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.txtCall->text(), "k1xyz/p");
    }

    void writesTheCabrilloFile()
    {
        Session s;
        const QByteArray log = s.file("QRPDATA.DAT");
        s.open();
        s.typeStation();
        s.clickExport();
        const QStringList written = lines(s.file("K1XYZ.log"));
        const QStringList expected = knownCabrillo(KESTRIX_VERSION);
        for (qsizetype i = 0; i < qMin(written.size(), expected.size()); ++i)
            QCOMPARE(written.at(i), expected.at(i));
        QCOMPARE(written.size(), expected.size());
        QCOMPARE(s.result(), "6 contacts written to " + QDir(s.dir.path()).filePath("K1XYZ.log") +
                                 ".\nClaimed score: 138 (total points x multipliers).");
        QCOMPARE(s.file("QRPDATA.DAT"), log);
        QCOMPARE(s.fakes.confirmation.asked, 0);
    }

    void writesTheAdifFile()
    {
        Session s;
        s.fakes.clock.current = QDateTime(QDate(2024, 10, 20), QTime(18, 30, 5), Qt::UTC);
        s.open();
        s.dialog->cboFormat->setCurrentIndex(1);
        s.typeStation(QString());
        s.clickExport();
        QStringList expected{"Kestrix log export",
                             "<ADIF_VER:5>3.1.4",
                             "<PROGRAMID:7>Kestrix",
                             "<PROGRAMVERSION:5>" KESTRIX_VERSION,
                             "<CREATED_TIMESTAMP:15>20241020 183005",
                             "<EOH>"};
        expected += knownAdifRecords();
        QCOMPARE(lines(s.file("K1XYZ.adi")), expected);
        QCOMPARE(s.result(), "6 contacts written to " + QDir(s.dir.path()).filePath("K1XYZ.adi") + ".");
    }

    void claimedScoreFromTheSummarySheet()
    {
        Session s;
        s.window->summarySheet().txt27A->setText("840");
        s.open();
        s.typeStation();
        s.clickExport();
        QCOMPARE(lines(s.file("K1XYZ.log")).at(7), "CLAIMED-SCORE: 840");
        QVERIFY(s.result().endsWith("Claimed score: 840 (from the summary sheet)."));
    }

    void prefilledFromThePrintOptions()
    {
        Session s;
        s.window->mnuPrint->trigger();
        QWidget *printer = s.window->findChild<QWidget *>(QStringLiteral("frmPrinter"));
        QVERIFY(printer);
        auto box = [printer](const char *name) { return printer->findChild<QLineEdit *>(QLatin1String(name)); };
        QTest::keyClicks(box("txtContestName"), "qrp arci  spring qso party");
        QTest::keyClicks(box("txtCall"), "k1xyz");
        QTest::keyClicks(box("txtSPC"), "ma");
        QTest::keyClicks(box("txtNumber"), "5W");
        QTest::keyClicks(box("txtMode"), "ssb");

        frmExport &dialog = s.open();
        QCOMPARE(dialog.txtCall->text(), "K1XYZ");
        QCOMPARE(dialog.txtSPC->text(), "MA");
        QCOMPARE(dialog.txtNumber->text(), "5W");
        QCOMPARE(dialog.cboMode->currentText(), "SSB");
        QCOMPARE(dialog.txtContest->text(), "QRP-ARCI-SPRING-QSO-PARTY");

        // What the operator changed here stays when the dialog is opened again.
        dialog.txtNumber->clear();
        QTest::keyClicks(dialog.txtNumber, "1234");
        QTest::keyClick(dialog.cboMode, Qt::Key_Up);
        s.window->mnuExport->trigger();
        QCOMPARE(dialog.txtNumber->text(), "1234");
        QCOMPARE(dialog.cboMode->currentText(), "CW");

        s.clickExport();
        const QStringList written = lines(s.file("K1XYZ.log"));
        QCOMPARE(written.at(1), "CONTEST: QRP-ARCI-SPRING-QSO-PARTY");
        QCOMPARE(written.at(9), knownCabrillo(KESTRIX_VERSION).at(9));
    }

    void neverReplacesAFileWithoutAsking()
    {
        Session s;
        TestLog::writeFile(s.dir.path(), "K1XYZ.log", "the operator's own file\r\n");
        s.open();
        s.typeStation();

        s.fakes.confirmation.answer = false;
        s.clickExport();
        QCOMPARE(s.fakes.confirmation.asked, 1);
        QCOMPARE(s.fakes.confirmation.lastTitle, "Export Log");
        QCOMPARE(s.fakes.confirmation.lastText,
                 QDir(s.dir.path()).filePath("K1XYZ.log") + " already exists.\nDo you want to replace it?");
        QCOMPARE(s.file("K1XYZ.log"), QByteArray("the operator's own file\r\n"));
        QCOMPARE(s.result(), QDir(s.dir.path()).filePath("K1XYZ.log") + " was kept as it was.\nNothing was written.");

        s.fakes.confirmation.answer = true;
        s.clickExport();
        QCOMPARE(s.fakes.confirmation.asked, 2);
        QCOMPARE(lines(s.file("K1XYZ.log")), knownCabrillo(KESTRIX_VERSION));
    }

    void refusesWhatCannotBeExported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("message");
        QTest::newRow("onto the log") << "QRPDATA.DAT"
                                      << "k1xyz"
                                      << "@/QRPDATA.DAT is a log file of Kestrix; choose another name.";
        QTest::newRow("onto the text log") << "ARCIFILE.DAT"
                                           << "k1xyz"
                                           << "@/ARCIFILE.DAT is a log file of Kestrix; choose another name.";
        QTest::newRow("onto the folder") << "."
                                         << "k1xyz"
                                         << "@ is a folder.";
        QTest::newRow("no call sign") << ""
                                      << ""
                                      << "Your call sign is missing.";
        QTest::newRow("no file") << " "
                                 << "k1xyz"
                                 << "Choose the file to write.";
    }
    void refusesWhatCannotBeExported()
    {
        QFETCH(QString, file);
        QFETCH(QString, call);
        QFETCH(QString, message);
        Session s;
        const QByteArray log = s.file("QRPDATA.DAT"), text = s.file("ARCIFILE.DAT");
        frmExport &dialog = s.open();
        s.typeStation();
        dialog.txtCall->setText(call);
        if (!file.isEmpty())
            dialog.txtFile->setText(file);
        const int beeps = s.fakes.beeper.count;
        s.clickExport();
        QCOMPARE(s.fakes.beeper.count, beeps + 1);
        QCOMPARE(s.fakes.confirmation.asked, 0);
        QCOMPARE(s.result(), message.replace("@", QDir(s.dir.path()).absolutePath()) + "\nNothing was written.");
        QCOMPARE(s.file("QRPDATA.DAT"), log);
        QCOMPARE(s.file("ARCIFILE.DAT"), text);
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files), (QStringList{"ARCIFILE.DAT", "QRPDATA.DAT"}));
    }
};

QTEST_MAIN(tst_ExportDialog)
#include "tst_exportdialog.moc"
