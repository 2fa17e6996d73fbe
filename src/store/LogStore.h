#pragma once
// The contact log: QRPDATA.DAT and ARCIFILE.DAT in one folder, the shared record
// buffer, and the record numbering the rest of the program works with.
// The log store knows files and bytes only; the boxes of the window are not its concern.
//
// The two files are one log. Every change to them is an operation (a save, a
// change, a delete, the write-back at Exit, a start-up repair) that reaches both
// files whole or not at all, through the journal (JournalledWriter.h), and only
// while the names in the folder still refer to the files that were opened.
// The files are opened through the folder, and locked, at every open.
// Here: opening the files, the counts, reads and scans, and the operations;
// the writes are made by JournalledWriter, the start-up repairs by StartupRepair.

#include "store/ArciLine.h"
#include "store/Journal.h"
#include "store/JournalledWriter.h"
#include "store/LogFile.h"
#include "store/QrpRecord.h"

#include <QString>
#include <QStringList>
#include <functional>

class LogStore {
  public:
    static constexpr const char *QrpFileName = "QRPDATA.DAT";
    static constexpr const char *ArciFileName = "ARCIFILE.DAT";
    // Where start-up puts bytes past the last whole record of QRPDATA.DAT.
    static constexpr const char *StrayFileName = "QRPDATA.DAT.stray";
    // Where start-up puts lines of ARCIFILE.DAT past the last contact.
    static constexpr const char *ArciStrayFileName = "ARCIFILE.DAT.stray";
    static constexpr int QrpRecLen = QrpRecord::Size;
    static constexpr int ArciRecLen = ArciLine::Size;

    LogStore(const QString &directory, FileErrorHandler onError);
    ~LogStore();
    LogStore(const LogStore &) = delete;
    LogStore &operator=(const LogStore &) = delete;

    // Start-up: opens the folder and both files by name in it (creating them
    // empty) and locks them, refuses one file under both names or the journal
    // under a log file's name, finishes (or undoes, or sets aside) an operation
    // that a stop left in the journal, and repairs the log (repair()). Also the
    // reopen after the files changed behind the program. False when a file error
    // (or another Kestrix holding the files) was reported.
    [[nodiscard]] bool open();
    // What start-up found and mended that the operator should hear of, in plain
    // words (a line rebuilt from its record or a placeholder made whole goes
    // unmentioned); empty when nothing.
    QStringList repairNotes() const { return m_notes; }

    // Opening QRPDATA.DAT sets CurrentRecord to 1 and RecordCount from the file's
    // length; opening ARCIFILE.DAT sets ArciRecord to 1. The reopen that follows
    // a write keeps the file that was opened and takes a new file number.
    [[nodiscard]] bool openQrp();
    [[nodiscard]] bool openArci();
    void reopenQrp();
    void reopenArci();
    void closeQrp() { m_qrp.close(); }
    void closeArci() { m_arci.close(); }

    // The number of 48-byte records a file of this length holds: length / 48
    // rounded to the nearest, a half to the even neighbour, never below 1.
    static qint32 recordCountFor(qint64 length);

    // Reads record n into QrpRecord; a record past the end reads as blanks.
    void readRecord(qint64 n);

    // ---- operations ------------------------------------------------------------
    // Each is one journalled operation on both files, whole or not at all. After
    // it (but for FilesChanged and Refused) both files are reopened: CurrentRecord
    // and ArciRecord are 1 and RecordCount is that of the file.
    using Outcome = JournalledWriter::Outcome;
    // A new contact at the placeholder's number n (RecordCount): its record, its
    // line, and the placeholder after it carrying its band.
    Outcome saveContact(qint32 n, const QrpRecord &record, const ArciLine &line);
    // A stored contact n (1 to RecordCount - 1) rewritten: record and line.
    Outcome rewriteRecord(qint32 n, const QrpRecord &record, const ArciLine &line);
    // A stored contact n marked deleted: its record and line.
    Outcome deleteRecord(qint32 n);
    // Exit writing stored contact n back from the review row: the record only.
    Outcome writeBack(qint32 n, const QrpRecord &record);

    // True while the folder's path still names the folder opened, and
    // QRPDATA.DAT and ARCIFILE.DAT in it are still the two distinct regular files
    // that were opened.
    bool filesStillTheLog() const;

    // Scans records first..last with one read of the whole range. The callback
    // returns false to stop. QrpRecord ends holding the last record visited.
    using Visitor = std::function<bool(qint32 n, const QrpRecord &record)>;
    void scan(qint32 first, qint32 last, const Visitor &visit);
    // The stored contacts, records 1 to RecordCount - 1 (the placeholder excluded).
    void scanContacts(const Visitor &visit) { scan(1, m_recordCount - 1, visit); }

    // As scan, for the scans that run on every keystroke: the callback gets each
    // record's 48 bytes in place (bool visit(qint32 n, const char *record)), with
    // no record built per visit. QrpRecord ends holding the last record visited.
    template <typename Visit> void scanRaw(qint32 first, qint32 last, Visit &&visit);
    template <typename Visit> void scanContactsRaw(Visit &&visit) { scanRaw(1, m_recordCount - 1, visit); }

    // The start-up repairs after the journal (StartupRepair.h); true when anything was written.
    bool repair();
    // The first two steps alone, as a save cut short needs them.
    bool recoverCutOffSave();

    LogFile &qrpFile() { return m_qrp; }
    LogFile &arciFile() { return m_arci; }
    Journal &journal() { return m_journal; }
    QString directory() const { return m_directory; }

    // The window's file state, by the names the rest of the program uses.
    QrpRecord QrpRecord_;
    ArciLine ArciLine_;
    // The record last shown or saved, the number of records in QRPDATA.DAT
    // (the placeholder counted) and the ARCIFILE.DAT line last written. They
    // change only here: a reopen sets them from the file, the rest by these.
    qint32 CurrentRecord() const { return m_currentRecord; }
    qint32 RecordCount() const { return m_recordCount; }
    qint32 ArciRecord() const { return m_arciRecord; }
    void setCurrentRecord(qint32 n) { m_currentRecord = n; }
    void setArciRecord(qint32 n) { m_arciRecord = n; }
    int QrpFile() const { return m_qrp.fileNumber(); }
    int ArciFile() const { return m_arci.fileNumber(); }

  private:
    using Write = JournalledWriter::Write;
    LogFile &file(int index) { return index == Journal::Qrp ? m_qrp : m_arci; }
    bool openFolder();
    // The writes of an operation on record n (below the number given), run and
    // followed by the reopen.
    Outcome operate(qint32 n, qint32 below, const QList<Write> &writes);
    // Lines missing before line n of ARCIFILE.DAT, rebuilt from their records.
    QList<Write> missingLinesBefore(qint64 n);
    void reportJournal(const QString &reason);

    QString m_directory;
    FileErrorHandler m_onError;
    int m_dirFd = -1;
    LogFile m_qrp;
    LogFile m_arci;
    Journal m_journal;
    JournalledWriter m_writer;
    QStringList m_notes;
    qint32 m_currentRecord = 1;
    qint32 m_recordCount = 1;
    qint32 m_arciRecord = 1;
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
            QrpRecord_ =
                QrpRecord::fromBytes(data + qMin<qint64>(at, bytes.size()), qMax<qint64>(0, bytes.size() - at));
            if (!visit(static_cast<qint32>(from + i), QrpRecord_.data()))
                return;
        }
    }
}
