// The RST, state and province windows: their tables to the character, their
// look and place, one window while open, and a fresh load after the close box.

#include "FakePlatform.h"
#include "TestLog.h"
#include "console/ConsoleLayout.h"
#include "console/frmKestrix.h"
#include "help/MultiLineTextBox.h"
#include "help/ReferenceWindows.h"
#include "help/frmProvinces.h"
#include "help/frmRST.h"
#include "help/frmStates.h"
#include "widgets/DisplayPanel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString CrLf = QStringLiteral("\r\n");

// Presses a button of the main window with the mouse, or chooses a menu item.
void open(frmKestrix &w, const QString &trigger)
{
    if (auto *button = w.findChild<QPushButton *>(trigger)) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    auto *item = w.findChild<QAction *>(trigger);
    QVERIFY2(item, qPrintable(trigger));
    QVERIFY2(item->isEnabled(), qPrintable(trigger + QStringLiteral(" is disabled")));
    item->trigger();
}

// The top-level windows of that name still open (not yet closed by the close box).
QList<ReferenceWindow *> openWindows(const QString &name)
{
    QList<ReferenceWindow *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *r = qobject_cast<ReferenceWindow *>(top); r && r->objectName() == name && !r->isDiscarded())
            found << r;
    return found;
}

QString textOf(QWidget *window)
{
    if (auto *rst = qobject_cast<frmRST *>(window))
        return rst->txtRST->text();
    if (auto *states = qobject_cast<frmStates *>(window))
        return states->txtStates->text();
    if (auto *provinces = qobject_cast<frmProvinces *>(window))
        return provinces->lblProvinces->text();
    return QString();
}

const QStringList rstLines{
    "                RST System",
    "Readability",
    "1-Unreadable",
    "2-Barely readable, occasional words distinguishable",
    "3-Readable with considerable difficulty",
    "4-Readable with practically no difficulty",
    "5-Perdectly readable",
    "",
    "Signal Strength",
    "1-Faint signals barely readable",
    "2-Very weak signals",
    "3-Weak signals",
    "4-Fair signals",
    "5-Fairly good signals",
    "6-Good signals",
    "7-Moderately strong signals",
    "8-Strong signals",
    "9-Extremely strong signals",
    "",
    "Tone",
    "1-60 cycle ac or less, very rough & broad",
    "2-Very rough ac-very harsh & broad",
    "3-Rough ac tone, rectified but not filtered",
    "4-Rough note, some trace of filtering",
    "5-Filtered rectified ac but strongly ripple-modulated",
    "6-Filtered tone, definite trace of ripple modulation",
    "7-Near pure tone, trace of ripple modulation",
    "8-Near perfect tone, slight trace of modulation",
    "9-Perfect tone, no trace of ripple or modulation of any kind",
};

const QStringList provinceEntries{
    "Alberta = ALB",       "British Columbia = BRC",       "Manitoba = MAN",
    "New Brunswick = NBR", "Newfoundland = NFD",           "Nova Scotia = NSC",
    "Ontario = ONT",       "Prince Edward Island = PEI",   "Quebec = QUE",
    "Saskatchewan = SAS",  "North West Territories = NWT",
};

const QStringList stateEntries{
    "Alabama = AL",        "Alaska = AK",       "Arizona = AZ",
    "Arkansas = AR",       "California = CA",   "Colorado = CO",
    "Connecticut = CT",    "Delaware = DE",     "District of Columbia = DC",
    "Florida = FL",        "Georgia = GA",      "Hawaii = HI",
    "Idaho = ID",          "Illinois = IL",     "Indiana = IN",
    "Iowa = IA",           "Kansas = KS",       "Kentucky = KY",
    "Louisiana = LA",      "Maine = ME",        "Maryland = MD",
    "Massachusetts = MA",  "Michigan = MI",     "Minnesota = MN",
    "Mississippi = MS",    "Missouri = MO",     "Montana = MT",
    "Nebraska = NE",       "Nevada = NV",       "New Hampshire = NH",
    "New Jersey = NJ",     "New Mexico = NM",   "New York = NY",
    "North Carolina = NC", "North Dakota = ND", "Ohio = OH",
    "Oklahoma = OK",       "Oregon = OR",       "Pennsylvania = PA",
    "Puerto Rico = PR",    "Rhode Island = RI", "South Carolina = SC",
    "South Dakota = SD",   "Tennessee = TN",    "Texas = TX",
    "Utah = UT",           "Vermont = VT",      "Virginia = VA",
    "Virgin Islands = VI", "Washington = WA",   "West Virginia = WV",
    "Wisconsin = WI",      "Wyoming = WY",
};
} // namespace

class tst_ReferenceWindows : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void rstTable();
    void provinceTable();
    void stateTable();
    void looks_data();
    void looks();
    void oneWindow_data();
    void oneWindow();
    void freshAfterClose_data();
    void freshAfterClose();
    void closedWithMainWindow();
};

void tst_ReferenceWindows::rstTable()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    open(*w, QStringLiteral("cmdRstSystem"));
    frmRST *rst = w->referenceWindows().rstWindow();
    QVERIFY(rst);
    const QString text = rst->txtRST->text();
    QCOMPARE(text, rstLines.join(CrLf));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.split(CrLf);
    QCOMPARE(lines.size(), 29);
    QCOMPARE(lines.count(QString()), 2);
    QCOMPARE(lines.at(7), QString());
    QCOMPARE(lines.at(18), QString());
}

void tst_ReferenceWindows::provinceTable()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    open(*w, QStringLiteral("cmdCanada"));
    frmProvinces *provinces = w->referenceWindows().provincesWindow();
    QVERIFY(provinces);
    const QString text = provinces->lblProvinces->text();
    QStringList expected{"     Canadian Provinces", "     Use THREE (3) letters", ""};
    expected << provinceEntries;
    QCOMPARE(text, expected.join(CrLf));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.split(CrLf);
    QCOMPARE(lines.size(), 3 + 11);
    QCOMPARE(lines.at(3), QStringLiteral("Alberta = ALB"));
    QCOMPARE(lines.last(), QStringLiteral("North West Territories = NWT"));
    QSet<QString> codes;
    for (const QString &entry : lines.mid(3)) {
        const QString code = entry.section(QStringLiteral(" = "), 1);
        QCOMPARE(code.size(), 3);
        codes.insert(code);
    }
    QCOMPARE(codes.size(), 11);
}

void tst_ReferenceWindows::stateTable()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    open(*w, QStringLiteral("cmdUS"));
    frmStates *states = w->referenceWindows().statesWindow();
    QVERIFY(states);
    const QString text = states->txtStates->text();
    QStringList expected{"     State Abbreviations", "    Enter TWO (2) letters"};
    expected << stateEntries;
    QCOMPARE(text, expected.join(CrLf) + CrLf); // a break after every line, the last included
    QStringList lines = text.split(CrLf);
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), 2 + 53);
    QCOMPARE(lines.at(2), QStringLiteral("Alabama = AL"));
    QCOMPARE(lines.last(), QStringLiteral("Wyoming = WY"));
    QSet<QString> codes;
    for (const QString &entry : lines.mid(2)) {
        const QString code = entry.section(QStringLiteral(" = "), 1);
        QCOMPARE(code.size(), 2);
        codes.insert(code);
    }
    QCOMPARE(codes.size(), 53);
}

// clang-format off
void tst_ReferenceWindows::looks_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QRect>("client"); // pixels, 15 twips each
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("controlRect");
    QTest::addColumn<QString>("family"); // the program's faces for "Times New Roman" and "System"

    QTest::newRow("RST") << "cmdRstSystem"
                         << "frmRST"
                         << "            RST System" << QColor(255, 0, 0) << QRect(591, 68, 198, 255) << "txtRST"
                         << QRect(0, 0, 201, 257) << ConsoleLayout::serif();
    QTest::newRow("States") << "cmdUS"
                            << "frmStates"
                            << "            State Abbreviations" << QColor(255, 0, 0) << QRect(590, 67, 200, 265)
                            << "txtStates" << QRect(0, 0, 201, 265) << ConsoleLayout::system();
    QTest::newRow("Provinces") << "cmdCanada"
                               << "frmProvinces"
                               << "          Canadian Provinces" << QColor(128, 128, 128) << QRect(590, 67, 200, 257)
                               << "lblProvinces" << QRect(0, 0, 201, 257) << ConsoleLayout::system();
}
// clang-format on

void tst_ReferenceWindows::looks()
{
    QFETCH(QString, trigger);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QColor, background);
    QFETCH(QRect, client);
    QFETCH(QString, control);
    QFETCH(QRect, controlRect);
    QFETCH(QString, family);

    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->show();
    open(*w, trigger);
    const auto found = openWindows(window);
    QCOMPARE(found.size(), 1);
    ReferenceWindow *r = found.first();
    QVERIFY(QTest::qWaitForWindowExposed(r));

    QVERIFY(r->isWindow());
    QCOMPARE(r->windowTitle(), caption);
    QCOMPARE(r->geometry(), client);
    QCOMPARE(r->palette().color(QPalette::Window), background);
    QVERIFY(r->autoFillBackground());
    const Qt::WindowFlags flags = r->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(r->windowModality(), Qt::NonModal);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // One control, at its place, red, bold 9.75 points.
    const auto children = r->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(children.size(), 1);
    QWidget *c = children.first();
    QCOMPARE(c->objectName(), control);
    QCOMPARE(c->geometry(), controlRect);
    QCOMPARE(c->font().family(), family);
    QCOMPARE(c->font().pointSizeF(), 9.75);
    QVERIFY(c->font().bold());
    if (auto *box = qobject_cast<MultiLineTextBox *>(c)) {
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 0, 0));
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(!box->isReadOnly());
    } else {
        auto *label = qobject_cast<QLabel *>(c);
        QVERIFY(label);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
}

// clang-format off
void tst_ReferenceWindows::oneWindow_data()
{
    QTest::addColumn<QStringList>("triggers");
    QTest::addColumn<QString>("window");

    QTest::newRow("RST twice") << QStringList{"cmdRstSystem", "cmdRstSystem"} << "frmRST";
    QTest::newRow("States twice") << QStringList{"cmdUS", "cmdUS"} << "frmStates";
    QTest::newRow("States, menu, button") << QStringList{"cmdUS", "mnuState", "cmdUS"} << "frmStates";
    QTest::newRow("state menu twice") << QStringList{"mnuState", "mnuState"} << "frmStates";
    QTest::newRow("Canada twice") << QStringList{"cmdCanada", "cmdCanada"} << "frmProvinces";
    QTest::newRow("province menu, Canada")
        << QStringList{"mnuProvinces", "cmdCanada", "mnuProvinces"} << "frmProvinces";
}
// clang-format on

// Showing again brings the same window to the front; nothing else changes.
void tst_ReferenceWindows::oneWindow()
{
    QFETCH(QStringList, triggers);
    QFETCH(QString, window);

    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->setNewLine();
    w->writeMode(QStringLiteral("Reviewing Records"));
    w->writePanel(12, {QStringLiteral("first"), QStringLiteral("record")});

    ReferenceWindow *first = nullptr;
    for (const QString &trigger : triggers) {
        open(*w, trigger);
        QCoreApplication::processEvents();
        const auto found = openWindows(window);
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first()->isVisible());
        if (!first)
            first = found.first();
        QCOMPARE(found.first(), first);
        QCOMPARE(found.first()->parentWidget(), w.get());
    }
    QCOMPARE(w->ui().lblMode->text(), QStringLiteral("Mode\r\nReviewing Records"));
    QCOMPARE(w->ui().txtSpecs->text(), QStringLiteral("first\r\nrecord"));
    QCOMPARE(w->ui().txtSpecs->fontSize(), qreal(12));
    // Only the asked-for window came up.
    for (const char *other : {"frmRST", "frmStates", "frmProvinces"})
        if (window != QLatin1String(other))
            QVERIFY(openWindows(QLatin1String(other)).isEmpty());
}

// clang-format off
void tst_ReferenceWindows::freshAfterClose_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("editable");

    QTest::newRow("RST") << "cmdRstSystem"
                         << "frmRST" << true;
    QTest::newRow("States") << "cmdUS"
                            << "frmStates" << true;
    QTest::newRow("state menu") << "mnuState"
                                << "frmStates" << true;
    QTest::newRow("Provinces") << "cmdCanada"
                               << "frmProvinces" << false;
}
// clang-format on

// Text typed into a window lasts until its close box; the next showing loads it
// again, also when it comes before the closed window has gone.
void tst_ReferenceWindows::freshAfterClose()
{
    QFETCH(QString, trigger);
    QFETCH(QString, window);
    QFETCH(bool, editable);

    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->show();

    open(*w, trigger);
    QPointer<ReferenceWindow> first = openWindows(window).value(0);
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    const QString original = textOf(first);
    QVERIFY(!original.isEmpty());

    if (editable) {
        auto *box = first->findChild<MultiLineTextBox *>();
        box->setFocus();
        box->moveCursor(QTextCursor::Start);
        QTest::keyClicks(box, QStringLiteral("QRM "));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(textOf(first), QStringLiteral("QRM \r\n") + original);
        open(*w, trigger); // shown again while open: the edit is still there
        QCOMPARE(openWindows(window).value(0), first.data());
        QCOMPARE(textOf(first), QStringLiteral("QRM \r\n") + original);
    }

    QVERIFY(first->close()); // the close box
    QVERIFY(openWindows(window).isEmpty());
    open(*w, trigger); // before the closed window is deleted
    const auto again = openWindows(window);
    QCOMPARE(again.size(), 1);
    QVERIFY(again.first() != first.data());
    QCOMPARE(textOf(again.first()), original);
    QTRY_VERIFY(first.isNull());
    QCOMPARE(openWindows(window).size(), 1);
    QVERIFY(again.first()->isVisible());

    // And after it has gone.
    QPointer<ReferenceWindow> second = again.first();
    QVERIFY(second->close());
    QTRY_VERIFY(second.isNull());
    open(*w, trigger);
    QCOMPARE(openWindows(window).size(), 1);
    QCOMPARE(textOf(openWindows(window).first()), original);
}

// Closing the main window takes open reference windows with it.
void tst_ReferenceWindows::closedWithMainWindow()
{
    QTemporaryDir dir;
    FakePlatform fakes;
    auto w = TestLog::openWindow(dir.path(), fakes);
    w->show();
    open(*w, QStringLiteral("cmdRstSystem"));
    open(*w, QStringLiteral("cmdUS"));
    open(*w, QStringLiteral("cmdCanada"));
    QPointer<ReferenceWindow> rst = openWindows(QStringLiteral("frmRST")).value(0);
    QVERIFY(rst);
    QCOMPARE(openWindows(QStringLiteral("frmStates")).size(), 1);
    QCOMPARE(openWindows(QStringLiteral("frmProvinces")).size(), 1);
    w.reset();
    QVERIFY(rst.isNull());
    for (const char *name : {"frmRST", "frmStates", "frmProvinces"})
        QVERIFY(openWindows(QLatin1String(name)).isEmpty());
}

QTEST_MAIN(tst_ReferenceWindows)
#include "tst_referencewindows.moc"
