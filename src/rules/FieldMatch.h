#pragma once
// Tests a record field, blanks removed, against a box's text, straight on the
// record's bytes. The scans behind the call-sign and ARCI boxes run on every
// keystroke over the whole log, so they build no strings per record.

#include "store/QrpRecord.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstring>

class FieldMatch {
  public:
    // The box's text is taken as it stands: a text with a blank at either end, or
    // with a character the log cannot hold (outside Latin-1), never matches.
    FieldMatch(QrpRecord::Field field, const QString &text)
        : m_offset(QrpRecord::layout[field].offset), m_width(QrpRecord::layout[field].width)
    {
        m_possible = text.size() <= m_width && (text.isEmpty() || (text.front() != u' ' && text.back() != u' '));
        for (QChar c : text)
            if (c.unicode() > 0xFF)
                m_possible = false;
        if (m_possible) {
            m_text = text.toLatin1();
            m_padded.fill(' ');
            std::memcpy(m_padded.data(), m_text.constData(), std::size_t(m_text.size()));
        }
    }

    bool operator()(const char *record) const
    {
        if (!m_possible)
            return false;
        const char *field = record + m_offset;
        // Mostly the stored value starts the field: then the field is the text padded with blanks.
        if (field[0] != ' ') {
            for (int i = 0; i < m_width; ++i)
                if (field[i] != m_padded[i])
                    return false;
            return true;
        }
        int first = 0;
        while (first < m_width && field[first] == ' ')
            ++first;
        const int length = int(m_text.size());
        if (first == m_width)
            return length == 0;
        if (length == 0 || m_width - first < length || std::memcmp(field + first, m_text.constData(), length) != 0)
            return false;
        for (int i = first + length; i < m_width; ++i)
            if (field[i] != ' ')
                return false;
        return true;
    }

  private:
    int m_offset;
    int m_width;
    QByteArray m_text;
    std::array<char, 8> m_padded{}; // the text padded with blanks to the field's width
    bool m_possible;
};
