#include "help/HelpPages.h"

#include "console/frmKestrix.h"
#include "help/HelpTexts.h"

#include <QAction>
#include <QMenu>

HelpPages::HelpPages(frmKestrix &window) : m_window(window)
{
    frmKestrix *w = &window;
    // A title page appears as soon as its menu drops open, before anything is chosen.
    connect(w->ui().mnuSpecs, &QMenu::aboutToShow, this, &HelpPages::mnuSpecs_Click);
    connect(w->ui().mnuKestrix, &QMenu::aboutToShow, this, &HelpPages::mnuKestrix_Click);
    connect(w->ui().mnuInstructions, &QMenu::aboutToShow, this, &HelpPages::mnuInstructions_Click);

    const struct {
        QAction *item;
        void (HelpPages::*handler)();
    } items[] = {
        {w->ui().mnuFeatures, &HelpPages::mnuFeatures_Click},
        {w->ui().mnuRcvr, &HelpPages::mnuRcvr_Click},
        {w->ui().mnuCw, &HelpPages::mnuCw_Click},
        {w->ui().mnuBuild, &HelpPages::mnuBuild_Click},
        {w->ui().mnuPricing, &HelpPages::mnuPricing_Click},
        {w->ui().mnuHomepage, &HelpPages::mnuHomepage_Click},
        {w->ui().mnuIntro, &HelpPages::mnuIntro_Click},
        {w->ui().mnuStart, &HelpPages::mnuStart_Click},
        {w->ui().mnuDupe, &HelpPages::mnuDupe_Click},
        {w->ui().mnuPoints, &HelpPages::mnuPoints_Click},
        {w->ui().mnuAddingRecords, &HelpPages::mnuAddingRecords_Click},
        {w->ui().mnuSearchingRecords, &HelpPages::mnuSearchingRecords_Click},
        {w->ui().mnuDeletingRecords, &HelpPages::mnuDeletingRecords_Click},
        {w->ui().mnuChangingRecords, &HelpPages::mnuChangingRecords_Click},
        {w->ui().mnuReview, &HelpPages::mnuReview_Click},
        {w->ui().mnuUpdatingRecords, &HelpPages::mnuUpdatingRecords_Click},
        {w->ui().mnuPrintingRecords, &HelpPages::mnuPrintingRecords_Click},
        {w->ui().mnuFiles, &HelpPages::mnuFiles_Click},
        {w->ui().mnuEnding, &HelpPages::mnuEnding_Click},
        {w->ui().mnuContact, &HelpPages::mnuContact_Click},
    };
    for (const auto &i : items) {
        connect(i.item, &QAction::triggered, this, i.handler);
        i.item->setEnabled(true);
    }
}

HelpPages::~HelpPages() = default;

void HelpPages::show(const HelpPage &page)
{
    m_window.setNewLine();
    m_window.writePanel(page.pointSize, page.lines);
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
