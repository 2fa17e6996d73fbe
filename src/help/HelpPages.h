#pragma once
// Help and reference: the help, title and information pages. Each menu item (or
// menu opening) that has a page writes it into the display panel, replacing what
// was there; nothing else changes.

#include <QObject>

struct MenuControls;
class ConsoleOutput;
struct HelpPage;

class HelpPages : public QObject {
    Q_OBJECT
  public:
    HelpPages(const MenuControls &menus, ConsoleOutput &console);
    ~HelpPages();

    // Menu openings.
    void mnuSpecs_Click();
    void mnuKestrix_Click();
    void mnuInstructions_Click();

    // "Zell Specifications"
    void mnuFeatures_Click();
    void mnuRcvr_Click();
    void mnuCw_Click();
    void mnuBuild_Click();
    void mnuPricing_Click();
    void mnuHomepage_Click();

    // "Help" > "Instructions"
    void mnuIntro_Click();
    void mnuStart_Click();
    void mnuDupe_Click();
    void mnuPoints_Click();
    void mnuAddingRecords_Click();
    void mnuSearchingRecords_Click();
    void mnuDeletingRecords_Click();
    void mnuChangingRecords_Click();
    void mnuReview_Click();
    void mnuUpdatingRecords_Click();
    void mnuPrintingRecords_Click();
    void mnuFiles_Click();
    void mnuEnding_Click();
    void mnuContact_Click();

  private:
    void show(const HelpPage &page);

    const MenuControls &m_menus;
    ConsoleOutput &m_console;
};
