#pragma once
// The front panel's controls by area, one pointer per control under the
// control's own name. The window builds them all; each subsystem is handed only
// the areas it owns or reads, so what a subsystem may touch shows in its
// constructor.

#include <QList>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QWidget;
class DisplayPanel;

// The red row that takes a new contact, and its buttons.
struct EntryRowControls {
    QLineEdit *txtCallsign = nullptr, *txtRstRcvd = nullptr, *txtRstSent = nullptr, *txtSpc = nullptr,
              *txtArci = nullptr, *txtPower = nullptr, *txtBand = nullptr, *txtDate = nullptr, *txtTime = nullptr,
              *txtPoints = nullptr, *txtMultiplier = nullptr, *txtRecNumber = nullptr;
    QPushButton *cmdAddRecord = nullptr, *cmdSaveRecord = nullptr, *cmdClear = nullptr;
};

// The blue row that shows a stored contact, and the review, search, change and
// delete controls.
struct ReviewRowControls {
    QLineEdit *txtCall = nullptr, *txtRstR = nullptr, *txtRstS = nullptr, *txtLocale = nullptr, *txtClub = nullptr,
              *txtPwr = nullptr, *txtBnd = nullptr, *txtCalendar = nullptr, *txtClock = nullptr, *txtPts = nullptr,
              *txtMult = nullptr, *txtRecNum = nullptr;
    QLineEdit *txtSearchInfo = nullptr;
    QPushButton *cmdReview = nullptr, *cmdPlus = nullptr, *cmdMinus = nullptr, *cmdSearch = nullptr,
                *cmdChangeRecord = nullptr, *cmdDeleteRecord = nullptr;
};

// The band chart: points and multipliers per band, and its Update button.
struct BandChartControls {
    QLabel *lblChartHeader = nullptr, *lblBands = nullptr;
    QLabel *lblS16 = nullptr, *lblS80 = nullptr, *lblS40 = nullptr, *lblS20 = nullptr, *lblS15 = nullptr,
           *lblS10 = nullptr, *lblS6 = nullptr;
    QLabel *lblM16 = nullptr, *lblM80 = nullptr, *lblM40 = nullptr, *lblM20 = nullptr, *lblM15 = nullptr,
           *lblM10 = nullptr, *lblM6 = nullptr;
    QPushButton *cmdUpdate = nullptr;

    // The cells in band order 160, 80, 40, 20, 15, 10, 6.
    QList<QLabel *> pointLabels() const { return {lblS16, lblS80, lblS40, lblS20, lblS15, lblS10, lblS6}; }
    QList<QLabel *> multiplierLabels() const { return {lblM16, lblM80, lblM40, lblM20, lblM15, lblM10, lblM6}; }
};

// The rest of the panel: the client area, the titles, the display panel, the
// clock and mode lines, and the buttons of the clock, the reference windows and
// the printer.
struct FrontPanelControls {
    QWidget *client = nullptr; // the client area with the panel picture
    QLabel *lblTitle = nullptr, *lblAddEntry = nullptr, *lblChangeDelete = nullptr, *Label1 = nullptr;
    DisplayPanel *txtSpecs = nullptr;
    QLabel *lblDate = nullptr, *lblClock = nullptr, *lblMode = nullptr;
    QPushButton *cmdCalendar = nullptr, *cmdSetTime = nullptr, *cmdCanada = nullptr, *cmdUS = nullptr,
                *cmdRstSystem = nullptr, *cmdPrinter = nullptr;
    QTimer *Timer1 = nullptr;
};

// The menus (a submenu is a QMenu, an item a QAction; both named as in the program).
struct MenuControls {
    QMenu *mnuSpecs = nullptr, *mnuKestrix = nullptr, *mnuBand = nullptr, *mnuHelp = nullptr,
          *mnuInstructions = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuFeatures = nullptr, *mnuRcvr = nullptr, *mnuCw = nullptr, *mnuBuild = nullptr, *mnuPricing = nullptr,
            *mnuHomepage = nullptr;
    QAction *mnuClock = nullptr, *mnuDate = nullptr, *mnu160 = nullptr, *mnu80 = nullptr, *mnu40 = nullptr,
            *mnu20 = nullptr, *mnu15 = nullptr, *mnu10 = nullptr, *mnu6 = nullptr, *mnuPrint = nullptr,
            *mnuSummary = nullptr;
    QAction *mnuIntro = nullptr, *mnuStart = nullptr, *mnuDupe = nullptr, *mnuPoints = nullptr,
            *mnuAddingRecords = nullptr, *mnuSearchingRecords = nullptr, *mnuDeletingRecords = nullptr,
            *mnuChangingRecords = nullptr, *mnuReview = nullptr, *mnuUpdatingRecords = nullptr,
            *mnuPrintingRecords = nullptr, *mnuFiles = nullptr, *mnuEnding = nullptr, *mnuContact = nullptr;
    QAction *mnuProvinces = nullptr, *mnuState = nullptr;
    QAction *mnuExport = nullptr, *mnuRadio = nullptr, *mnuCallHistory = nullptr, *mnuCheck = nullptr;
};
