#include "SummarySheet.h"

#include "PrintMessages.h"
#include "Text.h"
#include "frmKestrix.h"
#include "frmSummary.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <cmath>

SummarySheet::SummarySheet(frmKestrix &window) : m_window(window)
{
    connect(m_window.mnuSummary, &QAction::triggered, this, &SummarySheet::mnuSummary_Click);
    m_window.mnuSummary->setEnabled(true);
}

SummarySheet::~SummarySheet() = default;

frmSummary &SummarySheet::form()
{
    if (!m_form) {
        m_form = new frmSummary(&m_window);
        connect(m_form->cmdCalculate, &QPushButton::clicked, this, &SummarySheet::cmdCalculate_Click);
        connect(m_form->cmdClear, &QPushButton::clicked, this, &SummarySheet::cmdClear_Click);
        connect(m_form->cmdCancel, &QPushButton::clicked, this, &SummarySheet::cmdCancel_Click);
        connect(m_form->cmcPrint, &QPushButton::clicked, this, &SummarySheet::cmcPrint_Click);
    }
    return *m_form;
}

void SummarySheet::mnuSummary_Click()
{
    frmSummary &sheet = form();
    sheet.show();
    sheet.raise();
    sheet.activateWindow();
}

std::optional<double> SummarySheet::finalScore(const QString &points, const QString &spc,
                                               const QString &powerMultiplier, const QString &bonusMultiplier,
                                               const QString &bonusPoints)
{
    const double score = Text::numericValue(points) * Text::numericValue(spc) * Text::numericValue(powerMultiplier) *
                             Text::numericValue(bonusMultiplier) +
                         Text::numericValue(bonusPoints);
    if (!std::isfinite(score))
        return std::nullopt;
    return score;
}

QString SummarySheet::scoreText(double score)
{
    if (score == 0)
        score = 0; // no "-0"
    QString text = QString::number(score, 'G', 15);
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral("."))
        text.replace(u'.', point);
    return text;
}

void SummarySheet::cmdCalculate_Click()
{
    frmSummary &f = form();
    const std::optional<double> score =
        finalScore(f.txt22A->text(), f.txt23A->text(), f.txt24A->text(), f.txt25A->text(), f.txt26A->text());
    if (!score) {
        m_window.setNewLine();
        m_window.writePanel(12, {QStringLiteral("Final score not calculated:"),
                                 QStringLiteral("the result is too large for a number."),
                                 QStringLiteral("Check the scoring boxes.")});
        m_window.beep();
        return;
    }
    f.txt27A->setText(scoreText(*score));
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
    // The client area as it stands, drawn at three times the screen's density so the
    // page's text stays sharp.
    constexpr qreal density = 3;
    QImage image(f.size() * density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::white);
    f.render(&image);

    const PrintTarget::Result result =
        m_window.platform().printTarget.print(QStringLiteral("SUMMARY"), [&](QPainter &painter, QPagedPaintDevice &) {
            const QPaintDevice *device = painter.device();
            // The window's size on paper (96 pixels to the inch), smaller if the page is.
            QSizeF size(f.width() / 96.0 * device->logicalDpiX(), f.height() / 96.0 * device->logicalDpiY());
            const QSizeF page(device->width(), device->height());
            if (size.width() > page.width() || size.height() > page.height())
                size.scale(page, Qt::KeepAspectRatio);
            painter.drawImage(QRectF(QPointF(0, 0), size), image);
        });
    PrintMessages::tell(m_window, QStringLiteral("Summary sheet"), result);
}
