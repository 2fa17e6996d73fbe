// The station details the print options and the summary sheet remember between
// runs: a first run, filling the forms, when typed details are remembered, and
// the address entries are sent to, printed with the sheet.

#include "FakePlatform.h"
#include "OwnSettings.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "export/core/StationDetails.h"
#include "reports/LogSheetPrinting.h"
#include "reports/frmPrinter.h"
#include "reports/frmSummary.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

StationDetails someDetails()
{
    StationDetails d;
    d.call = QStringLiteral("Q1ABC");
    d.spc = QStringLiteral("MA");
    d.number = QStringLiteral("1234");
    d.name = QStringLiteral("Ann Operator");
    d.address = QStringLiteral("1 Hill Road");
    d.city = QStringLiteral("Springfield");
    d.state = QStringLiteral("MA");
    d.zip = QStringLiteral("01101");
    d.contest = QStringLiteral("FALL QSO PARTY");
    d.mode = QStringLiteral("CW");
    d.categoryStation = QStringLiteral("PORTABLE");
    d.transmitter = QStringLiteral("Zell 5");
    d.output = QStringLiteral("5 W");
    d.powerSource = QStringLiteral("Battery");
    d.antennas = QStringLiteral("Dipole");
    d.receiver = QStringLiteral("Same");
    d.sendEntriesTo = QStringLiteral("Q1MGR Contest Desk\n1 Main Street\nTown, ST 00001");
    return d;
}

} // namespace

class tst_RememberedDetails : public QObject {
    Q_OBJECT

    struct Setup {
        QTemporaryDir dir;
        FakePlatform fakes;
        std::unique_ptr<frmKestrix> window;
        frmSummary *sheet = nullptr;

        Setup()
        {
            TestLog::writeLog(dir.path(), {}, QStringLiteral("40"));
            window = TestLog::openWindow(dir.path(), fakes);
            sheet = &window->summarySheet();
        }
        frmPrinter &openPrintOptions()
        {
            QTest::mouseClick(window->ui().cmdPrinter, Qt::LeftButton);
            return window->logSheetPrinting().form();
        }
        static void type(QLineEdit *box, const QString &text)
        {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, text);
        }
    };

    OwnSettings m_settings;

  private Q_SLOTS:
    void init() { m_settings.renew(); }

    // clang-format off
    void firstRun_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::newRow("no settings file") << QByteArray();
        QTest::newRow("a folder in its place") << QByteArray("folder");
        QTest::newRow("not a settings file") << QByteArray("\xff\xfe[Station\n\x01=\x02\nCall\n=\n[");
    }
    // clang-format on
    // A missing or unreadable settings file: every form opens empty, nothing is
    // reported, and the operator can type and go on.
    void firstRun()
    {
        QFETCH(QByteArray, file);
        if (file == "folder")
            QVERIFY(QDir().mkpath(m_settings.file()));
        else if (!file.isNull()) {
            QVERIFY(QDir().mkpath(QFileInfo(m_settings.file()).path()));
            TestLog::writeFile(QFileInfo(m_settings.file()).path(), QStringLiteral("Kestrix.conf"), file);
        }
        Setup s;
        frmPrinter &options = s.openPrintOptions();
        for (QLineEdit *box : {options.txtContestName, options.txtCall, options.txtSPC, options.txtNumber,
                               options.txtMode, s.sheet->txt1A, s.sheet->txt3A, s.sheet->txt38A})
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        QCOMPARE(s.sheet->txtSendEntriesTo->toPlainText(), QString());
        Setup::type(options.txtCall, QStringLiteral("q1new"));
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
        QVERIFY(s.window->ui().txtSpecs->text().startsWith(QStringLiteral("Turn printer online")));
        QCOMPARE(s.fakes.beeper.count, 0);
    }

    // Both forms open with the remembered details; what the operator types in one
    // and confirms shows in the other, and nothing else is lost.
    void fillAndFollow()
    {
        const StationDetails before = someDetails();
        before.save();
        QVERIFY(QFile::exists(m_settings.file()));
        Setup s;
        const frmSummary &f = *s.sheet;
        const QList<std::pair<QLineEdit *, QString>> summary{
            {f.txt1A, before.contest},   {f.txt2A, before.mode},         {f.txt3A, before.call},
            {f.txt4A, before.spc},       {f.txt5A, before.number},       {f.txt30A, before.transmitter},
            {f.Text1, before.output},    {f.txt33A, before.powerSource}, {f.txt34A, before.antennas},
            {f.txt32A, before.receiver}, {f.txt36A, before.name},        {f.txt37A, before.call},
            {f.txt38A, before.address},  {f.Text3, before.city},         {f.txt40A, before.state},
            {f.Text4, before.zip}};
        for (const auto &[box, text] : summary)
            QVERIFY2(box->text() == text, qPrintable(box->objectName() + QStringLiteral(": ") + box->text()));
        QCOMPARE(f.txtSendEntriesTo->toPlainText(), before.sendEntriesTo);
        QCOMPARE(f.txt22A->text(), QStringLiteral("0")); // the recount's, not a detail

        frmPrinter &options = s.openPrintOptions();
        QCOMPARE((QStringList{options.txtContestName->text(), options.txtCall->text(), options.txtSPC->text(),
                              options.txtNumber->text(), options.txtMode->text(), options.txtDate->text()}),
                 (QStringList{before.contest, before.call, before.spc, before.number, before.mode, QString()}));

        Setup::type(options.txtCall, QStringLiteral("q1new"));
        Setup::type(options.txtNumber, QStringLiteral("5W"));
        QTest::mouseClick(options.cmdOK, Qt::LeftButton);
        StationDetails after = before;
        after.call = QStringLiteral("Q1NEW");
        after.number = QStringLiteral("5W");
        QCOMPARE(StationDetails::load(), after);

        // The summary's untouched boxes follow; one the operator typed into keeps its text.
        Setup::type(s.sheet->txt5A, QStringLiteral("777"));
        s.window->ui().mnuSummary->trigger();
        QCOMPARE(s.sheet->txt3A->text(), QStringLiteral("Q1NEW"));
        QCOMPARE(s.sheet->txt37A->text(), QStringLiteral("Q1NEW"));
        QCOMPARE(s.sheet->txt5A->text(), QStringLiteral("777"));

        // A new run starts from what was remembered.
        s.window.reset();
        Setup next;
        QCOMPARE(next.sheet->txt3A->text(), QStringLiteral("Q1NEW"));
        QCOMPARE(next.sheet->txt5A->text(), QStringLiteral("777")); // put away at the end of the run
    }

    // clang-format off
    void whenRemembered_data()
    {
        QTest::addColumn<bool>("summary");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("remembered");
        QTest::newRow("print options OK") << false << "cmdOK" << true;
        QTest::newRow("print options Cancel") << false << "cmdCancel" << false;
        QTest::newRow("log sheet printed") << false << "print" << true;
        QTest::newRow("summary Calculate") << true << "cmdCalculate" << true;
        QTest::newRow("summary Print") << true << "cmcPrint" << true;
        QTest::newRow("summary Cancel") << true << "cmdCancel" << true;
        QTest::newRow("summary Clear Form") << true << "cmdClear" << false;
    }
    // clang-format on
    // The call typed over the remembered one is remembered when the operator
    // confirms or puts the summary away, not on Cancel of the print options;
    // Clear Form empties the sheet without forgetting.
    void whenRemembered()
    {
        QFETCH(bool, summary);
        QFETCH(QString, action);
        QFETCH(bool, remembered);
        someDetails().save();
        Setup s;
        QWidget *form = summary ? static_cast<QWidget *>(s.sheet) : &s.openPrintOptions();
        if (summary)
            s.window->ui().mnuSummary->trigger();
        Setup::type(form->findChild<QLineEdit *>(summary ? QStringLiteral("txt3A") : QStringLiteral("txtCall")),
                    QStringLiteral("Q2TYP"));
        if (action == QLatin1String("print")) {
            Setup::type(s.window->logSheetPrinting().form().txtWhichBand, QStringLiteral("40"));
            QTest::mouseClick(s.window->ui().cmdPrinter, Qt::RightButton);
            QCOMPARE(s.fakes.printTarget.jobs.size(), 1);
        } else {
            QTest::mouseClick(form->findChild<QPushButton *>(action), Qt::LeftButton);
        }
        if (action == QLatin1String("cmdClear"))
            QTest::mouseClick(s.sheet->cmdCancel, Qt::LeftButton);
        StationDetails expected = someDetails();
        if (remembered)
            expected.call = QStringLiteral("Q2TYP");
        QCOMPARE(StationDetails::load(), expected);
    }

    // The sheet names no recipient of its own: the address box beside the last
    // instruction is empty until the operator types one, is remembered, and prints.
    void addressEntriesAreSentTo()
    {
        Setup s;
        s.window->ui().mnuSummary->trigger();
        QVERIFY(!s.sheet->lbl19->text().contains(QStringLiteral("Example")));
        QVERIFY(s.sheet->lbl19->text().endsWith(QStringLiteral("\r\n5. Send entries to:")));
        QPlainTextEdit *box = s.sheet->txtSendEntriesTo;
        QVERIFY(box->isVisible());
        // Inside the box's frame on the page: the window is printed at 150 dpi.
        const QRectF inside = QRectF(box->geometry().adjusted(4, 4, -4, -4));
        const QRect onPage = QRectF(inside.topLeft() * 150 / 96, inside.size() * 150 / 96).toRect();

        QTest::mouseClick(s.sheet->cmcPrint, Qt::LeftButton);
        QVERIFY(!TestLog::hasInk(s.fakes.printTarget.jobs.at(0).pages.at(0), onPage));

        const QString address = someDetails().sendEntriesTo;
        box->setFocus();
        for (const QString &line : address.split(u'\n')) {
            if (line != address.section(u'\n', 0, 0))
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, line);
        }
        QTest::mouseClick(s.sheet->cmcPrint, Qt::LeftButton);
        QVERIFY(TestLog::hasInk(s.fakes.printTarget.jobs.at(1).pages.at(0), onPage));
        QCOMPARE(StationDetails::load().sendEntriesTo, address);
        // Clear Form keeps it: it is where entries go, not part of this sheet's entry.
        QTest::mouseClick(s.sheet->cmdClear, Qt::LeftButton);
        QCOMPARE(box->toPlainText(), address);
    }
};

QTEST_MAIN(tst_RememberedDetails)
#include "tst_remembereddetails.moc"
