#include "console/EntryWorkflow.h"

#include "console/frmKestrix.h"
#include "rules/RecordNumbers.h"
#include "scoring/EntryRules.h"
#include "store/Text.h"
#include "widgets/DisplayPanel.h"
#include "widgets/RecordBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

EntryWorkflow::EntryWorkflow(frmKestrix &window) : QObject(&window), m_window(window)
{
    connect(window.ui().cmdAddRecord, &QPushButton::clicked, this, &EntryWorkflow::cmdAddRecord_Click);
    connect(window.ui().cmdSaveRecord, &QPushButton::clicked, this, &EntryWorkflow::cmdSaveRecord_Click);
    connect(window.ui().cmdClear, &QPushButton::clicked, this, &EntryWorkflow::cmdClear_Click);
    // Enter in any box of the entry row saves the contact, as Save Record does.
    for (const RecordBox &b : RecordBoxes::table)
        connect(window.ui().*b.entry, &QLineEdit::returnPressed, this, &EntryWorkflow::cmdSaveRecord_Click);
    connect(window.ui().txtRecNumber, &QLineEdit::returnPressed, this, &EntryWorkflow::cmdSaveRecord_Click);
}

EntryWorkflow::~EntryWorkflow() = default;

void EntryWorkflow::cmdAddRecord_Click()
{
    frmKestrix &w = m_window;
    w.setNewLine();
    w.writePanel(PanelSize::Guide, {QStringLiteral("Add data in the RED BOXES only"),
                                    QStringLiteral("CLICK the [SAVE RECORD] button to SAVE record."),
                                    QStringLiteral("Time/date will be added automatically"),
                                    QStringLiteral("Use TAB KEY to step through boxes")});
    w.ui().txtCallsign->setFocus();
}

bool EntryWorkflow::recordNumberAcceptable()
{
    frmKestrix &w = m_window;
    if (RecordNumbers::isNextRecord(w.ui().txtRecNumber->text(), w.RecordCount()))
        return true;
    w.beep();
    w.setNewLine();
    w.writePanel(PanelSize::Notice, {QStringLiteral("Record NOT saved."),
                                     QStringLiteral("New records are saved as record") +
                                         Text::numberText(w.RecordCount()) + QStringLiteral(","),
                                     QStringLiteral("not as \"") + w.ui().txtRecNumber->text() + QStringLiteral("\"."),
                                     QStringLiteral("Use CHANGE to alter a stored record.")});
    return false;
}

void EntryWorkflow::cmdSaveRecord_Click()
{
    frmKestrix &w = m_window;
    w.setNewLine();
    if (!recordNumberAcceptable())
        return;
    // The points and the multiplier mark stored are those of the boxes as they stand now.
    w.entryRules().rescore();
    w.writeMode(QStringLiteral("Saving Record"));
    w.SaveCurrentRecord();
    w.SaveArciFile();
    w.writeMode(QStringLiteral("Adding New Record"));
    // The contact, its line and the new placeholder after it, carrying its band,
    // reach the files together or not at all.
    if (!w.logOperationDone(w.log().saveContact(w.CurrentRecord(), w.QrpRecord_(), w.log().ArciLine_)))
        return; // what was typed stays in the boxes
    w.log().setCurrentRecord(w.RecordCount());
    w.ShowCurrentRecord();
    for (QLineEdit *box : {w.ui().txtTime, w.ui().txtDate, w.ui().txtPoints, w.ui().txtMultiplier})
        box->setText(QString());
    w.ui().txtRecNumber->setText(Text::numberText(w.CurrentRecord()));
    w.ui().txtCallsign->setFocus();
}

void EntryWorkflow::cmdClear_Click()
{
    frmKestrix &w = m_window;
    w.setNewLine();
    RecordBoxes::emptyEntryRow(w.ui());
    w.ui().txtSpecs->clear();
    w.ui().txtSearchInfo->setText(QString());
    RecordBoxes::emptyReviewRow(w.ui());
    w.ui().txtRecNum->setText(QString());
    w.ui().lblMode->setText(QString());
    w.ui().txtSpecs->setFontSize(PanelSize::Title);
    w.ui().txtSpecs->setText(w.titleText());
    w.writeMode(QStringLiteral("Screens Cleared"));
    w.ui().txtCallsign->setFocus();
}
