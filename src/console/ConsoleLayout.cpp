#include "console/ConsoleLayout.h"

#include "widgets/DisplayPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#define CONTROL(name) FORM_CONTROL(KestrixControls, name)

namespace ConsoleLayout {

namespace {

// The band chart's score cells are set in "Symbol". Where the system has such a
// face (a symbol face that also has the digits, as Standard Symbols PS stands in
// for it) the cells use it; elsewhere "Symbol" would fall to the desktop's sans,
// and the serif takes its place.
QString scoreFace()
{
    const QFont symbol(QStringLiteral("Symbol"));
    const QString face = QFontInfo(symbol).family();
    bool digits = true;
    const QFontMetrics metrics(symbol);
    for (char32_t c = U'0'; c <= U'9'; ++c)
        digits = digits && metrics.inFontUcs4(c);
    return digits && QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol) ? symbol.family() : serif();
}

} // namespace

// One row per control, as the layout reads: kept out of the formatter.
// clang-format off
// The light-yellow headings stand over the columns of the rows below.
const QList<ControlSpec> &controls()
{
    static const QString score = scoreFace();
    static const QList<ControlSpec> table{
        // entry row
        {CONTROL(txtCallsign), 720, 5520, 1335, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 8, {}, Qt::AlignCenter},
        {CONTROL(txtRstRcvd), 2040, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 3, {}, Qt::AlignCenter},
        {CONTROL(txtRstSent), 2760, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 3, {}, Qt::AlignCenter},
        {CONTROL(txtSpc), 3480, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 4, {}, Qt::AlignCenter},
        {CONTROL(txtArci), 4200, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 5, {}, Qt::AlignCenter},
        {CONTROL(txtPower), 4920, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 4, {}, Qt::AlignCenter},
        {CONTROL(txtBand), 5640, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 3, {}, Qt::AlignCenter},
        {CONTROL(txtDate), 6360, 5520, 975, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 8, {}, Qt::AlignCenter},
        {CONTROL(txtTime), 7320, 5520, 1215, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 8, {}, Qt::AlignCenter},
        {CONTROL(txtPoints), 8520, 5520, 735, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 1, {}, Qt::AlignCenter},
        {CONTROL(txtMultiplier), 9240, 5520, 975, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 1, {}, Qt::AlignCenter},
        {CONTROL(txtRecNumber), 10200, 5520, 975, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 9.75, false, 0, {}, Qt::AlignCenter},
        // review row
        {CONTROL(txtCall), 720, 6800, 1335, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtRstR), 2040, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtRstS), 2760, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtLocale), 3480, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtClub), 4200, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtPwr), 4920, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtBnd), 5640, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtCalendar), 6360, 6800, 975, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtClock), 7320, 6800, 1215, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtPts), 8520, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtMult), 9240, 6800, 975, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {CONTROL(txtRecNum), 10200, 6800, 975, 375, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        // headings
        {CONTROL(lblTitle), 720, 4860, 10455, 300, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), system(), 8.25, true, 0, QStringLiteral("Add New Record Form (Complete only the RED boxes, then click [SAVE RECORD] button)"), Qt::AlignCenter, false},
        {CONTROL(lblAddEntry), 720, 5160, 10455, 375, QColor(0xFF, 0xFF, 0x80), QColor(0, 0, 0), system(), 9.75, true, 0, QStringLiteral("     Callsign     RST-R  RST-S    SPC   ARCI #  Power  Band      Date         Time        Points  Multiplier RecNum"), Qt::AlignLeft | Qt::AlignVCenter, false},
        {CONTROL(lblChangeDelete), 720, 6100, 10455, 300, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), system(), 8.25, true, 0, QStringLiteral("Change/Delete/Review  Record Form"), Qt::AlignCenter, false},
        {CONTROL(Label1), 720, 6410, 10455, 375, QColor(0xFF, 0xFF, 0x80), QColor(0, 0, 0), system(), 9.75, true, 0, QStringLiteral("     Callsign     RST-R  RST-S   SPC    ARCI #  Power  Band     Date         Time         Points  Multiplier RecNum"), Qt::AlignLeft | Qt::AlignVCenter, false},
        // display and status
        {CONTROL(txtSpecs), 4440, 600, 4095, 975, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 9.75, false, 0, {}, Qt::AlignCenter},
        {CONTROL(lblDate), 5760, 2100, 1455, 375, QColor(), QColor(0xFF, 0xFF, 0xFF), serif(), 15.75, false, 0, {}, Qt::AlignCenter, false},
        {CONTROL(lblClock), 5445, 2550, 2070, 300, QColor(), QColor(0xFF, 0x00, 0x00), serif(), 15.75, false, 0, {}, Qt::AlignCenter, false},
        {CONTROL(lblMode), 5520, 3000, 1935, 540, QColor(), QColor(0xFF, 0xFF, 0x80), system(), 8.25, true, 0, {}, Qt::AlignCenter, false},
        {CONTROL(txtSearchInfo), 10520, 3350, 1215, 375, QColor(0xE0, 0xE0, 0xE0), QColor(0, 0, 0), serif(), 9.75, false, 8, {}, Qt::AlignCenter},
        // band chart
        {CONTROL(lblChartHeader), 3600, 7170, 1095, 735, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignLeft | Qt::AlignTop, false},
        {CONTROL(lblBands), 4680, 7170, 5055, 270, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, QStringLiteral("   160       80        40        20        15        10         6"), Qt::AlignLeft | Qt::AlignVCenter, false},
        {CONTROL(lblS16), 4680, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblS80), 5400, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblS40), 6120, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblS20), 6840, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblS15), 7560, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblS10), 8280, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblS6), 9000, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM16), 4680, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM80), 5400, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM40), 6120, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM20), 6840, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM15), 7560, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM10), 8280, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {CONTROL(lblM6), 9000, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        // buttons
        {CONTROL(cmdReview), 440, 450, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Review"), Qt::AlignCenter},
        {CONTROL(cmdSearch), 1440, 450, 840, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Search"), Qt::AlignCenter},
        {CONTROL(cmdDeleteRecord), 440, 1470, 840, 330, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Delete"), Qt::AlignCenter},
        {CONTROL(cmdUpdate), 1440, 1470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Update"), Qt::AlignCenter},
        {CONTROL(cmdChangeRecord), 440, 2420, 840, 330, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Change"), Qt::AlignCenter},
        {CONTROL(cmdAddRecord), 1440, 2420, 840, 330, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Add"), Qt::AlignCenter},
        {CONTROL(cmdCalendar), 8890, 470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Date"), Qt::AlignCenter},
        {CONTROL(cmdClear), 9820, 470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Clear"), Qt::AlignCenter},
        {CONTROL(cmdCanada), 10750, 470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Canada"), Qt::AlignCenter},
        {CONTROL(cmdSetTime), 8890, 1480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Clock"), Qt::AlignCenter},
        {CONTROL(cmdRstSystem), 9820, 1480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("RST"), Qt::AlignCenter},
        {CONTROL(cmdUS), 10750, 1480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("States"), Qt::AlignCenter},
        {CONTROL(cmdPlus), 8890, 2480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 12, true, 0, QStringLiteral("+"), Qt::AlignCenter},
        {CONTROL(cmdMinus), 9820, 2480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 12, true, 0, QStringLiteral("-"), Qt::AlignCenter},
        {CONTROL(cmdPrinter), 10750, 2480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Print"), Qt::AlignCenter},
        {CONTROL(cmdSaveRecord), 7880, 3630, 770, 495, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Save Record"), Qt::AlignCenter},
    };
    return table;
}

// clang-format on

const QList<ControlMember> &tabOrder()
{
    static const QList<ControlMember> order{
        &KestrixControls::cmdAddRecord, &KestrixControls::txtCallsign,     &KestrixControls::txtRstRcvd,
        &KestrixControls::txtRstSent,   &KestrixControls::txtSpc,          &KestrixControls::txtArci,
        &KestrixControls::txtPower,     &KestrixControls::txtBand,         &KestrixControls::txtDate,
        &KestrixControls::txtTime,      &KestrixControls::txtPoints,       &KestrixControls::txtMultiplier,
        &KestrixControls::cmdClear,     &KestrixControls::cmdDeleteRecord, &KestrixControls::cmdChangeRecord,
        &KestrixControls::cmdSearch,    &KestrixControls::txtSearchInfo,   &KestrixControls::cmdReview,
        &KestrixControls::cmdUpdate,    &KestrixControls::cmdCalendar,     &KestrixControls::cmdCanada,
        &KestrixControls::cmdSetTime,   &KestrixControls::cmdRstSystem,    &KestrixControls::cmdUS,
        &KestrixControls::cmdPrinter,   &KestrixControls::txtRecNumber,    &KestrixControls::txtCall,
        &KestrixControls::txtRstR,      &KestrixControls::txtRstS,         &KestrixControls::txtLocale,
        &KestrixControls::txtClub,      &KestrixControls::txtPwr,          &KestrixControls::txtBnd,
        &KestrixControls::txtCalendar,  &KestrixControls::txtClock,        &KestrixControls::txtPts,
        &KestrixControls::txtMult,      &KestrixControls::txtRecNum,       &KestrixControls::cmdMinus,
        &KestrixControls::cmdPlus,      &KestrixControls::cmdSaveRecord,
    };
    return order;
}

} // namespace ConsoleLayout
