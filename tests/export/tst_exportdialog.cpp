// The Export Log dialog of the main window: opening, prefill, the file it
// writes, and never replacing a file without asking.

#include "ExportFixture.h"
#include "TestLog.h"
#include "export/core/StationDetails.h"
#include "export/ui/ExportLog.h"
#include "export/ui/frmExport.h"
#include "reports/frmSummary.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace ExportFixture;

namespace {

// Where the settings go: never the real ~/.config.
QTemporaryDir *configHome = nullptr;

struct Session {
    QTemporaryDir dir;
    FakePlatform fakes;
    std::unique_ptr<frmKestrix> window;
    frmExport *dialog = nullptr;

    explicit Session(const QList<QrpRecord> &log = knownLog())
    {
        TestLog::writeLog(dir.path(), log, "40");
        window = TestLog::openWindow(dir.path(), fakes);
        window->show();
        window->summarySheet().txt24A->setText("1"); // the power multiplier
    }
    frmExport &open()
    {
        window->ui().mnuExport->trigger();
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
    void initTestCase()
    {
        configHome = new QTemporaryDir;
        QVERIFY(configHome->isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome->path()));
    }
    void cleanupTestCase() { delete configHome; }
    void init() { QFile::remove(configHome->filePath("Kestrix/Kestrix.conf")); }

    void menuItemOpensOneDialog()
    {
        Session s;
        QMenu *menu = s.window->ui().mnuKestrix;
        QCOMPARE(menu->actions().indexOf(s.window->ui().mnuExport),
                 menu->actions().indexOf(s.window->ui().mnuSummary) + 1);
        QCOMPARE(s.window->ui().mnuExport->text(), "Export Log...");
        QVERIFY(s.window->ui().mnuExport->isEnabled());

        frmExport &dialog = s.open();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.windowTitle(), "Export Log");
        s.window->ui().mnuExport->trigger();
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
        s.window->ui().mnuExport->trigger();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.txtCall->text(), "k1xyz/p");
    }

    void writesTheCabrilloFile()
    {
        Session s;
        const QByteArray log = s.file("QRPDATA.DAT");
        s.window->summarySheet().txt24A->setText("7");
        s.open();
        s.typeStation();
        s.clickExport();
        QCOMPARE(lines(s.file("K1XYZ.log")), knownCabrillo(KESTRIX_VERSION, "882"));
        QCOMPARE(s.result(), "6 contacts written to " + QDir(s.dir.path()).filePath("K1XYZ.log") +
                                 ".\nClaimed score: 882 = 21 points x 6 multipliers x power multiplier 7 (summary "
                                 "sheet) x bonus multiplier 1 (summary sheet) + bonus points 0 (summary sheet).");
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
        // The summary's multipliers and bonus with the log as it stands; its
        // final score box, which may be older, is not copied.
        Session s;
        frmSummary &summary = s.window->summarySheet();
        summary.txt24A->setText("7");
        summary.txt25A->setText("2");
        summary.txt26A->setText("10");
        summary.txt27A->setText("840");
        s.open();
        s.typeStation();
        s.clickExport();
        QCOMPARE(lines(s.file("K1XYZ.log")).at(8), "CLAIMED-SCORE: 1774");

        // The sheet's totals are older than the log: the claim says so.
        summary.txt22A->setText("30");
        s.clickExport();
        QVERIFY2(s.result().endsWith("\nThe file claims 1774; the summary sheet gives 2530: its totals are 30 points "
                                     "and 6 S-P-C, the contacts written give 21 and 6 (press Update for the log as "
                                     "it stands)."),
                 qPrintable(s.result()));

        // Without a power multiplier, here or remembered, there is no claim to make.
        summary.txt24A->clear();
        s.clickExport();
        QCOMPARE(s.result(), "The claimed score needs your power multiplier: type it into POWER MULT on the contest "
                             "summary sheet (7 for 1 to 5 watts CW, for example).\nNothing was written.");
        QCOMPARE(lines(s.file("K1XYZ.log")).at(8), "CLAIMED-SCORE: 1774");
    }

    void prefilledFromThePrintOptions()
    {
        Session s;
        s.window->ui().mnuPrint->trigger();
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
        s.window->ui().mnuExport->trigger();
        QCOMPARE(dialog.txtNumber->text(), "1234");
        QCOMPARE(dialog.cboMode->currentText(), "CW");

        s.clickExport();
        const QStringList written = lines(s.file("K1XYZ.log"));
        QCOMPARE(written.at(1), "CONTEST: QRP-ARCI-SPRING-QSO-PARTY");
        QCOMPARE(written.at(FirstQso), knownCabrillo(KESTRIX_VERSION).at(FirstQso));
    }

    void neverReplacesAFileWithoutAsking()
    {
        Session s;
        TestLog::writeFile(s.dir.path(), "K1XYZ.log", "the operator's own file\r\n");
        const QString shown = QDir(s.dir.path()).filePath("K1XYZ.log");
        s.open();
        s.typeStation();

        s.fakes.confirmation.answer = false;
        s.clickExport();
        QCOMPARE(s.fakes.confirmation.asked, 1);
        QCOMPARE(s.fakes.confirmation.lastTitle, "Export Log");
        QCOMPARE(s.fakes.confirmation.lastText, shown + " is there already and is not a Cabrillo file made by "
                                                        "Kestrix.\nDo you want to replace it?");
        QCOMPARE(s.file("K1XYZ.log"), QByteArray("the operator's own file\r\n"));
        QCOMPARE(s.result(), QDir(s.dir.path()).filePath("K1XYZ.log") + " was kept as it was.\nNothing was written.");

        s.fakes.confirmation.answer = true;
        s.clickExport();
        QCOMPARE(s.fakes.confirmation.asked, 2);
        QCOMPARE(lines(s.file("K1XYZ.log")), knownCabrillo(KESTRIX_VERSION));
        // An earlier export is asked about too, more plainly.
        s.clickExport();
        QCOMPARE(s.fakes.confirmation.lastText, shown + " already exists.\nDo you want to replace it?");
    }

    // clang-format off
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
        QTest::newRow("onto a named pipe") << "pipe"
                                           << "k1xyz"
                                           << "@/pipe is a named pipe, not a file; choose another name.";
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
    // clang-format on
    void refusesWhatCannotBeExported()
    {
        QFETCH(QString, file);
        QFETCH(QString, call);
        QFETCH(QString, message);
        Session s;
        QCOMPARE(::mkfifo(QFile::encodeName(s.dir.filePath("pipe")).constData(), 0600), 0);
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

    void rememberedStationDetails()
    {
        StationDetails d;
        d.call = "K1XYZ";
        d.spc = "MA";
        d.number = "1234";
        d.mode = "SSB";
        d.contest = "QRP ARCI Spring QSO Party";
        d.name = "Pat Doe";
        d.address = "1 Main St";
        d.city = "Boston";
        d.state = "MA";
        d.zip = "02101";
        d.categoryStation = "PORTABLE";
        d.categoryTransmitter = "ONE";
        d.sendEntriesTo = "entries@example.org";
        d.save();

        Session s;
        // The summary sheet of this run is newer than what was remembered.
        s.window->summarySheet().txt36A->setText("Chris Doe");
        s.window->summarySheet().Text2->setText("Great fun");
        frmExport &dialog = s.open();
        QCOMPARE(dialog.txtCall->text(), "K1XYZ");
        QCOMPARE(dialog.txtSPC->text(), "MA");
        QCOMPARE(dialog.txtNumber->text(), "1234");
        QCOMPARE(dialog.cboMode->currentText(), "SSB");
        QCOMPARE(dialog.txtContest->text(), "QRP-ARCI-SPRING-QSO-PARTY");
        QCOMPARE(dialog.txtName->text(), "Chris Doe");
        QCOMPARE(dialog.txtZip->text(), "02101");
        QCOMPARE(dialog.cboCategoryStation->currentText(), "PORTABLE");
        QCOMPARE(dialog.cboCategoryTransmitter->currentText(), "ONE");

        dialog.txtNumber->clear();
        QTest::keyClicks(dialog.txtNumber, "5W");
        // Meanwhile another Kestrix remembers a name and a power multiplier.
        StationDetails other = StationDetails::load();
        other.name = "Sam Roe";
        other.powerMultiplier = "5";
        other.save();
        s.window->summarySheet().txt24A->clear();
        s.clickExport();
        QVERIFY2(s.result().contains(" x power multiplier 5 (remembered) x "), qPrintable(s.result()));
        const QStringList written = lines(s.file("K1XYZ.log"));
        QCOMPARE(
            written.mid(6, 10),
            (QStringList{"CATEGORY-MODE: SSB", "CATEGORY-POWER: QRP", "CATEGORY-STATION: PORTABLE",
                         "CATEGORY-TRANSMITTER: ONE", "CLAIMED-SCORE: 630", "NAME: Chris Doe", "ADDRESS: 1 Main St",
                         "ADDRESS-CITY: Boston", "ADDRESS-STATE-PROVINCE: MA", "ADDRESS-POSTALCODE: 02101"}));
        QCOMPARE(written.at(16), "SOAPBOX: Great fun");
        QVERIFY(written.at(18).endsWith(" K1XYZ         579 MA   5W    W1AW          579 CT   7"));

        // Export remembered only what was typed in the dialog, into the details as
        // the other window left them; the contest keeps its printed words.
        StationDetails expected = other;
        expected.number = "5W";
        QCOMPARE(StationDetails::load(), expected);
    }

    void failedWriteKeepsTheEarlierFile()
    {
        Session s;
        TestLog::writeFile(s.dir.path(), "K1XYZ.log", "the earlier export\r\n");
        s.open();
        s.typeStation();
        // A disk that fills up after 300 bytes.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{300, saved.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        s.clickExport();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(s.fakes.confirmation.asked, 1);
        const QString path = QDir(s.dir.path()).filePath("K1XYZ.log");
        QCOMPARE(s.result(), path + " could not be written: " + strerror(EFBIG) + ".\nNothing was written.\n" + path +
                                 " was kept as it was.");
        QCOMPARE(s.file("K1XYZ.log"), QByteArray("the earlier export\r\n"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".kestrix-export"), QStringList());
    }

    void incompleteContactsAreNamed()
    {
        QList<QrpRecord> log = knownLog();
        log << TestLog::record({"N0RST", "12", "", "KS", "", "579", "20", "12/07/98", "16:00:00", "5", "1"})
            << TestLog::record({"N0DAY", "12", "", "KS", "579", "579", "20", "", "16:00:00", "5", "1"});
        Session s(log);
        frmExport &dialog = s.open();
        s.typeStation();
        const QString named =
            "Record 9 (N0RST): it lacks the RST sent.\nRecord 10 (N0DAY): its date \"\" is not a date "
            "mm/dd/yy.";
        s.clickExport();
        QCOMPARE(s.result(), "2 contacts a checker cannot read:\n" + named +
                                 "\nMend them with Change, or tick \"Leave out contacts a checker cannot "
                                 "read\".\nNothing was written.");
        QVERIFY(!QFile::exists(s.dir.filePath("K1XYZ.log")));

        QTest::mouseClick(dialog.chkSkipIncomplete, Qt::LeftButton, {},
                          QPoint(4, dialog.chkSkipIncomplete->height() / 2));
        QVERIFY(dialog.chkSkipIncomplete->isChecked());
        s.clickExport();
        QVERIFY2(s.result().startsWith("6 contacts written to "), qPrintable(s.result()));
        QVERIFY(s.result().contains("\nThe file claims 126; the summary sheet gives 217: it also counts the 2 "
                                    "contacts left out of the file.\n2 incomplete contacts left out:\n" +
                                    named));
        QCOMPARE(lines(s.file("K1XYZ.log")), knownCabrillo(KESTRIX_VERSION));
    }
};

QTEST_MAIN(tst_ExportDialog)
#include "tst_exportdialog.moc"
