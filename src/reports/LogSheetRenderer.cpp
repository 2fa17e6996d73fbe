#include "reports/LogSheetRenderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>
#include <cmath>

namespace {
// Letter frequencies per thousand, blank included, for the classic average width.
constexpr std::array<int, 26> LetterWeights{64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                            56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
constexpr int BlankWeight = 166;
} // namespace

QFont LogSheetRenderer::printingFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    return font;
}

qreal LogSheetRenderer::averageCharWidth(const QFontMetricsF &metrics)
{
    qreal sum = BlankWeight * metrics.horizontalAdvance(QChar(u' '));
    int weights = BlankWeight;
    for (int i = 0; i < 26; ++i) {
        sum += LetterWeights[i] * metrics.horizontalAdvance(QChar(char16_t(u'a' + i)));
        weights += LetterWeights[i];
    }
    return sum / weights;
}

LogSheetRenderer::LogSheetRenderer(QPainter &painter) : m_painter(painter)
{
    m_painter.setFont(printingFont());
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    m_columnWidth = averageCharWidth(metrics);
    m_lineHeight = metrics.height();
    m_ascent = metrics.ascent();
    m_pageHeight = m_painter.device() ? m_painter.device()->height() : 0;
}

int LogSheetRenderer::linesPerPage() const
{
    return qMax(1, static_cast<int>(std::floor(m_pageHeight / m_lineHeight)));
}

LogSheetLayout::Measure LogSheetRenderer::measure() const
{
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const qreal column = m_columnWidth;
    return [metrics, column](const QString &text) { return metrics.horizontalAdvance(text) / column; };
}

void LogSheetRenderer::drawLine(const LogSheetLine &line, int row)
{
    const qreal baseline = row * m_lineHeight + m_ascent;
    for (const LogSheetText &t : line)
        if (!t.text.isEmpty())
            m_painter.drawText(QPointF(columnX(t.column), baseline), t.text);
}

void LogSheetRenderer::draw(const QList<QList<LogSheetLine>> &pages, QPagedPaintDevice &device)
{
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            device.newPage();
            m_painter.setFont(printingFont());
            m_painter.setPen(Qt::black);
        }
        for (qsizetype row = 0; row < pages[p].size(); ++row)
            drawLine(pages[p][row], static_cast<int>(row));
    }
}
