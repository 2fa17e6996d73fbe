#include "console/frmKestrix.h"

#include "console/AccessibleNames.h"
#include "console/CaptionButton.h"
#include "console/ClockSetting.h"
#include "console/ConsoleLayout.h"
#include "console/EntryWorkflow.h"
#include "console/PanelPicture.h"
#include "export/ui/ExportLog.h"
#include "help/HelpPages.h"
#include "help/ReferenceWindows.h"
#include "history/ui/CallHistorySubsystem.h"
#include "platform/Beeper.h"
#include "platform/Confirmation.h"
#include "platform/SystemClock.h"
#include "radio/ui/RadioSubsystem.h"
#include "reports/LogSheetPrinting.h"
#include "reports/SummarySheet.h"
#include "reports/frmSummary.h"
#include "review/ChangeDelete.h"
#include "review/RecordSearch.h"
#include "review/ReviewNavigation.h"
#include "scoring/BandTotals.h"
#include "scoring/DuplicateCheck.h"
#include "scoring/EntryRules.h"
#include "scoring/MultiplierCheck.h"
#include "store/Text.h"
#include "widgets/DisplayPanel.h"
#include "widgets/FullBoxNotice.h"
#include "widgets/PrintableText.h"
#include "widgets/RecordBoxes.h"
#include "widgets/RightClickKeys.h"
#include "widgets/ShownWindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

frmKestrix::frmKestrix(const QString &directory, Platform platform, QWidget *parent)
    : QMainWindow(parent), m_directory(directory), m_platform(platform)
{
    setObjectName(QStringLiteral("frmKestrix"));
    m_log = std::make_unique<LogStore>(
        directory, [this](const QString &file, const QString &reason) { reportFileError(file, reason); });
    setNewLine();

    buildControls();
    buildMenus();

    m_ui.Timer1 = new QTimer(this);
    m_ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    m_ui.Timer1->setInterval(500);
    connect(m_ui.Timer1, &QTimer::timeout, this, &frmKestrix::Timer1_Timer);
    connect(m_ui.mnuExit, &QAction::triggered, this, &frmKestrix::mnuExit_Click);

    // The subsystems connect the controls they own. The order matters only where two
    // rules answer the same box, and none do.
    // Each subsystem is handed the areas of the panel it owns or reads, the
    // shared writes and the other subsystems it calls; nothing else.
    const KestrixControls &c = m_ui;
    ConsoleOutput &out = *this;
    m_entryWorkflow = std::make_unique<EntryWorkflow>(*this);
    m_clockSetting = std::make_unique<ClockSetting>(*this);
    m_multiplierCheck = std::make_unique<MultiplierCheck>(*m_log, c);
    m_entryRules = std::make_unique<EntryRules>(c, c, c, *m_multiplierCheck, out);
    m_duplicateCheck = std::make_unique<DuplicateCheck>(*m_log, c, c, out);
    m_bandTotals = std::make_unique<BandTotals>(*m_log, c, c, out);
    m_reviewNavigation = std::make_unique<ReviewNavigation>(*m_log, c, *this, out);
    m_recordSearch = std::make_unique<RecordSearch>(*m_log, c, c, out);
    m_changeDelete = std::make_unique<ChangeDelete>(*m_log, c, c, c, *this, m_platform, out);
    m_summary = std::make_unique<SummarySheet>(*m_bandTotals, c, m_platform, out, *this);
    m_logSheetPrinting = std::make_unique<LogSheetPrinting>(*m_log, c, c, m_platform, out, *this);
    m_helpPages = std::make_unique<HelpPages>(c, out);
    m_referenceWindows = std::make_unique<ReferenceWindows>(c, c, *this);
    m_exportLog = std::make_unique<ExportLog>(*m_log, *m_logSheetPrinting, *m_summary, c, m_platform, out, *this);
    m_radio = std::make_unique<RadioSubsystem>(c, c, c, out, *this);
    m_callHistory = std::make_unique<CallHistorySubsystem>(*m_log, c, c, c, *m_entryRules, m_platform, out, *this);

    // Change, Delete and Print act on the right button; the keyboard and screen
    // readers reach the same act.
    auto *rightClicks = new RightClickKeys(this);
    for (QPushButton *b : {m_ui.cmdChangeRecord, m_ui.cmdDeleteRecord, m_ui.cmdPrinter})
        rightClicks->watch(b);
    new ShownWindows(this);
}

frmKestrix::~frmKestrix()
{
    // Side windows are children of this window; the subsystems that own them go first.
    m_radio.reset();
    m_exportLog.reset();
    m_referenceWindows.reset();
    m_helpPages.reset();
    m_logSheetPrinting.reset();
    m_summary.reset();
    m_changeDelete.reset();
    m_recordSearch.reset();
    m_reviewNavigation.reset();
    m_bandTotals.reset();
    m_duplicateCheck.reset();
    m_entryRules.reset();
    m_multiplierCheck.reset();
    m_clockSetting.reset();
    m_entryWorkflow.reset();
}

namespace {

// One control of the layout table, on the panel picture.
QWidget *buildControl(const ControlSpec &c, QWidget *client)
{
    using ConsoleLayout::px;
    QWidget *w = nullptr;
    QFont font(c.family);
    font.setPointSizeF(c.points);
    font.setBold(c.bold);
    QPalette pal;
    switch (c.kind()) {
    case ControlSpec::TextBox: {
        auto *box = new QLineEdit(client);
        box->setAlignment(c.align);
        if (c.maxLength > 0)
            box->setMaxLength(c.maxLength);
        box->setFrame(true);
        pal = box->palette();
        pal.setColor(QPalette::Base, c.back);
        pal.setColor(QPalette::Text, c.fore);
        box->setPalette(pal);
        w = box;
        break;
    }
    case ControlSpec::Panel: {
        auto *panel = new DisplayPanel(client);
        pal = panel->palette();
        pal.setColor(QPalette::Base, c.back);
        pal.setColor(QPalette::Text, c.fore);
        panel->setPalette(pal);
        panel->setFont(font);
        panel->setFontSize(c.points);
        w = panel;
        break;
    }
    case ControlSpec::Label: {
        auto *label = new QLabel(c.caption, client);
        label->setAlignment(c.align);
        label->setTextFormat(Qt::PlainText);
        pal = label->palette();
        if (c.back.isValid()) {
            label->setAutoFillBackground(true);
            pal.setColor(QPalette::Window, c.back);
        }
        pal.setColor(QPalette::WindowText, c.fore);
        label->setPalette(pal);
        if (c.border)
            label->setFrameShape(QFrame::Box);
        w = label;
        break;
    }
    case ControlSpec::Button: {
        auto *button = new CaptionButton(c.caption, client);
        button->setAutoDefault(false);
        w = button;
        break;
    }
    }
    w->setObjectName(c.name);
    if (c.kind() != ControlSpec::Panel)
        w->setFont(font);
    w->setGeometry(px(c.left), px(c.top), px(c.width), px(c.height));
    return w;
}

} // namespace

void frmKestrix::buildControls()
{
    using namespace ConsoleLayout;
    m_ui.client = new PanelPicture(this);
    m_ui.client->setObjectName(QStringLiteral("client"));
    m_ui.client->setFixedSize(px(ClientWidth), px(ClientHeight));
    setCentralWidget(m_ui.client);

    for (const ControlSpec &c : controls())
        bindControl(m_ui, c.member, buildControl(c, m_ui.client));

    // The boxes whose text goes into the log files take no control characters.
    auto *printable = new PrintableText(this);
    for (const RecordBox &b : RecordBoxes::table) {
        (m_ui.*b.entry)->setValidator(printable);
        (m_ui.*b.review)->setValidator(printable);
    }

    // A full box says why it refuses a key. Watched before the subsystems' key rules
    // are, it sees each key as those rules leave it.
    auto *full = new FullBoxNotice(
        [this](QLineEdit *box, const QString &typed) {
            beep();
            setNewLine();
            writePanel(PanelSize::Guide, {box->accessibleName() + QStringLiteral(" holds at most ") +
                                              QString::number(box->maxLength()) + QStringLiteral(" characters:"),
                                          QStringLiteral("\"") + typed + QStringLiteral("\" was not taken.")});
        },
        this);
    for (QLineEdit *box : m_ui.client->findChildren<QLineEdit *>())
        if (box->maxLength() < 32767)
            full->watch(box);
    AccessibleNames::nameMainWindow(m_ui);

    // The display panel and the labels take no focus; the rest follow the tab order.
    m_ui.txtSpecs->setFocusPolicy(Qt::ClickFocus);
    QWidget *previous = nullptr;
    for (const ControlMember &member : tabOrder()) {
        QWidget *w = controlAt(m_ui, member);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void frmKestrix::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [](QMenu *menu, const QString &name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(name);
        a->setEnabled(false); // enabled by the subsystem that answers it
        return a;
    };
    auto submenu = [](QMenu *menu, const QString &name) {
        menu->setObjectName(name);
        return menu;
    };
    // An item under its menu, named once: the object name is the member's.
#define ITEM(menu, name, caption) m_ui.name = item(m_ui.menu, QStringLiteral(#name), caption)

    m_ui.mnuExit = bar->addAction(QStringLiteral("E&xit"));
    m_ui.mnuExit->setObjectName(QStringLiteral("mnuExit"));

    m_ui.mnuSpecs = submenu(bar->addMenu(QStringLiteral("Zell Specifications")), QStringLiteral("mnuSpecs"));
    ITEM(mnuSpecs, mnuFeatures, QStringLiteral("General Features"));
    ITEM(mnuSpecs, mnuRcvr, QStringLiteral("Receiver Specifications"));
    ITEM(mnuSpecs, mnuCw, QStringLiteral("CW Features"));
    ITEM(mnuSpecs, mnuBuild, QStringLiteral("Easy to Build"));
    ITEM(mnuSpecs, mnuPricing, QStringLiteral("Pricing/Availability"));
    ITEM(mnuSpecs, mnuHomepage, QStringLiteral("Orvane Homepage"));

    m_ui.mnuKestrix = submenu(bar->addMenu(QStringLiteral("Kestrix Program")), QStringLiteral("mnuKestrix"));
    ITEM(mnuKestrix, mnuClock, QStringLiteral("Set GMT Clock"));
    ITEM(mnuKestrix, mnuDate, QStringLiteral("Set Date"));
    m_ui.mnuBand = submenu(m_ui.mnuKestrix->addMenu(QStringLiteral("Set Band")), QStringLiteral("mnuBand"));
    ITEM(mnuBand, mnu160, QStringLiteral("160 Meters"));
    ITEM(mnuBand, mnu80, QStringLiteral("80 Meters"));
    ITEM(mnuBand, mnu40, QStringLiteral("40 Meters"));
    ITEM(mnuBand, mnu20, QStringLiteral("20 Meters"));
    ITEM(mnuBand, mnu15, QStringLiteral("15 Meters"));
    ITEM(mnuBand, mnu10, QStringLiteral("10 Meters"));
    ITEM(mnuBand, mnu6, QStringLiteral("6 Meters"));
    ITEM(mnuKestrix, mnuPrint, QStringLiteral("Print Log Sheets"));
    ITEM(mnuKestrix, mnuSummary, QStringLiteral("Print Contest Summary Sheet"));
    ITEM(mnuKestrix, mnuExport, QStringLiteral("Export Log..."));
    ITEM(mnuKestrix, mnuRadio, QStringLiteral("Radio..."));
    ITEM(mnuKestrix, mnuCallHistory, QStringLiteral("Call History..."));
    ITEM(mnuKestrix, mnuCheck, QStringLiteral("Check Window"));

    m_ui.mnuHelp = submenu(bar->addMenu(QStringLiteral("Help")), QStringLiteral("mnuHelp"));
    m_ui.mnuInstructions =
        submenu(m_ui.mnuHelp->addMenu(QStringLiteral("Instructions")), QStringLiteral("mnuInstructions"));
    ITEM(mnuInstructions, mnuIntro, QStringLiteral("Introduction"));
    ITEM(mnuInstructions, mnuStart, QStringLiteral("Starting contest"));
    ITEM(mnuInstructions, mnuDupe, QStringLiteral("Dupe Checking"));
    ITEM(mnuInstructions, mnuPoints, QStringLiteral("Points and Multipliers"));
    ITEM(mnuInstructions, mnuAddingRecords, QStringLiteral("Adding Records"));
    ITEM(mnuInstructions, mnuSearchingRecords, QStringLiteral("Searching Records"));
    ITEM(mnuInstructions, mnuDeletingRecords, QStringLiteral("Deleting Records"));
    ITEM(mnuInstructions, mnuChangingRecords, QStringLiteral("Changing Records"));
    ITEM(mnuInstructions, mnuReview, QStringLiteral("Reviewing Records"));
    ITEM(mnuInstructions, mnuUpdatingRecords, QStringLiteral("Updating Records"));
    ITEM(mnuInstructions, mnuPrintingRecords, QStringLiteral("Printing Records"));
    ITEM(mnuInstructions, mnuFiles, QStringLiteral("Kestrix File Information"));
    ITEM(mnuInstructions, mnuEnding, QStringLiteral("Ending contest"));
    ITEM(mnuInstructions, mnuContact, QStringLiteral("Contact Dravek"));
    ITEM(mnuHelp, mnuProvinces, QStringLiteral("Canadian Provinces"));
    ITEM(mnuHelp, mnuState, QStringLiteral("U.S. State Abbreviations"));
#undef ITEM
}

// ---- conventions --------------------------------------------------------------

void frmKestrix::writePanel(int pointSize, const QStringList &lines)
{
    m_ui.txtSpecs->setFontSize(pointSize);
    m_ui.txtSpecs->setText(lines.join(NewLine));
}

void frmKestrix::writeMode(const QString &activity)
{
    m_ui.lblMode->setText(QStringLiteral("Mode") + NewLine + activity);
}

QString frmKestrix::titleText() const
{
    return QStringLiteral("Dravek's") + NewLine + QStringLiteral("ARCI Kestrix Program");
}

void frmKestrix::beep() { m_platform.beeper.beep(); }

void frmKestrix::writeCaption(const QString &caption) { setWindowTitle(caption); }

void frmKestrix::CheckMultiplier() { m_multiplierCheck->CheckMultiplier(); }

void frmKestrix::UpdateTotals() { m_bandTotals->UpdateTotals(); }

frmSummary &frmKestrix::summarySheet() { return m_summary->form(); }

// ---- start-up, clock and end ----------------------------------------------------

bool frmKestrix::Form_Load()
{
    // Opening the log finishes an operation a stop cut short and repairs the
    // log first, so the next contact cannot be saved over the last one.
    if (!m_log->open())
        return false;

    m_log->setCurrentRecord(RecordCount());
    ShowCurrentRecord();
    setNewLine();
    if (m_log->repairNotes().isEmpty()) {
        m_ui.txtSpecs->setFontSize(PanelSize::Title);
        m_ui.txtSpecs->setText(titleText());
    } else {
        writePanel(PanelSize::Guide,
                   QStringList{QStringLiteral("The log was mended at start-up:")} + m_log->repairNotes());
    }
    m_ui.lblChartHeader->setText(QStringLiteral("Band") + NewLine + QStringLiteral("Points") + NewLine +
                                 QStringLiteral("Multipliers"));
    m_ui.lblMode->setText(QStringLiteral("Current Record = ") + Text::numberText(CurrentRecord()));
    m_ui.txtRecNumber->setText(Text::numberText(CurrentRecord()));
    UpdateTotals();
    m_callHistory->rebuild();
    m_ui.Timer1->start();
    m_ui.txtCallsign->setFocus(); // the operator's first keys go into the call sign
    return true;
}

void frmKestrix::Timer1_Timer()
{
    setNewLine();
    const QDateTime now = m_platform.clock.now().toUTC();
    m_ui.lblClock->setText(now.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" GMT"));
    m_ui.lblDate->setText(now.date().toString(QStringLiteral("MM/dd/yy")));
}

bool frmKestrix::reviewRowEdited(qint32 number)
{
    m_log->readRecord(number);
    const QrpRecord stored = QrpRecord_();
    for (const RecordBox &b : RecordBoxes::table)
        if ((m_ui.*b.review)->text() != stored.value(b.field))
            return true;
    return false;
}

void frmKestrix::mnuExit_Click()
{
    // Exit stores nothing by itself: a review row that differs from its stored
    // contact is written, to both files as Change writes it, only when the
    // operator says so. A row read from the placeholder is never written back.
    const std::optional<qint32> number = reviewRecordNumber();
    if (!m_reviewShowsPlaceholder && number && reviewRowEdited(*number)) {
        switch (m_platform.confirmation.askYesNoCancel(
            this, QStringLiteral("Record %1 was edited but not changed. Save the edits?").arg(*number),
            QStringLiteral("Kestrix"))) {
        case Confirmation::Answer::Cancel:
            return;
        case Confirmation::Answer::No:
            break;
        case Confirmation::Answer::Yes:
            SaveExistingRecord();
            SaveExistingArci();
            if (!logOperationDone(m_log->rewriteRecord(*number, QrpRecord_(), m_log->ArciLine_)))
                return; // the panel says why; the edits are still in the row
            break;
        }
    }
    m_log->closeQrp();
    m_ending = true;
    close();
}

bool frmKestrix::logOperationDone(LogStore::Outcome outcome)
{
    switch (outcome) {
    case LogStore::Outcome::Written:
        m_callHistory->logWritten();
        return true;
    case LogStore::Outcome::FilesChanged:
        logFilesChanged();
        return false;
    case LogStore::Outcome::Refused:
        // The subsystems check the record number first; should one get past them, nothing is written.
        beep();
        break;
    case LogStore::Outcome::Failed:
        // The file error has been reported; the counts are those of the files as they are.
        break;
    }
    m_log->setCurrentRecord(RecordCount());
    return false;
}

void frmKestrix::logFilesChanged()
{
    beep();
    if (!m_log->open())
        return;
    m_log->setCurrentRecord(RecordCount());
    m_ui.txtRecNumber->setText(Text::numberText(RecordCount()));
    setWindowTitle(QStringLiteral("Record ") + Text::numberText(CurrentRecord()) + QStringLiteral("/") +
                   Text::numberText(RecordCount()));
    UpdateTotals();
    setNewLine();
    writePanel(PanelSize::Guide,
               QStringList{QStringLiteral("Log files renamed or removed: NOTHING WRITTEN."),
                           QStringLiteral("Now logging to the files in this folder,"),
                           QStringLiteral("next record") + Text::numberText(RecordCount()) + QStringLiteral(" (") +
                               QString::number(RecordCount() - 1) + QStringLiteral(" contacts before it)."),
                           QStringLiteral("Click [SAVE RECORD] again to save.")} +
                   m_log->repairNotes());
    writeMode(QStringLiteral("Log reopened"));
    m_callHistory->rebuild();
}

void frmKestrix::closeEvent(QCloseEvent *event)
{
    // Ending by the close box writes nothing back; either way the program ends
    // with both log files closed and every side window gone.
    m_ui.Timer1->stop();
    m_log->closeQrp();
    m_log->closeArci();
    for (QWidget *w : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isWindow())
            w->close();
    event->accept();
    QCoreApplication::quit();
}

void frmKestrix::reportFileError(const QString &file, const QString &reason)
{
    if (m_fileError) {
        m_fileError(file, reason);
        return;
    }
    QMessageBox::critical(this, QStringLiteral("Kestrix"),
                          QStringLiteral("Kestrix cannot use %1: %2.\n\nThe program ends now. Every contact saved "
                                         "before this is kept in the log files.")
                              .arg(file, reason));
    std::exit(1);
}
