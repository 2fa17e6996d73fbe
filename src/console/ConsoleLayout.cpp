#include "ConsoleLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

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
    return digits && QFontDatabase::writingSystems(face).contains(QFontDatabase::Symbol) ? symbol.family()
                                                                                          : serif();
}

} // namespace

// The light-yellow headings stand over the columns of the rows below.
const QList<ControlSpec> &controls()
{
    static const QString score = scoreFace();
    static const QList<ControlSpec> table{
        // entry row
        {QStringLiteral("txtCallsign"), ControlSpec::TextBox, 720, 5520, 1335, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 8, {}, Qt::AlignCenter},
        {QStringLiteral("txtRstRcvd"), ControlSpec::TextBox, 2040, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 3, {}, Qt::AlignCenter},
        {QStringLiteral("txtRstSent"), ControlSpec::TextBox, 2760, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 3, {}, Qt::AlignCenter},
        {QStringLiteral("txtSpc"), ControlSpec::TextBox, 3480, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 4, {}, Qt::AlignCenter},
        {QStringLiteral("txtArci"), ControlSpec::TextBox, 4200, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 5, {}, Qt::AlignCenter},
        {QStringLiteral("txtPower"), ControlSpec::TextBox, 4920, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 4, {}, Qt::AlignCenter},
        {QStringLiteral("txtBand"), ControlSpec::TextBox, 5640, 5520, 735, 570, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 12, true, 3, {}, Qt::AlignCenter},
        {QStringLiteral("txtDate"), ControlSpec::TextBox, 6360, 5520, 975, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 8, {}, Qt::AlignCenter},
        {QStringLiteral("txtTime"), ControlSpec::TextBox, 7320, 5520, 1215, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 8, {}, Qt::AlignCenter},
        {QStringLiteral("txtPoints"), ControlSpec::TextBox, 8520, 5520, 735, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 1, {}, Qt::AlignCenter},
        {QStringLiteral("txtMultiplier"), ControlSpec::TextBox, 9240, 5520, 975, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 12, true, 1, {}, Qt::AlignCenter},
        {QStringLiteral("txtRecNumber"), ControlSpec::TextBox, 10200, 5520, 975, 570, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 9.75, false, 0, {}, Qt::AlignCenter},
        // review row
        {QStringLiteral("txtCall"), ControlSpec::TextBox, 720, 6800, 1335, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtRstR"), ControlSpec::TextBox, 2040, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtRstS"), ControlSpec::TextBox, 2760, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtLocale"), ControlSpec::TextBox, 3480, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtClub"), ControlSpec::TextBox, 4200, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtPwr"), ControlSpec::TextBox, 4920, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtBnd"), ControlSpec::TextBox, 5640, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtCalendar"), ControlSpec::TextBox, 6360, 6800, 975, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtClock"), ControlSpec::TextBox, 7320, 6800, 1215, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtPts"), ControlSpec::TextBox, 8520, 6800, 735, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtMult"), ControlSpec::TextBox, 9240, 6800, 975, 375, QColor(0x80, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        {QStringLiteral("txtRecNum"), ControlSpec::TextBox, 10200, 6800, 975, 375, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), serif(), 9.75, true, 0, {}, Qt::AlignCenter},
        // headings
        {QStringLiteral("lblTitle"), ControlSpec::Label, 720, 4860, 10455, 300, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), system(), 8.25, true, 0, QStringLiteral("Add New Record Form (Complete only the RED boxes, then click [SAVE RECORD] button)"), Qt::AlignCenter, false},
        {QStringLiteral("lblAddEntry"), ControlSpec::Label, 720, 5160, 10455, 375, QColor(0xFF, 0xFF, 0x80), QColor(0, 0, 0), system(), 9.75, true, 0, QStringLiteral("     Callsign     RST-R  RST-S    SPC   ARCI #  Power  Band      Date         Time        Points  Multiplier RecNum"), Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("lblChangeDelete"), ControlSpec::Label, 720, 6100, 10455, 300, QColor(0xFF, 0xFF, 0xFF), QColor(0, 0, 0), system(), 8.25, true, 0, QStringLiteral("Change/Delete/Review  Record Form"), Qt::AlignCenter, false},
        {QStringLiteral("Label1"), ControlSpec::Label, 720, 6410, 10455, 375, QColor(0xFF, 0xFF, 0x80), QColor(0, 0, 0), system(), 9.75, true, 0, QStringLiteral("     Callsign     RST-R  RST-S   SPC    ARCI #  Power  Band     Date         Time         Points  Multiplier RecNum"), Qt::AlignLeft | Qt::AlignVCenter, false},
        // display and status
        {QStringLiteral("txtSpecs"), ControlSpec::Panel, 4440, 600, 4095, 975, QColor(0x00, 0xFF, 0x00), QColor(0, 0, 0), serif(), 9.75, false, 0, {}, Qt::AlignCenter},
        {QStringLiteral("lblDate"), ControlSpec::Label, 5760, 2100, 1455, 375, QColor(), QColor(0xFF, 0xFF, 0xFF), serif(), 15.75, false, 0, {}, Qt::AlignCenter, false},
        {QStringLiteral("lblClock"), ControlSpec::Label, 5445, 2550, 2070, 300, QColor(), QColor(0xFF, 0x00, 0x00), serif(), 15.75, false, 0, {}, Qt::AlignCenter, false},
        {QStringLiteral("lblMode"), ControlSpec::Label, 5520, 3000, 1935, 540, QColor(), QColor(0xFF, 0xFF, 0x80), system(), 8.25, true, 0, {}, Qt::AlignCenter, false},
        {QStringLiteral("txtSearchInfo"), ControlSpec::TextBox, 10520, 3350, 1215, 375, QColor(0xE0, 0xE0, 0xE0), QColor(0, 0, 0), serif(), 9.75, false, 8, {}, Qt::AlignCenter},
        // band chart
        {QStringLiteral("lblChartHeader"), ControlSpec::Label, 3600, 7170, 1095, 735, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignLeft | Qt::AlignTop, false},
        {QStringLiteral("lblBands"), ControlSpec::Label, 4680, 7170, 5055, 270, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, QStringLiteral("   160       80        40        20        15        10         6"), Qt::AlignLeft | Qt::AlignVCenter, false},
        {QStringLiteral("lblS16"), ControlSpec::Label, 4680, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblS80"), ControlSpec::Label, 5400, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblS40"), ControlSpec::Label, 6120, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblS20"), ControlSpec::Label, 6840, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblS15"), ControlSpec::Label, 7560, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblS10"), ControlSpec::Label, 8280, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblS6"), ControlSpec::Label, 9000, 7440, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), score, 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM16"), ControlSpec::Label, 4680, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM80"), ControlSpec::Label, 5400, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM40"), ControlSpec::Label, 6120, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM20"), ControlSpec::Label, 6840, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM15"), ControlSpec::Label, 7560, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM10"), ControlSpec::Label, 8280, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        {QStringLiteral("lblM6"), ControlSpec::Label, 9000, 7680, 735, 255, QColor(0xFF, 0xFF, 0x00), QColor(0, 0, 0), system(), 9.75, true, 0, {}, Qt::AlignCenter, true},
        // buttons
        {QStringLiteral("cmdReview"), ControlSpec::Button, 440, 450, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Review"), Qt::AlignCenter},
        {QStringLiteral("cmdSearch"), ControlSpec::Button, 1440, 450, 840, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Search"), Qt::AlignCenter},
        {QStringLiteral("cmdDeleteRecord"), ControlSpec::Button, 440, 1470, 840, 330, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Delete"), Qt::AlignCenter},
        {QStringLiteral("cmdUpdate"), ControlSpec::Button, 1440, 1470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Update"), Qt::AlignCenter},
        {QStringLiteral("cmdChangeRecord"), ControlSpec::Button, 440, 2420, 840, 330, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Change"), Qt::AlignCenter},
        {QStringLiteral("cmdAddRecord"), ControlSpec::Button, 1440, 2420, 840, 330, QColor(0xFF, 0x00, 0x00), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Add"), Qt::AlignCenter},
        {QStringLiteral("cmdCalendar"), ControlSpec::Button, 8890, 470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Date"), Qt::AlignCenter},
        {QStringLiteral("cmdClear"), ControlSpec::Button, 9820, 470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Clear"), Qt::AlignCenter},
        {QStringLiteral("cmdCanada"), ControlSpec::Button, 10750, 470, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Canada"), Qt::AlignCenter},
        {QStringLiteral("cmdSetTime"), ControlSpec::Button, 8890, 1480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Clock"), Qt::AlignCenter},
        {QStringLiteral("cmdRstSystem"), ControlSpec::Button, 9820, 1480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("RST"), Qt::AlignCenter},
        {QStringLiteral("cmdUS"), ControlSpec::Button, 10750, 1480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("States"), Qt::AlignCenter},
        {QStringLiteral("cmdPlus"), ControlSpec::Button, 8890, 2480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 12, true, 0, QStringLiteral("+"), Qt::AlignCenter},
        {QStringLiteral("cmdMinus"), ControlSpec::Button, 9820, 2480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 12, true, 0, QStringLiteral("-"), Qt::AlignCenter},
        {QStringLiteral("cmdPrinter"), ControlSpec::Button, 10750, 2480, 760, 330, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Print"), Qt::AlignCenter},
        {QStringLiteral("cmdSaveRecord"), ControlSpec::Button, 7880, 3630, 770, 495, QColor(), QColor(0, 0, 0), serif(), 9.75, true, 0, QStringLiteral("Save Record"), Qt::AlignCenter},
    };
    return table;
}

const QStringList &tabOrder()
{
    static const QStringList order{
        QStringLiteral("cmdAddRecord"),
        QStringLiteral("txtCallsign"), QStringLiteral("txtRstRcvd"), QStringLiteral("txtRstSent"),
        QStringLiteral("txtSpc"), QStringLiteral("txtArci"), QStringLiteral("txtPower"), QStringLiteral("txtBand"),
        QStringLiteral("txtDate"), QStringLiteral("txtTime"), QStringLiteral("txtPoints"),
        QStringLiteral("txtMultiplier"),
        QStringLiteral("cmdClear"), QStringLiteral("cmdDeleteRecord"), QStringLiteral("cmdChangeRecord"),
        QStringLiteral("cmdSearch"), QStringLiteral("txtSearchInfo"),
        QStringLiteral("cmdReview"), QStringLiteral("cmdUpdate"), QStringLiteral("cmdCalendar"),
        QStringLiteral("cmdCanada"), QStringLiteral("cmdSetTime"), QStringLiteral("cmdRstSystem"),
        QStringLiteral("cmdUS"), QStringLiteral("cmdPrinter"),
        QStringLiteral("txtRecNumber"),
        QStringLiteral("txtCall"), QStringLiteral("txtRstR"), QStringLiteral("txtRstS"), QStringLiteral("txtLocale"),
        QStringLiteral("txtClub"), QStringLiteral("txtPwr"), QStringLiteral("txtBnd"), QStringLiteral("txtCalendar"),
        QStringLiteral("txtClock"), QStringLiteral("txtPts"), QStringLiteral("txtMult"),
        QStringLiteral("txtRecNum"), QStringLiteral("cmdMinus"), QStringLiteral("cmdPlus"),
        QStringLiteral("cmdSaveRecord"),
    };
    return order;
}

} // namespace ConsoleLayout
