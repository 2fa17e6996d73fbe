// The main window's five procedures between the boxes and the log files: the
// four Save procedures fill the shared record and line and set the record
// number; the store writes them as one operation.

#include "console/frmKestrix.h"

#include "rules/RecordNumbers.h"
#include "store/Text.h"
#include "widgets/DisplayPanel.h"
#include "widgets/RecordBoxes.h"

#include <QLineEdit>

#include <cmath>

std::optional<qint32> frmKestrix::reviewRecordNumber() const
{
    // Record RecordCount is the placeholder that takes the next contact: it is
    // shown, never written from the review row.
    return RecordNumbers::storedContact(m_ui.txtRecNum->text(), m_log->RecordCount());
}

void frmKestrix::SaveCurrentRecord()
{
    // New contacts go into the placeholder record only: the store refuses any
    // other number, which would overwrite a stored contact or leave a gap in the log.
    m_log->setCurrentRecord(Text::wholeValue(m_ui.txtRecNumber->text()).value_or(0));
    QrpRecord_() = QrpRecord(RecordBoxes::entryRow(m_ui, m_ui));
}

void frmKestrix::SaveArciFile()
{
    setNewLine();
    m_log->setArciRecord(Text::wholeValue(m_ui.txtRecNumber->text()).value_or(0));
    m_log->ArciLine_ = ArciLine::fromValues(RecordBoxes::entryRow(m_ui, m_ui));
}

void frmKestrix::SaveExistingRecord()
{
    QrpRecord_() = QrpRecord(RecordBoxes::reviewRow(m_ui));
    if (m_ui.txtRecNum->text().isEmpty())
        m_ui.txtRecNum->setText(QStringLiteral("1")); // shows record 1, which is then written back as read
    // A number that addresses no stored record (0 here) writes nothing: no record
    // below 1, none between records, and no gap past the end of the log.
    m_log->setCurrentRecord(reviewRecordNumber().value_or(0));
}

void frmKestrix::SaveExistingArci()
{
    m_log->ArciLine_ = ArciLine::rewrittenFrom(RecordBoxes::reviewRow(m_ui));
    if (m_ui.txtRecNum->text().isEmpty())
        m_ui.txtRecNum->setText(QStringLiteral("1"));
    m_log->setArciRecord(reviewRecordNumber().value_or(0));
}

void frmKestrix::ShowCurrentRecord()
{
    m_log->readRecord(CurrentRecord());
    // The change rules of the boxes read other records into the shared buffer, so
    // the values come from a copy of the record read here.
    const QrpRecord shown = QrpRecord_();
    RecordBoxes::showInEntryRow(m_ui, shown);
    if (CurrentRecord() == RecordCount())
        RecordBoxes::emptyEntryRow(m_ui); // the placeholder keeps its band only
    setNewLine();
    m_ui.txtSpecs->setFontSize(PanelSize::Title);
    m_ui.txtSpecs->setText(titleText());
    setWindowTitle(QStringLiteral("Record ") + Text::numberText(CurrentRecord()) + QStringLiteral("/") +
                   Text::numberText(RecordCount()));
}
