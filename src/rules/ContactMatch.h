#pragma once
// The two scans behind the entry boxes, one stored record at a time: a contact
// with the call sign on the band is a duplicate; a contact with the S-P-C on
// the band means the S-P-C brings no new multiplier there. The fields are
// compared with blanks removed, the boxes' texts as they stand.

#include "rules/FieldMatch.h"

class ContactMatch {
  public:
    // The same call sign on the same band: a duplicate contact.
    static ContactMatch duplicate(const QString &callsign, const QString &band)
    {
        return ContactMatch(QrpRecord::Callsign, callsign, band);
    }
    // The same S-P-C on the same band: no new multiplier.
    static ContactMatch multiplier(const QString &spc, const QString &band)
    {
        return ContactMatch(QrpRecord::SPC, spc, band);
    }

    // `record` points at the 48 bytes of a stored record.
    bool operator()(const char *record) const { return m_field(record) && m_band(record); }

  private:
    ContactMatch(QrpRecord::Field field, const QString &text, const QString &band)
        : m_field(field, text), m_band(QrpRecord::Band, band)
    {
    }

    FieldMatch m_field;
    FieldMatch m_band;
};
