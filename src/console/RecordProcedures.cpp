// The main window's five procedures between the boxes and the log files.

#include "console/frmKestrix.h"

#include "console/DisplayPanel.h"
#include "console/RecordBoxes.h"
#include "rules/RecordNumbers.h"
#include "store/Text.h"

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
    const auto number = Text::wholeValue(m_ui.txtRecNumber->text());
    // New contacts go into the placeholder record only: any other number would
    // overwrite a stored contact or leave a gap in the log.
    if (!number || *number != m_log->RecordCount())
        return;
    m_log->setCurrentRecord(*number);
    QrpRecord_() = QrpRecord(RecordBoxes::entryRow(m_ui));
    if (!m_log->writeRecord(CurrentRecord()))
        return;
    m_log->reopenQrp();
}

void frmKestrix::SaveArciFile()
{
    setNewLine();
    const auto number = Text::wholeValue(m_ui.txtRecNumber->text());
    if (!number || *number < 1 || *number > m_log->RecordCount())
        return;
    m_log->setArciRecord(*number);
    m_log->ArciLine_ = LogStore::lineOf(RecordBoxes::entryRow(m_ui));
    if (!m_log->writeArciLine(m_log->ArciRecord()))
        return;
    m_log->reopenArci();
}

void frmKestrix::SaveExistingRecord()
{
    QrpRecord_() = QrpRecord(RecordBoxes::reviewRow(m_ui));
    if (m_ui.txtRecNum->text().isEmpty())
        m_ui.txtRecNum->setText(QStringLiteral("1")); // shows record 1, which is then written back as read
    // A number that addresses no stored record writes nothing: no record below 1,
    // none between records, and no gap past the end of the log.
    const auto number = reviewRecordNumber();
    if (!number)
        return;
    m_log->setCurrentRecord(*number);
    if (!m_log->writeRecord(CurrentRecord()))
        return;
    m_log->reopenQrp();
}

void frmKestrix::SaveExistingArci()
{
    m_log->ArciLine_ = LogStore::rewrittenLineOf(RecordBoxes::reviewRow(m_ui));
    if (m_ui.txtRecNum->text().isEmpty())
        m_ui.txtRecNum->setText(QStringLiteral("1"));
    const auto number = reviewRecordNumber();
    if (!number)
        return;
    m_log->setArciRecord(*number);
    if (!m_log->writeArciLine(m_log->ArciRecord()))
        return;
    m_log->reopenArci();
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
