#include "help/HelpPages.h"

#include "help/HelpTexts.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"

#include <QAction>
#include <QMenu>

HelpPages::HelpPages(const MenuControls &menus, ConsoleOutput &console) : m_menus(menus), m_console(console)
{
    // A title page appears as soon as its menu drops open, before anything is chosen.
    connect(m_menus.mnuSpecs, &QMenu::aboutToShow, this, &HelpPages::mnuSpecs_Click);
    connect(m_menus.mnuKestrix, &QMenu::aboutToShow, this, &HelpPages::mnuKestrix_Click);
    connect(m_menus.mnuInstructions, &QMenu::aboutToShow, this, &HelpPages::mnuInstructions_Click);

    const struct {
        QAction *item;
        void (HelpPages::*handler)();
    } items[] = {
        {m_menus.mnuFeatures, &HelpPages::mnuFeatures_Click},
        {m_menus.mnuRcvr, &HelpPages::mnuRcvr_Click},
        {m_menus.mnuCw, &HelpPages::mnuCw_Click},
        {m_menus.mnuBuild, &HelpPages::mnuBuild_Click},
        {m_menus.mnuPricing, &HelpPages::mnuPricing_Click},
        {m_menus.mnuHomepage, &HelpPages::mnuHomepage_Click},
        {m_menus.mnuIntro, &HelpPages::mnuIntro_Click},
        {m_menus.mnuStart, &HelpPages::mnuStart_Click},
        {m_menus.mnuDupe, &HelpPages::mnuDupe_Click},
        {m_menus.mnuPoints, &HelpPages::mnuPoints_Click},
        {m_menus.mnuAddingRecords, &HelpPages::mnuAddingRecords_Click},
        {m_menus.mnuSearchingRecords, &HelpPages::mnuSearchingRecords_Click},
        {m_menus.mnuDeletingRecords, &HelpPages::mnuDeletingRecords_Click},
        {m_menus.mnuChangingRecords, &HelpPages::mnuChangingRecords_Click},
        {m_menus.mnuReview, &HelpPages::mnuReview_Click},
        {m_menus.mnuUpdatingRecords, &HelpPages::mnuUpdatingRecords_Click},
        {m_menus.mnuPrintingRecords, &HelpPages::mnuPrintingRecords_Click},
        {m_menus.mnuFiles, &HelpPages::mnuFiles_Click},
        {m_menus.mnuEnding, &HelpPages::mnuEnding_Click},
        {m_menus.mnuContact, &HelpPages::mnuContact_Click},
    };
    for (const auto &i : items) {
        connect(i.item, &QAction::triggered, this, i.handler);
        i.item->setEnabled(true);
    }
}

HelpPages::~HelpPages() = default;

void HelpPages::show(const HelpPage &page)
{
    m_console.setNewLine();
    m_console.writePanel(page.pointSize, page.lines);
}

void HelpPages::mnuSpecs_Click() { show(HelpTexts::specsTitle()); }
void HelpPages::mnuKestrix_Click() { show(HelpTexts::kestrixTitle()); }
void HelpPages::mnuInstructions_Click() { show(HelpTexts::instructions()); }

void HelpPages::mnuFeatures_Click() { show(HelpTexts::features()); }
void HelpPages::mnuRcvr_Click() { show(HelpTexts::receiver()); }
void HelpPages::mnuCw_Click() { show(HelpTexts::cw()); }
void HelpPages::mnuBuild_Click() { show(HelpTexts::build()); }
void HelpPages::mnuPricing_Click() { show(HelpTexts::pricing()); }
void HelpPages::mnuHomepage_Click() { show(HelpTexts::homepage()); }

void HelpPages::mnuIntro_Click() { show(HelpTexts::intro()); }
void HelpPages::mnuStart_Click() { show(HelpTexts::start()); }
void HelpPages::mnuDupe_Click() { show(HelpTexts::dupe()); }
void HelpPages::mnuPoints_Click() { show(HelpTexts::points()); }
void HelpPages::mnuAddingRecords_Click() { show(HelpTexts::addingRecords()); }
void HelpPages::mnuSearchingRecords_Click() { show(HelpTexts::searchingRecords()); }
void HelpPages::mnuDeletingRecords_Click() { show(HelpTexts::deletingRecords()); }
void HelpPages::mnuChangingRecords_Click() { show(HelpTexts::changingRecords()); }
void HelpPages::mnuReview_Click() { show(HelpTexts::review()); }
void HelpPages::mnuUpdatingRecords_Click() { show(HelpTexts::updatingRecords()); }
void HelpPages::mnuPrintingRecords_Click() { show(HelpTexts::printingRecords()); }
void HelpPages::mnuFiles_Click() { show(HelpTexts::files()); }
void HelpPages::mnuEnding_Click() { show(HelpTexts::ending()); }
void HelpPages::mnuContact_Click() { show(HelpTexts::contact()); }
