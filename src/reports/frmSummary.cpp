#include "reports/frmSummary.h"

#include "reports/ReportWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

using namespace ReportWidgets;

namespace {

enum class Face { System, Default };
enum class Look { Left, Centred, Boxed };

struct Builder {
    frmSummary *form;
    QList<QLineEdit *> &boxes;

    QLabel *label(const char *name, QRect at, const char *caption, Face face = Face::System, Look look = Look::Left)
    {
        auto *l = new QLabel(QString::fromLatin1(caption), form);
        l->setObjectName(QLatin1String(name));
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(at);
        l->setAlignment(look == Look::Left ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignHCenter | Qt::AlignTop);
        if (look == Look::Boxed) {
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
            l->setLineWidth(1);
            l->setAlignment(Qt::AlignCenter);
        }
        if (face == Face::System)
            l->setFont(systemBold());
        setBackground(l, Qt::white);
        return l;
    }

    QLineEdit *box(const char *name, QRect at, Face face = Face::System, const QString &text = QString())
    {
        auto *b = new QLineEdit(text, form);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(at);
        b->setAlignment(Qt::AlignCenter);
        if (face == Face::System)
            b->setFont(systemBold());
        boxes.append(b);
        return b;
    }

    template <class Button = QPushButton>
    QPushButton *button(const char *name, QRect at, const char *caption, Face face = Face::System)
    {
        auto *b = new Button(QString::fromLatin1(caption), form);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(at);
        if (face == Face::System)
            b->setFont(systemBold());
        return b;
    }
};

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

    Builder b{this, m_boxes};
    constexpr Face Sys = Face::System, Def = Face::Default;

    // Heading and entrant line.
    lblTitle = b.label("lblTitle", twips(3480, 240, 4455, 255), "QRP ARCI CONTEST SUMMARY SHEET", Sys, Look::Centred);
    LBL1 = b.label("LBL1", twips(360, 770, 2175, 255), "QRP ARCI CONTEST");
    txt1A = b.box("txt1A", twips(2520, 720, 5895, 375));
    lbl2 = b.label("lbl2", twips(9360, 770, 855, 255), "MODE");
    txt2A = b.box("txt2A", twips(10200, 720, 1215, 375));
    lbl3 = b.label("lbl3", twips(360, 1370, 615, 255), "CALL");
    txt3A = b.box("txt3A", twips(1080, 1320, 1455, 405));
    lbl4 = b.label("lbl4", twips(2880, 1370, 855, 255), "S - P - C");
    txt4A = b.box("txt4A", twips(3840, 1320, 855, 375));
    lbl5 = b.label("lbl5", twips(4920, 1365, 1935, 255), "QRP NR / POWER");
    txt5A = b.box("txt5A", twips(6960, 1320, 855, 375));
    lbl6 = b.label("lbl6", twips(8040, 1365, 2415, 375), "ENTRY: MULTI-BAND");
    txt6A = b.box("txt6A", twips(10680, 1320, 615, 375));
    lbl7 = b.label("lbl7", twips(8880, 1970, 1695, 375), ": SINGLE-BAND");
    txt7A = b.box("txt7A", twips(10680, 1920, 615, 375));

    // Band table: band, points and S-P-C columns, rows 360 twips apart.
    const auto cell = [](int left, int row, int height) { return twips(left, 1920 + 360 * row, 855, height); };
    lbl8 = b.label("lbl8", cell(360, 0, 375), "Band", Sys, Look::Boxed);
    lbl17 = b.label("lbl17", cell(1200, 0, 375), "Points", Sys, Look::Boxed);
    lbl18 = b.label("lbl18", cell(2040, 0, 375), "S PC", Sys, Look::Boxed);
    struct Row {
        const char *label, *caption, *points, *spc;
        QLabel *frmSummary::*labelMember;
        QLineEdit *frmSummary::*pointsMember, *frmSummary::*spcMember;
    };
    const Row rows[] = {
        {"lbl9", "160", "txt9A", "txt9B", &frmSummary::lbl9, &frmSummary::txt9A, &frmSummary::txt9B},
        {"lbl10", "80", "txt10A", "txt10B", &frmSummary::lbl10, &frmSummary::txt10A, &frmSummary::txt10B},
        {"lbl11", "40", "txt11A", "txt11B", &frmSummary::lbl11, &frmSummary::txt11A, &frmSummary::txt11B},
        {"lbl12", "20", "txt12A", "txt12B", &frmSummary::lbl12, &frmSummary::txt12A, &frmSummary::txt12B},
        {"lbl13", "15", "txt13A", "txt13B", &frmSummary::lbl13, &frmSummary::txt13A, &frmSummary::txt13B},
        {"lbl14", "10", "txt14A", "txt14B", &frmSummary::lbl14, &frmSummary::txt14A, &frmSummary::txt14B},
        {"lbl15", "6", "txt15A", "txt15B", &frmSummary::lbl15, &frmSummary::txt15A, &frmSummary::txt15B},
        {"lbl16", "Totals", "txt16A", "txt16B", &frmSummary::lbl16, &frmSummary::txt16A, &frmSummary::txt16B},
    };
    int row = 1;
    for (const Row &r : rows) {
        this->*r.labelMember = b.label(r.label, cell(360, row, row == 8 ? 400 : 375), r.caption, Sys, Look::Boxed);
        this->*r.pointsMember = b.box(r.points, cell(1200, row, 405));
        this->*r.spcMember = b.box(r.spc, cell(2040, row, 405));
        ++row;
    }

    // Instructions, buttons and note.
    lbl19 = b.label("lbl19", twips(3120, 1800, 5415, 3375), "");
    lbl19->setText(instructions());
    // The address box starts where the last line's words end, three lines high, as
    // an address stood on the paper form; it prints with the sheet.
    const QFontMetrics lines(systemBold());
    const int sendTop = lbl19->y() + 11 * lines.lineSpacing() - 8;
    const int sendLeft = lbl19->x() + lines.horizontalAdvance(QStringLiteral("5. Send entries to: "));
    txtSendEntriesTo = new QPlainTextEdit(this);
    txtSendEntriesTo->setObjectName(QStringLiteral("txtSendEntriesTo"));
    txtSendEntriesTo->setFont(systemBold());
    txtSendEntriesTo->setGeometry(sendLeft, sendTop, lbl19->geometry().right() - sendLeft,
                                  3 * lines.lineSpacing() + 12);
    txtSendEntriesTo->setTabChangesFocus(true);
    txtSendEntriesTo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSendEntriesTo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtSendEntriesTo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cmcPrint = b.button("cmcPrint", twips(9240, 2520, 2175, 495), "Print Summary");
    cmdCancel = b.button("cmdCancel", twips(9240, 3120, 2175, 495), "&Cancel");
    cmdClear = b.button("cmdClear", twips(9240, 3720, 2175, 495), "Clear Form");
    lblUpdate = b.label("lblUpdate", twips(9240, 4440, 2175, 855),
                        "Click UPDATE button on Zell to update summary sheet totals", Sys, Look::Centred);
    lblUpdate->setWordWrap(true);
    setBackground(lblUpdate, QColor(255, 0, 0));

    // Scoring: the headings stand over the boxes, the signs between them.
    lbl20 = b.label("lbl20", twips(480, 5280, 1215, 255), "Scoring:", Sys, Look::Centred);
    lbl21 = b.label("lbl21", twips(360, 5640, 10575, 255),
                    "TOTAL               TOTAL               POWER               BONUS               BONUS    "
                    "                      FINAL");
    lbl22 = b.label("lbl22", twips(360, 5880, 10455, 255),
                    "POINTS     X       SPC         X        MULT         X       MULT         +     POINTS      "
                    "   =              SCORE");
    const auto sign = [](int left) { return twips(left, 6340, 255, 375); };
    txt22A = b.box("txt22A", twips(240, 6240, 975, 435));
    lbl23 = b.label("lbl23", sign(1320), "X", Sys, Look::Centred);
    txt23A = b.box("txt23A", twips(1680, 6240, 855, 495));
    Label1 = b.label("Label1", sign(2880), "X", Sys, Look::Centred);
    txt24A = b.box("txt24A", twips(3360, 6240, 855, 495));
    lbl25 = b.label("lbl25", sign(4560), "X", Sys, Look::Centred);
    txt25A = b.box("txt25A", twips(5040, 6240, 855, 495), Sys, QStringLiteral("1\r\n"));
    lbl26 = b.label("lbl26", sign(6240), "+", Sys, Look::Centred);
    txt26A = b.box("txt26A", twips(6720, 6240, 855, 495), Sys, QStringLiteral("0\r\n"));
    lbl27 = b.label("lbl27", sign(7920), "=", Sys, Look::Centred);
    txt27A = b.box("txt27A", twips(8520, 6240, 1575, 495));
    cmdCalculate =
        b.button<WrappingButton>("cmdCalculate", twips(10320, 6240, 1095, 495), "Calculate Final Score", Def);

    // Station and entrant details, in the default font.
    const auto tag = [](int left, int top, int width) { return twips(left, top, width, 255); };
    const auto field = [](int left, int top, int width) { return twips(left, top, width, 285); };
    lbl28 = b.label("lbl28", tag(120, 6840, 1335), "Operating Time", Def);
    txt28A = b.box("txt28A", field(1680, 6840, 700), Def);
    lbl29 = b.label("lbl29", tag(2880, 6840, 1815), "Dupe Sheets Included", Def);
    txt29A = b.box("txt29A", field(5200, 6840, 615), Def);
    lbl30 = b.label("lbl30", tag(6120, 6840, 1455), "Transmitter/Xcvr", Def);
    txt30A = b.box("txt30A", field(7560, 6840, 1900), Def);
    lbl31A = b.label("lbl31A", tag(9840, 6840, 855), "OUTPUT:", Def);
    Text1 = b.box("Text1", field(10700, 6840, 600), Def);
    lbl33 = b.label("lbl33", tag(120, 7200, 1215), "Power Source", Def);
    txt33A = b.box("txt33A", field(1680, 7200, 1455), Def);
    lbl34 = b.label("lbl34", tag(3240, 7200, 855), "Antenna(s)", Def);
    txt34A = b.box("txt34A", field(4200, 7200, 4215), Def);
    lbl32 = b.label("lbl32", tag(8640, 7200, 975), "Receiver:", Def);
    txt32A = b.box("txt32A", field(9600, 7200, 1700), Def);
    lbl35 = b.label("lbl35", tag(120, 7560, 855), "Comments:", Def);
    Text2 = b.box("Text2", field(1080, 7560, 10200), Def);
    lbl36 = b.label("lbl36", tag(120, 7920, 495), "Name", Def);
    txt36A = b.box("txt36A", field(720, 7920, 2415), Def);
    lbl37 = b.label("lbl37", tag(3240, 7920, 615), "Callsign", Def);
    txt37A = b.box("txt37A", field(4050, 7920, 1100), Def);
    lbl38 = b.label("lbl38", tag(5400, 7920, 615), "Address", Def);
    txt38A = b.box("txt38A", field(6300, 7920, 5000), Def);
    lbl39 = b.label("lbl39", tag(120, 8280, 495), "City", Def);
    Text3 = b.box("Text3", field(720, 8280, 2415), Def);
    lbl40 = b.label("lbl40", tag(3240, 8280, 615), "State", Def);
    txt40A = b.box("txt40A", field(3960, 8280, 600), Def);
    lbl41 = b.label("lbl41", tag(5000, 8280, 735), "Zip Code", Def);
    Text4 = b.box("Text4", field(5900, 8280, 735), Def);
    Label2 =
        b.label("Label2", twips(6900, 8280, 4250, 255), "Form generated by Dravek's Zell Kestrix for Windows", Def);

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
