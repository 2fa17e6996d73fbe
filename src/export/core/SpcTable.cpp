#include "export/core/SpcTable.h"

#include <array>

namespace {

// In the order of the state abbreviations window.
constexpr std::array<const char *, 53> states{{
    "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID", "IL", "IN", "IA", "KS", "KY",
    "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH",
    "OK", "OR", "PA", "PR", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "VI", "WA", "WV", "WI", "WY",
}};

struct Province {
    const char *code;   // as typed into the S-P-C box
    const char *postal; // Canada Post abbreviation, used by ADIF
};

// In the order of the Canadian provinces window.
constexpr std::array<Province, 11> provinces{{
    {"ALB", "AB"},
    {"BRC", "BC"},
    {"MAN", "MB"},
    {"NBR", "NB"},
    {"NFD", "NL"},
    {"NSC", "NS"},
    {"ONT", "ON"},
    {"PEI", "PE"},
    {"QUE", "QC"},
    {"SAS", "SK"},
    {"NWT", "NT"},
}};

} // namespace

namespace SpcTable {

QString adifState(const QString &spc)
{
    const QString s = spc.trimmed().toUpper();
    for (const char *state : states)
        if (s == QLatin1String(state))
            return s;
    for (const Province &p : provinces)
        if (s == QLatin1String(p.code))
            return QLatin1String(p.postal);
    return {};
}

} // namespace SpcTable
