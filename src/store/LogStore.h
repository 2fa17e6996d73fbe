#pragma once
// The contact log: QRPDATA.DAT and ARCIFILE.DAT in one folder, the shared record
// buffer, and the record numbering the rest of the program works with.
// The log store knows files and bytes only; the boxes of the window are not its concern.

#include "ArciLine.h"
#include "LogFile.h"
#include "QrpRecord.h"

#include <QString>
#include <functional>

class LogStore {
public:
    static constexpr const char *QrpFileName = "QRPDATA.DAT";
    static constexpr const char *ArciFileName = "ARCIFILE.DAT";
    static constexpr int QrpRecLen = QrpRecord::Size;
    static constexpr int ArciRecLen = ArciLine::Size;

    LogStore(const QString &directory, FileErrorHandler onError);

    // Opening (and reopening after a write) QRPDATA.DAT sets CurrentRecord to 1 and
    // RecordCount from the file's length; opening ARCIFILE.DAT sets ArciRecord to 1.
    bool openQrp();
    bool openArci();
    void closeQrp() { m_qrp.close(); }
    void closeArci() { m_arci.close(); }

    // The number of 48-byte records a file of this length holds: length / 48
    // rounded to the nearest, a half to the even neighbour, never below 1.
    static qint32 recordCountFor(qint64 length);

    // Reads record n into QrpRecord; a record past the end reads as blanks.
    void readRecord(qint64 n);
    // Writes QrpRecord / ArciLine at n (n from 1); false when refused or failed.
    bool writeRecord(qint64 n);
    bool writeArciLine(qint64 n);

    // Scans records first..last with one read of the whole range. The callback
    // returns false to stop. QrpRecord ends holding the last record visited.
    using Visitor = std::function<bool(qint32 n, const QrpRecord &record)>;
    void scan(qint32 first, qint32 last, const Visitor &visit);
    // The stored contacts, records 1 to RecordCount - 1 (the placeholder excluded).
    void scanContacts(const Visitor &visit) { scan(1, RecordCount - 1, visit); }

    // As scan, for the scans that run on every keystroke: the callback gets each
    // record's 48 bytes in place (bool visit(qint32 n, const char *record)), with
    // no record built per visit. QrpRecord ends holding the last record visited.
    template <typename Visit> void scanRaw(qint32 first, qint32 last, Visit &&visit);
    template <typename Visit> void scanContactsRaw(Visit &&visit) { scanRaw(1, RecordCount - 1, visit); }

    // Start-up repair after a save cut short: a last record that holds a contact
    // rather than a placeholder gets the placeholder appended (carrying its band),
    // and its ARCIFILE.DAT line when the cut fell before that too. Returns true
    // when anything was written; a log that ends in a placeholder is not touched.
    bool recoverCutOffSave();

    LogFile &qrpFile() { return m_qrp; }
    LogFile &arciFile() { return m_arci; }
    QString directory() const { return m_directory; }

    // The window's file state, by the names the rest of the program uses.
    QrpRecord QrpRecord_;
    ArciLine ArciLine_;
    qint32 CurrentRecord = 1;
    qint32 RecordCount = 1;
    qint32 ArciRecord = 1;
    int QrpFile() const { return m_qrp.fileNumber(); }
    int ArciFile() const { return m_arci.fileNumber(); }

    // The ARCIFILE.DAT line for a stored record, as a rewrite from the review row
    // would write it (a deleted record reads "DELETED" in the date column).
    static ArciLine lineFor(const QrpRecord &record);

private:
    QString m_directory;
    LogFile m_qrp;
    LogFile m_arci;
};

template <typename Visit> void LogStore::scanRaw(qint32 first, qint32 last, Visit &&visit)
{
    if (first < 1 || last < first)
        return;
    constexpr qint32 slice = 1 << 16;
    for (qint64 from = first; from <= last; from += slice) {
        const qint64 to = qMin<qint64>(last, from + slice - 1);
        const QByteArray bytes = m_qrp.readRange(from, to);
        const char *data = bytes.constData();
        const qint64 count = to - from + 1;
        const qint64 whole = qMin<qint64>(bytes.size() / QrpRecLen, count);
        for (qint64 i = 0; i < whole; ++i) {
            if (!visit(static_cast<qint32>(from + i), data + i * QrpRecLen)) {
                QrpRecord_ = QrpRecord::fromBytes(data + i * QrpRecLen, QrpRecLen);
                return;
            }
        }
        if (whole == count) {
            if (whole > 0)
                QrpRecord_ = QrpRecord::fromBytes(data + (whole - 1) * QrpRecLen, QrpRecLen);
            continue;
        }
        // A record cut short by the end of the file, and any past it, read as blanks where the bytes end.
        for (qint64 i = whole; i < count; ++i) {
            const qint64 at = i * QrpRecLen;
            QrpRecord_ = QrpRecord::fromBytes(data + qMin<qint64>(at, bytes.size()), qMax<qint64>(0, bytes.size() - at));
            if (!visit(static_cast<qint32>(from + i), QrpRecord_.data()))
                return;
        }
    }
}
