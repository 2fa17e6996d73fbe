#include "radio/ui/RadioSubsystem.h"

#include "export/core/StationDetails.h"
#include "radio/core/CwDaemonKeyer.h"
#include "radio/core/CwMacros.h"
#include "radio/core/RadioBands.h"
#include "radio/core/RigControl.h"
#include "radio/core/RigModels.h"
#include "radio/ui/frmRadio.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelFonts.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The status line sits on the panel below the clock, between the jacks and
// Save Record, where the picture has no control.
constexpr int StatusLeft = 3960, StatusTop = 3870, StatusWidth = 3840, StatusHeight = 600; // twips
constexpr int ShownMillis = 4000; // how long a failure of the rig's keyer stays over the speed

} // namespace

RadioSubsystem::RadioSubsystem(const EntryRowControls &entry, const FrontPanelControls &panel,
                               const MenuControls &menus, ConsoleOutput &console, QWidget &window)
    : m_entry(entry), m_panel(panel), m_menus(menus), m_console(console), m_window(window)
{
    m_menuItem = m_menus.mnuRadio;
    connect(m_menuItem, &QAction::triggered, this, &RadioSubsystem::mnuRadio_Click);
    m_menuItem->setEnabled(true);

    using PanelFonts::system;
    using Twips::px;
    m_status = new QLabel(m_panel.client);
    m_status->setObjectName(QStringLiteral("lblRadio"));
    m_status->setGeometry(px(StatusLeft), px(StatusTop), px(StatusWidth), px(StatusHeight));
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    QFont font(system());
    font.setPointSizeF(8);
    font.setBold(true);
    m_status->setFont(font);
    QPalette pal = m_status->palette();
    pal.setColor(QPalette::WindowText, QColor(0xFF, 0xFF, 0x80));
    m_status->setPalette(pal);
    m_status->hide();

    // The keys work from every box and button of the window; the filter is
    // installed last, so it sees them before the rules of the boxes do.
    for (QWidget *w : m_panel.client->findChildren<QWidget *>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
    m_window.installEventFilter(this);

    m_sendingTimer.setSingleShot(true);
    connect(&m_sendingTimer, &QTimer::timeout, this, [this] { setSending(false); });
    m_problemTimer.setSingleShot(true);
    m_problemTimer.setInterval(ShownMillis);
    connect(&m_problemTimer, &QTimer::timeout, this, [this] { setCwProblem(QString()); });

    apply(RadioSettings::load());
}

RadioSubsystem::~RadioSubsystem() { delete m_form; }

RigControl &RadioSubsystem::rig()
{
    if (!m_rig) {
        m_rig = new RigControl(this);
        connect(m_rig, &RigControl::reading, this, &RadioSubsystem::rigReading);
        connect(m_rig, &RigControl::notAnswering, this, &RadioSubsystem::rigNotAnswering);
        connect(m_rig, &RigControl::morseStarted, this, [this] {
            setCwProblem(QString());
            setSending(true);
            m_sendingTimer.start(m_hamlibMillis);
        });
        connect(m_rig, &RigControl::morseFailed, this, [this](const QString &reason) {
            m_sendingTimer.stop();
            setSending(false);
            setCwProblem(reason);
            m_problemTimer.start();
        });
        connect(m_rig, &RigControl::testDone, this, &RadioSubsystem::rigTestDone);
    }
    return *m_rig;
}

// ---- settings --------------------------------------------------------------------

void RadioSubsystem::apply(const RadioSettings &settings)
{
    m_settings = settings;
    // The rig and the keyer are judged apart: a bad CW setting never stops the band following.
    m_rigProblem = settings.rigProblem();
    m_keyerProblem = settings.keyerProblem();
    const bool useRig = m_rigProblem.isEmpty() && settings.hasRig();
    if (m_keyerProblem.isEmpty() && settings.keyer == RadioSettings::Keyer::Hamlib && !useRig)
        m_keyerProblem = QStringLiteral("CW through the radio needs the rig, which is not used.");
    if (useRig || m_rig)
        rig().configure(useRig ? settings.rigModel : 0, settings.rigPort.trimmed(), settings.serialSpeed,
                        settings.keyer == RadioSettings::Keyer::Hamlib && m_keyerProblem.isEmpty() ? settings.wpm : 0);
    m_rigText.clear();
    if (useRig)
        m_rigText =
            settings.rigPort.contains(QLatin1Char(':'))
                ? QStringLiteral("Radio: connecting to %1").arg(RadioSettings::shown(settings.rigPort.trimmed()))
                : QStringLiteral("Radio: connecting");
    m_rigBand.clear();
    m_rigMode.clear();

    if (m_keyerProblem.isEmpty() && settings.keyer == RadioSettings::Keyer::CwDaemon) {
        if (!m_keyer) {
            m_keyer = new CwDaemonKeyer(this);
            connect(m_keyer, &CwDaemonKeyer::sendingChanged, this, &RadioSubsystem::setSending);
            connect(m_keyer, &CwDaemonKeyer::answeringChanged, this,
                    [this](bool answering, const QString &reason) { setCwProblem(answering ? QString() : reason); });
        }
        QString host;
        quint16 port = 0;
        RadioSettings::parseHostPort(settings.cwDaemon, &host, &port);
        m_keyer->configure(host, port, settings.wpm);
    } else {
        delete m_keyer;
        m_keyer = nullptr;
    }
    m_sendingTimer.stop();
    m_problemTimer.stop();
    m_sending = false;
    m_cwProblem.clear();
    showStatus();
}

frmRadio &RadioSubsystem::form()
{
    if (!m_form) {
        m_form = new frmRadio(&m_window);
        connect(m_form->cmdTest, &QPushButton::clicked, this, &RadioSubsystem::cmdTest_Click);
        connect(m_form->cmdOK, &QPushButton::clicked, this, &RadioSubsystem::cmdOK_Click);
        connect(m_form->cmdCancel, &QPushButton::clicked, this, &RadioSubsystem::cmdCancel_Click);
    }
    return *m_form;
}

void RadioSubsystem::mnuRadio_Click()
{
    frmRadio &f = form();
    toForm(m_settings);
    f.lblResult->setText(QStringList{m_rigProblem, m_keyerProblem}.join(QLatin1Char(' ')).trimmed());
    f.show();
    f.raise();
    f.activateWindow();
}

void RadioSubsystem::toForm(const RadioSettings &s)
{
    frmRadio &f = form();
    f.txtModelSearch->clear();
    f.setModel(s.rigModel == -1 ? 0 : s.rigModel); // a Model line that was no number: the message says so
    f.txtPort->setText(s.rigPort);
    const int speed = f.cboSerialSpeed->findData(s.serialSpeed);
    f.cboSerialSpeed->setCurrentIndex(speed < 0 ? 0 : speed);
    f.chkBandFollows->setChecked(s.bandFollows);
    f.cboKeyer->setCurrentIndex(int(s.keyer));
    f.txtCwDaemon->setText(s.cwDaemon);
    f.txtWpm->setText(QString::number(s.wpm));
    for (int i = 0; i < f.txtMessages.size(); ++i)
        f.txtMessages[i]->setText(s.messages.value(i));
}

RadioSettings RadioSubsystem::fromForm() const
{
    const frmRadio &f = *m_form;
    RadioSettings s;
    s.rigModel = f.model();
    s.rigPort = f.txtPort->text().trimmed();
    s.serialSpeed = f.cboSerialSpeed->currentData().toInt();
    s.bandFollows = f.chkBandFollows->isChecked();
    s.keyer = RadioSettings::Keyer(f.cboKeyer->currentIndex());
    s.cwDaemon = f.txtCwDaemon->text().trimmed();
    bool number = false;
    s.wpm = f.txtWpm->text().trimmed().toInt(&number);
    if (!number)
        s.wpm = -1;
    for (int i = 0; i < f.txtMessages.size(); ++i)
        s.messages[i] = f.txtMessages[i]->text();
    return s;
}

void RadioSubsystem::cmdOK_Click()
{
    frmRadio &f = form();
    const RadioSettings s = fromForm();
    const QString problem = s.wpm < 0
                                ? QStringLiteral("The CW speed must be a number of WPM from %1 to %2, not \"%3\".")
                                      .arg(RadioSettings::MinWpm)
                                      .arg(RadioSettings::MaxWpm)
                                      .arg(f.txtWpm->text())
                                : s.problem();
    if (!problem.isEmpty()) {
        m_console.beep();
        f.lblResult->setText(problem + QStringLiteral(" Nothing was changed."));
        return;
    }
    if (!s.hasRig() && !s.rigPort.isEmpty() && s.rigPort != m_noModelWarned) {
        // An address with no model is most often a model not yet chosen.
        m_noModelWarned = s.rigPort;
        m_console.beep();
        f.lblResult->setText(QStringLiteral("An address is given but no rig model, so the rig is not used: choose "
                                            "its model (Hamlib NET rigctl (2) for rigctld), or OK again to "
                                            "leave the rig off."));
        return;
    }
    s.save();
    apply(s);
    f.lblResult->clear();
    f.hide();
}

void RadioSubsystem::cmdCancel_Click() { form().hide(); }

void RadioSubsystem::cmdTest_Click()
{
    frmRadio &f = form();
    const RadioSettings s = fromForm();
    if (!s.hasRig()) {
        f.lblResult->setText(QStringLiteral("No rig chosen: pick its model from the list first (Hamlib NET "
                                            "rigctl (2) for rigctld)."));
        return;
    }
    RadioSettings rigOnly = s;
    rigOnly.keyer = RadioSettings::Keyer::None;
    rigOnly.wpm = m_settings.wpm;
    const QString problem = rigOnly.problem();
    if (!problem.isEmpty()) {
        f.lblResult->setText(problem);
        return;
    }
    f.lblResult->setText(QStringLiteral("Asking the rig..."));
    f.cmdTest->setEnabled(false);
    rig().test(s.rigModel, s.rigPort, s.serialSpeed);
}

void RadioSubsystem::rigTestDone(bool answers, double hz, const QString &mode, const QString &why)
{
    if (!m_form)
        return;
    m_form->cmdTest->setEnabled(true);
    QString reason = why;
    reason.remove(QRegularExpression(QStringLiteral("^not answering: "))); // said already
    m_form->lblResult->setText(
        answers ? QStringLiteral("The rig answers: %1 %2.")
                      .arg(RadioBands::frequencyText(hz), mode)
                      .replace(QStringLiteral(" ."), QStringLiteral("."))
                : QStringLiteral("The rig does not answer: %1%2")
                      .arg(reason, reason.endsWith(QLatin1Char('?')) ? QString() : QStringLiteral(".")));
}

// ---- the rig -----------------------------------------------------------------------

void RadioSubsystem::rigReading(double hz, const QString &mode)
{
    m_rigText = QStringLiteral("Radio: ") + RadioBands::frequencyText(hz);
    if (!mode.isEmpty())
        m_rigText += QLatin1Char(' ') + mode;
    if (m_settings.bandFollows)
        followBand(hz);
    followMode(mode);
    showStatus();
}

void RadioSubsystem::rigNotAnswering(const QString &reason)
{
    m_rigText = QStringLiteral("Radio: ") + reason;
    showStatus();
}

void RadioSubsystem::followBand(double hz)
{
    // The band box changes when the rig changes band, exactly as the Set Band
    // menu changes it; a band set by hand stays until the rig moves again.
    const QString band = RadioBands::bandOf(hz);
    if (band == m_rigBand)
        return;
    m_rigBand = band;
    if (band.isEmpty())
        return;
    const std::pair<const char *, QAction *> items[] = {
        {"160", m_menus.mnu160}, {"80", m_menus.mnu80}, {"40", m_menus.mnu40}, {"20", m_menus.mnu20},
        {"15", m_menus.mnu15},   {"10", m_menus.mnu10}, {"6", m_menus.mnu6}};
    for (const auto &[name, item] : items)
        if (band == QLatin1String(name))
            item->trigger();
}

void RadioSubsystem::followMode(const QString &mode)
{
    const QString exportMode = RadioBands::exportMode(mode);
    if (exportMode.isEmpty() || exportMode == m_rigMode)
        return;
    m_rigMode = exportMode;
    StationDetails details = StationDetails::load();
    if (details.mode.trimmed().toUpper() == exportMode)
        return;
    details.mode = exportMode;
    details.save();
}

// ---- CW ------------------------------------------------------------------------------

bool RadioSubsystem::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !keysActive())
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int k = key->key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F8) {
        if (!key->isAutoRepeat()) // a held key sends its message once
            sendMessage(k - Qt::Key_F1);
        return true;
    }
    switch (k) {
    case Qt::Key_Escape:
        stopSending();
        return true;
    case Qt::Key_PageUp:
        changeSpeed(+2);
        return true;
    case Qt::Key_PageDown:
        changeSpeed(-2);
        return true;
    default:
        return false;
    }
}

void RadioSubsystem::sendMessage(int index)
{
    if (!keysActive())
        return;
    const StationDetails own = StationDetails::load();
    CwMacros::Values values{own.call.trimmed(), own.spc.trimmed(), own.number.trimmed(),
                            m_entry.txtCallsign->text().trimmed(), m_entry.txtRstSent->text().trimmed()};
    if (values.rst.isEmpty())
        values.rst = QStringLiteral("599");
    const QString message = m_settings.messages.value(index);
    const QStringList missing = CwMacros::emptyOwn(message, values);
    if (!missing.isEmpty()) {
        setCwProblem(QStringLiteral("F%1 not sent: %2 not set (Export Log...)")
                         .arg(index + 1)
                         .arg(missing.join(QLatin1Char(' '))));
        return;
    }
    QString changed;
    const QString text =
        CwMacros::expand(message, values, m_settings.keyer == RadioSettings::Keyer::CwDaemon, &changed);
    // What the keyer cannot key as written is left out or made plain; the
    // status line then shows what goes out.
    m_sendNote = changed.isEmpty() ? QString() : RadioSettings::shown(text);
    if (text.isEmpty()) {
        setCwProblem(QStringLiteral("F%1 not sent: nothing to send").arg(index + 1));
        return;
    }
    if (m_settings.keyer == RadioSettings::Keyer::Hamlib) {
        m_hamlibMillis = CwMacros::sendingMillis(text, m_settings.wpm);
        rig().sendMorse(text);
    } else if (m_keyer) {
        m_keyer->send(text);
    }
}

void RadioSubsystem::stopSending()
{
    if (m_settings.keyer == RadioSettings::Keyer::Hamlib && m_rig)
        m_rig->stopMorse();
    else if (m_keyer)
        m_keyer->stop();
    m_sendingTimer.stop();
    setSending(false);
}

void RadioSubsystem::changeSpeed(int delta)
{
    const int wpm = std::clamp(m_settings.wpm + delta, int(RadioSettings::MinWpm), int(RadioSettings::MaxWpm));
    if (wpm == m_settings.wpm)
        return;
    m_settings.wpm = wpm;
    // Only the speed is written: the rest of the file may have been changed since.
    RadioSettings stored = RadioSettings::load();
    stored.wpm = wpm;
    stored.save();
    if (m_settings.keyer == RadioSettings::Keyer::Hamlib && m_rig)
        m_rig->setSpeed(wpm);
    else if (m_keyer)
        m_keyer->setSpeed(wpm);
    showStatus();
}

void RadioSubsystem::setSending(bool sending)
{
    if (sending == m_sending)
        return;
    m_sending = sending;
    showStatus();
}

bool RadioSubsystem::keysActive() const
{
    return m_settings.keyer != RadioSettings::Keyer::None && m_keyerProblem.isEmpty();
}

void RadioSubsystem::setCwProblem(const QString &problem)
{
    if (problem == m_cwProblem)
        return;
    m_cwProblem = problem;
    showStatus();
}

// ---- the status line -------------------------------------------------------------------

void RadioSubsystem::showStatus()
{
    QStringList lines;
    if (!m_rigProblem.isEmpty())
        lines << QStringLiteral("Radio not used. ") + m_rigProblem;
    else if (!m_rigText.isEmpty())
        lines << m_rigText;
    if (!m_keyerProblem.isEmpty())
        lines << QStringLiteral("CW not used. ") + m_keyerProblem;
    else if (m_settings.keyer != RadioSettings::Keyer::None) {
        if (m_sending)
            lines << (m_sendNote.isEmpty() ? QStringLiteral("Sending CW")
                                           : QStringLiteral("Sending CW as \"%1\"").arg(m_sendNote));
        else if (!m_cwProblem.isEmpty())
            lines << QStringLiteral("CW: ") + m_cwProblem;
        else
            lines << QStringLiteral("CW %1 WPM").arg(m_settings.wpm);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != m_status->text())
        m_status->setText(text);
    m_status->setToolTip(text);
    m_status->setVisible(!text.isEmpty());
}
