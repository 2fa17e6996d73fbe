// The window keeps the two files one log: files renamed, removed or replaced
// while it runs are never written again, the placeholder is never written from
// the review row, and control characters never reach a field.

#include "FakePlatform.h"
#include "TestLog.h"
#include "console/frmKestrix.h"
#include "store/LogLock.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using TestLog::readFile;

namespace {

QrpRecord contact(const QString &call)
{
    return TestLog::record({call, "1234", "", "NY", "579", "599", "40", "12/07/98", "14:03:27", "5", "1"});
}

// Two contacts and their lines, with the placeholder after them.
void twoContacts(const QString &dir)
{
    TestLog::writeLog(dir, {contact("K1AA"), contact("K2BB")}, "40");
    TestLog::writeFile(dir, "ARCIFILE.DAT",
                       ArciLine::forRecord(contact("K1AA")).bytes() + ArciLine::forRecord(contact("K2BB")).bytes());
}

void typeContact(frmKestrix &w, const char *call)
{
    QTest::keyClicks(w.ui().txtCallsign, call);
    QTest::keyClicks(w.ui().txtRstRcvd, "599");
    QTest::keyClicks(w.ui().txtRstSent, "579");
    QTest::keyClicks(w.ui().txtSpc, "MA");
    QTest::keyClicks(w.ui().txtArci, "77");
}

} // namespace

class tst_LogIntegrity : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void filesChangedWhileRunning_data();
    void filesChangedWhileRunning();
    void placeholderRowNotWrittenBackAtExit();
    void controlCharactersNeverStored();
};

// clang-format off
void tst_LogIntegrity::filesChangedWhileRunning_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("both renamed") << "rename";
    QTest::newRow("QRPDATA.DAT removed") << "remove";
    QTest::newRow("ARCIFILE.DAT replaced by a copy") << "replace";
}
// clang-format on

void tst_LogIntegrity::filesChangedWhileRunning()
{
    QFETCH(QString, how);
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    twoContacts(dir);
    LogLock lock(dir);
    QVERIFY(lock.acquire());
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir, fakes);
    const QByteArray qrp = readFile(dir, "QRPDATA.DAT"), arci = readFile(dir, "ARCIFILE.DAT");

    // The operator types the next contact, then the files change behind the program.
    typeContact(*w, "W1NEW");
    QDir d(dir);
    if (how == QLatin1String("rename")) {
        QVERIFY(d.rename("QRPDATA.DAT", "QRPDATA.OLD"));
        QVERIFY(d.rename("ARCIFILE.DAT", "ARCIFILE.OLD"));
    } else if (how == QLatin1String("remove")) {
        QVERIFY(d.rename("QRPDATA.DAT", "QRPDATA.OLD")); // as good as removed, but still readable here
    } else {
        QVERIFY(d.rename("ARCIFILE.DAT", "ARCIFILE.OLD"));
        QVERIFY(QFile::copy(d.filePath("ARCIFILE.OLD"), d.filePath("ARCIFILE.DAT")));
    }
    const QByteArray arciCopy = readFile(dir, "ARCIFILE.DAT");
    QVERIFY2(!LogLock(dir).acquire(), "a second program got the log after the rename");

    // The save that notices writes nothing anywhere, and says so.
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
    QCOMPARE(fakes.beeper.count, 1);
    QVERIFY(w->ui().txtSpecs->text().contains(QStringLiteral("NOTHING WRITTEN")));
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("W1NEW"));
    if (how != QLatin1String("replace"))
        QCOMPARE(readFile(dir, "QRPDATA.OLD"), qrp);
    if (how != QLatin1String("remove"))
        QCOMPARE(readFile(dir, "ARCIFILE.OLD"), arci);

    // The folder's log as it now stands takes the contact with one more save.
    const QByteArray qrpNow = how == QLatin1String("replace") ? qrp : QByteArray();
    QCOMPARE(readFile(dir, "QRPDATA.DAT"), qrpNow);
    const qint32 next = how == QLatin1String("replace") ? 3 : 1;
    QCOMPARE(w->RecordCount(), next);
    QCOMPARE(w->ui().txtRecNumber->text(), QStringLiteral(" %1").arg(next));
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
    const QByteArray qrpAfter = readFile(dir, "QRPDATA.DAT");
    QCOMPARE(qrpAfter.size(), (next + 1) * 48);
    QCOMPARE(QrpRecord::fromBytes(qrpAfter.mid((next - 1) * 48, 48)).value(QrpRecord::Callsign),
             QStringLiteral("W1NEW"));
    const QByteArray arciAfter = readFile(dir, "ARCIFILE.DAT");
    QCOMPARE(arciAfter.size(), next * 83);
    if (how == QLatin1String("replace"))
        QCOMPARE(arciAfter.left(2 * 83), arciCopy);
    if (how != QLatin1String("replace"))
        QCOMPARE(readFile(dir, "QRPDATA.OLD"), qrp);
    if (how != QLatin1String("remove"))
        QCOMPARE(readFile(dir, "ARCIFILE.OLD"), arci);
    QVERIFY(!LogLock(dir).acquire());
}

void tst_LogIntegrity::placeholderRowNotWrittenBackAtExit()
{
    // The review row shows the placeholder (record 3); a contact is then saved
    // there; Exit must not write the blank row over it.
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    twoContacts(dir);
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir, fakes);
    w->ui().txtRecNum->setText("3");
    QCOMPARE(w->ui().txtBnd->text(), QStringLiteral("40"));
    typeContact(*w, "W3SAVE");
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);
    const QByteArray saved = readFile(dir, "QRPDATA.DAT");
    QCOMPARE(saved.size(), 4 * 48);
    w->ui().mnuExit->trigger();
    QCOMPARE(readFile(dir, "QRPDATA.DAT"), saved);
}

void tst_LogIntegrity::controlCharactersNeverStored()
{
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    twoContacts(dir);
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir, fakes);

    // Pasted, typed and set by the program: tab, line feed, NUL, DEL, C1 controls.
    QApplication::clipboard()->setText(QString::fromLatin1("W1\tA\nB\x7F", 8) + QChar(0) + QChar(0x85));
    w->ui().txtCallsign->setFocus();
    QTest::keyClick(w->ui().txtCallsign, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("W1AB"));
    w->ui().txtSpc->setText(QStringLiteral("N\x01Y\r"));
    QCOMPARE(w->ui().txtSpc->text(), QStringLiteral("NY"));
    QTest::keyClicks(w->ui().txtRstRcvd, "5\t");
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);

    w->ui().txtRecNum->setText("1");
    w->ui().txtClub->setText(QString::fromLatin1("12\x00"
                                                 "3",
                                                 4));
    QTest::mouseClick(w->ui().cmdChangeRecord, Qt::RightButton);

    const QByteArray qrp = readFile(dir, "QRPDATA.DAT");
    const QByteArray arci = readFile(dir, "ARCIFILE.DAT");
    QCOMPARE(qrp.size(), 4 * 48);
    QCOMPARE(arci.size(), 3 * 83);
    QCOMPARE(QrpRecord::fromBytes(qrp.mid(2 * 48, 48)).value(QrpRecord::Callsign), QStringLiteral("W1AB"));
    QCOMPARE(QrpRecord::fromBytes(qrp.left(48)).value(QrpRecord::Arci), QStringLiteral("123"));
    for (qsizetype i = 0; i < qrp.size(); ++i)
        QVERIFY2(uchar(qrp.at(i)) >= 0x20 && uchar(qrp.at(i)) != 0x7F, qPrintable(QString::number(i)));
    for (qsizetype i = 0; i < arci.size(); ++i)
        if (i % 83 < 79)
            QVERIFY2(uchar(arci.at(i)) >= 0x20 && uchar(arci.at(i)) != 0x7F, qPrintable(QString::number(i)));
}

QTEST_MAIN(tst_LogIntegrity)
#include "tst_logintegrity.moc"
