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
    const double value = Text::numericValue(txtRecNum->text());
    if (value != std::floor(value) || value < 1 || value > m_log->RecordCount - 1)
        return std::nullopt;
    return static_cast<qint32>(value);
}

void frmKestrix::SaveCurrentRecord()
{
    const auto number = Text::wholeValue(txtRecNumber->text());
    // New contacts go into the placeholder record only: any other number would
    // overwrite a stored contact or leave a gap in the log.
    if (!number || *number != m_log->RecordCount)
        return;
    CurrentRecord() = *number;
    QrpRecord &r = QrpRecord_();
    r.set(QrpRecord::Callsign, txtCallsign->text());
    r.set(QrpRecord::Arci, txtArci->text());
    r.set(QrpRecord::Power, txtPower->text());
    r.set(QrpRecord::SPC, txtSpc->text());
    r.set(QrpRecord::RstSent, txtRstSent->text());
    r.set(QrpRecord::RstRcvd, txtRstRcvd->text());
    r.set(QrpRecord::Band, txtBand->text());
    r.set(QrpRecord::QsoDate, lblDate->text());
    r.set(QrpRecord::QsoTime, lblClock->text().left(8));
    r.set(QrpRecord::Points, txtPoints->text());
    r.set(QrpRecord::Multiplier, txtMultiplier->text());
    if (!m_log->writeRecord(CurrentRecord()))
        return;
    m_log->reopenQrp();
}

void frmKestrix::SaveArciFile()
{
    setNewLine();
    const auto number = Text::wholeValue(txtRecNumber->text());
    if (!number || *number < 1 || *number > m_log->RecordCount)
        return;
    m_log->ArciRecord = *number;
    ArciLine &line = m_log->ArciLine_;
    line = ArciLine();
    line.set(ArciLine::QsoDate, lblDate->text());
    line.set(ArciLine::QsoTime, lblClock->text().left(8));
    line.set(ArciLine::Callsign, txtCallsign->text());
    line.set(ArciLine::Band, txtBand->text());
    line.set(ArciLine::RstRcvd, txtRstRcvd->text());
    line.set(ArciLine::SPC, txtSpc->text());
    line.set(ArciLine::Arci, txtArci->text());
    line.set(ArciLine::Power, txtPower->text());
    line.set(ArciLine::RstSent, txtRstSent->text());
    line.set(ArciLine::Points, txtPoints->text());
    line.set(ArciLine::Multiplier, txtMultiplier->text());
    if (!m_log->writeArciLine(m_log->ArciRecord))
        return;
    m_log->reopenArci();
}

void frmKestrix::SaveExistingRecord()
{
    QrpRecord row;
    row.set(QrpRecord::Callsign, txtCall->text());
    row.set(QrpRecord::Arci, txtClub->text());
    row.set(QrpRecord::Power, txtPwr->text());
    row.set(QrpRecord::SPC, txtLocale->text());
    row.set(QrpRecord::RstSent, txtRstS->text());
    row.set(QrpRecord::RstRcvd, txtRstR->text());
    row.set(QrpRecord::Band, txtBnd->text());
    row.set(QrpRecord::QsoDate, txtCalendar->text());
    row.set(QrpRecord::QsoTime, txtClock->text());
    row.set(QrpRecord::Points, txtPts->text());
    row.set(QrpRecord::Multiplier, txtMult->text());
    QrpRecord_() = row;
    if (txtRecNum->text().isEmpty())
        txtRecNum->setText(QStringLiteral("1")); // shows record 1, which is then written back as read
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
    line.set(ArciLine::Callsign, txtCall->text());
    line.set(ArciLine::Arci, txtClub->text());
    line.set(ArciLine::Power, txtPwr->text());
    line.set(ArciLine::SPC, txtLocale->text());
    line.set(ArciLine::RstSent, txtRstS->text());
    line.set(ArciLine::RstRcvd, txtRstR->text());
    line.set(ArciLine::Band, txtBnd->text());
    line.set(ArciLine::QsoDate, txtCalendar->text());
    line.set(ArciLine::QsoTime, txtClock->text());
    line.set(ArciLine::Points, txtPts->text());
    line.set(ArciLine::Multiplier, txtMult->text());
    if (txtCall->text() == QStringLiteral("DELETED")) {
        line.set(ArciLine::Callsign, QString());
        line.set(ArciLine::QsoDate, QStringLiteral("DELETED"));
    }
    if (txtRecNum->text().isEmpty())
        txtRecNum->setText(QStringLiteral("1"));
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
    txtCallsign->setText(shown.value(QrpRecord::Callsign));
    txtArci->setText(shown.value(QrpRecord::Arci));
    txtPower->setText(shown.value(QrpRecord::Power));
    txtSpc->setText(shown.value(QrpRecord::SPC));
    txtRstSent->setText(shown.value(QrpRecord::RstSent));
    txtRstRcvd->setText(shown.value(QrpRecord::RstRcvd));
    txtBand->setText(shown.value(QrpRecord::Band));
    txtDate->setText(shown.value(QrpRecord::QsoDate));
    txtTime->setText(shown.value(QrpRecord::QsoTime));
    txtPoints->setText(shown.value(QrpRecord::Points));
    txtMultiplier->setText(shown.value(QrpRecord::Multiplier));
    if (CurrentRecord() == RecordCount()) {
        for (QLineEdit *box : {txtCallsign, txtArci, txtPower, txtSpc, txtRstSent, txtRstRcvd, txtDate, txtTime,
                               txtPoints, txtMultiplier})
            box->setText(QString());
    }
    setNewLine();
    txtSpecs->setFontSize(18);
    txtSpecs->setText(titleText());
    setWindowTitle(QStringLiteral("Record ") + Text::numberText(CurrentRecord()) + QStringLiteral("/") +
                   Text::numberText(RecordCount()));
}
