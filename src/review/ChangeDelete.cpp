#include "review/ChangeDelete.h"

#include "platform/Confirmation.h"
#include "platform/Platform.h"
#include "rules/RecordNumbers.h"
#include "store/LogStore.h"
#include "store/Text.h"
#include "widgets/BoxFocus.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/DisplayPanel.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"
#include "widgets/RecordBoxes.h"
#include "widgets/RecordKeeping.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

ChangeDelete::ChangeDelete(LogStore &log, const EntryRowControls &entry, const ReviewRowControls &review,
                           const FrontPanelControls &panel, RecordKeeping &records, Platform &platform,
                           ConsoleOutput &console)
    : m_log(log), m_entry(entry), m_review(review), m_panel(panel), m_records(records), m_platform(platform),
      m_console(console)
{
    connect(m_review.cmdChangeRecord, &QPushButton::clicked, this, &ChangeDelete::cmdChangeRecord_Click);
    connect(m_review.cmdDeleteRecord, &QPushButton::clicked, this, &ChangeDelete::cmdDeleteRecord_Click);
    m_review.cmdChangeRecord->installEventFilter(this);
    m_review.cmdDeleteRecord->installEventFilter(this);
}

ChangeDelete::~ChangeDelete() = default;

bool ChangeDelete::eventFilter(QObject *watched, QEvent *event)
{
    // Every press counts, the second of a quick pair included.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    if (watched == m_review.cmdChangeRecord)
        cmdChangeRecord_MouseDown(button);
    else if (watched == m_review.cmdDeleteRecord)
        cmdDeleteRecord_MouseDown(button);
    else
        return false;
    // The left button goes on to the button itself, whose click shows the instructions.
    return button == Qt::RightButton;
}

void ChangeDelete::cmdChangeRecord_Click()
{
    m_console.setNewLine();
    m_console.writeMode(QStringLiteral("Changing Record"));
    m_console.writePanel(PanelSize::Guide,
                         {QStringLiteral("Get RECORD NUMBER using the SEARCH function"),
                          QStringLiteral("Enter the RECORD NUMBER in the"), QStringLiteral("WHITE RecNum box."),
                          QStringLiteral("RIGHT CLICK  [CHANGE]  button to SAVE changes.")});
    BoxFocus::typeOver(m_review.txtRecNum);
}

void ChangeDelete::cmdChangeRecord_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    if (!recordNumberUsable(QStringLiteral("Nothing changed: ")))
        return;
    const qint32 number = *m_records.reviewRecordNumber();
    m_log.setCurrentRecord(number);
    m_log.setArciRecord(number);
    m_records.SaveExistingRecord();
    m_records.SaveExistingArci();
    m_records.logOperationDone(m_log.rewriteRecord(number, m_log.QrpRecord_, m_log.ArciLine_));
}

void ChangeDelete::cmdDeleteRecord_Click()
{
    m_console.setNewLine();
    m_console.writeMode(QStringLiteral("Deleting Record"));
    m_console.writePanel(PanelSize::Guide, {QStringLiteral("To DELETE a record, display the record"),
                                            QStringLiteral("in the BLUE BOXES by inserting the"),
                                            QStringLiteral("RECORD # in the WHITE RecNum box."),
                                            QStringLiteral("RIGHT CLICK  [DELETE]  Button to delete.")});
    BoxFocus::typeOver(m_review.txtRecNum);
}

void ChangeDelete::cmdDeleteRecord_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    m_console.setNewLine();
    if (!recordNumberUsable(QStringLiteral("Nothing deleted: ")))
        return;
    // The record announced is the record written: the box names record i exactly.
    const qint32 i = *m_records.reviewRecordNumber();
    m_log.readRecord(i);
    keepSizeWrite({QString(), QStringLiteral("Deleting Record Number ") + Text::numberText(i)});
    m_log.setCurrentRecord(i);

    const bool yes = m_platform.confirmation.askYesNo(m_panel.client->window(), QStringLiteral("Delete this record?"),
                                                      QStringLiteral("Kestrix"));
    if (!yes) {
        BoxFocus::typeOver(m_entry.txtRecNumber);
        m_console.setNewLine();
        keepSizeWrite({QString(), QStringLiteral("Delete function cancelled !")});
        return;
    }
    // While the question was open the box cannot have changed; should it name
    // another record now, nothing is written rather than the wrong record.
    if (m_records.reviewRecordNumber() != i) {
        m_console.beep();
        keepSizeWrite({QStringLiteral("Nothing deleted: the RecNum box changed.")});
        return;
    }

    RecordBoxes::showInReviewRow(m_review, QrpRecord::deleted());
    m_log.setCurrentRecord(i);
    m_log.setArciRecord(i);
    m_records.logOperationDone(m_log.deleteRecord(i));
}

bool ChangeDelete::recordNumberUsable(const QString &refused)
{
    if (m_records.reviewRecordNumber())
        return true;
    QString why = RecordNumbers::storedContactProblem(m_review.txtRecNum->text(), m_log.RecordCount());
    if (why.isEmpty())
        why = QStringLiteral("no stored record has that number.");
    m_console.beep();
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Guide, {refused + why});
    return false;
}

void ChangeDelete::keepSizeWrite(const QStringList &lines)
{
    // These lines keep the font size in force.
    m_console.writePanel(static_cast<int>(std::lround(m_panel.txtSpecs->fontSize())), lines);
}
