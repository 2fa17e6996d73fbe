#include "review/ReviewNavigation.h"

#include "rules/RecordNumbers.h"
#include "store/LogStore.h"
#include "store/Text.h"
#include "widgets/BoxFocus.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"
#include "widgets/RecordBoxes.h"
#include "widgets/RecordKeeping.h"

#include <QLineEdit>
#include <QPushButton>

#include <limits>

ReviewNavigation::ReviewNavigation(LogStore &log, const ReviewRowControls &review, RecordKeeping &records,
                                   ConsoleOutput &console)
    : m_log(log), m_review(review), m_records(records), m_console(console)
{
    connect(m_review.txtRecNum, &QLineEdit::textChanged, this, &ReviewNavigation::txtRecNum_Change,
            Qt::DirectConnection);
    connect(m_review.cmdPlus, &QPushButton::clicked, this, &ReviewNavigation::cmdPlus_Click);
    connect(m_review.cmdMinus, &QPushButton::clicked, this, &ReviewNavigation::cmdMinus_Click);
    connect(m_review.cmdReview, &QPushButton::clicked, this, &ReviewNavigation::cmdReview_Click);
}

ReviewNavigation::~ReviewNavigation() = default;

void ReviewNavigation::txtRecNum_Change()
{
    const qint32 count = m_log.RecordCount();
    const RecordNumbers::Review review = RecordNumbers::review(m_review.txtRecNum->text(), count);
    LogStore &log = m_log;

    if (review.kind == RecordNumbers::Review::TooLarge) {
        // The records are read from the first; a number past the last is noticed
        // as soon as record 1 has been read.
        log.readRecord(1);
        m_console.beep();
        m_console.writePanel(PanelSize::Title, {QStringLiteral("Record number is too LARGE!")});
        return;
    }
    if (review.kind == RecordNumbers::Review::NoRecord) {
        // No record has this number: the whole log has been read for nothing and the
        // review row keeps what it showed.
        log.readRecord(count);
        return;
    }
    const qint32 n = review.record;

    log.readRecord(static_cast<qint32>(n));
    m_records.setReviewShowsPlaceholder(static_cast<qint32>(n) == count);
    // Filling a box may run its own rule; the values all come from this copy.
    const QrpRecord shown = m_log.QrpRecord_;
    RecordBoxes::showInReviewRow(m_review, shown);
    // The record shown is the record read: a write-back of an emptied box relies on it.
    m_log.QrpRecord_ = shown;
}

bool ReviewNavigation::step(int by)
{
    // The counter is 16 bits wide; a step past either end is refused and the box
    // keeps its number.
    const std::optional<qint32> stepped = RecordNumbers::step(m_review.txtRecNum->text(), by);
    if (!stepped) {
        m_console.beep();
        m_console.writePanel(PanelSize::Notice,
                             {QStringLiteral("Record number out of range."),
                              QStringLiteral("Enter a record number in the"), QStringLiteral("WHITE RecNum box.")});
        return false;
    }
    m_review.txtRecNum->setText(Text::numberText(*stepped));
    return true;
}

void ReviewNavigation::cmdPlus_Click()
{
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Page, {QString(), QStringLiteral("Press [+] key to step through records"),
                                           QStringLiteral("that are shown in BLUE boxes.")});
    m_console.writeMode(QStringLiteral("Reviewing Records"));
    if (!step(+1))
        return;
    const qint32 count = m_log.RecordCount();
    const double now = Text::numericValue(m_review.txtRecNum->text());
    if (now == count - 1) {
        m_console.beep();
        m_console.writePanel(PanelSize::Notice, {QStringLiteral("Last Record"), QStringLiteral("Press [-] key"),
                                                 QStringLiteral("To reverse direction")});
    }
    if (now == count)
        m_review.txtRecNum->setText(QString::number(count - 1));
}

void ReviewNavigation::cmdMinus_Click()
{
    m_console.setNewLine();
    m_console.writePanel(PanelSize::Page, {QString(), QStringLiteral("Press [-] key to step through records"),
                                           QStringLiteral("that are shown in BLUE boxes.")});
    m_console.writeMode(QStringLiteral("Reviewing Records"));
    if (!step(-1))
        return;
    const double now = Text::numericValue(m_review.txtRecNum->text());
    if (now == 1) {
        m_console.beep();
        m_console.writePanel(PanelSize::Notice, {QStringLiteral("First Record"), QStringLiteral("Press [+] key"),
                                                 QStringLiteral("To reverse direction")});
    }
    if (now == 0)
        m_review.txtRecNum->setText(QStringLiteral("1"));
}

void ReviewNavigation::cmdReview_Click()
{
    m_console.setNewLine();
    m_console.writeMode(QStringLiteral("Reviewing Records"));
    m_console.writePanel(PanelSize::Guide, {QStringLiteral("To review records, enter record number"),
                                            QStringLiteral("in WHITE RecNum box and press"),
                                            QStringLiteral("[+] or [-] buttons to change records.")});
    BoxFocus::typeOver(m_review.txtRecNum);
}
