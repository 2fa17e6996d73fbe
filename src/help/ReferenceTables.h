#pragma once
// The three reference tables: the RST system, the Canadian province codes and
// the U.S. state codes, as the reference windows show them.

#include <QList>
#include <QString>
#include <QStringList>

namespace ReferenceTables {

struct Abbreviation {
    QString name;
    QString code;
};

// The RST system, 29 lines, the blank lines empty.
const QStringList &rstLines();
// The eleven provinces and territories, three-letter codes.
const QList<Abbreviation> &provinces();
// The 50 states, District of Columbia, Puerto Rico and the Virgin Islands, two-letter codes.
const QList<Abbreviation> &states();

// The texts the windows show, lines joined by carriage return + line feed.
// No line break after the last line of the RST and province texts; the state
// text ends every line with one, the last included.
QString rstText();
QString provincesText();
QString statesText();

} // namespace ReferenceTables
