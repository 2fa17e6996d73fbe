#pragma once
// What the band log sheet says and where: the header, the column heads, one line
// per contact of the band and the totals, placed at character columns of the
// printing font. Measuring and drawing belong to LogSheetRenderer; this class
// only decides which text goes to which line and column.

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QrpRecord;

// One text placed at a character column (column 1 is the left edge).
struct LogSheetText {
    int column = 1;
    QString text;
    bool operator==(const LogSheetText &o) const { return column == o.column && text == o.text; }
};

// One printed line: its texts, left to right.
using LogSheetLine = QList<LogSheetText>;

class LogSheetLayout {
  public:
    // The fields of the print-options dialog, as typed.
    struct Header {
        QString contestName, date, call, spc, number, band, mode;
    };
    // The printed values of one contact, blanks removed at both ends.
    struct Contact {
        QString date, time, call, rstRcvd, spc, arciOrPower, rstSent, points, multiplier;
    };
    // Width of a text in columns (average character widths of the printing font).
    using Measure = std::function<qreal(const QString &)>;

    static constexpr int RuleLength = 86;
    static constexpr int HeaderLines = 12; // when no item had to move to the next line

    // The contact a stored record prints as on the sheet of `band`, or nothing when
    // the record is not on that band (exact comparison of the trimmed Band field
    // with the whole band text) or has no call sign. A blank ARCI field shows
    // the power in its place.
    static std::optional<Contact> select(const QrpRecord &record, const QString &band);

    // Every line of the sheet from the top of the first page. An item whose column
    // the line has already passed goes to that column of the next line.
    static QList<LogSheetLine> lines(const Header &header, const QList<Contact> &contacts, const Measure &measure);

    // The lines cut into pages of linesPerPage lines; the header is printed once,
    // so later pages start with whatever line comes next.
    static QList<QList<LogSheetLine>> pages(const QList<LogSheetLine> &lines, int linesPerPage);

    // The two totals: the Points and Multiplier values added up, each running sum
    // rounded to a whole number, halves to even.
    static qint64 pointsTotal(const QList<Contact> &contacts);
    static qint64 multiplierTotal(const QList<Contact> &contacts);

    // The text at a column of a line, or a null string.
    static QString textAt(const LogSheetLine &line, int column);
};
