#pragma once
// The S-P-C abbreviations of the program's reference tables: the two-letter
// U.S. states (with DC, Puerto Rico and the Virgin Islands) and the three-letter
// Canadian provinces, with each province's two-letter postal code.

#include <QString>

namespace SpcTable {
// The ADIF STATE value for an S-P-C: a state as it is, a province as its postal
// code (ALB as AB, QUE as QC). Empty for anything not in the two tables.
QString adifState(const QString &spc);
} // namespace SpcTable
