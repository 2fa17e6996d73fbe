// Call history in the window: the exchange offered as the call is typed, and the
// check window following the call box.

#include "history/ui/CallHistorySubsystem.h"
#include "scoring/ScoringFixture.h"

#include <QAction>
#include <QListWidget>

using namespace Scoring;

class tst_HistoryWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void offeredExchange();
    void checkWindow();
};

namespace {
// A call history file in `dir`, chosen as the only source.
void chooseHistory(const QString &dir)
{
    TestLog::writeFile(dir, QStringLiteral("calls.txt"),
                       "# club members\n!!Order!!,Call,Name,State,Exch1\nK1ABC,Al,MA,1234\nW2XYZ,Bo,NJ,5W\n");
    HistoryChoice choice;
    choice.callHistories = {dir + QStringLiteral("/calls.txt")};
    choice.save();
}
} // namespace

void tst_HistoryWindow::offeredExchange()
{
    QTemporaryDir history;
    chooseHistory(history.path());
    Window w({contact("N3QQ", "PA", "40")}, "20");
    const EntryRowControls &e = w->ui();
    CallHistorySubsystem &h = w->callHistory();
    e.txtCallsign->setFocus();
    type(e.txtCallsign, "k1abc");
    QCOMPARE(e.txtSpc->text(), QStringLiteral("MA"));
    QCOMPARE(e.txtArci->text(), QStringLiteral("1234"));
    QCOMPARE(e.txtPoints->text(), QStringLiteral("5"));
    QVERIFY(h.offered(e.txtSpc) && h.offered(e.txtArci));
    // Typed on, the offer follows the call: gone for an unknown call, back for a known one.
    type(e.txtCallsign, "d");
    QCOMPARE(e.txtSpc->text() + e.txtArci->text() + e.txtPower->text() + e.txtPoints->text(), QString());
    QTest::keyClick(e.txtCallsign, Qt::Key_Backspace);
    QCOMPARE(e.txtArci->text(), QStringLiteral("1234"));
    // A power ("5W") goes to the power box; the ARCI offer is withdrawn.
    e.txtCallsign->setText(QStringLiteral("W2XYZ"));
    QCOMPARE(e.txtSpc->text(), QStringLiteral("NJ"));
    QCOMPARE(e.txtPower->text(), QStringLiteral("5"));
    QCOMPARE(e.txtArci->text().trimmed(), QString());
    // What the operator typed stays: an S-P-C typed before the call is kept.
    w->ui().cmdClear->click();
    QVERIFY(!h.offered(e.txtSpc));
    e.txtSpc->setFocus();
    type(e.txtSpc, "ct");
    e.txtCallsign->setFocus();
    type(e.txtCallsign, "k1abc");
    QCOMPARE(e.txtSpc->text(), QStringLiteral("CT"));
    QCOMPARE(e.txtArci->text(), QStringLiteral("1234"));
    // Typing over an offer makes it the operator's; Tab through a box takes it.
    e.txtArci->setFocus();
    e.txtArci->selectAll();
    type(e.txtArci, "77");
    QVERIFY(!h.offered(e.txtArci));
    type(e.txtCallsign, "x");
    QCOMPARE(e.txtArci->text(), QStringLiteral("77"));
    // A duplicate on the band is offered nothing: the panel's warning stands.
    w->ui().cmdClear->click();
    e.txtCallsign->setFocus();
    type(e.txtCallsign, "n3qq");
    QCOMPARE(e.txtSpc->text(), QStringLiteral("PA")); // from the log, on 20 m
    w->ui().mnu40->trigger();
    QTest::keyClick(e.txtCallsign, Qt::Key_Backspace);
    QTest::keyClick(e.txtCallsign, 'Q');
    QCOMPARE(e.txtSpc->text(), QString());
    QVERIFY(w.panel().startsWith(QStringLiteral("Duplicate Contact")));
}

void tst_HistoryWindow::checkWindow()
{
    QTemporaryDir history;
    chooseHistory(history.path());
    Window w({contact("K1ABD", "CT", "40")}, "40");
    const EntryRowControls &e = w->ui();
    w->ui().mnuCheck->trigger();
    frmCheck *check = w->callHistory().checkWindow();
    QVERIFY(check && check->isVisible());
    auto *matches = check->findChild<QListWidget *>(QStringLiteral("lstMatches"));
    auto *worked = check->findChild<QLabel *>(QStringLiteral("lblWorked"));
    auto *score = check->findChild<QLabel *>(QStringLiteral("lblScore"));
    e.txtCallsign->setFocus();
    type(e.txtCallsign, "k1ab");
    QCOMPARE(matches->count(), 2);
    QCOMPARE(matches->item(0)->text(), QStringLiteral("1 K1ABD *")); // the log's own call first
    QCOMPARE(matches->item(1)->text(), QStringLiteral("2 K1ABC"));
    QVERIFY(score->text().startsWith(QStringLiteral("Contacts 1   Points 5   Multipliers 1")));
    // Ctrl+2 on the panel takes the second match; a save reaches the index at once.
    QTest::keyClick(e.txtCallsign, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(e.txtCallsign->text(), QStringLiteral("K1ABC"));
    QCOMPARE(e.txtSpc->text(), QStringLiteral("MA"));
    QTest::keyClick(e.txtCallsign, Qt::Key_Return);
    QCOMPARE(w->RecordCount(), 3);
    type(e.txtCallsign, "k1abc");
    QCOMPARE(worked->text(), QStringLiteral("K1ABC worked on:\n   40 m  MA 1234"));
    QVERIFY(score->text().startsWith(QStringLiteral("Contacts 2   Points 10   Multipliers 2")));
    // The same call again on the band is a duplicate: it scores nothing.
    QTest::keyClick(e.txtCallsign, Qt::Key_Return);
    QVERIFY(score->text().startsWith(QStringLiteral("Contacts 3   Points 10   Multipliers 2")));
}

QTEST_MAIN(tst_HistoryWindow)
#include "tst_historywindow.moc"
