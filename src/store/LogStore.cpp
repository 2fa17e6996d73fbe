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
    if (first < 1 || last < first)
        return;
    // Large logs are read a slice at a time, each slice with one read.
    constexpr qint32 slice = 1 << 16;
    for (qint64 from = first; from <= last; from += slice) {
        const qint64 to = qMin<qint64>(last, from + slice - 1);
        const QByteArray bytes = m_qrp.readRange(from, to);
        for (qint64 n = from; n <= to; ++n) {
            const qint64 at = (n - from) * QrpRecLen;
            QrpRecord_ = QrpRecord::fromBytes(bytes.constData() + qMin<qint64>(at, bytes.size()),
                                              qMax<qint64>(0, bytes.size() - at));
            if (!visit(static_cast<qint32>(n), QrpRecord_))
                return;
        }
    }
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

bool LogStore::recoverCutOffSave()
{
    const qint64 length = m_qrp.length();
    if (length == 0 || length % QrpRecLen != 0)
        return false;
    const qint32 records = static_cast<qint32>(qMin<qint64>(length / QrpRecLen, std::numeric_limits<qint32>::max() - 1));

    // A placeholder holds nothing but its band. A last record holding anything else
    // is a contact whose save stopped before its placeholder was written.
    readRecord(records);
    const QrpRecord last = QrpRecord_;
    bool isContact = false;
    for (int f = 0; f < QrpRecord::FieldCount; ++f)
        if (f != QrpRecord::Band && !last.value(QrpRecord::Field(f)).isEmpty())
            isContact = true;
    if (!isContact)
        return false;
    QrpRecord_.clear();
    QrpRecord_.set(QrpRecord::Band, last.raw(QrpRecord::Band));
    if (!writeRecord(records + 1))
        return false;
    const qint32 contacts = records;

    // The same cut-off save may have stopped before the contact's ARCIFILE.DAT line:
    // then that one line, and only it, is written from the record.
    const qint64 arciLength = m_arci.length();
    if (arciLength % ArciRecLen == 0 && arciLength / ArciRecLen == contacts - 1) {
        ArciLine_ = lineFor(last);
        if (!writeArciLine(contacts))
            return false;
    }
    openQrp();
    openArci();
    return true;
}
