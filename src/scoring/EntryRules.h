#pragma once
// The rules of the entry boxes: upper case, the RST space bar, help texts, the ARCI and power rules with their points,
// and the band menu.

#include <QObject>
#include <QString>

struct EntryRowControls;
struct ReviewRowControls;
struct MenuControls;
class MultiplierCheck;
class ConsoleOutput;
class QLineEdit;

class EntryRules : public QObject {
    Q_OBJECT
  public:
    EntryRules(const EntryRowControls &entry, const ReviewRowControls &review, const MenuControls &menus,
               MultiplierCheck &multipliers, ConsoleOutput &console);
    ~EntryRules() override;

    // Key-press rules: each sees the typed text before the box inserts it and may
    // replace it; an empty text means the key is swallowed.
    void txtCallsign_KeyPress(QString &typed);
    void txtSPC_KeyPress(QString &typed);
    void txtCall_KeyPress(QString &typed);
    void txtLocale_KeyPress(QString &typed);
    void txtRstSent_KeyPress(QString &typed);

    // Change rules.
    void txtRstRcvd_Change();
    void txtRstSent_Change();
    void txtSpc_Change();
    void txtArci_Change();
    void txtPower_Change();

    // Points and multiplier again from the boxes they depend on: after the call
    // sign, the S-P-C or the band changed, and just before a save. A member
    // number gives 5, a power figure (the ARCI box blanked) 4 or 2 by the S-P-C;
    // the multiplier mark, once there, follows the S-P-C and the band.
    void rescore();

    // The Set Band menu.
    void mnu160_Click();
    void mnu80_Click();
    void mnu40_Click();
    void mnu20_Click();
    void mnu15_Click();
    void mnu10_Click();
    void mnu6_Click();

  private:
    // Hands a key typed into one of the boxes above to that box's rule.
    void KeyPress(QObject *box, QString &typed);
    void setBand(const QString &band);
    // Sets a box's text and runs its change rule, also when the text stays the same.
    void assign(QLineEdit *box, const QString &text, void (EntryRules::*rule)());

    const EntryRowControls &m_entry;
    const ReviewRowControls &m_review;
    const MenuControls &m_menus;
    MultiplierCheck &m_multipliers;
    ConsoleOutput &m_console;
};
