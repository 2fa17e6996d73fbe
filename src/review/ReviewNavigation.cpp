#include "review/ReviewNavigation.h"

#include "console/BoxFocus.h"
#include "console/RecordBoxes.h"
#include "console/frmKestrix.h"
#include "rules/RecordNumbers.h"
#include "store/Text.h"

#include <QLineEdit>
#include <QPushButton>

#include <limits>

ReviewNavigation::ReviewNavigation(frmKestrix &window) : m_window(window)
{
    connect(m_window.ui().txtRecNum, &QLineEdit::textChanged, this, &ReviewNavigation::txtRecNum_Change,
            Qt::DirectConnection);
    connect(m_window.ui().cmdPlus, &QPushButton::clicked, this, &ReviewNavigation::cmdPlus_Click);
    connect(m_window.ui().cmdMinus, &QPushButton::clicked, this, &ReviewNavigation::cmdMinus_Click);
    connect(m_window.ui().cmdReview, &QPushButton::clicked, this, &ReviewNavigation::cmdReview_Click);
}

ReviewNavigation::~ReviewNavigation() = default;

void ReviewNavigation::txtRecNum_Change()
{
    const qint32 count = m_window.RecordCount();
    const RecordNumbers::Review review = RecordNumbers::review(m_window.ui().txtRecNum->text(), count);
    LogStore &log = m_window.log();

    if (review.kind == RecordNumbers::Review::TooLarge) {
        // The records are read from the first; a number past the last is noticed
        // as soon as record 1 has been read.
        log.readRecord(1);
        m_window.beep();
        m_window.writePanel(PanelSize::Title, {QStringLiteral("Record number is too LARGE!")});
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
    m_window.setReviewShowsPlaceholder(static_cast<qint32>(n) == count);
    // Filling a box may run its own rule; the values all come from this copy.
    const QrpRecord shown = m_window.QrpRecord_();
    RecordBoxes::showInReviewRow(m_window.ui(), shown);
    // The record shown is the record read: a write-back of an emptied box relies on it.
    m_window.QrpRecord_() = shown;
}

bool ReviewNavigation::step(int by)
{
    // The counter is 16 bits wide; a step past either end is refused and the box
    // keeps its number.
    const std::optional<qint32> stepped = RecordNumbers::step(m_window.ui().txtRecNum->text(), by);
    if (!stepped) {
        m_window.beep();
        m_window.writePanel(PanelSize::Notice,
                            {QStringLiteral("Record number out of range."),
                             QStringLiteral("Enter a record number in the"), QStringLiteral("WHITE RecNum box.")});
        return false;
    }
    m_window.ui().txtRecNum->setText(Text::numberText(*stepped));
    return true;
}

void ReviewNavigation::cmdPlus_Click()
{
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Page, {QString(), QStringLiteral("Press [+] key to step through records"),
                                          QStringLiteral("that are shown in BLUE boxes.")});
    m_window.writeMode(QStringLiteral("Reviewing Records"));
    if (!step(+1))
        return;
    const qint32 count = m_window.RecordCount();
    const double now = Text::numericValue(m_window.ui().txtRecNum->text());
    if (now == count - 1) {
        m_window.beep();
        m_window.writePanel(PanelSize::Notice, {QStringLiteral("Last Record"), QStringLiteral("Press [-] key"),
                                                QStringLiteral("To reverse direction")});
    }
    if (now == count)
        m_window.ui().txtRecNum->setText(QString::number(count - 1));
}

void ReviewNavigation::cmdMinus_Click()
{
    m_window.setNewLine();
    m_window.writePanel(PanelSize::Page, {QString(), QStringLiteral("Press [-] key to step through records"),
                                          QStringLiteral("that are shown in BLUE boxes.")});
    m_window.writeMode(QStringLiteral("Reviewing Records"));
    if (!step(-1))
        return;
    const double now = Text::numericValue(m_window.ui().txtRecNum->text());
    if (now == 1) {
        m_window.beep();
        m_window.writePanel(PanelSize::Notice, {QStringLiteral("First Record"), QStringLiteral("Press [+] key"),
                                                QStringLiteral("To reverse direction")});
    }
    if (now == 0)
        m_window.ui().txtRecNum->setText(QStringLiteral("1"));
}

void ReviewNavigation::cmdReview_Click()
{
    m_window.setNewLine();
    m_window.writeMode(QStringLiteral("Reviewing Records"));
    m_window.writePanel(PanelSize::Guide, {QStringLiteral("To review records, enter record number"),
                                           QStringLiteral("in WHITE RecNum box and press"),
                                           QStringLiteral("[+] or [-] buttons to change records.")});
    BoxFocus::typeOver(m_window.ui().txtRecNum);
}
