#include "LogStore.h"

#include <limits>

LogStore::LogStore(const QString &directory, FileErrorHandler onError)
    : m_directory(directory), m_qrp(directory, QrpFileName, QrpRecLen, onError),
      m_arci(directory, ArciFileName, ArciRecLen, onError)
{
}

qint32 LogStore::recordCountFor(qint64 length)
{
    qint64 whole = length / QrpRecLen;
    const qint64 rest = length % QrpRecLen;
    if (2 * rest > QrpRecLen || (2 * rest == QrpRecLen && (whole % 2) != 0))
        ++whole;
    if (whole < 1)
        whole = 1;
    return static_cast<qint32>(qMin<qint64>(whole, std::numeric_limits<qint32>::max()));
}

bool LogStore::openQrp()
{
    if (!m_qrp.open())
        return false;
    CurrentRecord = 1;
    RecordCount = recordCountFor(m_qrp.length());
    return true;
}

bool LogStore::openArci()
{
    if (!m_arci.open())
        return false;
    ArciRecord = 1;
    return true;
}

void LogStore::readRecord(qint64 n) { QrpRecord_ = QrpRecord::fromBytes(m_qrp.read(n)); }

bool LogStore::writeRecord(qint64 n) { return m_qrp.write(n, QrpRecord_.bytes()); }

bool LogStore::writeArciLine(qint64 n) { return m_arci.write(n, ArciLine_.bytes()); }

void LogStore::scan(qint32 first, qint32 last, const Visitor &visit)
{
    // The same slices as the in-place scan, with each record in the shared buffer.
    scanRaw(first, last, [&](qint32 n, const char *record) {
        QrpRecord_ = QrpRecord::fromBytes(record, QrpRecLen);
        return visit(n, QrpRecord_);
    });
}

ArciLine LogStore::lineFor(const QrpRecord &r)
{
    ArciLine line;
    line.set(ArciLine::QsoDate, r.raw(QrpRecord::QsoDate));
    line.set(ArciLine::QsoTime, r.raw(QrpRecord::QsoTime));
    line.set(ArciLine::Callsign, r.raw(QrpRecord::Callsign));
    line.set(ArciLine::Band, r.raw(QrpRecord::Band));
    line.set(ArciLine::RstRcvd, r.raw(QrpRecord::RstRcvd));
    line.set(ArciLine::SPC, r.raw(QrpRecord::SPC));
    line.set(ArciLine::Arci, r.raw(QrpRecord::Arci));
    line.set(ArciLine::Power, r.raw(QrpRecord::Power));
    line.set(ArciLine::RstSent, r.raw(QrpRecord::RstSent));
    line.set(ArciLine::Points, r.raw(QrpRecord::Points));
    line.set(ArciLine::Multiplier, r.raw(QrpRecord::Multiplier));
    if (r.raw(QrpRecord::Callsign) == QStringLiteral("DELETED ")) {
        line.set(ArciLine::Callsign, QString());
        line.set(ArciLine::QsoDate, QStringLiteral("DELETED"));
    }
    return line;
}

// A kill can cut a write short where it crosses a memory page (every 4096 bytes
// of the file): the bytes before the page end are written, the rest are not.
// The save writes the contact over the placeholder, then its line, then the new
// placeholder; start-up puts back together whatever such a cut left.
namespace {

bool holdsMoreThanBand(const QrpRecord &r)
{
    for (int f = 0; f < QrpRecord::FieldCount; ++f)
        if (f != QrpRecord::Band && !r.value(QrpRecord::Field(f)).isEmpty())
            return true;
    return false;
}

// The first bytes of a placeholder: blanks, with the band where they reach it.
bool placeholderStart(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes.at(i) != ' ' && (i < 27 || i > 29))
            return false;
    return true;
}

} // namespace

bool LogStore::recoverCutOffSave()
{
    qint64 length = m_qrp.length();
    bool wrote = false;

    // The new placeholder cut short after the contact: it is written whole.
    if (length > QrpRecLen && length % QrpRecLen != 0 && length / QrpRecLen < std::numeric_limits<qint32>::max() - 1) {
        const qint64 whole = length / QrpRecLen;
        readRecord(whole);
        const QrpRecord contact = QrpRecord_;
        if (holdsMoreThanBand(contact) && placeholderStart(m_qrp.read(whole + 1))) {
            QrpRecord_.clear();
            QrpRecord_.set(QrpRecord::Band, contact.raw(QrpRecord::Band));
            if (!writeRecord(whole + 1))
                return false;
            length = m_qrp.length();
            wrote = true;
        }
    }
    if (length == 0 || length % QrpRecLen != 0)
        return wrote;
    const qint32 records = static_cast<qint32>(qMin<qint64>(length / QrpRecLen, std::numeric_limits<qint32>::max() - 1));

    // A placeholder holds nothing but its band. A last record holding anything else
    // is a contact whose save stopped before its placeholder was written.
    readRecord(records);
    const QrpRecord last = QrpRecord_;
    if (!holdsMoreThanBand(last)) {
        if (wrote) {
            openQrp();
            openArci();
        }
        return wrote;
    }
    const qint64 arciLength = m_arci.length();
    const qint64 arciLines = arciLength / ArciRecLen;

    // The contact itself cut short: its first 16 or 32 bytes over the placeholder's
    // last ones, so no time, points or mark, and no line yet. The save never
    // returned; the record goes back to being the placeholder.
    const bool cut = last.value(QrpRecord::QsoTime).isEmpty() && last.value(QrpRecord::Points).isEmpty() &&
                     last.value(QrpRecord::Multiplier).isEmpty();
    if (cut && arciLength % ArciRecLen == 0 && arciLines == records - 1) {
        QrpRecord_.clear();
        QrpRecord_.set(QrpRecord::Band, last.raw(QrpRecord::Band));
        if (!writeRecord(records))
            return false;
        openQrp();
        openArci();
        return true;
    }

    QrpRecord_.clear();
    QrpRecord_.set(QrpRecord::Band, last.raw(QrpRecord::Band));
    if (!writeRecord(records + 1))
        return false;
    const qint32 contacts = records;

    // The same cut-off save may have stopped before the contact's ARCIFILE.DAT line,
    // or in the middle of it: then that one line, and only it, is written from the record.
    const ArciLine line = lineFor(last);
    const QByteArray partLine = m_arci.read(contacts);
    if (arciLines == contacts - 1 && line.bytes().startsWith(partLine)) {
        ArciLine_ = line;
        if (!writeArciLine(contacts))
            return false;
    }
    openQrp();
    openArci();
    return true;
}
