#pragma once
// Where printed sheets go: the default printer when the system has one, else a
// PDF file in the working directory.

#include <QString>
#include <functional>

class QPainter;
class QPagedPaintDevice;

class PrintTarget {
  public:
    struct Result {
        bool ok = false;
        QString where;       // printer name or PDF file written
        QString why;         // plain words when it failed
        bool toFile = false; // no printer: `where` is the PDF written instead
    };
    // Draws one document. The callback paints on the painter and calls
    // device.newPage() to continue on a new page. baseName names a PDF file
    // ("LOGSHEET-40" gives LOGSHEET-40.pdf, or LOGSHEET-40-2.pdf when that exists).
    using Draw = std::function<void(QPainter &painter, QPagedPaintDevice &device)>;
    virtual ~PrintTarget() = default;
    virtual Result print(const QString &baseName, const Draw &draw) = 0;
};
