#pragma once
// What start-up does to the log before anything else, each step an operation
// of its own (JournalledWriter), so a repair cut short is taken up again by the
// next start-up:
//  - an operation a stop left in the journal is finished (or, where that cannot
//    be done, undone) when the log files prove by their content to be the ones
//    it was written for, wherever they are now; otherwise the journal is set
//    aside under another name with a note, and any record it names whose line
//    disagrees with it is named too;
//  - bytes past the last whole record are set aside (QRPDATA.DAT.stray), unless
//    they are the start of the placeholder after a contact, which is written whole;
//  - a last record that holds a contact gets its ARCIFILE.DAT line where that is
//    missing, then the placeholder after it, carrying its band (a contact cut
//    short by a kill in its first bytes becomes the placeholder again);
//  - lines of ARCIFILE.DAT past the last contact are set aside (ARCIFILE.DAT.stray);
//  - ARCIFILE.DAT lines of contacts that are missing, cut short or zero-filled
//    are rebuilt from their records.

#include "store/JournalledWriter.h"

#include <QStringList>

class StartupRepair {
  public:
    StartupRepair(LogFile &qrp, LogFile &arci, Journal &journal, JournalledWriter &writer, int dirFd,
                  FileErrorHandler onError, QStringList &notes);

    // The journal left by a stop; false when a file error was reported.
    [[nodiscard]] bool finishJournal();
    // The steps after the journal; true when anything was written.
    bool mendLog();
    // A save cut short: a cut record made whole, the contact's line and placeholder.
    bool mendCutOffSave();
    bool failed() const { return m_failed; }

  private:
    bool run(const QList<JournalledWriter::Write> &writes, int truncateFile = Journal::Qrp, qint64 truncateTo = -1,
             const QList<JournalledWriter::Write> &anchors = {});
    LogFile &file(int index) { return index == Journal::Qrp ? m_qrp : m_arci; }
    void setJournalAside(const Journal::Operation &op);
    bool setAside(int index, qint64 from, const char *strayName);
    bool rebuildLines();

    LogFile &m_qrp;
    LogFile &m_arci;
    Journal &m_journal;
    JournalledWriter &m_writer;
    int m_dirFd;
    FileErrorHandler m_onError;
    QStringList &m_notes;
    bool m_failed = false;
};
