#include "scoring/EntryRules.h"

#include "rules/Points.h"
#include "scoring/MultiplierCheck.h"
#include "store/Text.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/KeyRewrite.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"

#include <QAction>
#include <QLineEdit>

namespace {
// Assigned to the ARCI and power boxes; the length limits keep five and four blanks.
const QString SixBlanks = QStringLiteral("      ");
} // namespace

EntryRules::EntryRules(const EntryRowControls &entry, const ReviewRowControls &review, const MenuControls &menus,
                       MultiplierCheck &multipliers, ConsoleOutput &console)
    : m_entry(entry), m_review(review), m_menus(menus), m_multipliers(multipliers), m_console(console)
{
    auto *keys = new KeyRewrite([this](QObject *box, QString &typed) { KeyPress(box, typed); }, this);
    for (QLineEdit *box :
         {m_entry.txtCallsign, m_entry.txtSpc, m_review.txtCall, m_review.txtLocale, m_entry.txtRstSent})
        keys->watch(box);

    connect(m_entry.txtRstRcvd, &QLineEdit::textChanged, this, &EntryRules::txtRstRcvd_Change);
    connect(m_entry.txtRstSent, &QLineEdit::textChanged, this, &EntryRules::txtRstSent_Change);
    connect(m_entry.txtSpc, &QLineEdit::textChanged, this, &EntryRules::txtSpc_Change);
    connect(m_entry.txtArci, &QLineEdit::textChanged, this, &EntryRules::txtArci_Change);
    connect(m_entry.txtPower, &QLineEdit::textChanged, this, &EntryRules::txtPower_Change);
    connect(m_entry.txtCallsign, &QLineEdit::textChanged, this, &EntryRules::rescore);
    connect(m_entry.txtBand, &QLineEdit::textChanged, this, &EntryRules::rescore);

    const std::pair<QAction *, void (EntryRules::*)()> bands[] = {
        {m_menus.mnu160, &EntryRules::mnu160_Click}, {m_menus.mnu80, &EntryRules::mnu80_Click},
        {m_menus.mnu40, &EntryRules::mnu40_Click},   {m_menus.mnu20, &EntryRules::mnu20_Click},
        {m_menus.mnu15, &EntryRules::mnu15_Click},   {m_menus.mnu10, &EntryRules::mnu10_Click},
        {m_menus.mnu6, &EntryRules::mnu6_Click}};
    for (const auto &[action, handler] : bands) {
        connect(action, &QAction::triggered, this, handler);
        action->setEnabled(true);
    }
}

EntryRules::~EntryRules() = default;

// ---- key presses ---------------------------------------------------------------

void EntryRules::KeyPress(QObject *box, QString &typed)
{
    if (box == m_entry.txtCallsign)
        txtCallsign_KeyPress(typed);
    else if (box == m_entry.txtSpc)
        txtSPC_KeyPress(typed);
    else if (box == m_review.txtCall)
        txtCall_KeyPress(typed);
    else if (box == m_review.txtLocale)
        txtLocale_KeyPress(typed);
    else if (box == m_entry.txtRstSent)
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
        m_entry.txtRstSent->setText(QStringLiteral("579"));
        typed.clear();
    }
}

// ---- help texts ------------------------------------------------------------------

void EntryRules::txtRstRcvd_Change()
{
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Guide,
                         {QStringLiteral("Entering RST"), QStringLiteral("Use standard CW 579 format"),
                          QStringLiteral("or for SSB, 59 format"),
                          QStringLiteral("In RST-Sent box, SPACEBAR enters 579 report")});
}

void EntryRules::txtRstSent_Change()
{
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Guide, {QStringLiteral("You SHOULD NOT enter data in the"),
                                            QStringLiteral("POINTS, MULTIPLIER or Record Nuumber boxes."),
                                            QStringLiteral("These boxes are calculated.")});
}

void EntryRules::txtSpc_Change()
{
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Guide,
                         {QStringLiteral("SPC Info"), QStringLiteral("Use 2 letter abbreviations for STATES"),
                          QStringLiteral("Use 3 letters for Canadian provinces & Mexico (MEX)"),
                          QStringLiteral("Use 4 letter abbreviations (ex. SCOT) for DX")});
    rescore();
}

void EntryRules::rescore()
{
    const QString arci = m_entry.txtArci->text();
    QString points = Points::member(arci);
    if (points.isEmpty() && arci == QStringLiteral("     ") && Text::aboveZero(m_entry.txtPower->text()))
        points = Points::nonMember(arci, m_entry.txtSpc->text());
    // Nothing typed that scores (no member number, no power): the box is left alone.
    if (!points.isEmpty() || arci == QStringLiteral("     "))
        m_entry.txtPoints->setText(points);
    if (!m_entry.txtMultiplier->text().isEmpty())
        m_multipliers.CheckMultiplier();
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
    // A member number blanks the power box (running the power rule, which leaves
    // this box alone: its blanks are not above "0").
    if (Text::aboveZero(m_entry.txtArci->text()))
        assign(m_entry.txtPower, SixBlanks, &EntryRules::txtPower_Change);
    const QString points = Points::member(m_entry.txtArci->text());
    if (!points.isEmpty())
        m_entry.txtPoints->setText(points);
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Guide, {QStringLiteral("Entering ARCI Number"),
                                            QStringLiteral("If you have an ARCI number, enter it here"),
                                            QStringLiteral("If you enter an ARCI #, the POWER box = 0")});
    m_multipliers.CheckMultiplier();
}

void EntryRules::txtPower_Change()
{
    // A power figure blanks the ARCI box; the nested ARCI rule shows its help text
    // and runs the multiplier check.
    if (Text::aboveZero(m_entry.txtPower->text()))
        assign(m_entry.txtArci, SixBlanks, &EntryRules::txtArci_Change);
    const QString points = Points::nonMember(m_entry.txtArci->text(), m_entry.txtSpc->text());
    if (!points.isEmpty())
        m_entry.txtPoints->setText(points);
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Guide,
                         {QStringLiteral("Entering Power Number"), QStringLiteral("This number should be power OUTPUT"),
                          QStringLiteral("and can be up to 4 digits in length"),
                          QStringLiteral("Do NOT enter both a POWER AND AN ARCI #.")});
}

// ---- the band menu ---------------------------------------------------------------

void EntryRules::setBand(const QString &band) { m_entry.txtBand->setText(band); }

void EntryRules::mnu160_Click() { setBand(QStringLiteral("160")); }
void EntryRules::mnu80_Click() { setBand(QStringLiteral("80")); }
void EntryRules::mnu40_Click() { setBand(QStringLiteral("40")); }
void EntryRules::mnu20_Click() { setBand(QStringLiteral("20")); }
void EntryRules::mnu15_Click() { setBand(QStringLiteral("15")); }
void EntryRules::mnu10_Click() { setBand(QStringLiteral("10")); }
void EntryRules::mnu6_Click() { setBand(QStringLiteral("6")); }
