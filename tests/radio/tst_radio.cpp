// The radio subsystem against the real components: Hamlib's rigctld with its dummy
// rig (rigctl moves it) and cwdaemon without sound or keying device, each
// started here on a free loopback port and stopped again.

#include "TestLog.h"
#include "console/frmKestrix.h"
#include "export/core/StationDetails.h"
#include "export/ui/frmExport.h"
#include "radio/core/CwDaemonKeyer.h"
#include "radio/core/RadioSettings.h"
#include "radio/core/RigControl.h"
#include "radio/core/RigModels.h"
#include "radio/ui/RadioSubsystem.h"
#include "radio/ui/frmRadio.h"
#include "reports/OwnSettings.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <csignal>
#include <sys/prctl.h>

namespace {

QString findProgram(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty()) // cwdaemon lives in sbin
        path = QStandardPaths::findExecutable(
            name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/local/sbin")});
    return path;
}

// A daemon on a loopback port of its own: started, asked until it answers,
// stopped by the destructor.
class Daemon {
  public:
    enum Kind { Rigctld, CwDaemon };
    explicit Daemon(Kind kind, bool verbose = false) : m_kind(kind), m_verbose(verbose)
    {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        // A test that crashes takes its daemons with it.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    }
    ~Daemon() { stop(); }

    static QString program(Kind kind) { return findProgram(kind == Rigctld ? "rigctld" : "cwdaemon"); }

    // On a free port, or on the port it had before (a restart).
    bool start()
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (m_port == 0 || attempt > 0 && !m_keepPort)
                m_port = freePort();
            if (launch())
                return true;
            QTest::qWait(200);
        }
        return false;
    }
    bool restart()
    {
        m_keepPort = true;
        const bool started = start();
        m_keepPort = false;
        return started;
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
        output();
    }
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
        output();
    }
    QString output()
    {
        m_output += QString::fromLocal8Bit(m_process.readAll());
        return m_output;
    }
    int count(const QString &text) { return int(output().count(text)); }
    quint16 port() const { return m_port; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

  private:
    quint16 freePort()
    {
        if (m_kind == Rigctld) {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, 0);
            return server.serverPort();
        }
        QUdpSocket socket;
        socket.bind(QHostAddress::LocalHost, 0);
        return socket.localPort();
    }
    bool launch()
    {
        const QString port = QString::number(m_port);
        QStringList args;
        if (m_kind == Rigctld) {
            args = {"-m", "1", "-T", "127.0.0.1", "-t", port};
            if (m_verbose)
                args << "-vvvv";
        } else {
            args = {"-n", "-x", "n", "-d", "null", "-p", port, "-iiii"};
        }
        m_process.start(program(m_kind), args);
        if (!m_process.waitForStarted(3000))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5000 && m_process.state() == QProcess::Running) {
            if (answers())
                return true;
            QTest::qWait(50);
        }
        stop(); // the port was taken after all, or the daemon never came up
        return false;
    }
    bool answers()
    {
        if (m_kind == Rigctld) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            return probe.waitForConnected(200);
        }
        QUdpSocket probe;
        probe.writeDatagram(QByteArray("\x1b"
                                       "0"),
                            QHostAddress::LocalHost, m_port);
        QTest::qWait(50);
        return output().contains(QStringLiteral("escaped request"));
    }

    Kind m_kind;
    bool m_verbose;
    bool m_keepPort = false;
    quint16 m_port = 0;
    QProcess m_process;
    QString m_output;
};

// rigctl moves the dummy rig behind rigctld, as an operator turns the dial.
bool rigctl(const Daemon &rig, const QStringList &command)
{
    QProcess p;
    p.start(findProgram("rigctl"), QStringList{"-m", "2", "-r", rig.address()} + command);
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class tst_Radio : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void noRadioByDefault();
    void bandFollowsTheRig();
    void silentAddress();
    void rigFaultsNeverStopTheLog();
    void cwThroughTheRig();
    void cwdaemonKeys();
    void cwdaemonKilledMidContest();
    void dialog();

  private:
    // A window on a fresh log (placeholder on 40 m) with these radio settings
    // and the station K1XYZ, MA, ARCI number 1234.
    frmKestrix &open(const RadioSettings &radio);
    QString status() const { return m_window->radio().lblRadio()->text(); }
    void saveContact(const QString &call);

    OwnSettings m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    FakePlatform m_fakes;
    std::unique_ptr<frmKestrix> m_window;
};

void tst_Radio::init()
{
    m_window.reset();
    m_settings.renew();
    m_dir = std::make_unique<QTemporaryDir>();
}

frmKestrix &tst_Radio::open(const RadioSettings &radio)
{
    StationDetails own;
    own.call = QStringLiteral("K1XYZ");
    own.spc = QStringLiteral("MA");
    own.number = QStringLiteral("1234");
    own.save();
    radio.save();
    TestLog::writeLog(m_dir->path(), {}, QStringLiteral("40"));
    m_window = TestLog::openWindow(m_dir->path(), m_fakes);
    m_window->show();
    return *m_window;
}

void tst_Radio::saveContact(const QString &call)
{
    const KestrixControls &ui = m_window->ui();
    QTest::keyClicks(ui.txtCallsign, call);
    QTest::keyClicks(ui.txtRstRcvd, "599");
    QTest::keyClicks(ui.txtRstSent, "579");
    QTest::keyClicks(ui.txtSpc, "NY");
    QTest::keyClicks(ui.txtArci, "4321");
    QTest::mouseClick(ui.cmdSaveRecord, Qt::LeftButton);
}

void tst_Radio::noRadioByDefault()
{
    // No radio set up: no rig thread, no keyer, no status line, and the keys
    // reach the boxes as they always did.
    frmKestrix &w = open(RadioSettings());
    const KestrixControls &ui = w.ui();
    QVERIFY(!w.radio().findChild<RigControl *>());
    QVERIFY(!w.radio().findChild<CwDaemonKeyer *>());
    QVERIFY(w.radio().lblRadio()->isHidden());
    QSignalSpy typed(ui.txtCallsign, &QLineEdit::textChanged);
    QTest::keyClicks(ui.txtCallsign, "W1AW");
    QTest::keyClick(ui.txtCallsign, Qt::Key_F2);
    QTest::keyClick(ui.txtCallsign, Qt::Key_Escape);
    QCOMPARE(ui.txtCallsign->text(), QStringLiteral("W1AW"));
    QCOMPARE(typed.count(), 4);

    // "Radio..." comes right after "Export Log...".
    const QList<QAction *> items = ui.mnuKestrix->actions();
    QCOMPARE(items.indexOf(ui.mnuRadio), items.indexOf(ui.mnuExport) + 1);
    QCOMPARE(ui.mnuRadio->text(), QStringLiteral("Radio..."));
    QVERIFY(ui.mnuRadio->isEnabled());
}

void tst_Radio::bandFollowsTheRig()
{
    if (Daemon::program(Daemon::Rigctld).isEmpty())
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    Daemon rig(Daemon::Rigctld);
    QVERIFY(rig.start());
    QVERIFY(rigctl(rig, {"F", "3560000"}));
    QVERIFY(rigctl(rig, {"M", "CW", "500"}));
    RadioSettings radio;
    radio.rigModel = 2;
    radio.rigPort = rig.address();
    frmKestrix &w = open(radio);
    const KestrixControls &ui = w.ui();

    QVERIFY(w.radio().findChild<RigControl *>());
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("Radio: 3.560.00 CW"), 5000);
    QCOMPARE(ui.txtBand->text(), QStringLiteral("80"));

    // The band changes within 600 ms of the rig's, through the menu item.
    QSignalSpy menu20(ui.mnu20, &QAction::triggered);
    QVERIFY(rigctl(rig, {"F", "14025000"}));
    QTRY_COMPARE_WITH_TIMEOUT(ui.txtBand->text(), QStringLiteral("20"), 600);
    QCOMPARE(menu20.count(), 1);
    QTRY_COMPARE(status(), QStringLiteral("Radio: 14.025.00 CW"));

    // A band set by hand stays while the rig stays on its band.
    ui.mnu80->trigger();
    QTest::qWait(1500);
    QCOMPARE(ui.txtBand->text(), QStringLiteral("80"));
    QCOMPARE(menu20.count(), 1);

    // Outside the contest bands the band box is left alone.
    QVERIFY(rigctl(rig, {"F", "10116000"}));
    QTRY_COMPARE(status(), QStringLiteral("Radio: 10.116.00 CW"));
    QCOMPARE(ui.txtBand->text(), QStringLiteral("80"));
    QVERIFY(rigctl(rig, {"F", "7032100"}));
    QTRY_COMPARE_WITH_TIMEOUT(ui.txtBand->text(), QStringLiteral("40"), 600);

    // The rig's mode becomes the export's default mode.
    QVERIFY(rigctl(rig, {"M", "USB", "2400"}));
    QTRY_COMPARE(status(), QStringLiteral("Radio: 7.032.10 USB"));
    QCOMPARE(StationDetails::load().mode, QStringLiteral("SSB"));
    QVERIFY(rigctl(rig, {"M", "CW", "500"}));
    QTRY_COMPARE(StationDetails::load().mode, QStringLiteral("CW"));
    ui.mnuExport->trigger();
    auto *exportDialog = w.findChild<frmExport *>();
    QVERIFY(exportDialog);
    QCOMPARE(exportDialog->cboMode->currentText(), QStringLiteral("CW"));

    // Switched off in the dialog, the band box no longer follows.
    w.radio().mnuRadio_Click();
    w.radio().form().chkBandFollows->setChecked(false);
    QTest::mouseClick(w.radio().form().cmdOK, Qt::LeftButton);
    QVERIFY(!RadioSettings::load().bandFollows);
    QVERIFY(rigctl(rig, {"F", "21060000"}));
    QTRY_COMPARE(status(), QStringLiteral("Radio: 21.060.00 CW"));
    QCOMPARE(ui.txtBand->text(), QStringLiteral("40"));
}

void tst_Radio::silentAddress()
{
    // A listener whose accept queue (one connect) is full drops connects, as a firewalled host does.
    QTcpServer listener;
    listener.setListenBacklogSize(0);
    listener.setMaxPendingConnections(0); // never accepts
    QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
    QTcpSocket filler, dropped;
    filler.connectToHost(QHostAddress::LocalHost, listener.serverPort());
    QVERIFY(filler.waitForConnected(1000));
    dropped.connectToHost(QHostAddress::LocalHost, listener.serverPort());
    QVERIFY(!dropped.waitForConnected(300));
    const QString silent = QStringLiteral("127.0.0.1:%1").arg(listener.serverPort()),
                  nobody = QStringLiteral("127.0.0.1:1");
    const QString refused = QStringLiteral("nothing is listening on 127.0.0.1:1: is rigctld running?");
    QElapsedTimer waited;
    {
        RigControl rig;
        QSignalSpy failed(&rig, &RigControl::notAnswering), tested(&rig, &RigControl::testDone);
        waited.start();
        rig.configure(2, silent, 0, 0);
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 4000);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("not answering: no reply from %1 in 2 s").arg(silent));
        QVERIFY2(waited.elapsed() >= 1900, qPrintable(QString::number(waited.elapsed())));
        // While the silent address is connected to again, Test and new settings are answered at once.
        rig.configure(2, silent, 0, 0);
        QTest::qWait(200);
        rig.test(2, nobody, 0);
        rig.configure(2, nobody, 0, 0);
        QTRY_COMPARE_WITH_TIMEOUT(failed.count() + tested.count(), 3, 1000);
        QCOMPARE(tested.at(0).at(3).toString(), refused);
        QCOMPARE(failed.at(1).at(0).toString(), refused);
        rig.configure(2, silent, 0, 0);
        QTest::qWait(200);
        waited.restart();
    }
    QVERIFY2(waited.elapsed() < 1000, "Exit waited on a pending connect");
}

void tst_Radio::rigFaultsNeverStopTheLog()
{
    if (Daemon::program(Daemon::Rigctld).isEmpty())
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    Daemon rig(Daemon::Rigctld);
    QVERIFY(rig.start());
    RadioSettings radio;
    radio.rigModel = 2;
    radio.rigPort = rig.address();
    radio.keyer = RadioSettings::Keyer::Hamlib;
    frmKestrix &w = open(radio);
    const KestrixControls &ui = w.ui();
    QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(QStringLiteral("Radio: 145.000.00")), 5000);

    // rigctld stopped mid-contest: one plain line, no dialog, and the log goes on.
    rig.stop();
    const QString gone = QStringLiteral("Radio: nothing is listening on %1: is rigctld running?").arg(rig.address());
    QTRY_COMPARE_WITH_TIMEOUT(status(), gone + QStringLiteral("\nCW 25 WPM"), 5000);
    QElapsedTimer typing;
    typing.start();
    saveContact(QStringLiteral("W1AW"));
    // While the rig is asked again in the background, the window never waits on it.
    QVERIFY2(typing.elapsed() < 1000, qPrintable(QString::number(typing.elapsed())));
    const QByteArray qrp = TestLog::readFile(m_dir->path(), QStringLiteral("QRPDATA.DAT"));
    QCOMPARE(qrp.size(), 2 * 48);
    QVERIFY(qrp.startsWith("W1AW    "));
    QCOMPARE(ui.txtBand->text(), QStringLiteral("40"));
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(top == &w || !top->isVisible(), qPrintable(top->objectName()));
    // A message the rig cannot take is said once, then the speed again.
    QTest::keyClick(ui.txtCallsign, Qt::Key_F1);
    QTRY_VERIFY(status().endsWith(QStringLiteral("\nCW: the radio is not answering")));
    QTRY_VERIFY_WITH_TIMEOUT(status().endsWith(QStringLiteral("\nCW 25 WPM")), 6000);

    // Started again, it is found again without the operator doing anything.
    QVERIFY(rig.restart());
    QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(QStringLiteral("Radio: 145.000.00")), 6000);
    RadioSettings badKeyer = radio; // switches the keyer off, never the rig
    badKeyer.wpm = 1000;
    w.radio().apply(badKeyer);
    QTRY_COMPARE_WITH_TIMEOUT(
        status(), QStringLiteral("Radio: 145.000.00 FM\nCW not used. The CW speed must be 5 to 60 WPM, not 1000."),
        3000);

    // A serial rig whose port is missing says so and is retried quietly.
    RadioSettings serial;
    serial.rigModel = 1; // replaced below by a rig on a serial line
    for (const RigModel &m : RigModels::all())
        if (m.port == RigModel::Port::Serial) {
            serial.rigModel = m.model;
            break;
        }
    serial.rigPort = m_dir->filePath(QStringLiteral("ttyUSB9"));
    w.radio().apply(serial);
    QTRY_COMPARE_WITH_TIMEOUT(
        status(), QStringLiteral("Radio: no serial port %1: is the rig's cable plugged in?").arg(serial.rigPort), 3000);
    saveContact(QStringLiteral("K2BB"));
    QCOMPARE(TestLog::readFile(m_dir->path(), QStringLiteral("QRPDATA.DAT")).size(), 3 * 48);
}

void tst_Radio::cwThroughTheRig()
{
    if (Daemon::program(Daemon::Rigctld).isEmpty())
        QSKIP("rigctld is not installed (Debian package libhamlib-utils)");
    Daemon rig(Daemon::Rigctld, true);
    QVERIFY(rig.start());
    RadioSettings radio;
    radio.rigModel = 2;
    radio.rigPort = rig.address();
    radio.keyer = RadioSettings::Keyer::Hamlib;
    radio.wpm = 20;
    frmKestrix &w = open(radio);
    const KestrixControls &ui = w.ui();
    QTRY_VERIFY_WITH_TIMEOUT(status().startsWith(QStringLiteral("Radio: 145.000.00")), 5000);
    QCOMPARE(status(), QStringLiteral("Radio: 145.000.00 FM\nCW 20 WPM"));
    QTRY_VERIFY(rig.output().contains(QStringLiteral("KEYSPD 20")));

    // F1 reaches the rig's keyer; the status line says so while it sends.
    QTest::keyClick(ui.txtCallsign, Qt::Key_F1);
    QTRY_COMPARE(rig.count(QStringLiteral("dummy_send_morse entered")), 1);
    QTRY_COMPARE(status(), QStringLiteral("Radio: 145.000.00 FM\nSending CW"));
    // Esc stops it at once.
    QTest::keyClick(ui.txtCallsign, Qt::Key_Escape);
    QVERIFY(!status().contains(QStringLiteral("Sending CW")));
    QTRY_VERIFY(rig.output().contains(QStringLiteral("stop_morse")));
    // Page Up sets the rig's keyer 2 WPM faster.
    QTest::keyClick(ui.txtCallsign, Qt::Key_PageUp);
    QTRY_VERIFY(rig.output().contains(QStringLiteral("KEYSPD 22")));
    QCOMPARE(RadioSettings::load().wpm, 22);
    QCOMPARE(ui.txtCallsign->text(), QString());
}

void tst_Radio::cwdaemonKeys()
{
    if (Daemon::program(Daemon::CwDaemon).isEmpty())
        QSKIP("cwdaemon is not installed (Debian package cwdaemon)");
    Daemon keyer(Daemon::CwDaemon);
    QVERIFY(keyer.start());
    RadioSettings radio;
    radio.keyer = RadioSettings::Keyer::CwDaemon;
    radio.cwDaemon = keyer.address();
    radio.wpm = 24;
    radio.messages[6] = QString::fromUtf8("{CALL}-+~ Ä");
    frmKestrix &w = open(radio);
    const KestrixControls &ui = w.ui();
    QVERIFY(w.radio().findChild<CwDaemonKeyer *>());
    QCOMPARE(status(), QStringLiteral("CW 24 WPM"));
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("requested morse speed [wpm]: \"24\"")));

    // F2 sends the exchange with the call as it stands in the box, which
    // keeps what it holds.
    QTest::keyClicks(ui.txtCallsign, "w1aw");
    QTest::keyClick(ui.txtCallsign, Qt::Key_F2);
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("request: \"W1AW 5NN MA 1234\"")));
    QCOMPARE(status(), QStringLiteral("Sending CW"));
    QCOMPARE(ui.txtCallsign->text(), QStringLiteral("W1AW"));

    // Esc stops it at once.
    QTest::keyClick(ui.txtCallsign, Qt::Key_Escape);
    QVERIFY(w.radio().findChild<CwDaemonKeyer *>());
    QCOMPARE(status(), QStringLiteral("CW 24 WPM"));
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("escaped request: \"<ESC>4\"")));

    // cwdaemon gets only what it keys, and the status line shows it.
    QTest::keyClick(ui.txtCallsign, Qt::Key_F7);
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("request: \"W1AW A\"")));
    QCOMPARE(status(), QStringLiteral("Sending CW as \"W1AW A\""));
    QTest::keyClick(ui.txtCallsign, Qt::Key_Escape);

    // Page Up and Page Down from other boxes: 2 WPM a press, remembered.
    QTest::keyClick(ui.txtRecNum, Qt::Key_PageUp);
    QTest::keyClick(ui.txtSpecs, Qt::Key_PageUp);
    QTest::keyClick(ui.cmdSaveRecord, Qt::Key_PageDown);
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("requested morse speed [wpm]: \"28\"")));
    QCOMPARE(status(), QStringLiteral("CW 26 WPM"));
    QCOMPARE(RadioSettings::load().wpm, 26);
    QCOMPARE(ui.txtRecNum->text(), QString());

    // F3 from the review row; the daemon's answer ends "Sending CW".
    QTest::keyClick(ui.txtCall, Qt::Key_F3);
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("request: \"TU K1XYZ\"")));
    QCOMPARE(status(), QStringLiteral("Sending CW"));
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("CW 26 WPM"), 5000);

    // A message that needs the own call is not sent without one.
    StationDetails own = StationDetails::load();
    own.call.clear();
    own.save();
    const QString textRequest = QStringLiteral("II: request: \"");
    const int requests = keyer.count(textRequest);
    QTest::keyClick(ui.txtCallsign, Qt::Key_F1);
    QCOMPARE(status(), QStringLiteral("CW: F1 not sent: {MYCALL} not set (Export Log...)"));
    QTest::qWait(300);
    QCOMPARE(keyer.count(textRequest), requests);
}

void tst_Radio::cwdaemonKilledMidContest()
{
    if (Daemon::program(Daemon::CwDaemon).isEmpty())
        QSKIP("cwdaemon is not installed (Debian package cwdaemon)");
    Daemon keyer(Daemon::CwDaemon);
    QVERIFY(keyer.start());
    RadioSettings radio;
    radio.keyer = RadioSettings::Keyer::CwDaemon;
    radio.cwDaemon = keyer.address();
    frmKestrix &w = open(radio);
    const KestrixControls &ui = w.ui();
    QTest::keyClick(ui.txtCallsign, Qt::Key_F1);
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("request: \"CQ TEST K1XYZ K1XYZ TEST\"")));

    keyer.kill();
    const QString gone = QStringLiteral("CW: nothing is listening on %1: is cwdaemon running?").arg(keyer.address());
    QTRY_COMPARE_WITH_TIMEOUT(status(), gone, 3 * CwDaemonKeyer::CheckMillis);
    // Logging goes on; the keys do no harm.
    QTest::keyClick(ui.txtCallsign, Qt::Key_F1);
    saveContact(QStringLiteral("N0CALL"));
    QVERIFY(TestLog::readFile(m_dir->path(), QStringLiteral("QRPDATA.DAT")).startsWith("N0CALL  "));
    QCOMPARE(status(), gone);

    // The daemon back on its port is noticed without the operator doing anything.
    QVERIFY(keyer.restart());
    QTRY_COMPARE_WITH_TIMEOUT(status(), QStringLiteral("CW 25 WPM"), 3 * CwDaemonKeyer::CheckMillis);
    QTest::keyClick(ui.txtCallsign, Qt::Key_F8);
    QTRY_VERIFY(keyer.output().contains(QStringLiteral("request: \"QRZ?\"")));
}

void tst_Radio::dialog()
{
    const bool haveRigctld = !Daemon::program(Daemon::Rigctld).isEmpty();
    frmKestrix &w = open(RadioSettings());
    w.ui().mnuRadio->trigger();
    frmRadio *f = w.findChild<frmRadio *>();
    QVERIFY(f && f->isVisible());

    // Hamlib's own list, "None" first and chosen, found by searching.
    QCOMPARE(f->lstModel->item(0)->text(), QStringLiteral("None"));
    QCOMPARE(f->model(), 0);
    QVERIFY(f->lstModel->count() > 100);
    QTest::keyClicks(f->txtModelSearch, "rigctld"); // the word a newcomer has
    for (int i = 1; i < f->lstModel->count(); ++i)
        QCOMPARE(f->lstModel->item(i)->isHidden(), f->lstModel->item(i)->data(Qt::UserRole).toInt() != 2);
    f->txtPort->setText("localhost:4532"); // an address without a model is warned about
    QTest::mouseClick(f->cmdOK, Qt::LeftButton);
    QVERIFY(f->isVisible() && f->lblResult->text().contains("no rig model"));
    f->setModel(2);

    // Bad settings are refused with the reason; nothing is kept or used.
    const auto refused = [&](const QString &reason) {
        const int beeps = m_fakes.beeper.count;
        QTest::mouseClick(f->cmdOK, Qt::LeftButton);
        QVERIFY2(f->lblResult->text().contains(reason), qPrintable(f->lblResult->text()));
        QVERIFY(f->isVisible());
        QCOMPARE(m_fakes.beeper.count, beeps + 1);
        QCOMPARE(RadioSettings::load(), RadioSettings());
        QVERIFY(!w.radio().findChild<RigControl *>());
    };
    f->txtPort->setText("localhost");
    refused(QStringLiteral("host:port"));
    f->txtPort->setText("127.0.0.1:1");
    f->cboKeyer->setCurrentIndex(int(RadioSettings::Keyer::CwDaemon));
    f->txtWpm->setText("70");
    refused(QStringLiteral("5 to 60 WPM, not 70"));
    f->txtWpm->setText("x5");
    refused(QStringLiteral("not \"x5\""));
    f->txtWpm->setText("30");
    f->txtMessages[4]->setText("{CALL} {OPNAME}");
    refused(QStringLiteral("F5 holds {OPNAME}"));
    f->txtMessages[4]->setText("{CALL} GA");

    // Test says plainly whether the rig answers.
    QTest::mouseClick(f->cmdTest, Qt::LeftButton);
    const QString answer =
        QStringLiteral("The rig does not answer: nothing is listening on 127.0.0.1:1: is rigctld running?");
    QTRY_COMPARE_WITH_TIMEOUT(f->lblResult->text(), answer, 3000);
    if (haveRigctld) {
        Daemon rig(Daemon::Rigctld);
        QVERIFY(rig.start());
        f->txtPort->setText(rig.address());
        QTest::mouseClick(f->cmdTest, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(f->lblResult->text(), QStringLiteral("The rig answers: 145.000.00 FM."), 5000);
    }

    // OK keeps the settings; the next start opens with them.
    f->txtPort->setText("127.0.0.1:4532");
    f->cboSerialSpeed->setCurrentIndex(f->cboSerialSpeed->findData(19200));
    f->txtCwDaemon->setText("localhost:6790");
    QTest::mouseClick(f->cmdOK, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    RadioSettings kept;
    kept.rigModel = 2;
    kept.rigPort = QStringLiteral("127.0.0.1:4532");
    kept.serialSpeed = 19200;
    kept.keyer = RadioSettings::Keyer::CwDaemon;
    kept.cwDaemon = QStringLiteral("localhost:6790");
    kept.wpm = 30;
    kept.messages[4] = QStringLiteral("{CALL} GA");
    QCOMPARE(RadioSettings::load(), kept);
    m_window.reset();
    m_window = TestLog::openWindow(m_dir->path(), m_fakes);
    QCOMPARE(m_window->radio().settings(), kept);
    m_window->radio().mnuRadio_Click();
    frmRadio &again = m_window->radio().form();
    QCOMPARE(again.model(), 2);
    QCOMPARE(again.txtPort->text(), kept.rigPort);
    QCOMPARE(again.txtWpm->text(), QStringLiteral("30"));
    QCOMPARE(again.txtMessages[4]->text(), kept.messages[4]);
}

QTEST_MAIN(tst_Radio)
#include "tst_radio.moc"
