#include "frmKestrix.h"

#include "BandTotals.h"
#include "CaptionButton.h"
#include "ChangeDelete.h"
#include "ClockSetting.h"
#include "ConsoleLayout.h"
#include "DisplayPanel.h"
#include "DuplicateCheck.h"
#include "EntryRules.h"
#include "EntryWorkflow.h"
#include "ExportLog.h"
#include "HelpPages.h"
#include "LogSheetPrinting.h"
#include "MultiplierCheck.h"
#include "PanelPicture.h"
#include "PrintableText.h"
#include "RecordSearch.h"
#include "ReferenceWindows.h"
#include "ReviewNavigation.h"
#include "SummarySheet.h"
#include "SystemClock.h"
#include "Beeper.h"
#include "Text.h"
#include "frmSummary.h"

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
    m_log = std::make_unique<LogStore>(directory, [this](const QString &file, const QString &reason) {
        reportFileError(file, reason);
    });
    setNewLine();

    buildControls();
    buildMenus();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmKestrix::Timer1_Timer);
    connect(mnuExit, &QAction::triggered, this, &frmKestrix::mnuExit_Click);

    // The rooms connect the controls they own. The order matters only where two
    // rules answer the same box, and none do.
    m_entryWorkflow = std::make_unique<EntryWorkflow>(*this);
    m_clockSetting = std::make_unique<ClockSetting>(*this);
    m_multiplierCheck = std::make_unique<MultiplierCheck>(*this);
    m_entryRules = std::make_unique<EntryRules>(*this);
    m_duplicateCheck = std::make_unique<DuplicateCheck>(*this);
    m_bandTotals = std::make_unique<BandTotals>(*this);
    m_reviewNavigation = std::make_unique<ReviewNavigation>(*this);
    m_recordSearch = std::make_unique<RecordSearch>(*this);
    m_changeDelete = std::make_unique<ChangeDelete>(*this);
    m_summary = std::make_unique<SummarySheet>(*this);
    m_logSheetPrinting = std::make_unique<LogSheetPrinting>(*this);
    m_helpPages = std::make_unique<HelpPages>(*this);
    m_referenceWindows = std::make_unique<ReferenceWindows>(*this);
    m_exportLog = std::make_unique<ExportLog>(*this);
}

frmKestrix::~frmKestrix()
{
    // Side windows are children of this window; the rooms that own them go first.
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

void frmKestrix::buildControls()
{
    using namespace ConsoleLayout;
    client = new PanelPicture(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(ClientWidth), px(ClientHeight));
    setCentralWidget(client);

    QHash<QString, QWidget *> built;
    for (const ControlSpec &c : controls()) {
        QWidget *w = nullptr;
        QFont font(c.family);
        font.setPointSizeF(c.points);
        font.setBold(c.bold);
        QPalette pal;
        switch (c.kind) {
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
        if (c.kind != ControlSpec::Panel)
            w->setFont(font);
        w->setGeometry(px(c.left), px(c.top), px(c.width), px(c.height));
        built.insert(c.name, w);
    }

    auto box = [&](const char *name) { return static_cast<QLineEdit *>(built.value(QLatin1String(name))); };
    auto label = [&](const char *name) { return static_cast<QLabel *>(built.value(QLatin1String(name))); };
    auto button = [&](const char *name) { return static_cast<QPushButton *>(built.value(QLatin1String(name))); };

    txtCallsign = box("txtCallsign"); txtRstRcvd = box("txtRstRcvd"); txtRstSent = box("txtRstSent");
    txtSpc = box("txtSpc"); txtArci = box("txtArci"); txtPower = box("txtPower"); txtBand = box("txtBand");
    txtDate = box("txtDate"); txtTime = box("txtTime"); txtPoints = box("txtPoints");
    txtMultiplier = box("txtMultiplier"); txtRecNumber = box("txtRecNumber");
    txtCall = box("txtCall"); txtRstR = box("txtRstR"); txtRstS = box("txtRstS"); txtLocale = box("txtLocale");
    txtClub = box("txtClub"); txtPwr = box("txtPwr"); txtBnd = box("txtBnd"); txtCalendar = box("txtCalendar");
    txtClock = box("txtClock"); txtPts = box("txtPts"); txtMult = box("txtMult"); txtRecNum = box("txtRecNum");
    txtSearchInfo = box("txtSearchInfo");
    txtSpecs = static_cast<DisplayPanel *>(built.value(QStringLiteral("txtSpecs")));
    lblTitle = label("lblTitle"); lblAddEntry = label("lblAddEntry");
    lblChangeDelete = label("lblChangeDelete"); Label1 = label("Label1");
    lblDate = label("lblDate"); lblClock = label("lblClock"); lblMode = label("lblMode");
    lblChartHeader = label("lblChartHeader"); lblBands = label("lblBands");
    lblS16 = label("lblS16"); lblS80 = label("lblS80"); lblS40 = label("lblS40"); lblS20 = label("lblS20");
    lblS15 = label("lblS15"); lblS10 = label("lblS10"); lblS6 = label("lblS6");
    lblM16 = label("lblM16"); lblM80 = label("lblM80"); lblM40 = label("lblM40"); lblM20 = label("lblM20");
    lblM15 = label("lblM15"); lblM10 = label("lblM10"); lblM6 = label("lblM6");
    cmdReview = button("cmdReview"); cmdSearch = button("cmdSearch"); cmdDeleteRecord = button("cmdDeleteRecord");
    cmdUpdate = button("cmdUpdate"); cmdChangeRecord = button("cmdChangeRecord"); cmdAddRecord = button("cmdAddRecord");
    cmdCalendar = button("cmdCalendar"); cmdClear = button("cmdClear"); cmdCanada = button("cmdCanada");
    cmdSetTime = button("cmdSetTime"); cmdRstSystem = button("cmdRstSystem"); cmdUS = button("cmdUS");
    cmdPlus = button("cmdPlus"); cmdMinus = button("cmdMinus"); cmdPrinter = button("cmdPrinter");
    cmdSaveRecord = button("cmdSaveRecord");

    // The boxes whose text goes into the log files take no control characters.
    auto *printable = new PrintableText(this);
    for (QLineEdit *stored : {txtCallsign, txtRstRcvd, txtRstSent, txtSpc, txtArci, txtPower, txtBand, txtDate,
                              txtTime, txtPoints, txtMultiplier, txtCall, txtRstR, txtRstS, txtLocale, txtClub, txtPwr,
                              txtBnd, txtCalendar, txtClock, txtPts, txtMult})
        stored->setValidator(printable);

    // The display panel and the labels take no focus; the rest follow the tab order.
    txtSpecs->setFocusPolicy(Qt::ClickFocus);
    QWidget *previous = nullptr;
    for (const QString &name : tabOrder()) {
        QWidget *w = built.value(name);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void frmKestrix::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setEnabled(false); // enabled by the room that answers it
        return a;
    };
    auto submenu = [](QMenu *menu, const char *name) {
        menu->setObjectName(QLatin1String(name));
        return menu;
    };

    mnuExit = bar->addAction(QStringLiteral("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    mnuSpecs = submenu(bar->addMenu(QStringLiteral("Zell Specifications")), "mnuSpecs");
    mnuFeatures = item(mnuSpecs, "mnuFeatures", QStringLiteral("General Features"));
    mnuRcvr = item(mnuSpecs, "mnuRcvr", QStringLiteral("Receiver Specifications"));
    mnuCw = item(mnuSpecs, "mnuCw", QStringLiteral("CW Features"));
    mnuBuild = item(mnuSpecs, "mnuBuild", QStringLiteral("Easy to Build"));
    mnuPricing = item(mnuSpecs, "mnuPricing", QStringLiteral("Pricing/Availability"));
    mnuHomepage = item(mnuSpecs, "mnuHomepage", QStringLiteral("Orvane Homepage"));

    mnuKestrix = submenu(bar->addMenu(QStringLiteral("Kestrix Program")), "mnuKestrix");
    mnuClock = item(mnuKestrix, "mnuClock", QStringLiteral("Set GMT Clock"));
    mnuDate = item(mnuKestrix, "mnuDate", QStringLiteral("Set Date"));
    mnuBand = submenu(mnuKestrix->addMenu(QStringLiteral("Set Band")), "mnuBand");
    mnu160 = item(mnuBand, "mnu160", QStringLiteral("160 Meters"));
    mnu80 = item(mnuBand, "mnu80", QStringLiteral("80 Meters"));
    mnu40 = item(mnuBand, "mnu40", QStringLiteral("40 Meters"));
    mnu20 = item(mnuBand, "mnu20", QStringLiteral("20 Meters"));
    mnu15 = item(mnuBand, "mnu15", QStringLiteral("15 Meters"));
    mnu10 = item(mnuBand, "mnu10", QStringLiteral("10 Meters"));
    mnu6 = item(mnuBand, "mnu6", QStringLiteral("6 Meters"));
    mnuPrint = item(mnuKestrix, "mnuPrint", QStringLiteral("Print Log Sheets"));
    mnuSummary = item(mnuKestrix, "mnuSummary", QStringLiteral("Print Contest Summary Sheet"));
    mnuExport = item(mnuKestrix, "mnuExport", QStringLiteral("Export Log..."));

    mnuHelp = submenu(bar->addMenu(QStringLiteral("Help")), "mnuHelp");
    mnuInstructions = submenu(mnuHelp->addMenu(QStringLiteral("Instructions")), "mnuInstructions");
    mnuIntro = item(mnuInstructions, "mnuIntro", QStringLiteral("Introduction"));
    mnuStart = item(mnuInstructions, "mnuStart", QStringLiteral("Starting contest"));
    mnuDupe = item(mnuInstructions, "mnuDupe", QStringLiteral("Dupe Checking"));
    mnuPoints = item(mnuInstructions, "mnuPoints", QStringLiteral("Points and Multipliers"));
    mnuAddingRecords = item(mnuInstructions, "mnuAddingRecords", QStringLiteral("Adding Records"));
    mnuSearchingRecords = item(mnuInstructions, "mnuSearchingRecords", QStringLiteral("Searching Records"));
    mnuDeletingRecords = item(mnuInstructions, "mnuDeletingRecords", QStringLiteral("Deleting Records"));
    mnuChangingRecords = item(mnuInstructions, "mnuChangingRecords", QStringLiteral("Changing Records"));
    mnuReview = item(mnuInstructions, "mnuReview", QStringLiteral("Reviewing Records"));
    mnuUpdatingRecords = item(mnuInstructions, "mnuUpdatingRecords", QStringLiteral("Updating Records"));
    mnuPrintingRecords = item(mnuInstructions, "mnuPrintingRecords", QStringLiteral("Printing Records"));
    mnuFiles = item(mnuInstructions, "mnuFiles", QStringLiteral("Kestrix File Information"));
    mnuEnding = item(mnuInstructions, "mnuEnding", QStringLiteral("Ending contest"));
    mnuContact = item(mnuInstructions, "mnuContact", QStringLiteral("Contact Dravek"));
    mnuProvinces = item(mnuHelp, "mnuProvinces", QStringLiteral("Canadian Provinces"));
    mnuState = item(mnuHelp, "mnuState", QStringLiteral("U.S. State Abbreviations"));
}

// ---- conventions --------------------------------------------------------------

void frmKestrix::writePanel(int pointSize, const QStringList &lines)
{
    txtSpecs->setFontSize(pointSize);
    txtSpecs->setText(lines.join(NewLine));
}

void frmKestrix::writeMode(const QString &activity)
{
    lblMode->setText(QStringLiteral("Mode") + NewLine + activity);
}

QString frmKestrix::titleText() const { return QStringLiteral("Dravek's") + NewLine + QStringLiteral("ARCI Kestrix Program"); }

void frmKestrix::beep() { m_platform.beeper.beep(); }

QList<QLabel *> frmKestrix::pointLabels() const { return {lblS16, lblS80, lblS40, lblS20, lblS15, lblS10, lblS6}; }

QList<QLabel *> frmKestrix::multiplierLabels() const { return {lblM16, lblM80, lblM40, lblM20, lblM15, lblM10, lblM6}; }

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

    CurrentRecord() = RecordCount();
    ShowCurrentRecord();
    setNewLine();
    if (m_log->repairNotes().isEmpty()) {
        txtSpecs->setFontSize(18);
        txtSpecs->setText(titleText());
    } else {
        writePanel(8, QStringList{QStringLiteral("The log was mended at start-up:")} + m_log->repairNotes());
    }
    lblChartHeader->setText(QStringLiteral("Band") + NewLine + QStringLiteral("Points") + NewLine +
                            QStringLiteral("Multipliers"));
    lblMode->setText(QStringLiteral("Current Record = ") + Text::numberText(CurrentRecord()));
    txtRecNumber->setText(Text::numberText(CurrentRecord()));
    UpdateTotals();
    Timer1->start();
    return true;
}

void frmKestrix::Timer1_Timer()
{
    setNewLine();
    const QDateTime now = m_platform.clock.now().toUTC();
    lblClock->setText(now.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" GMT"));
    lblDate->setText(now.date().toString(QStringLiteral("MM/dd/yy")));
}

void frmKestrix::mnuExit_Click()
{
    // A row read from the placeholder is not written back: a contact saved since
    // may stand there now.
    if (!m_reviewShowsPlaceholder) {
        m_log->beginOperation();
        SaveExistingRecord();
        // Log files renamed or removed meanwhile are left alone: the row came from them.
        m_log->commitOperation();
    }
    m_log->closeQrp();
    m_ending = true;
    close();
}

bool frmKestrix::commitLogOperation()
{
    switch (m_log->commitOperation()) {
    case LogStore::Outcome::Written:
        return true;
    case LogStore::Outcome::FilesChanged:
        logFilesChanged();
        return false;
    case LogStore::Outcome::Failed:
        break;
    }
    // The file error has been reported; the counts are those of the files as they are.
    m_log->reopenQrp();
    m_log->reopenArci();
    CurrentRecord() = RecordCount();
    return false;
}

void frmKestrix::logFilesChanged()
{
    beep();
    if (!m_log->open())
        return;
    CurrentRecord() = RecordCount();
    txtRecNumber->setText(Text::numberText(RecordCount()));
    setWindowTitle(QStringLiteral("Record ") + Text::numberText(CurrentRecord()) + QStringLiteral("/") +
                   Text::numberText(RecordCount()));
    UpdateTotals();
    setNewLine();
    writePanel(8, QStringList{QStringLiteral("Log files renamed or removed: NOTHING WRITTEN."),
                              QStringLiteral("Now logging to the files in this folder,"),
                              QStringLiteral("next record") + Text::numberText(RecordCount()) + QStringLiteral(" (") +
                                  QString::number(RecordCount() - 1) + QStringLiteral(" contacts before it)."),
                              QStringLiteral("Click [SAVE RECORD] again to save.")} +
                      m_log->repairNotes());
    writeMode(QStringLiteral("Log reopened"));
}

void frmKestrix::closeEvent(QCloseEvent *event)
{
    // Ending by the close box writes nothing back; either way the program ends
    // with both log files closed and every side window gone.
    Timer1->stop();
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
