#include "scoring/EntryRules.h"

#include "console/KeyRewrite.h"
#include "console/frmKestrix.h"
#include "rules/Points.h"
#include "store/Text.h"

#include <QAction>
#include <QLineEdit>

namespace {
// Assigned to the ARCI and power boxes; the length limits keep five and four blanks.
const QString SixBlanks = QStringLiteral("      ");
} // namespace

EntryRules::EntryRules(frmKestrix &window) : m_window(window)
{
    auto *keys = new KeyRewrite([this](QObject *box, QString &typed) { KeyPress(box, typed); }, this);
    for (QLineEdit *box : {window.ui().txtCallsign, window.ui().txtSpc, window.ui().txtCall, window.ui().txtLocale,
                           window.ui().txtRstSent})
        keys->watch(box);

    connect(window.ui().txtRstRcvd, &QLineEdit::textChanged, this, &EntryRules::txtRstRcvd_Change);
    connect(window.ui().txtRstSent, &QLineEdit::textChanged, this, &EntryRules::txtRstSent_Change);
    connect(window.ui().txtSpc, &QLineEdit::textChanged, this, &EntryRules::txtSpc_Change);
    connect(window.ui().txtArci, &QLineEdit::textChanged, this, &EntryRules::txtArci_Change);
    connect(window.ui().txtPower, &QLineEdit::textChanged, this, &EntryRules::txtPower_Change);
    connect(window.ui().txtCallsign, &QLineEdit::textChanged, this, &EntryRules::rescore);
    connect(window.ui().txtBand, &QLineEdit::textChanged, this, &EntryRules::rescore);

    const std::pair<QAction *, void (EntryRules::*)()> bands[] = {
        {window.ui().mnu160, &EntryRules::mnu160_Click}, {window.ui().mnu80, &EntryRules::mnu80_Click},
        {window.ui().mnu40, &EntryRules::mnu40_Click},   {window.ui().mnu20, &EntryRules::mnu20_Click},
        {window.ui().mnu15, &EntryRules::mnu15_Click},   {window.ui().mnu10, &EntryRules::mnu10_Click},
        {window.ui().mnu6, &EntryRules::mnu6_Click}};
    for (const auto &[action, handler] : bands) {
        connect(action, &QAction::triggered, this, handler);
        action->setEnabled(true);
    }
}

EntryRules::~EntryRules() = default;

// ---- key presses ---------------------------------------------------------------

void EntryRules::KeyPress(QObject *box, QString &typed)
{
    const frmKestrix &w = m_window;
    if (box == w.ui().txtCallsign)
        txtCallsign_KeyPress(typed);
    else if (box == w.ui().txtSpc)
        txtSPC_KeyPress(typed);
    else if (box == w.ui().txtCall)
        txtCall_KeyPress(typed);
    else if (box == w.ui().txtLocale)
        txtLocale_KeyPress(typed);
    else if (box == w.ui().txtRstSent)
        txtRstSent_KeyPress(typed);
}

void EntryRules::txtCallsign_KeyPress(QString &typed) { typed = KeyRewrite::upperCase(typed); }

void EntryRules::txtSPC_KeyPress(QString &typed) { typed = KeyRewrite::upperCase(typed); }

void EntryRules::txtCall_KeyPress(QString &typed) { typed = KeyRewrite::upperCase(typed); }

void EntryRules::txtLocale_KeyPress(QString &typed) { typed = KeyRewrite::upperCase(typed); }

void EntryRules::txtRstSent_KeyPress(QString &typed)
{
    // The space bar enters a full CW report, whatever the box held.
    if (typed == QStringLiteral(" ")) {
        m_window.ui().txtRstSent->setText(QStringLiteral("579"));
        typed.clear();
    }
}

// ---- help texts ------------------------------------------------------------------

void EntryRules::txtRstRcvd_Change()
{
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Guide, {QStringLiteral("Entering RST"), QStringLiteral("Use standard CW 579 format"),
                                           QStringLiteral("or for SSB, 59 format"),
                                           QStringLiteral("In RST-Sent box, SPACEBAR enters 579 report")});
}

void EntryRules::txtRstSent_Change()
{
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Guide, {QStringLiteral("You SHOULD NOT enter data in the"),
                                           QStringLiteral("POINTS, MULTIPLIER or Record Nuumber boxes."),
                                           QStringLiteral("These boxes are calculated.")});
}

void EntryRules::txtSpc_Change()
{
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Guide,
                        {QStringLiteral("SPC Info"), QStringLiteral("Use 2 letter abbreviations for STATES"),
                         QStringLiteral("Use 3 letters for Canadian provinces & Mexico (MEX)"),
                         QStringLiteral("Use 4 letter abbreviations (ex. SCOT) for DX")});
    rescore();
}

void EntryRules::rescore()
{
    frmKestrix &w = m_window;
    const QString arci = w.ui().txtArci->text();
    QString points = Points::member(arci);
    if (points.isEmpty() && arci == QStringLiteral("     ") && Text::aboveZero(w.ui().txtPower->text()))
        points = Points::nonMember(arci, w.ui().txtSpc->text());
    // Nothing typed that scores (no member number, no power): the box is left alone.
    if (!points.isEmpty() || arci == QStringLiteral("     "))
        w.ui().txtPoints->setText(points);
    if (!w.ui().txtMultiplier->text().isEmpty())
        w.CheckMultiplier();
}

// ---- the ARCI and power rules ------------------------------------------------------

void EntryRules::assign(QLineEdit *box, const QString &text, void (EntryRules::*rule)())
{
    // Assigning a box the text it already holds counts as a change here too, so a
    // power typed again after the S-P-C was corrected checks the multiplier again.
    const QString before = box->text();
    box->setText(text);
    if (box->text() == before)
        (this->*rule)();
}

void EntryRules::txtArci_Change()
{
    frmKestrix &w = m_window;
    // A member number blanks the power box (running the power rule, which leaves
    // this box alone: its blanks are not above "0").
    if (Text::aboveZero(w.ui().txtArci->text()))
        assign(w.ui().txtPower, SixBlanks, &EntryRules::txtPower_Change);
    const QString points = Points::member(w.ui().txtArci->text());
    if (!points.isEmpty())
        w.ui().txtPoints->setText(points);
    w.setNewLine();
    w.writePanel(PanelSize::Guide,
                 {QStringLiteral("Entering ARCI Number"), QStringLiteral("If you have an ARCI number, enter it here"),
                  QStringLiteral("If you enter an ARCI #, the POWER box = 0")});
    w.CheckMultiplier();
}

void EntryRules::txtPower_Change()
{
    frmKestrix &w = m_window;
    // A power figure blanks the ARCI box; the nested ARCI rule shows its help text
    // and runs the multiplier check.
    if (Text::aboveZero(w.ui().txtPower->text()))
        assign(w.ui().txtArci, SixBlanks, &EntryRules::txtArci_Change);
    const QString points = Points::nonMember(w.ui().txtArci->text(), w.ui().txtSpc->text());
    if (!points.isEmpty())
        w.ui().txtPoints->setText(points);
    w.setNewLine();
    w.writePanel(PanelSize::Guide,
                 {QStringLiteral("Entering Power Number"), QStringLiteral("This number should be power OUTPUT"),
                  QStringLiteral("and can be up to 4 digits in length"),
                  QStringLiteral("Do NOT enter both a POWER AND AN ARCI #.")});
}

// ---- the band menu ---------------------------------------------------------------

void EntryRules::setBand(const QString &band) { m_window.ui().txtBand->setText(band); }

void EntryRules::mnu160_Click() { setBand(QStringLiteral("160")); }
void EntryRules::mnu80_Click() { setBand(QStringLiteral("80")); }
void EntryRules::mnu40_Click() { setBand(QStringLiteral("40")); }
void EntryRules::mnu20_Click() { setBand(QStringLiteral("20")); }
void EntryRules::mnu15_Click() { setBand(QStringLiteral("15")); }
void EntryRules::mnu10_Click() { setBand(QStringLiteral("10")); }
void EntryRules::mnu6_Click() { setBand(QStringLiteral("6")); }
