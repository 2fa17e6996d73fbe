#include "review/ChangeDelete.h"

#include "console/BoxFocus.h"
#include "console/DisplayPanel.h"
#include "console/RecordBoxes.h"
#include "console/frmKestrix.h"
#include "platform/Confirmation.h"
#include "rules/RecordNumbers.h"
#include "store/Text.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

ChangeDelete::ChangeDelete(frmKestrix &window) : m_window(window)
{
    connect(m_window.ui().cmdChangeRecord, &QPushButton::clicked, this, &ChangeDelete::cmdChangeRecord_Click);
    connect(m_window.ui().cmdDeleteRecord, &QPushButton::clicked, this, &ChangeDelete::cmdDeleteRecord_Click);
    m_window.ui().cmdChangeRecord->installEventFilter(this);
    m_window.ui().cmdDeleteRecord->installEventFilter(this);
}

ChangeDelete::~ChangeDelete() = default;

bool ChangeDelete::eventFilter(QObject *watched, QEvent *event)
{
    // Every press counts, the second of a quick pair included.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent *>(event)->button();
    if (watched == m_window.ui().cmdChangeRecord)
        cmdChangeRecord_MouseDown(button);
    else if (watched == m_window.ui().cmdDeleteRecord)
        cmdDeleteRecord_MouseDown(button);
    else
        return false;
    // The left button goes on to the button itself, whose click shows the instructions.
    return button == Qt::RightButton;
}

void ChangeDelete::cmdChangeRecord_Click()
{
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Changing Record"));
    m_window.writePanel(PanelSize::Guide,
                        {QStringLiteral("Get RECORD NUMBER using the SEARCH function"),
                         QStringLiteral("Enter the RECORD NUMBER in the"), QStringLiteral("WHITE RecNum box."),
                         QStringLiteral("RIGHT CLICK  [CHANGE]  button to SAVE changes.")});
    BoxFocus::typeOver(m_window.ui().txtRecNum);
}

void ChangeDelete::cmdChangeRecord_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    if (!recordNumberUsable(QStringLiteral("Nothing changed: ")))
        return;
    const qint32 number = *m_window.reviewRecordNumber();
    m_window.log().setCurrentRecord(number);
    m_window.log().setArciRecord(number);
    m_window.SaveExistingRecord();
    m_window.SaveExistingArci();
    m_window.logOperationDone(m_window.log().rewriteRecord(number, m_window.QrpRecord_(), m_window.log().ArciLine_));
}

void ChangeDelete::cmdDeleteRecord_Click()
{
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Deleting Record"));
    m_window.writePanel(PanelSize::Guide, {QStringLiteral("To DELETE a record, display the record"),
                                           QStringLiteral("in the BLUE BOXES by inserting the"),
                                           QStringLiteral("RECORD # in the WHITE RecNum box."),
                                           QStringLiteral("RIGHT CLICK  [DELETE]  Button to delete.")});
    BoxFocus::typeOver(m_window.ui().txtRecNum);
}

void ChangeDelete::cmdDeleteRecord_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    m_window.setNewLine();
    if (!recordNumberUsable(QStringLiteral("Nothing deleted: ")))
        return;
    // The record announced is the record written: the box names record i exactly.
    const qint32 i = *m_window.reviewRecordNumber();
    m_window.log().readRecord(i);
    keepSizeWrite({QString(), QStringLiteral("Deleting Record Number ") + Text::numberText(i)});
    m_window.log().setCurrentRecord(i);

    const bool yes = m_window.platform().confirmation.askYesNo(&m_window, QStringLiteral("Delete this record?"),
                                                               QStringLiteral("Kestrix"));
    if (!yes) {
        BoxFocus::typeOver(m_window.ui().txtRecNumber);
        m_window.setNewLine();
        keepSizeWrite({QString(), QStringLiteral("Delete function cancelled !")});
        return;
    }
    // While the question was open the box cannot have changed; should it name
    // another record now, nothing is written rather than the wrong record.
    if (m_window.reviewRecordNumber() != i) {
        m_window.beep();
        keepSizeWrite({QStringLiteral("Nothing deleted: the RecNum box changed.")});
        return;
    }

    RecordBoxes::showInReviewRow(m_window.ui(), QrpRecord::deleted());
    m_window.log().setCurrentRecord(i);
    m_window.log().setArciRecord(i);
    m_window.logOperationDone(m_window.log().deleteRecord(i));
}

bool ChangeDelete::recordNumberUsable(const QString &refused)
{
    if (m_window.reviewRecordNumber())
        return true;
    QString why = RecordNumbers::storedContactProblem(m_window.ui().txtRecNum->text(), m_window.RecordCount());
    if (why.isEmpty())
        why = QStringLiteral("no stored record has that number.");
    m_window.beep();
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Guide, {refused + why});
    return false;
}

void ChangeDelete::keepSizeWrite(const QStringList &lines)
{
    // These lines keep the font size in force.
    m_window.writePanel(static_cast<int>(std::lround(m_window.ui().txtSpecs->fontSize())), lines);
}
