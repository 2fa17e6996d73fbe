#pragma once
// Makes the writes of one operation on the log (a save, a change, a delete, the
// write-back at Exit, a start-up repair) reach QRPDATA.DAT and ARCIFILE.DAT
// whole or not at all: space first, then the journal (Journal.h), synced; then,
// if the names in the folder still refer to the files opened, the log files,
// synced; then the journal marked empty. Start-up uses the same steps to finish
// or undo an operation a stop left in the journal.

#include "store/Journal.h"
#include "store/LogFile.h"

#include <QList>
#include <array>
#include <functional>
#include <utility>

class JournalledWriter {
  public:
    // What became of an operation. The compiler makes every caller read it.
    enum class [[nodiscard]] Outcome{
        Written,      // every write is on disk
        Refused,      // a record number that addresses no such record: nothing written
        FilesChanged, // the names no longer refer to the files opened: nothing written
        Failed,       // a file error (reported): nothing written, or (said in the report) maybe all
    };
    struct Write {
        int file; // Journal::Qrp or Journal::Arci
        qint64 offset;
        QByteArray bytes;
    };

    // stillTheLog: whether the folder's names still refer to the two files.
    JournalledWriter(LogFile &qrp, LogFile &arci, Journal &journal, FileErrorHandler onError,
                     std::function<bool()> stillTheLog);

    // The writes, and the cut of one file to truncateTo (bytes set aside first),
    // as one operation. Writes named as anchors write the bytes that are there
    // already: they only tie the journal to the log's content.
    Outcome run(const QList<Write> &writes, int truncateFile = Journal::Qrp, qint64 truncateTo = -1,
                const QList<Write> &anchors = {});

    // Whether the log files hold, for the operation, the lengths and bytes it
    // found or the ones it writes (a mix of the two where a write was cut short):
    // the files the journal was written for, wherever they are now.
    bool holdsBeforeOrAfter(const Journal::Operation &op) const;
    // Makes the operation again; 0 or the errno of the failure.
    int redo(const Journal::Operation &op);
    // Puts back what the operation found; true when done and the journal is empty.
    bool undo(const Journal::Operation &op);
    // The journal, opened again if its name no longer refers to it, and checked
    // to be no other name of a log file; false (reported) when it cannot be used.
    bool journalReady();

    // The first and last record an operation writes (else the first and last
    // line; 0 when none), for the operator.
    static std::pair<qint64, qint64> recordsWritten(const Journal::Operation &op);

  private:
    LogFile &file(int index) { return index == Journal::Qrp ? m_qrp : m_arci; }
    const LogFile &file(int index) const { return index == Journal::Qrp ? m_qrp : m_arci; }
    Outcome apply(const Journal::Operation &op);
    void reportJournal(const QString &reason);

    LogFile &m_qrp;
    LogFile &m_arci;
    Journal &m_journal;
    FileErrorHandler m_onError;
    std::function<bool()> m_stillTheLog;
};
