// The entry boxes while a contact is typed: upper case, the RST space bar, help
// texts, the ARCI and power rules with their points, the multiplier mark they
// bring, and the band menu.

#include "ScoringFixture.h"

#include <QAction>
#include <QMenu>

using namespace Scoring;

class tst_EntryRules : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void upperCase_data();
    void upperCase();
    void assignedTextKeepsItsCase();
    void rstSpaceBar_data();
    void rstSpaceBar();
    void helpTexts_data();
    void helpTexts();
    void memberPoints();
    void memberAfterPower();
    void powerPoints_data();
    void powerPoints();
    void powerNotAboveZero_data();
    void powerNotAboveZero();
    void trimmedSpcForPointsUntrimmedForMultiplier();
    void multiplier_data();
    void multiplier();
    void bandMenu_data();
    void bandMenu();
    void savedContactCarriesPointsAndMultiplier();
    void badInput();
};

// ---- upper case ------------------------------------------------------------------------

// clang-format off
void tst_EntryRules::upperCase_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("call sign") << "txtCallsign" << "q1abc/4" << "Q1ABC/4";
    QTest::newRow("call sign, mixed") << "txtCallsign" << "Dravek/4" << "DRAVEK/4";
    QTest::newRow("S-P-C") << "txtSpc" << "scot" << "SCOT";
    QTest::newRow("S-P-C, digits and blanks") << "txtSpc" << " n1" << " N1";
    QTest::newRow("review call") << "txtCall" << "k9xyz" << "K9XYZ";
    QTest::newRow("review S-P-C") << "txtLocale" << "ont" << "ONT";
    QTest::newRow("Latin-1 accents") << "txtCallsign" << QString::fromUtf8("éàñ") << QString::fromUtf8("ÉÀÑ");
    // Their capitals lie outside the log's character set: kept as typed.
    QTest::newRow("y diaeresis, micro") << "txtSpc" << QString::fromUtf8("ÿµ") << QString::fromUtf8("ÿµ");
    QTest::newRow("sharp s has no single capital") << "txtCallsign" << QString::fromUtf8("ß") << QString::fromUtf8("ß");
    QTest::newRow("Cyrillic") << "txtCall" << QString::fromUtf8("дл") << QString::fromUtf8("ДЛ");
    QTest::newRow("Deseret, outside the BMP") << "txtLocale" << QString::fromUtf8("\U00010428")
                                              << QString::fromUtf8("\U00010400");
    QTest::newRow("emoji") << "txtCallsign" << QString::fromUtf8("a\U0001F600b") << QString::fromUtf8("A\U0001F600B");
    // The other boxes take what is typed.
    QTest::newRow("RST received untouched") << "txtRstRcvd" << "5n9" << "5n9";
    QTest::newRow("ARCI untouched") << "txtArci" << "ab" << "ab";
    QTest::newRow("review club untouched") << "txtClub" << "ab" << "ab";
}
// clang-format on

void tst_EntryRules::upperCase()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Window w({}, "40");
    auto *edit = w->findChild<QLineEdit *>(box);
    QVERIFY(edit);
    edit->setFocus();
    type(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(w.beeps(), 0);
}

void tst_EntryRules::assignedTextKeepsItsCase()
{
    Window w({}, "40");
    for (QLineEdit *box : {w->ui().txtCallsign, w->ui().txtSpc, w->ui().txtCall, w->ui().txtLocale}) {
        box->setText("ab1");
        QCOMPARE(box->text(), QStringLiteral("ab1"));
    }
    // Backspace passes the rule like any control key.
    w->ui().txtCallsign->setFocus();
    w->ui().txtCallsign->end(false);
    QTest::keyClick(w->ui().txtCallsign, Qt::Key_Backspace);
    QCOMPARE(w->ui().txtCallsign->text(), QStringLiteral("ab"));
}

// ---- the RST space bar ----------------------------------------------------------------

// clang-format off
void tst_EntryRules::rstSpaceBar_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("empty box") << "" << "579";
    QTest::newRow("one figure") << "5" << "579";
    QTest::newRow("SSB report") << "59" << "579";
    QTest::newRow("full box") << "599" << "579";
    QTest::newRow("already 579") << "579" << "579";
}
// clang-format on

void tst_EntryRules::rstSpaceBar()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    Window w({}, "40");
    w->ui().txtRstSent->setFocus();
    type(w->ui().txtRstSent, before);
    QTest::keyClick(w->ui().txtRstSent, Qt::Key_Space, Qt::NoModifier);
    QCOMPARE(w->ui().txtRstSent->text(), after);
    // The space typed as text does the same, and the box's limit keeps later figures
    // out, saying so.
    type(w->ui().txtRstSent, " 9");
    QCOMPARE(w->ui().txtRstSent->text(), after);
    QCOMPARE(w.panel(), QStringLiteral("RST sent holds at most 3 characters:\r\n\"9\" was not taken."));
    QCOMPARE(w.panelSize(), 8.0);

    // Other boxes take the space as it is.
    w->ui().txtRstRcvd->setFocus();
    type(w->ui().txtRstRcvd, "5 9");
    QCOMPARE(w->ui().txtRstRcvd->text(), QStringLiteral("5 9"));
}

// ---- help texts ----------------------------------------------------------------------

// clang-format off
void tst_EntryRules::helpTexts_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("help");
    QTest::newRow("RST received") << "txtRstRcvd" << "599" << RstRcvdHelp;
    QTest::newRow("RST sent") << "txtRstSent" << "59" << RstSentHelp;
    QTest::newRow("S-P-C") << "txtSpc" << "ny" << SpcHelp;
    QTest::newRow("ARCI number") << "txtArci" << "1234" << ArciHelp;
    QTest::newRow("ARCI zero") << "txtArci" << "0" << ArciHelp;
    QTest::newRow("power") << "txtPower" << "5" << PowerHelp;
    QTest::newRow("power zero") << "txtPower" << "0" << PowerHelp;
}
// clang-format on

void tst_EntryRules::helpTexts()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QStringList, help);
    Window w({}, "40");
    auto *edit = w->findChild<QLineEdit *>(box);
    edit->setFocus();
    for (const QChar c : typed) {
        w->ui().txtSpecs->setFontSize(18);
        w->ui().txtSpecs->setText("stale");
        type(edit, QString(c));
        QCOMPARE(w.panel(), lines(help));
        QCOMPARE(w.panelSize(), 8.0);
    }
    // Emptying the box shows the help text too.
    w->ui().txtSpecs->setText("stale");
    Window::erase(edit);
    QCOMPARE(w.panel(), lines(help));
    // Help texts change neither the mode line nor anything audible.
    QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Current Record =  1"));
    QCOMPARE(w.beeps(), 0);
}

// ---- the ARCI and power rules ------------------------------------------------------------

void tst_EntryRules::memberPoints()
{
    Window w({contact("W1AW", "CT", "40")}, "40");
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, "ny");
    w->ui().txtArci->setFocus();
    type(w->ui().txtArci, "1234");
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("5"));
    QCOMPARE(w->ui().txtPower->text(), QStringLiteral("    "));
    QCOMPARE(w->ui().txtArci->text(), QStringLiteral("1234"));
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("1"));
    QCOMPARE(w.panel(), lines(ArciHelp));
    QCOMPARE(w.panelSize(), 8.0);

    // A letter counts as a member number just as a figure does.
    Window::erase(w->ui().txtArci);
    Window::erase(w->ui().txtPoints);
    type(w->ui().txtArci, "x");
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("5"));

    // "0" is no member: power and points stay as they are, the multiplier is still checked.
    w->ui().txtPower->setText("5");
    Window::erase(w->ui().txtArci);
    QCOMPARE(w->ui().txtPower->text(), QStringLiteral("5"));
    w->ui().txtPoints->setText("");
    w->ui().txtMultiplier->setText("");
    w->ui().txtArci->setFocus();
    type(w->ui().txtArci, "0");
    QCOMPARE(w->ui().txtPower->text(), QStringLiteral("5"));
    QCOMPARE(w->ui().txtPoints->text(), QString());
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("1"));
}

void tst_EntryRules::memberAfterPower()
{
    Window w({}, "20");
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, "scot");
    w->ui().txtPower->setFocus();
    type(w->ui().txtPower, "5");
    QCOMPARE(w->ui().txtArci->text(), QStringLiteral("     "));
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("4"));

    // The ARCI box is full with its blanks: typing into it adds nothing.
    w->ui().txtArci->setFocus();
    w->ui().txtArci->end(false);
    type(w->ui().txtArci, "77");
    QCOMPARE(w->ui().txtArci->text(), QStringLiteral("     "));
    // Once the blanks are selected and a number typed over them, the contact is a member's.
    w->ui().txtArci->selectAll();
    type(w->ui().txtArci, "77");
    QCOMPARE(w->ui().txtArci->text(), QStringLiteral("77"));
    QCOMPARE(w->ui().txtPower->text(), QStringLiteral("    "));
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("5"));
    QCOMPARE(w.panel(), lines(ArciHelp));
}

// clang-format off
void tst_EntryRules::powerPoints_data()
{
    QTest::addColumn<QString>("spc");
    QTest::addColumn<QString>("previousPoints");
    QTest::addColumn<QString>("points");
    QTest::newRow("DX, 4 letters") << "scot" << "" << "4";
    QTest::newRow("province, 3 letters") << "ont" << "" << "2";
    QTest::newRow("Mexico") << "mex" << "" << "2";
    QTest::newRow("state, 2 letters") << "ny" << "" << "2";
    QTest::newRow("state after two blanks") << "  ny" << "" << "2";
    QTest::newRow("state between blanks") << " ny " << "" << "2";
    QTest::newRow("3 letters after a blank") << " ont" << "" << "2";
    QTest::newRow("empty S-P-C keeps empty points") << "" << "" << "";
    QTest::newRow("one letter keeps empty points") << "k" << "" << "";
    QTest::newRow("blanks only keep the points") << "    " << "" << "";
    QTest::newRow("empty S-P-C keeps member points") << "" << "5" << "5";
    QTest::newRow("one letter keeps member points") << "k" << "5" << "5";
    QTest::newRow("DX after member") << "scot" << "5" << "4";
    QTest::newRow("state after member") << "ny" << "5" << "2";
}
// clang-format on

void tst_EntryRules::powerPoints()
{
    QFETCH(QString, spc);
    QFETCH(QString, previousPoints);
    QFETCH(QString, points);
    Window w({}, "40");
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, spc);
    if (!previousPoints.isEmpty()) {
        // An ARCI number first (points 5), then the operator changes his mind.
        w->ui().txtArci->setFocus();
        type(w->ui().txtArci, "1234");
        QCOMPARE(w->ui().txtPoints->text(), previousPoints);
        w->ui().txtPower->setFocus();
        w->ui().txtPower->selectAll();
    } else {
        w->ui().txtPower->setFocus();
    }
    type(w->ui().txtPower, "5");
    QCOMPARE(w->ui().txtPower->text(), QStringLiteral("5"));
    QCOMPARE(w->ui().txtArci->text(), QStringLiteral("     "));
    QCOMPARE(w->ui().txtPoints->text(), points);
    // The nested ARCI rule ran the multiplier check.
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("1"));
    QCOMPARE(w.panel(), lines(PowerHelp));
    QCOMPARE(w.panelSize(), 8.0);

    // More figures of the power keep the same result.
    type(w->ui().txtPower, "00");
    QCOMPARE(w->ui().txtPower->text(), QStringLiteral("500"));
    QCOMPARE(w->ui().txtArci->text(), QStringLiteral("     "));
    QCOMPARE(w->ui().txtPoints->text(), points);
}

// clang-format off
void tst_EntryRules::powerNotAboveZero_data()
{
    QTest::addColumn<QString>("arciBefore");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("arciAfter");
    QTest::addColumn<QString>("points");
    QTest::newRow("power 0 beside a member") << "1234" << "0" << "1234" << "";
    QTest::newRow("leading blank beside a member") << "1234" << " 5" << "1234" << "";
    QTest::newRow("power 0, empty ARCI") << "" << "0" << "" << "";
    QTest::newRow("leading blank, empty ARCI") << "" << " 5" << "" << "";
    QTest::newRow("minus sign") << "" << "-5" << "" << "";
    // With the ARCI box already blanked by an earlier power, the points follow the S-P-C.
    QTest::newRow("power 0, ARCI blanked") << "     " << "0" << "     " << "2";
    QTest::newRow("leading blank, ARCI blanked") << "     " << " 5" << "     " << "2";
    QTest::newRow("power 00 is above 0") << "1234" << "00" << "     " << "2";
    QTest::newRow("power 05 is above 0") << "1234" << "05" << "     " << "2";
}
// clang-format on

void tst_EntryRules::powerNotAboveZero()
{
    QFETCH(QString, arciBefore);
    QFETCH(QString, power);
    QFETCH(QString, arciAfter);
    QFETCH(QString, points);
    Window w({}, "40");
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, "ny");
    w->ui().txtArci->setText(arciBefore);
    // Whatever the ARCI rule put into the boxes is cleared before the power is typed.
    w->ui().txtPower->setText("");
    w->ui().txtPoints->setText("");
    w->ui().txtPower->setFocus();
    type(w->ui().txtPower, power);
    QCOMPARE(w->ui().txtPower->text(), power);
    QCOMPARE(w->ui().txtArci->text(), arciAfter);
    QCOMPARE(w->ui().txtPoints->text(), points);
    QCOMPARE(w.panel(), lines(PowerHelp));
    QCOMPARE(w.panelSize(), 8.0);
}

void tst_EntryRules::trimmedSpcForPointsUntrimmedForMultiplier()
{
    Window w({contact("W1AW", "NY", "40")}, "40");
    // Two blanks before the state: 2 points (length taken without blanks), but a
    // new multiplier (the S-P-C box is compared as it stands).
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, "  ny");
    QCOMPARE(w->ui().txtSpc->text(), QStringLiteral("  NY"));
    w->ui().txtPower->setFocus();
    type(w->ui().txtPower, "5");
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("2"));
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("1"));

    // Typed without the blanks, the state is already worked on 40 m.
    Window::erase(w->ui().txtSpc);
    type(w->ui().txtSpc, "ny");
    w->ui().txtPower->setFocus();
    w->ui().txtPower->selectAll();
    type(w->ui().txtPower, "6");
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("2"));
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("0"));

    // Correcting the S-P-C afterwards scores the contact again: DX, and new on 40 m.
    Window::erase(w->ui().txtSpc);
    type(w->ui().txtSpc, "scot");
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("4"));
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("1"));
}

// ---- the multiplier mark ----------------------------------------------------------------

// clang-format off
void tst_EntryRules::multiplier_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("spc");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("mark");
    const auto log = [](const QList<QrpRecord> &records, const QString &band) {
        return Window::bytesOf(records, band);
    };
    // Which records match is the rules' (tests/rules/tst_contactmatch.cpp); here the
    // scan over the log and the mark it leaves in the box.
    QTest::newRow("no log file") << QByteArray() << "NY" << "" << "1";
    QTest::newRow("placeholder only") << log({}, "40") << "NY" << "40" << "1";
    QTest::newRow("same S-P-C, same band") << log({contact("W1AW", "NY", "40")}, "40") << "NY" << "40" << "0";
    QTest::newRow("worked late in the log")
        << log({contact("A1", "NJ", "40"), contact("A2", "CT", "40"), contact("A3", "NY", "40")}, "40") << "NY"
        << "40" << "0";
    // The placeholder (blank S-P-C on the band) is the contact being entered.
    QTest::newRow("placeholder not compared") << log({contact("W1AW", "NY", "40")}, "40") << "" << "40" << "1";
    // 3 whole records and 30 bytes: 3.6 rounds to 4 records, so records 1 to 3
    // are scanned and the cut record is taken for the placeholder.
    QByteArray cut = log({contact("A1", "NJ", "40"), contact("A2", "NY", "40")}, "40");
    cut += contact("A3", "VT", "40").bytes().left(30);
    QTest::newRow("length not a multiple of 48, worked") << cut << "NY" << "40" << "0";
    QTest::newRow("length not a multiple of 48, cut record") << cut << "VT" << "40" << "1";
}
// clang-format on

void tst_EntryRules::multiplier()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, spc);
    QFETCH(QString, band);
    QFETCH(QString, mark);
    Window w(log);
    w->ui().txtBand->setText(band);
    w->ui().txtSpc->setText(spc);
    QCOMPARE(w->ui().txtSpc->text(), spc);
    w->ui().txtMultiplier->setText("");
    // (Start-up may have beeped: a cut last record holding a call sign is shown and emptied.)
    const int beeps = w.beeps();
    w->ui().txtArci->setFocus();
    type(w->ui().txtArci, "1");
    QCOMPARE(w->ui().txtMultiplier->text(), mark);
    // The check writes nothing else and never beeps.
    QCOMPARE(w.panel(), lines(ArciHelp));
    QCOMPARE(w.beeps(), beeps);
    // Every typed figure checks again, with the same answer.
    type(w->ui().txtArci, "2");
    QCOMPARE(w->ui().txtMultiplier->text(), mark);
}

// ---- the band menu -------------------------------------------------------------------

// clang-format off
void tst_EntryRules::bandMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("band");
    QTest::newRow("160") << "mnu160" << "160 Meters" << "160";
    QTest::newRow("80") << "mnu80" << "80 Meters" << "80";
    QTest::newRow("40") << "mnu40" << "40 Meters" << "40";
    QTest::newRow("20") << "mnu20" << "20 Meters" << "20";
    QTest::newRow("15") << "mnu15" << "15 Meters" << "15";
    QTest::newRow("10") << "mnu10" << "10 Meters" << "10";
    QTest::newRow("6") << "mnu6" << "6 Meters" << "6";
}
// clang-format on

void tst_EntryRules::bandMenu()
{
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QString, band);
    Window w({}, "");
    QCOMPARE(w->ui().txtBand->text(), QString());
    // A contact half entered: points and multiplier already shown.
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, "ny");
    w->ui().txtArci->setFocus();
    type(w->ui().txtArci, "1234");
    const QString panel = w.panel();
    const QString modeLine = w->ui().lblMode->text();

    auto *action = w->findChild<QAction *>(item);
    QVERIFY(action);
    QVERIFY(w->ui().mnuBand->actions().contains(action));
    QCOMPARE(action->text(), caption);
    QVERIFY(action->isEnabled());
    QVERIFY(!action->isCheckable());
    action->trigger();
    QCOMPARE(w->ui().txtBand->text(), band);
    QCOMPARE(w->ui().txtPoints->text(), QStringLiteral("5"));
    QCOMPARE(w->ui().txtMultiplier->text(), QStringLiteral("1"));
    QCOMPARE(w.panel(), panel);
    QCOMPARE(w->ui().lblMode->text(), modeLine);
    QCOMPARE(w.beeps(), 0);
}

// ---- the contact as saved ---------------------------------------------------------------

void tst_EntryRules::savedContactCarriesPointsAndMultiplier()
{
    Window w({contact("K1ABC", "ON", "40")}, "40");
    w->Timer1_Timer();
    w->ui().mnu20->trigger();
    w->ui().txtCallsign->setFocus();
    type(w->ui().txtCallsign, "g4xyz");
    type(w->ui().txtRstRcvd, "599");
    w->ui().txtRstSent->setFocus();
    QTest::keyClick(w->ui().txtRstSent, Qt::Key_Space);
    w->ui().txtSpc->setFocus();
    type(w->ui().txtSpc, "scot");
    w->ui().txtPower->setFocus();
    type(w->ui().txtPower, "5");
    QTest::mouseClick(w->ui().cmdSaveRecord, Qt::LeftButton);

    const QByteArray file = TestLog::readFile(w.dir.path(), "QRPDATA.DAT");
    QCOMPARE(file.size(), 3 * 48);
    QCOMPARE(file.mid(48, 48), QByteArray("G4XYZ   "
                                          "     "
                                          "5   "
                                          "SCOT"
                                          "579"
                                          "599"
                                          "20 "
                                          "12/07/98"
                                          "14:03:27"
                                          "4"
                                          "1"));
}

// ---- bad input ---------------------------------------------------------------------

void tst_EntryRules::badInput()
{
    // A log whose length is no multiple of 48, holding bytes no box could hold.
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes += char(i);
    bytes = bytes.repeated(3) + QByteArray(17, 'x');
    Window w(bytes);
    // The 17 stray bytes are set aside; the last whole record holds more than a
    // band, so it is kept as a contact and a placeholder follows it.
    QCOMPARE(w->RecordCount(), 17);
    // Characters outside Latin-1, blanks and nothing in every box with a rule.
    const QStringList texts{QString::fromUtf8("Д\U0001F600ÿ"), "    ", "", QString(QChar(0xD800)), "\t\x01"};
    for (const QString &t : texts) {
        for (QLineEdit *box :
             {w->ui().txtCallsign, w->ui().txtRstRcvd, w->ui().txtRstSent, w->ui().txtSpc, w->ui().txtArci,
              w->ui().txtPower, w->ui().txtBand, w->ui().txtCall, w->ui().txtLocale}) {
            Window::erase(box);
            type(box, t);
            box->setText(t + t);
        }
    }
    // Every run of the rules ended with a mark from the multiplier check.
    QVERIFY(w->ui().txtMultiplier->text() == "0" || w->ui().txtMultiplier->text() == "1");
    for (QAction *a : w->ui().mnuBand->actions())
        a->trigger();
    QCOMPARE(w->ui().txtBand->text(), QStringLiteral("6"));
}

QTEST_MAIN(tst_EntryRules)
#include "tst_entryrules.moc"
