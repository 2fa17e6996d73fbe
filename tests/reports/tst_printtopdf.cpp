// Printing without a printer: the sheets become PDF files in the log's folder,
// never over an earlier one, and the display panel names the file.
//
// Set KESTRIX_KEEP_PDF to a folder to keep a copy of the PDFs this test writes.

#include "FakePlatform.h"
#include "OwnSettings.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "platform/SystemPrintTarget.h"
#include "reports/LogSheetPrinting.h"
#include "reports/frmPrinter.h"
#include "reports/frmSummary.h"
#include "widgets/DisplayPanel.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int pdfPages(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

void keep(const QString &file)
{
    const QString folder = qEnvironmentVariable("KESTRIX_KEEP_PDF");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString target = QDir(folder).filePath(QFileInfo(file).fileName());
    QFile::remove(target);
    QFile::copy(file, target);
}

// A sixty-contact 40 m log with members and non-members, some on other bands.
QList<QrpRecord> sixtyContacts()
{
    const QStringList spcs{"NY", "CA", "ON", "TX", "DL", "VT", "G", "OH", "BC", "FL"};
    QList<QrpRecord> records;
    for (int i = 1; i <= 60; ++i) {
        const bool member = i % 3 != 0;
        const QString spc = spcs[i % spcs.size()];
        const QString points = member ? "5" : (spc.size() == 2 ? "2" : "4");
        records << TestLog::record(
            {QStringLiteral("K%1ABC").arg(i), member ? QString::number(1000 + i * 7) : QString(),
             member ? QString() : QStringLiteral("%1W").arg(i % 5 + 1), spc, QStringLiteral("579"),
             QStringLiteral("5%1%2").arg(i % 4 + 6).arg(9), QStringLiteral("40"), QStringLiteral("12/07/98"),
             QTime(14, 0).addSecs(i * 97).toString(QStringLiteral("hh:mm:ss")), points, i <= 10 ? "1" : "0"});
    }
    records.insert(20,
                   TestLog::record({"W9ZZZ", "77", "", "IL", "599", "599", "20", "12/07/98", "15:00:00", "5", "1"}));
    return records;
}

} // namespace

class tst_PrintToPdf : public QObject {
    Q_OBJECT
    OwnSettings m_settings;

  private Q_SLOTS:
    void init() { m_settings.renew(); }
    void pdfNamesNeverOverwrite();
    void unwritableFolderIsReported();
    void logSheetAndSummaryAsPdf();
};

void tst_PrintToPdf::pdfNamesNeverOverwrite()
{
    QTemporaryDir dir;
    SystemPrintTarget target(dir.path(), SystemPrintTarget::Use::PdfOnly);
    int drawn = 0;
    const auto draw = [&](QPainter &painter, QPagedPaintDevice &device) {
        painter.drawText(QPointF(100, 100), QStringLiteral("page one"));
        device.newPage();
        painter.drawText(QPointF(100, 100), QStringLiteral("page two"));
        ++drawn;
    };
    const PrintTarget::Result first = target.print(QStringLiteral("LOGSHEET-40"), draw);
    QVERIFY2(first.ok, qPrintable(first.why));
    QVERIFY(first.toFile);
    QCOMPARE(first.where, QDir(dir.path()).filePath(QStringLiteral("LOGSHEET-40.pdf")));
    const QByteArray firstBytes = TestLog::readFile(dir.path(), QStringLiteral("LOGSHEET-40.pdf"));
    QVERIFY(firstBytes.startsWith("%PDF-"));
    QCOMPARE(pdfPages(firstBytes), 2);

    // A file of the next name that is not ours is skipped too.
    TestLog::writeFile(dir.path(), QStringLiteral("LOGSHEET-40-2.pdf"), "someone else's");
    const PrintTarget::Result second = target.print(QStringLiteral("LOGSHEET-40"), draw);
    QVERIFY(second.ok);
    QCOMPARE(QFileInfo(second.where).fileName(), QStringLiteral("LOGSHEET-40-3.pdf"));
    QCOMPARE(TestLog::readFile(dir.path(), QStringLiteral("LOGSHEET-40.pdf")), firstBytes);
    QCOMPARE(TestLog::readFile(dir.path(), QStringLiteral("LOGSHEET-40-2.pdf")), QByteArray("someone else's"));
    QCOMPARE(drawn, 2);
}

void tst_PrintToPdf::unwritableFolderIsReported()
{
    QTemporaryDir dir;
    const QString missing = QDir(dir.path()).filePath(QStringLiteral("no-such-folder"));
    SystemPrintTarget target(missing, SystemPrintTarget::Use::PdfOnly);
    bool drawn = false;
    const PrintTarget::Result r =
        target.print(QStringLiteral("SUMMARY"), [&](QPainter &, QPagedPaintDevice &) { drawn = true; });
    QVERIFY(!r.ok);
    QVERIFY(!drawn);
    QVERIFY2(r.why.contains(QStringLiteral("SUMMARY.pdf could not be written")), qPrintable(r.why));
    QVERIFY(!QFileInfo::exists(missing));
}

void tst_PrintToPdf::logSheetAndSummaryAsPdf()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    SystemPrintTarget pdf(dir.path(), SystemPrintTarget::Use::PdfOnly);
    TestLog::writeLog(dir.path(), sixtyContacts(), QStringLiteral("40"));
    frmKestrix window(dir.path(), Platform{fakes.clock, fakes.beeper, fakes.confirmation, pdf});
    window.setFileErrorHandler([](const QString &file, const QString &why) { QFAIL(qPrintable(file + why)); });
    QVERIFY(window.Form_Load());

    frmPrinter &dialog = window.logSheetPrinting().form();
    QTest::keyClicks(dialog.txtContestName, QStringLiteral("qrp arci fireside sprint"));
    QTest::keyClicks(dialog.txtDate, QStringLiteral("12/07/98"));
    QTest::keyClicks(dialog.txtCall, QStringLiteral("w1xyz"));
    QTest::keyClicks(dialog.txtSPC, QStringLiteral("ma"));
    QTest::keyClicks(dialog.txtNumber, QStringLiteral("4321"));
    QTest::keyClicks(dialog.txtWhichBand, QStringLiteral("40"));
    QTest::keyClicks(dialog.txtMode, QStringLiteral("cw"));
    QTest::mouseClick(window.ui().cmdPrinter, Qt::RightButton);

    const QString sheetFile = QDir(dir.path()).filePath(QStringLiteral("LOGSHEET-40.pdf"));
    QVERIFY(QFileInfo::exists(sheetFile));
    QCOMPARE(window.ui().txtSpecs->text(),
             QStringLiteral("No printer found.\r\nLog sheet saved as\r\nLOGSHEET-40.pdf"));
    QCOMPARE(fakes.beeper.count, 0);
    // 60 contacts, 12 header lines and the totals take two pages.
    QCOMPARE(window.logSheetPrinting().lastSheet().size(), 2);
    QCOMPARE(pdfPages(TestLog::readFile(dir.path(), QStringLiteral("LOGSHEET-40.pdf"))), 2);
    keep(sheetFile);

    QTest::mouseClick(window.ui().cmdPrinter, Qt::RightButton);
    QVERIFY(window.ui().txtSpecs->text().endsWith(QStringLiteral("LOGSHEET-40-2.pdf")));

    frmSummary &sheet = window.summarySheet();
    sheet.show();
    QTest::keyClicks(sheet.txt1A, QStringLiteral("FIRESIDE SPRINT"));
    QTest::keyClicks(sheet.txt2A, QStringLiteral("CW"));
    QTest::keyClicks(sheet.txt3A, QStringLiteral("W1XYZ"));
    QTest::keyClicks(sheet.txt24A, QStringLiteral("7"));
    QTest::mouseClick(sheet.cmdCalculate, Qt::LeftButton);
    QTest::mouseClick(sheet.cmcPrint, Qt::LeftButton);
    const QString summaryFile = QDir(dir.path()).filePath(QStringLiteral("SUMMARY.pdf"));
    QVERIFY(QFileInfo::exists(summaryFile));
    QCOMPARE(pdfPages(TestLog::readFile(dir.path(), QStringLiteral("SUMMARY.pdf"))), 1);
    QCOMPARE(window.ui().txtSpecs->text(),
             QStringLiteral("No printer found.\r\nSummary sheet saved as\r\nSUMMARY.pdf"));
    keep(summaryFile);
}

QTEST_MAIN(tst_PrintToPdf)
#include "tst_printtopdf.moc"
