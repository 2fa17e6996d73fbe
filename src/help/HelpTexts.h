#pragma once
// The fixed texts of the help, title and information pages: a font size and the
// lines that the display panel shows for each menu item or menu opening.

#include <QStringList>

struct HelpPage {
    int pointSize;
    QStringList lines;
};

namespace HelpTexts {

// Title pages, shown when their menu drops open.
const HelpPage &specsTitle();   // "Zell Specifications"
const HelpPage &kestrixTitle(); // "Kestrix Program"

// Information about the transceiver.
const HelpPage &features();
const HelpPage &receiver();
const HelpPage &cw();
const HelpPage &build();
const HelpPage &pricing();
const HelpPage &homepage();

// The user documentation under Help > Instructions.
const HelpPage &instructions();
const HelpPage &intro();
const HelpPage &start();
const HelpPage &dupe();
const HelpPage &points();
const HelpPage &addingRecords();
const HelpPage &searchingRecords();
const HelpPage &deletingRecords();
const HelpPage &changingRecords();
const HelpPage &review();
const HelpPage &updatingRecords();
const HelpPage &printingRecords();
const HelpPage &files();
const HelpPage &ending();
const HelpPage &contact();

} // namespace HelpTexts
