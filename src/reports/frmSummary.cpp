#include "reports/frmSummary.h"

#include "reports/ReportWidgets.h"
#include "widgets/FormBinding.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

using namespace ReportWidgets;

namespace {

enum class Face { System, Default };
// A label's alignment and frame; for a button, whether its caption wraps.
enum class Look { Left, Centred, Boxed, Wrapping };
constexpr Face Sys = Face::System, Def = Face::Default;
constexpr Look Left = Look::Left, Centred = Look::Centred, Boxed = Look::Boxed;

struct Control {
    // In the order of the member's alternatives.
    enum Kind { Label, Box, Button, Address };
    QString name;
    std::variant<QLabel * frmSummary::*, QLineEdit * frmSummary::*, QPushButton * frmSummary::*,
                 QPlainTextEdit * frmSummary::*>
        member;
    Kind kind() const { return Kind(member.index()); }
    int left, top, width, height;
    // A label's or a button's caption; the text a box starts with.
    const char *caption = nullptr;
    Face face = Face::System;
    Look look = Look::Left;
};

#define CONTROL(name) FORM_CONTROL(frmSummary, name)

// One row per control, as the sheet reads, kept out of the formatter. The boxes
// take the tab order of their places; the address box is placed beside the
// instructions' last line once they are set.
// clang-format off
const Control Controls[] = {
    // heading and entrant line
    {CONTROL(lblTitle), 3480, 240, 4455, 255, "QRP ARCI CONTEST SUMMARY SHEET", Sys, Centred},
    {CONTROL(LBL1), 360, 770, 2175, 255, "QRP ARCI CONTEST"},
    {CONTROL(txt1A), 2520, 720, 5895, 375},
    {CONTROL(lbl2), 9360, 770, 855, 255, "MODE"},
    {CONTROL(txt2A), 10200, 720, 1215, 375},
    {CONTROL(lbl3), 360, 1370, 615, 255, "CALL"},
    {CONTROL(txt3A), 1080, 1320, 1455, 405},
    {CONTROL(lbl4), 2880, 1370, 855, 255, "S - P - C"},
    {CONTROL(txt4A), 3840, 1320, 855, 375},
    {CONTROL(lbl5), 4920, 1365, 1935, 255, "QRP NR / POWER"},
    {CONTROL(txt5A), 6960, 1320, 855, 375},
    {CONTROL(lbl6), 8040, 1365, 2415, 375, "ENTRY: MULTI-BAND"},
    {CONTROL(txt6A), 10680, 1320, 615, 375},
    {CONTROL(lbl7), 8880, 1970, 1695, 375, ": SINGLE-BAND"},
    {CONTROL(txt7A), 10680, 1920, 615, 375},
    // band table: band, points and S-P-C columns, rows 360 twips apart
    {CONTROL(lbl8), 360, 1920, 855, 375, "Band", Sys, Boxed},
    {CONTROL(lbl17), 1200, 1920, 855, 375, "Points", Sys, Boxed},
    {CONTROL(lbl18), 2040, 1920, 855, 375, "S PC", Sys, Boxed},
    {CONTROL(lbl9), 360, 2280, 855, 375, "160", Sys, Boxed},
    {CONTROL(txt9A), 1200, 2280, 855, 405},
    {CONTROL(txt9B), 2040, 2280, 855, 405},
    {CONTROL(lbl10), 360, 2640, 855, 375, "80", Sys, Boxed},
    {CONTROL(txt10A), 1200, 2640, 855, 405},
    {CONTROL(txt10B), 2040, 2640, 855, 405},
    {CONTROL(lbl11), 360, 3000, 855, 375, "40", Sys, Boxed},
    {CONTROL(txt11A), 1200, 3000, 855, 405},
    {CONTROL(txt11B), 2040, 3000, 855, 405},
    {CONTROL(lbl12), 360, 3360, 855, 375, "20", Sys, Boxed},
    {CONTROL(txt12A), 1200, 3360, 855, 405},
    {CONTROL(txt12B), 2040, 3360, 855, 405},
    {CONTROL(lbl13), 360, 3720, 855, 375, "15", Sys, Boxed},
    {CONTROL(txt13A), 1200, 3720, 855, 405},
    {CONTROL(txt13B), 2040, 3720, 855, 405},
    {CONTROL(lbl14), 360, 4080, 855, 375, "10", Sys, Boxed},
    {CONTROL(txt14A), 1200, 4080, 855, 405},
    {CONTROL(txt14B), 2040, 4080, 855, 405},
    {CONTROL(lbl15), 360, 4440, 855, 375, "6", Sys, Boxed},
    {CONTROL(txt15A), 1200, 4440, 855, 405},
    {CONTROL(txt15B), 2040, 4440, 855, 405},
    {CONTROL(lbl16), 360, 4800, 855, 400, "Totals", Sys, Boxed},
    {CONTROL(txt16A), 1200, 4800, 855, 405},
    {CONTROL(txt16B), 2040, 4800, 855, 405},
    // instructions, buttons and note
    {CONTROL(lbl19), 3120, 1800, 5415, 3375, ""},
    {CONTROL(txtSendEntriesTo), 0, 0, 0, 0},
    {CONTROL(cmcPrint), 9240, 2520, 2175, 495, "Print Summary"},
    {CONTROL(cmdCancel), 9240, 3120, 2175, 495, "&Cancel"},
    {CONTROL(cmdClear), 9240, 3720, 2175, 495, "Clear Form"},
    {CONTROL(lblUpdate), 9240, 4440, 2175, 855, "Click UPDATE button on Zell to update summary sheet totals", Sys, Centred},
    // scoring: the headings stand over the boxes, the signs between them
    {CONTROL(lbl20), 480, 5280, 1215, 255, "Scoring:", Sys, Centred},
    {CONTROL(lbl21), 360, 5640, 10575, 255, "TOTAL               TOTAL               POWER               BONUS               BONUS                          FINAL"},
    {CONTROL(lbl22), 360, 5880, 10455, 255, "POINTS     X       SPC         X        MULT         X       MULT         +     POINTS         =              SCORE"},
    {CONTROL(txt22A), 240, 6240, 975, 435},
    {CONTROL(lbl23), 1320, 6340, 255, 375, "X", Sys, Centred},
    {CONTROL(txt23A), 1680, 6240, 855, 495},
    {CONTROL(Label1), 2880, 6340, 255, 375, "X", Sys, Centred},
    {CONTROL(txt24A), 3360, 6240, 855, 495},
    {CONTROL(lbl25), 4560, 6340, 255, 375, "X", Sys, Centred},
    {CONTROL(txt25A), 5040, 6240, 855, 495, "1\r\n"},
    {CONTROL(lbl26), 6240, 6340, 255, 375, "+", Sys, Centred},
    {CONTROL(txt26A), 6720, 6240, 855, 495, "0\r\n"},
    {CONTROL(lbl27), 7920, 6340, 255, 375, "=", Sys, Centred},
    {CONTROL(txt27A), 8520, 6240, 1575, 495},
    {CONTROL(cmdCalculate), 10320, 6240, 1095, 495, "Calculate Final Score", Def, Look::Wrapping},
    // station and entrant details, in the form's own face
    {CONTROL(lbl28), 120, 6840, 1335, 255, "Operating Time", Def},
    {CONTROL(txt28A), 1680, 6840, 700, 285, nullptr, Def},
    {CONTROL(lbl29), 2880, 6840, 1815, 255, "Dupe Sheets Included", Def},
    {CONTROL(txt29A), 5200, 6840, 615, 285, nullptr, Def},
    {CONTROL(lbl30), 6120, 6840, 1455, 255, "Transmitter/Xcvr", Def},
    {CONTROL(txt30A), 7560, 6840, 1900, 285, nullptr, Def},
    {CONTROL(lbl31A), 9840, 6840, 855, 255, "OUTPUT:", Def},
    {CONTROL(Text1), 10700, 6840, 600, 285, nullptr, Def},
    {CONTROL(lbl33), 120, 7200, 1215, 255, "Power Source", Def},
    {CONTROL(txt33A), 1680, 7200, 1455, 285, nullptr, Def},
    {CONTROL(lbl34), 3240, 7200, 855, 255, "Antenna(s)", Def},
    {CONTROL(txt34A), 4200, 7200, 4215, 285, nullptr, Def},
    {CONTROL(lbl32), 8640, 7200, 975, 255, "Receiver:", Def},
    {CONTROL(txt32A), 9600, 7200, 1700, 285, nullptr, Def},
    {CONTROL(lbl35), 120, 7560, 855, 255, "Comments:", Def},
    {CONTROL(Text2), 1080, 7560, 10200, 285, nullptr, Def},
    {CONTROL(lbl36), 120, 7920, 495, 255, "Name", Def},
    {CONTROL(txt36A), 720, 7920, 2415, 285, nullptr, Def},
    {CONTROL(lbl37), 3240, 7920, 615, 255, "Callsign", Def},
    {CONTROL(txt37A), 4050, 7920, 1100, 285, nullptr, Def},
    {CONTROL(lbl38), 5400, 7920, 615, 255, "Address", Def},
    {CONTROL(txt38A), 6300, 7920, 5000, 285, nullptr, Def},
    {CONTROL(lbl39), 120, 8280, 495, 255, "City", Def},
    {CONTROL(Text3), 720, 8280, 2415, 285, nullptr, Def},
    {CONTROL(lbl40), 3240, 8280, 615, 255, "State", Def},
    {CONTROL(txt40A), 3960, 8280, 600, 285, nullptr, Def},
    {CONTROL(lbl41), 5000, 8280, 735, 255, "Zip Code", Def},
    {CONTROL(Text4), 5900, 8280, 735, 285, nullptr, Def},
    {CONTROL(Label2), 6900, 8280, 4250, 255, "Form generated by Dravek's Zell Kestrix for Windows", Def},
};
// clang-format on

QWidget *make(const Control &c, QWidget *form)
{
    const QString caption = c.caption ? QString::fromLatin1(c.caption) : QString();
    QWidget *widget = nullptr;
    switch (c.kind()) {
    case Control::Label: {
        auto *l = new QLabel(caption, form);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(c.look == Look::Left ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter | Qt::AlignTop);
        if (c.look == Look::Boxed) {
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
            l->setLineWidth(1);
            l->setAlignment(Qt::AlignCenter);
        }
        setBackground(l, Qt::white);
        widget = l;
        break;
    }
    case Control::Box: {
        auto *b = new QLineEdit(caption, form);
        b->setAlignment(Qt::AlignCenter);
        widget = b;
        break;
    }
    case Control::Button:
        widget = c.look == Look::Wrapping ? new WrappingButton(caption, form) : new QPushButton(caption, form);
        break;
    case Control::Address:
        widget = new QPlainTextEdit(form);
        break;
    }
    if (c.face == Face::System)
        widget->setFont(systemBold());
    return widget;
}

} // namespace

QString frmSummary::instructions()
{
    const QStringList lines{
        QStringLiteral("1. Enter all data above and indicate entry"),
        QStringLiteral("class and band."),
        QString(),
        QStringLiteral("2. Enter all points and S-P-C by band."),
        QString(),
        QStringLiteral("3. Add total points and S-P-C."),
        QString(),
        QStringLiteral("4. Multiply points, S-P-C, power multiplier and"),
        QStringLiteral("bonus multiplier (power source) and"),
        QStringLiteral("add bonus points for final score."),
        QString(),
        QStringLiteral("5. Send entries to:"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

frmSummary::frmSummary(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(QStringLiteral("ARCI Contest Summary Sheet"));
    setBackground(this, Qt::white);
    resize(px(11880), px(8595));
    // The form's own default face, small enough for the detail rows' labels.
    QFont standard(QStringLiteral("Liberation Sans"));
    standard.setPointSizeF(8.25);
    setFont(standard);

    buildControls(*this, Controls, [this](const Control &c) {
        QWidget *widget = make(c, this);
        if (c.kind() == Control::Box)
            m_boxes.append(static_cast<QLineEdit *>(widget));
        return widget;
    });
    lbl19->setText(instructions());
    lblUpdate->setWordWrap(true);
    setBackground(lblUpdate, QColor(255, 0, 0));

    // The address box starts where the last line's words end, three lines high, as
    // an address stood on the paper form; it prints with the sheet.
    const QFontMetrics lines(systemBold());
    const int sendTop = lbl19->y() + 11 * lines.lineSpacing() - 8;
    const int sendLeft = lbl19->x() + lines.horizontalAdvance(QStringLiteral("5. Send entries to: "));
    txtSendEntriesTo->setGeometry(sendLeft, sendTop, lbl19->geometry().right() - sendLeft,
                                  3 * lines.lineSpacing() + 12);
    txtSendEntriesTo->setTabChangesFocus(true);
    txtSendEntriesTo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSendEntriesTo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSendEntriesTo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Tab order: the boxes in reading order, row by row, then the buttons.
    std::stable_sort(m_boxes.begin(), m_boxes.end(),
                     [](QLineEdit *a, QLineEdit *c) { return a->y() != c->y() ? a->y() < c->y() : a->x() < c->x(); });
    QList<QWidget *> order(m_boxes.begin(), m_boxes.end());
    order << txtSendEntriesTo << cmcPrint << cmdCancel << cmdCalculate << cmdClear;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (QLabel *l : labels)
        l->setFocusPolicy(Qt::NoFocus);
}
