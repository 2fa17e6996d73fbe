#include "reports/SummarySheet.h"

#include "platform/Platform.h"
#include "reports/PrintMessages.h"
#include "reports/RememberedDetails.h"
#include "reports/frmSummary.h"
#include "scoring/BandTotals.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"

#include <QAction>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>

SummarySheet::SummarySheet(BandTotals &bandTotals, const MenuControls &menus, Platform &platform,
                           ConsoleOutput &console, QWidget &window)
    : m_bandTotals(bandTotals), m_menus(menus), m_platform(platform), m_console(console), m_window(window)
{
    connect(m_menus.mnuSummary, &QAction::triggered, this, &SummarySheet::mnuSummary_Click);
    m_menus.mnuSummary->setEnabled(true);
    connect(&m_bandTotals, &BandTotals::totalsCounted, this, &SummarySheet::showTotals);
}

SummarySheet::~SummarySheet()
{
    // The program ends with the sheet still open: what was typed is kept.
    if (m_details)
        m_details->remember();
}

frmSummary &SummarySheet::form()
{
    if (!m_form) {
        m_form = new frmSummary(&m_window);
        connect(m_form->cmdCalculate, &QPushButton::clicked, this, &SummarySheet::cmdCalculate_Click);
        connect(m_form->cmdClear, &QPushButton::clicked, this, &SummarySheet::cmdClear_Click);
        connect(m_form->cmdCancel, &QPushButton::clicked, this, &SummarySheet::cmdCancel_Click);
        connect(m_form->cmcPrint, &QPushButton::clicked, this, &SummarySheet::cmcPrint_Click);
        m_form->installEventFilter(this);

        frmSummary &f = *m_form;
        m_details = new RememberedDetails(this);
        const std::pair<QLineEdit *, RememberedDetails::Detail> boxes[] = {
            {f.txt1A, &StationDetails::contest},
            {f.txt2A, &StationDetails::mode},
            {f.txt3A, &StationDetails::call},
            {f.txt4A, &StationDetails::spc},
            {f.txt5A, &StationDetails::number},
            {f.txt30A, &StationDetails::transmitter},
            {f.Text1, &StationDetails::output},
            {f.txt33A, &StationDetails::powerSource},
            {f.txt34A, &StationDetails::antennas},
            {f.txt32A, &StationDetails::receiver},
            {f.txt36A, &StationDetails::name},
            {f.txt37A, &StationDetails::call},
            {f.txt38A, &StationDetails::address},
            {f.Text3, &StationDetails::city},
            {f.txt40A, &StationDetails::state},
            {f.Text4, &StationDetails::zip},
            // The multipliers the export's claim defaults to.
            {f.txt24A, &StationDetails::powerMultiplier},
            {f.txt25A, &StationDetails::bonusMultiplier},
            {f.txt26A, &StationDetails::bonusPoints},
        };
        for (const auto &[box, detail] : boxes)
            m_details->bind(box, detail);
        m_details->bind(f.txtSendEntriesTo, &StationDetails::sendEntriesTo);
        m_details->fill();
    }
    return *m_form;
}

bool SummarySheet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Hide)
        m_details->remember();
    return false;
}

void SummarySheet::mnuSummary_Click()
{
    frmSummary &sheet = form();
    // Details remembered from the print options since the sheet was filled show here too.
    m_details->fill();
    sheet.show();
    sheet.raise();
    sheet.activateWindow();
}

FinalScore::Figures SummarySheet::scoreFigures()
{
    const frmSummary &f = form();
    return FinalScore::read(f.txt22A->text(), f.txt23A->text(), f.txt24A->text(), f.txt25A->text(), f.txt26A->text());
}

QString SummarySheet::comments() { return form().Text2->text(); }

std::optional<SummarySheet::Entrant> SummarySheet::entrant() const
{
    if (!m_form)
        return std::nullopt;
    const frmSummary &f = *m_form;
    return Entrant{f.txt36A->text(), f.txt38A->text(), f.Text3->text(), f.txt40A->text(), f.Text4->text()};
}

void SummarySheet::showTotals(const BandRecount::Sums &sums)
{
    frmSummary &sheet = form();
    const std::array<QLineEdit *, BandRecount::BandCount> pointBoxes{
        sheet.txt9A, sheet.txt10A, sheet.txt11A, sheet.txt12A, sheet.txt13A, sheet.txt14A, sheet.txt15A};
    const std::array<QLineEdit *, BandRecount::BandCount> spcBoxes{
        sheet.txt9B, sheet.txt10B, sheet.txt11B, sheet.txt12B, sheet.txt13B, sheet.txt14B, sheet.txt15B};
    for (int b = 0; b < BandRecount::BandCount; ++b) {
        if (sums.contacts[b] > 0) {
            m_written[b] = {QString::number(sums.points[b]), QString::number(sums.multipliers[b])};
            pointBoxes[b]->setText(m_written[b][0]);
            spcBoxes[b]->setText(m_written[b][1]);
        } else if (!m_written[b][0].isNull()) {
            // The band's contacts are gone (deleted since the last recount): the
            // figures written then would no longer be true. What the operator
            // typed over them stays.
            if (pointBoxes[b]->text() == m_written[b][0])
                pointBoxes[b]->clear();
            if (spcBoxes[b]->text() == m_written[b][1])
                spcBoxes[b]->clear();
            m_written[b] = {};
        }
    }
    const QString points = QString::number(sums.totalPoints());
    const QString multipliers = QString::number(sums.totalMultipliers());
    sheet.txt16A->setText(points);
    sheet.txt22A->setText(points);
    sheet.txt16B->setText(multipliers);
    sheet.txt23A->setText(multipliers);
}

void SummarySheet::cmdCalculate_Click()
{
    frmSummary &f = form();
    m_details->remember();
    const std::optional<double> score = FinalScore::of(scoreFigures());
    if (!score) {
        m_console.setNewLine();
        m_console.writePanel(PanelSize::Notice, {QStringLiteral("Final score not calculated:"),
                                                 QStringLiteral("the result is too large for a number."),
                                                 QStringLiteral("Check the scoring boxes.")});
        m_console.beep();
        return;
    }
    f.txt27A->setText(FinalScore::text(*score));
}

void SummarySheet::cmdClear_Click()
{
    frmSummary &f = form();
    for (QLineEdit *box : f.boxes())
        if (box != f.txt25A && box != f.txt26A)
            box->setText(QString());
}

void SummarySheet::cmdCancel_Click() { form().hide(); }

void SummarySheet::cmcPrint_Click()
{
    frmSummary &f = form();
    m_details->remember();
    // The client area as it stands, drawn at three times the screen's density so the
    // page's text stays sharp.
    constexpr qreal density = 3;
    QImage image(f.size() * density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::white);
    f.render(&image);

    const PrintTarget::Result result =
        m_platform.printTarget.print(QStringLiteral("SUMMARY"), [&](QPainter &painter, QPagedPaintDevice &) {
            const QPaintDevice *device = painter.device();
            // The window's size on paper (96 pixels to the inch), smaller if the page is.
            QSizeF size(f.width() / 96.0 * device->logicalDpiX(), f.height() / 96.0 * device->logicalDpiY());
            const QSizeF page(device->width(), device->height());
            if (size.width() > page.width() || size.height() > page.height())
                size.scale(page, Qt::KeepAspectRatio);
            painter.drawImage(QRectF(QPointF(0, 0), size), image);
        });
    PrintMessages::tell(m_console, QStringLiteral("Summary sheet"), result);
}
