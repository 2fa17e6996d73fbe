#include "reports/frmPrinter.h"

#include "reports/ReportWidgets.h"
#include "widgets/FormBinding.h"
#include "widgets/KeyRewrite.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ReportWidgets;

namespace {

enum class Keys { AsTyped, UpperCase };

struct Control {
    // In the order of the member's alternatives.
    enum Kind { Label, Box, Button };
    QString name;
    std::variant<QLabel * frmPrinter::*, QLineEdit * frmPrinter::*, QPushButton * frmPrinter::*> member;
    Kind kind() const { return Kind(member.index()); }
    int left, top, width, height;
    const char *caption;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    Keys keys = Keys::AsTyped;
    int maxLength = 0;
};

#define CONTROL(name) FORM_CONTROL(frmPrinter, name)

// In tab order.
const Control Controls[] = {
    {CONTROL(lblContest), 120, 120, 2655, 375, "Enter Name of Contest", Qt::AlignHCenter | Qt::AlignTop},
    {CONTROL(txtContestName), 120, 480, 2655, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {CONTROL(lblDate), 120, 960, 1335, 375, "Contest Date"},
    {CONTROL(txtDate), 1440, 960, 1455, 360, "", Qt::AlignCenter},
    {CONTROL(lblCallsign), 120, 1440, 1335, 375, "Your Callsign"},
    {CONTROL(txtCall), 1440, 1440, 1455, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {CONTROL(lblSPC), 120, 1920, 1335, 375, "Your SPC"},
    {CONTROL(txtSPC), 1440, 1920, 1455, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {CONTROL(lblNumber), 120, 2400, 1335, 375, "QRP #/Power"},
    {CONTROL(txtNumber), 1440, 2400, 1455, 375, "", Qt::AlignCenter},
    {CONTROL(lblPrintout), 120, 2880, 2055, 375, "Print for which band?"},
    {CONTROL(txtWhichBand), 2160, 2880, 735, 375, "", Qt::AlignCenter, Keys::AsTyped, 3},
    {CONTROL(cmdMode), 120, 3360, 1815, 375, "Mode CW or SSB"},
    {CONTROL(txtMode), 1920, 3360, 975, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {CONTROL(cmdOK), 240, 3840, 735, 375, "&OK"},
    {CONTROL(cmdCancel), 1560, 3840, 1215, 375, "&Cancel"},
};

} // namespace

frmPrinter::frmPrinter(QWidget *parent) : QWidget(parent, Qt::Window), m_upperCase(KeyRewrite::upperCaseKeys(this))
{
    setObjectName(QStringLiteral("frmPrinter"));
    setWindowTitle(QStringLiteral("Printer Info"));
    setBackground(this, QColor(0, 255, 0));
    setGeometry(twips(8865, 1020, 2970, 4350));

    QWidget *previous = nullptr;
    buildControls(*this, Controls, [&](const Control &c) {
        QWidget *widget = nullptr;
        switch (c.kind()) {
        case Control::Label: {
            auto *label = new QLabel(QString::fromLatin1(c.caption), this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(c.align);
            setBackground(label, QColor(255, 255, 0));
            widget = label;
            break;
        }
        case Control::Box: {
            auto *box = new QLineEdit(this);
            box->setAlignment(c.align);
            if (c.maxLength > 0)
                box->setMaxLength(c.maxLength);
            setBackground(box, QColor(255, 0, 0));
            if (c.keys == Keys::UpperCase)
                m_upperCase->watch(box);
            widget = box;
            break;
        }
        case Control::Button:
            widget = new QPushButton(QString::fromLatin1(c.caption), this);
            break;
        }
        widget->setFont(systemBold());
        if (c.kind() != Control::Label) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
        return widget;
    });
}
