#pragma once
// Draws a laid-out log sheet with a QPainter, on a printer, a PDF or an image:
// Arial 10 pt, column c starting (c - 1) average character widths from the left
// edge of the printable area, one font height per line, a new page when the
// next line would pass the bottom.

#include "rules/LogSheetLayout.h"

#include <QFont>

class QFontMetricsF;
class QPainter;
class QPagedPaintDevice;

class LogSheetRenderer {
  public:
    // Sets the printing font on the painter and takes the measures of its device.
    explicit LogSheetRenderer(QPainter &painter);

    static QFont printingFont();
    // The average character width in its classic sense: the lower-case letters
    // and the blank, each weighted by how often it occurs in English text. (The
    // averages some fonts carry today are taken over every glyph they hold, far
    // wider than a column of text.)
    static qreal averageCharWidth(const QFontMetricsF &metrics);

    qreal columnWidth() const { return m_columnWidth; }
    qreal lineHeight() const { return m_lineHeight; }
    int linesPerPage() const;
    // Widths in columns, for LogSheetLayout.
    LogSheetLayout::Measure measure() const;
    // Left edge of a column, in device units.
    qreal columnX(int column) const { return (column - 1) * m_columnWidth; }

    // Draws the pages, asking the device for a new page before each page after the first.
    void draw(const QList<QList<LogSheetLine>> &pages, QPagedPaintDevice &device);
    // Draws one line at a line position of the current page (0 is the top line).
    void drawLine(const LogSheetLine &line, int row);

  private:
    QPainter &m_painter;
    qreal m_columnWidth = 1;
    qreal m_lineHeight = 1;
    qreal m_ascent = 0;
    qreal m_pageHeight = 0;
};
