#include "help/HelpTexts.h"

#include "widgets/PanelSize.h"

namespace {
using PanelSize::Page;
using PanelSize::Title;
} // namespace

namespace HelpTexts {

// ---- title pages -----------------------------------------------------------------

const HelpPage &specsTitle()
{
    static const HelpPage page{Title, {QStringLiteral("Orvane's Fabulous"), QStringLiteral("Zell  QRP Transceiver")}};
    return page;
}

const HelpPage &kestrixTitle()
{
    static const HelpPage page{Title, {QStringLiteral("Dravek's"), QStringLiteral("ARCI Kestrix Program")}};
    return page;
}

// ---- the transceiver -------------------------------------------------------------

const HelpPage &features()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("General Features Zell Transceiver"),
                                   QStringLiteral("Compact: 2.6 x 7.5 x 8.4 inches, 3 pounds"),
                                   QStringLiteral("Runs from 11 to 15 volts DC"),
                                   QStringLiteral("Receive current about 190 mA"),
                                   QStringLiteral("Output power adjustable from"),
                                   QStringLiteral("0.1 to 10 watts on every band"),
                                   QStringLiteral("Sturdy aluminum enclosure, removable top"),
                                   QStringLiteral("Back-lit liquid crystal display"),
                                   QStringLiteral("Covers 160 through 6 meters"),
                                   QStringLiteral("including the WARC bands"),
                                   QStringLiteral("Direct digital synthesizer"),
                                   QStringLiteral("under microprocessor control"),
                                   QStringLiteral("Two VFOs and 50 memories"),
                                   QStringLiteral("Frequency entry from the keypad"),
                                   QStringLiteral("RIT and XIT, built-in speaker"),
                                   QStringLiteral("Stereo headphone jack"),
                                   QStringLiteral("Memories keep frequency, mode"),
                                   QStringLiteral("and filter settings"),
                                   QStringLiteral("Simple menu system for all options"),
                                   QStringLiteral("BNC antenna connector"),
                               }};
    return page;
}

const HelpPage &receiver()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Receiver Specifications Zell Transceiver"),
                                   QStringLiteral("Double-balanced diode ring mixer"),
                                   QStringLiteral("Blocking dynamic range over 130 dB"),
                                   QStringLiteral("Two-tone dynamic range about 95 dB"),
                                   QStringLiteral("Switched band-pass filter"),
                                   QStringLiteral("for every band"),
                                   QStringLiteral("Switchable RF preamplifier"),
                                   QStringLiteral("and 12 dB attenuator"),
                                   QStringLiteral("Single conversion, 4.9 MHz IF"),
                                   QStringLiteral("Variable-bandwidth crystal filter"),
                                   QStringLiteral("Optional 250 Hz CW filter"),
                                   QStringLiteral("Fast or slow audio-derived AGC"),
                                   QStringLiteral("AGC can be switched off"),
                                   QStringLiteral("Front-panel IF gain control"),
                                   QStringLiteral("IF shift for passband tuning"),
                                   QStringLiteral("Tuning rates of 10 Hz, 50 Hz and 1 kHz"),
                                   QStringLiteral("Display resolution 10 Hz"),
                                   QStringLiteral("Bar-graph S-meter"),
                                   QStringLiteral("and power/SWR meter on transmit"),
                               }};
    return page;
}

const HelpPage &cw()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("CW Features Zell Transceiver"),
                                   QStringLiteral("Full or semi break-in keying"),
                                   QStringLiteral("Built-in keyer, 8 to 50 WPM"),
                                   QStringLiteral("Three message memories"),
                                   QStringLiteral("Iambic mode A and mode B"),
                                   QStringLiteral("Crystal filter options for CW"),
                                   QStringLiteral("Adjustable pitch from 400 to 800 Hz"),
                                   QStringLiteral("Sidetone follows the CW pitch"),
                                   QStringLiteral("Receive on the opposite sideband"),
                                   QStringLiteral("Efficient class-E transmitter"),
                               }};
    return page;
}

const HelpPage &build()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Easy to Build Zell Transceiver"),
                                   QStringLiteral("Almost no point-to-point wiring:"),
                                   QStringLiteral("the boards plug into one another"),
                                   QStringLiteral("Build and test one stage at a time"),
                                   QStringLiteral("Each board is a separate module"),
                                   QStringLiteral("that can be upgraded later"),
                                   QStringLiteral("No surface-mount parts to solder"),
                                   QStringLiteral("Only a multimeter is needed"),
                                   QStringLiteral("for alignment"),
                                   QStringLiteral("Roomy board layout makes repair easy"),
                                   QStringLiteral("Step-by-step manual with"),
                                   QStringLiteral("drawings and troubleshooting tips"),
                               }};
    return page;
}

const HelpPage &pricing()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Introductory kit price $549.00"),
                                   QStringLiteral("plus shipping"),
                                   QStringLiteral("Kits available from Spring 1999"),
                               }};
    return page;
}

const HelpPage &homepage()
{
    static const HelpPage page{Title, {QStringLiteral("Orvane's Homepage"), QStringLiteral("www.orvane.example")}};
    return page;
}

// ---- instructions ----------------------------------------------------------------

const HelpPage &instructions()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("             Instructions"),
                                   QStringLiteral("Kestrix using random access files for speed purposes."),
                                   QStringLiteral("Some of the buttons (DELETE, CHANGE) have been made"),
                                   QStringLiteral("deliberately a bit more difficult to use"),
                                   QStringLiteral("to avoid inadvertant errors."),
                               }};
    return page;
}

const HelpPage &intro()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("This program is designed specifically"),
                                   QStringLiteral("for ARCI contests."),
                                   QStringLiteral("The point/multiplier system used"),
                                   QStringLiteral("only works with ARCI contests."),
                               }};
    return page;
}

const HelpPage &start()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Make sure that you set date and clock."),
                                   QStringLiteral("The first time you use Kestrix"),
                                   QStringLiteral("the program creates QRPDATA.DAT"),
                                   QStringLiteral("the file that stores all your data."),
                                   QStringLiteral("Begin by typing in entries in the"),
                                   QStringLiteral("RED BOXES and click the"),
                                   QStringLiteral("[SAVE RECORD] box after each entry."),
                               }};
    return page;
}

const HelpPage &dupe()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Kestrix automatically checks for duplicates"),
                                   QStringLiteral("after you enter the callsign in the"),
                                   QStringLiteral("RED callsign box."),
                               }};
    return page;
}

const HelpPage &points()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Kestrix automatically calculates points"),
                                   QStringLiteral("and multipliers based on the"),
                                   QStringLiteral("ARCI QRP Club scoring system."),
                                   QStringLiteral("Member = 5 points"),
                                   QStringLiteral("Non-member different continent = 4 points"),
                                   QStringLiteral("Non-member same continent = 2 points"),
                               }};
    return page;
}

const HelpPage &addingRecords()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Complete the data in the RED boxes."),
                                   QStringLiteral("Click the [SAVE RECORD] button."),
                                   QStringLiteral("You do NOT have to fill in time/date boxes."),
                                   QStringLiteral("Use TAB KEY to step through boxes."),
                               }};
    return page;
}

const HelpPage &searchingRecords()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("To search the file, click the [SEARCH] button"),
                                   QStringLiteral("and enter Callsign, SPC, or ARCI # in the Zell"),
                                   QStringLiteral("[ON/OFF] button. This screen shows data."),
                                   QStringLiteral("It's helpful to note the RECORD NUMBER."),
                                   QStringLiteral("Click [SEARCH] again to clear/start over."),
                               }};
    return page;
}

const HelpPage &deletingRecords()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("To delete a record, click [DELETE] button."),
                                   QStringLiteral("Enter RECORD # in WHITE  [RecNum]  box."),
                                   QStringLiteral("When data appears in BLUE boxes"),
                                   QStringLiteral("RIGHT CLICK [DELETE] button to DELETE"),
                               }};
    return page;
}

const HelpPage &changingRecords()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("To alter record, click  the [CHANGE] button."),
                                   QStringLiteral("Enter record number in WHITE [RecNum] box."),
                                   QStringLiteral("Make your changes in the BLUE boxes and"),
                                   QStringLiteral("RIGHT CLICK  the [CHANGE] button to SAVE"),
                                   QStringLiteral("DO NOT USE [ADD] button for this function."),
                               }};
    return page;
}

const HelpPage &review()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("To review records, enter a record number"),
                                   QStringLiteral("in the WHITE RecNum box and press"),
                                   QStringLiteral("[+] or [-] buttons to change records"),
                               }};
    return page;
}

const HelpPage &updatingRecords()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Simply click the [UPDATE] button to"),
                                   QStringLiteral("update your contest progress in terms of"),
                                   QStringLiteral("Points and Multipliers."),
                               }};
    return page;
}

const HelpPage &printingRecords()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Click the [PRINT] button to prepare to print."),
                                   QStringLiteral("Complete the requested information and"),
                                   QStringLiteral("RIGHT CLICK [PRINT] button to print."),
                               }};
    return page;
}

const HelpPage &files()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("Kestrix creates a second file called"),
                                   QStringLiteral("ARCIFILE.DAT which is a modified version"),
                                   QStringLiteral("of QRPDATA.DAT.  Use NOTEPAD to open"),
                                   QStringLiteral("this file.  You will be able to exchange files"),
                                   QStringLiteral("and use the file for remote printing."),
                               }};
    return page;
}

const HelpPage &ending()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("After you finish contest and print out logs"),
                                   QStringLiteral("you MUST rename or delete the files"),
                                   QStringLiteral("QRPDATA.DAT and ARCIFILE.DAT"),
                                   QStringLiteral("Otherwise when you start a new contest"),
                                   QStringLiteral("your old entries will still be there."),
                                   QStringLiteral("If you delete the files the program will"),
                                   QStringLiteral("create new QRPDATA.DAT"),
                                   QStringLiteral("and ARCIFILE.DAT files upon startup."),
                               }};
    return page;
}

// The author's first name, addresses and mailing list are made up; the example
// domains are reserved and reach no one.
const HelpPage &contact()
{
    static const HelpPage page{Page,
                               {
                                   QStringLiteral("To contact Tamsin, Dravek"),
                                   QStringLiteral("From May 1 - October 1"),
                                   QStringLiteral("E-Mail: dravek.summer@example.com"),
                                   QStringLiteral("From October 1 - May 1"),
                                   QStringLiteral("E-Mail: dravek.winter@example.org"),
                                   QStringLiteral("Or leave message on QRP-Example-L"),
                               }};
    return page;
}

} // namespace HelpTexts
