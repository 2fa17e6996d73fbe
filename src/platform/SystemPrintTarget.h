#pragma once
// Prints to the system's default printer, or writes a PDF in the working
// directory when there is no printer.

#include "platform/PrintTarget.h"

class SystemPrintTarget : public PrintTarget {
  public:
    enum class Use { DefaultPrinter, PdfOnly };

    // PDFs go to `directory`, the working directory when empty. PdfOnly never
    // looks for a printer.
    explicit SystemPrintTarget(QString directory = QString(), Use use = Use::DefaultPrinter);

    Result print(const QString &baseName, const Draw &draw) override;

    // The first of NAME.pdf, NAME-2.pdf, NAME-3.pdf ... that does not exist yet.
    static QString freePdfName(const QString &directory, const QString &baseName);

  private:
    Result toPrinter(const QString &baseName, const Draw &draw);
    Result toPdf(const QString &baseName, const Draw &draw);

    QString m_directory;
    Use m_use;
};
