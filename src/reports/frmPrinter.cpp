#include "frmPrinter.h"

#include "ReportWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace ReportWidgets;

namespace {

enum class Kind { Label, Box, Button };
enum class Keys { AsTyped, UpperCase };

struct Control {
    const char *name;
    Kind kind;
    int left, top, width, height;
    const char *caption;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    Keys keys = Keys::AsTyped;
    int maxLength = 0;
};

// In tab order.
const Control Controls[] = {
    {"lblContest", Kind::Label, 120, 120, 2655, 375, "Enter Name of Contest", Qt::AlignHCenter | Qt::AlignTop},
    {"txtContestName", Kind::Box, 120, 480, 2655, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {"lblDate", Kind::Label, 120, 960, 1335, 375, "Contest Date"},
    {"txtDate", Kind::Box, 1440, 960, 1455, 360, "", Qt::AlignCenter},
    {"lblCallsign", Kind::Label, 120, 1440, 1335, 375, "Your Callsign"},
    {"txtCall", Kind::Box, 1440, 1440, 1455, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {"lblSPC", Kind::Label, 120, 1920, 1335, 375, "Your SPC"},
    {"txtSPC", Kind::Box, 1440, 1920, 1455, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {"lblNumber", Kind::Label, 120, 2400, 1335, 375, "QRP #/Power"},
    {"txtNumber", Kind::Box, 1440, 2400, 1455, 375, "", Qt::AlignCenter},
    {"lblPrintout", Kind::Label, 120, 2880, 2055, 375, "Print for which band?"},
    {"txtWhichBand", Kind::Box, 2160, 2880, 735, 375, "", Qt::AlignCenter, Keys::AsTyped, 3},
    {"cmdMode", Kind::Label, 120, 3360, 1815, 375, "Mode CW or SSB"},
    {"txtMode", Kind::Box, 1920, 3360, 975, 375, "", Qt::AlignCenter, Keys::UpperCase},
    {"cmdOK", Kind::Button, 240, 3840, 735, 375, "&OK"},
    {"cmdCancel", Kind::Button, 1560, 3840, 1215, 375, "&Cancel"},
};

} // namespace

frmPrinter::frmPrinter(QWidget *parent) : QWidget(parent, Qt::Window), m_upperCase(new UpperCaseKeys(this))
{
    setObjectName(QStringLiteral("frmPrinter"));
    setWindowTitle(QStringLiteral("Printer Info"));
    setBackground(this, QColor(0, 255, 0));
    setGeometry(twips(8865, 1020, 2970, 4350));

    QWidget *previous = nullptr;
    for (const Control &c : Controls) {
        QWidget *widget = nullptr;
        switch (c.kind) {
        case Kind::Label: {
            auto *label = new QLabel(QString::fromLatin1(c.caption), this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(c.align);
            setBackground(label, QColor(255, 255, 0));
            widget = label;
            break;
        }
        case Kind::Box: {
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
        case Kind::Button:
            widget = new QPushButton(QString::fromLatin1(c.caption), this);
            break;
        }
        widget->setObjectName(QLatin1String(c.name));
        widget->setFont(systemBold());
        widget->setGeometry(twips(c.left, c.top, c.width, c.height));
        if (c.kind != Kind::Label) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }

    const auto label = [this](const char *name) { return findChild<QLabel *>(QLatin1String(name)); };
    const auto box = [this](const char *name) { return findChild<QLineEdit *>(QLatin1String(name)); };
    lblContest = label("lblContest");
    lblDate = label("lblDate");
    lblCallsign = label("lblCallsign");
    lblSPC = label("lblSPC");
    lblNumber = label("lblNumber");
    lblPrintout = label("lblPrintout");
    cmdMode = label("cmdMode");
    txtContestName = box("txtContestName");
    txtDate = box("txtDate");
    txtCall = box("txtCall");
    txtSPC = box("txtSPC");
    txtNumber = box("txtNumber");
    txtWhichBand = box("txtWhichBand");
    txtMode = box("txtMode");
    cmdOK = findChild<QPushButton *>(QStringLiteral("cmdOK"));
    cmdCancel = findChild<QPushButton *>(QStringLiteral("cmdCancel"));
}
