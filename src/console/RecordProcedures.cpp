// The main window's five procedures between the boxes and the log files.

#include "frmKestrix.h"

#include "DisplayPanel.h"
#include "Text.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>


std::optional<qint32> frmKestrix::reviewRecordNumber() const
{
    // Record RecordCount is the placeholder that takes the next contact: it is
    // shown, never written from the review row.
    const double value = Text::numericValue(m_ui.txtRecNum->text());
    if (value != std::floor(value) || value < 1 || value > m_log->RecordCount - 1)
        return std::nullopt;
    return static_cast<qint32>(value);
}

void frmKestrix::SaveCurrentRecord()
{
    const auto number = Text::wholeValue(m_ui.txtRecNumber->text());
    // New contacts go into the placeholder record only: any other number would
    // overwrite a stored contact or leave a gap in the log.
    if (!number || *number != m_log->RecordCount)
        return;
    CurrentRecord() = *number;
    QrpRecord &r = QrpRecord_();
    r.set(QrpRecord::Callsign, m_ui.txtCallsign->text());
    r.set(QrpRecord::Arci, m_ui.txtArci->text());
    r.set(QrpRecord::Power, m_ui.txtPower->text());
    r.set(QrpRecord::SPC, m_ui.txtSpc->text());
    r.set(QrpRecord::RstSent, m_ui.txtRstSent->text());
    r.set(QrpRecord::RstRcvd, m_ui.txtRstRcvd->text());
    r.set(QrpRecord::Band, m_ui.txtBand->text());
    r.set(QrpRecord::QsoDate, m_ui.lblDate->text());
    r.set(QrpRecord::QsoTime, m_ui.lblClock->text().left(8));
    r.set(QrpRecord::Points, m_ui.txtPoints->text());
    r.set(QrpRecord::Multiplier, m_ui.txtMultiplier->text());
    if (!m_log->writeRecord(CurrentRecord()))
        return;
    m_log->reopenQrp();
}

void frmKestrix::SaveArciFile()
{
    setNewLine();
    const auto number = Text::wholeValue(m_ui.txtRecNumber->text());
    if (!number || *number < 1 || *number > m_log->RecordCount)
        return;
    m_log->ArciRecord = *number;
    ArciLine &line = m_log->ArciLine_;
    line = ArciLine();
    line.set(ArciLine::QsoDate, m_ui.lblDate->text());
    line.set(ArciLine::QsoTime, m_ui.lblClock->text().left(8));
    line.set(ArciLine::Callsign, m_ui.txtCallsign->text());
    line.set(ArciLine::Band, m_ui.txtBand->text());
    line.set(ArciLine::RstRcvd, m_ui.txtRstRcvd->text());
    line.set(ArciLine::SPC, m_ui.txtSpc->text());
    line.set(ArciLine::Arci, m_ui.txtArci->text());
    line.set(ArciLine::Power, m_ui.txtPower->text());
    line.set(ArciLine::RstSent, m_ui.txtRstSent->text());
    line.set(ArciLine::Points, m_ui.txtPoints->text());
    line.set(ArciLine::Multiplier, m_ui.txtMultiplier->text());
    if (!m_log->writeArciLine(m_log->ArciRecord))
        return;
    m_log->reopenArci();
}

void frmKestrix::SaveExistingRecord()
{
    QrpRecord row;
    row.set(QrpRecord::Callsign, m_ui.txtCall->text());
    row.set(QrpRecord::Arci, m_ui.txtClub->text());
    row.set(QrpRecord::Power, m_ui.txtPwr->text());
    row.set(QrpRecord::SPC, m_ui.txtLocale->text());
    row.set(QrpRecord::RstSent, m_ui.txtRstS->text());
    row.set(QrpRecord::RstRcvd, m_ui.txtRstR->text());
    row.set(QrpRecord::Band, m_ui.txtBnd->text());
    row.set(QrpRecord::QsoDate, m_ui.txtCalendar->text());
    row.set(QrpRecord::QsoTime, m_ui.txtClock->text());
    row.set(QrpRecord::Points, m_ui.txtPts->text());
    row.set(QrpRecord::Multiplier, m_ui.txtMult->text());
    QrpRecord_() = row;
    if (m_ui.txtRecNum->text().isEmpty())
        m_ui.txtRecNum->setText(QStringLiteral("1")); // shows record 1, which is then written back as read
    // A number that addresses no stored record writes nothing: no record below 1,
    // none between records, and no gap past the end of the log.
    const auto number = reviewRecordNumber();
    if (!number)
        return;
    CurrentRecord() = *number;
    if (!m_log->writeRecord(CurrentRecord()))
        return;
    m_log->reopenQrp();
}

void frmKestrix::SaveExistingArci()
{
    ArciLine &line = m_log->ArciLine_;
    line = ArciLine();
    line.set(ArciLine::Callsign, m_ui.txtCall->text());
    line.set(ArciLine::Arci, m_ui.txtClub->text());
    line.set(ArciLine::Power, m_ui.txtPwr->text());
    line.set(ArciLine::SPC, m_ui.txtLocale->text());
    line.set(ArciLine::RstSent, m_ui.txtRstS->text());
    line.set(ArciLine::RstRcvd, m_ui.txtRstR->text());
    line.set(ArciLine::Band, m_ui.txtBnd->text());
    line.set(ArciLine::QsoDate, m_ui.txtCalendar->text());
    line.set(ArciLine::QsoTime, m_ui.txtClock->text());
    line.set(ArciLine::Points, m_ui.txtPts->text());
    line.set(ArciLine::Multiplier, m_ui.txtMult->text());
    if (m_ui.txtCall->text() == QStringLiteral("DELETED")) {
        line.set(ArciLine::Callsign, QString());
        line.set(ArciLine::QsoDate, QStringLiteral("DELETED"));
    }
    if (m_ui.txtRecNum->text().isEmpty())
        m_ui.txtRecNum->setText(QStringLiteral("1"));
    const auto number = reviewRecordNumber();
    if (!number)
        return;
    m_log->ArciRecord = *number;
    if (!m_log->writeArciLine(m_log->ArciRecord))
        return;
    m_log->reopenArci();
}

void frmKestrix::ShowCurrentRecord()
{
    m_log->readRecord(CurrentRecord());
    // The change rules of the boxes read other records into the shared buffer, so
    // the values come from a copy of the record read here.
    const QrpRecord shown = QrpRecord_();
    m_ui.txtCallsign->setText(shown.value(QrpRecord::Callsign));
    m_ui.txtArci->setText(shown.value(QrpRecord::Arci));
    m_ui.txtPower->setText(shown.value(QrpRecord::Power));
    m_ui.txtSpc->setText(shown.value(QrpRecord::SPC));
    m_ui.txtRstSent->setText(shown.value(QrpRecord::RstSent));
    m_ui.txtRstRcvd->setText(shown.value(QrpRecord::RstRcvd));
    m_ui.txtBand->setText(shown.value(QrpRecord::Band));
    m_ui.txtDate->setText(shown.value(QrpRecord::QsoDate));
    m_ui.txtTime->setText(shown.value(QrpRecord::QsoTime));
    m_ui.txtPoints->setText(shown.value(QrpRecord::Points));
    m_ui.txtMultiplier->setText(shown.value(QrpRecord::Multiplier));
    if (CurrentRecord() == RecordCount()) {
        for (QLineEdit *box : {m_ui.txtCallsign, m_ui.txtArci, m_ui.txtPower, m_ui.txtSpc, m_ui.txtRstSent, m_ui.txtRstRcvd, m_ui.txtDate, m_ui.txtTime,
                               m_ui.txtPoints, m_ui.txtMultiplier})
            box->setText(QString());
    }
    setNewLine();
    m_ui.txtSpecs->setFontSize(18);
    m_ui.txtSpecs->setText(titleText());
    setWindowTitle(QStringLiteral("Record ") + Text::numberText(CurrentRecord()) + QStringLiteral("/") +
                   Text::numberText(RecordCount()));
}
