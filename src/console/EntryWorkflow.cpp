#include "EntryWorkflow.h"

#include "DisplayPanel.h"
#include "Text.h"
#include "frmKestrix.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

EntryWorkflow::EntryWorkflow(frmKestrix &window) : QObject(&window), m_window(window)
{
    connect(window.cmdAddRecord, &QPushButton::clicked, this, &EntryWorkflow::cmdAddRecord_Click);
    connect(window.cmdSaveRecord, &QPushButton::clicked, this, &EntryWorkflow::cmdSaveRecord_Click);
    connect(window.cmdClear, &QPushButton::clicked, this, &EntryWorkflow::cmdClear_Click);
}

EntryWorkflow::~EntryWorkflow() = default;

void EntryWorkflow::cmdAddRecord_Click()
{
    frmKestrix &w = m_window;
    w.setNewLine();
    w.writePanel(8, {QStringLiteral("Add data in the RED BOXES only"),
                     QStringLiteral("CLICK the [SAVE RECORD] button to SAVE record."),
                     QStringLiteral("Time/date will be added automatically"),
                     QStringLiteral("Use TAB KEY to step through boxes")});
    w.txtCallsign->setFocus();
}

bool EntryWorkflow::recordNumberAcceptable()
{
    frmKestrix &w = m_window;
    const auto number = Text::wholeValue(w.txtRecNumber->text());
    if (number && *number == w.RecordCount() && w.RecordCount() < std::numeric_limits<qint32>::max())
        return true;
    w.beep();
    w.setNewLine();
    w.writePanel(12, {QStringLiteral("Record NOT saved."),
                      QStringLiteral("New records are saved as record") + Text::numberText(w.RecordCount()) +
                          QStringLiteral(","),
                      QStringLiteral("not as \"") + w.txtRecNumber->text() + QStringLiteral("\"."),
                      QStringLiteral("Use CHANGE to alter a stored record.")});
    return false;
}

void EntryWorkflow::cmdSaveRecord_Click()
{
    frmKestrix &w = m_window;
    w.setNewLine();
    if (!recordNumberAcceptable())
        return;
    w.writeMode(QStringLiteral("Saving Record"));
    // The contact, its line and the new placeholder reach the files together or not at all.
    w.log().beginOperation();
    w.SaveCurrentRecord();
    w.SaveArciFile();
    w.writeMode(QStringLiteral("Adding New Record"));
    w.RecordCount() += 1;
    QrpRecord &r = w.QrpRecord_();
    r.clear();
    r.set(QrpRecord::Band, w.txtBand->text());
    w.log().writeRecord(w.RecordCount()); // the new placeholder, right after the contact
    if (!w.commitLogOperation())
        return; // what was typed stays in the boxes
    w.CurrentRecord() = w.RecordCount();
    w.ShowCurrentRecord();
    for (QLineEdit *box : {w.txtTime, w.txtDate, w.txtPoints, w.txtMultiplier})
        box->setText(QString());
    w.txtRecNumber->setText(Text::numberText(w.CurrentRecord()));
    w.txtCallsign->setFocus();
}

void EntryWorkflow::cmdClear_Click()
{
    frmKestrix &w = m_window;
    w.setNewLine();
    for (QLineEdit *box : {w.txtCallsign, w.txtArci, w.txtPower, w.txtSpc, w.txtRstRcvd, w.txtRstSent, w.txtDate,
                           w.txtTime, w.txtPoints, w.txtMultiplier})
        box->setText(QString());
    w.txtSpecs->clear();
    for (QLineEdit *box : {w.txtSearchInfo, w.txtCall, w.txtRstR, w.txtRstS, w.txtLocale, w.txtClub, w.txtPwr,
                           w.txtBnd, w.txtCalendar, w.txtClock, w.txtPts, w.txtMult, w.txtRecNum})
        box->setText(QString());
    w.lblMode->setText(QString());
    w.txtSpecs->setFontSize(18);
    w.txtSpecs->setText(w.titleText());
    w.writeMode(QStringLiteral("Screens Cleared"));
}
