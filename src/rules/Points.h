#pragma once
// The points of a contact, as the ARCI and power boxes give them: 5 for a QRP
// ARCI member, and for a non-member 4 (DX) or 2 (a state, province or Mexico)
// by the length of the S-P-C.

#include <QString>

namespace Points {

// "5" when the ARCI box holds a member number (its text compares above "0");
// nothing otherwise.
QString member(const QString &arci);

// The points of a non-member by the length of the S-P-C, blanks removed: "4" for
// 4 characters, "2" for 3 or 2. Nothing for any other length, and nothing unless
// the ARCI box holds the five blanks a power figure leaves in it.
QString nonMember(const QString &arci, const QString &spc);

} // namespace Points
