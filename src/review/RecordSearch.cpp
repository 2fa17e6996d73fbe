#include "review/RecordSearch.h"

#include "widgets/BoxFocus.h"
#include "widgets/KeyRewrite.h"
#include "widgets/RecordBoxes.h"

#include "scoring/EntryRules.h"
#include "store/LogStore.h"
#include "store/Text.h"
#include "widgets/ConsoleOutput.h"
#include "widgets/DisplayPanel.h"
#include "widgets/PanelControls.h"
#include "widgets/PanelSize.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>
#include <cstring>

namespace {

// The field's bytes without leading and trailing blanks equal the key.
bool trimmedEquals(const char *field, int width, const QByteArray &key)
{
    const char *first = field;
    const char *last = field + width;
    while (first < last && *first == ' ')
        ++first;
    while (last > first && last[-1] == ' ')
        --last;
    return last - first == key.size() && std::memcmp(first, key.constData(), key.size()) == 0;
}

// The same test, quick for the common case: a key without blanks at its ends
// equals a field when it follows the field's leading blanks and only blanks
// follow it.
struct FieldMatcher {
    QByteArray key;
    bool plain; // not empty, no blank at either end

    explicit FieldMatcher(const QByteArray &k) : key(k), plain(!k.isEmpty() && k.front() != ' ' && k.back() != ' ') {}

    bool operator()(const char *record, QrpRecord::Field f) const
    {
        const QrpRecord::Layout l = QrpRecord::layout[f];
        const char *field = record + l.offset;
        if (!plain)
            return trimmedEquals(field, l.width, key);
        int at = 0;
        while (at < l.width && field[at] == ' ')
            ++at;
        const int k = int(key.size());
        if (l.width - at < k || field[at] != key[0] || std::memcmp(field + at, key.constData(), k) != 0)
            return false;
        for (int i = at + k; i < l.width; ++i)
            if (field[i] != ' ')
                return false;
        return true;
    }

    // Call sign, ARCI number or S-P-C. Most records are ruled out by the first
    // character of the three fields alone.
    bool matches(const char *record) const
    {
        if (plain) {
            const char first = key[0];
            auto couldStart = [&](QrpRecord::Field f) {
                const char c = record[QrpRecord::layout[f].offset];
                return c == first || c == ' ';
            };
            if (!couldStart(QrpRecord::Callsign) && !couldStart(QrpRecord::Arci) && !couldStart(QrpRecord::SPC))
                return false;
        }
        return (*this)(record, QrpRecord::Callsign) || (*this)(record, QrpRecord::Arci) ||
               (*this)(record, QrpRecord::SPC);
    }
};

void appendField(QString &list, QLatin1StringView label, const QrpRecord &record, QrpRecord::Field field,
                 const QString &newLine)
{
    const QrpRecord::Layout l = QrpRecord::layout[field];
    list += label;
    list += QLatin1StringView(" = ");
    list += QLatin1StringView(record.data() + l.offset, l.width);
    list += newLine;
}

} // namespace

RecordSearch::RecordSearch(LogStore &log, const ReviewRowControls &review, const FrontPanelControls &panel,
                           ConsoleOutput &console)
    : m_log(log), m_review(review), m_panel(panel), m_console(console)
{
    connect(m_review.cmdSearch, &QPushButton::clicked, this, &RecordSearch::cmdSearch_Click);
    connect(m_review.txtSearchInfo, &QLineEdit::textChanged, this, &RecordSearch::txtSearchInfo_Change,
            Qt::DirectConnection);
    // The entry boxes' rule, so that what they stored can be found: one for one, and
    // a letter whose capital the log cannot hold (y diaeresis, micro sign) as typed.
    KeyRewrite::upperCaseKeys(this)->watch(m_review.txtSearchInfo);
}

RecordSearch::~RecordSearch() = default;

void RecordSearch::cmdSearch_Click()
{
    // Emptying a box that held text runs a search for the empty text; the
    // instructions below replace whatever it listed.
    m_review.txtSearchInfo->setText(QString());
    m_console.setNewLine();
    m_console.writeMode(QStringLiteral("Searching Records"));
    m_console.writePanel(PanelSize::Guide, {QStringLiteral("Enter a CALLSIGN, ARCI # or SPC"),
                                            QStringLiteral("in the Zell   ON/OFF  button."),
                                            QStringLiteral("Press the SEARCH button again to"),
                                            QStringLiteral("Clear screen or search again."),
                                            QStringLiteral("Make note of the RECORD NUMBER if DELETING records.")});
    BoxFocus::typeOver(m_review.txtSearchInfo);
}

void RecordSearch::appendBlock(QString &list, qint32 number, const QrpRecord &record, const QString &newLine)
{
    list += QLatin1StringView("Record Number = ");
    list += Text::numberText(number);
    list += newLine;
    for (const RecordBox &b : RecordBoxes::table)
        appendField(list, QLatin1StringView(b.label), record, b.field, newLine);
    list += QLatin1StringView(" ==================================");
}

void RecordSearch::txtSearchInfo_Change()
{
    const QString t = m_review.txtSearchInfo->text();
    QString list;
    m_console.setNewLine();
    const QString &newLine = m_console.NewLine;

    // The log holds Latin-1 bytes; a text with any other character matches no field.
    bool searchable = true;
    for (QChar c : t)
        searchable = searchable && c.unicode() < 256;
    const FieldMatcher matcher(Latin1::encode(t));

    // Records 1 to RecordCount, the placeholder included, compared in place; the
    // record buffer ends holding the last one read.
    const qint32 count = m_log.RecordCount();
    qint32 last = 0;
    m_log.scanRaw(1, count, [&](qint32 n, const char *record) {
        if (searchable && matcher.matches(record)) {
            appendBlock(list, n, QrpRecord::fromBytes(record, QrpRecord::Size), newLine);
            list += newLine;
            last = n;
        }
        return true;
    });

    // The panel keeps the size in force (the Search button left it at 8 points).
    const int size = static_cast<int>(std::lround(m_panel.txtSpecs->fontSize()));
    if (last == 0) {
        m_console.writePanel(
            size, {QString(), QStringLiteral("Sorry, no records match"), QStringLiteral("your search criteria.")});
        return;
    }
    // The caption names the last match, in the form the record position uses.
    m_console.writeCaption(QStringLiteral("Record ") + Text::numberText(last) + QStringLiteral("/") +
                           Text::numberText(count));
    m_console.writePanel(size, {list});
}
