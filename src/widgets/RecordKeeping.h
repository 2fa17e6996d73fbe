#pragma once
// The window's record procedures that the review row's subsystems call. The
// window keeps the log's state for the run: which stored contact the review row
// addresses, whether it shows the placeholder, and what to do when an operation
// finds the log's files changed behind the program.

#include "store/LogStore.h"

#include <optional>

class RecordKeeping {
  public:
    // The record number the review row addresses, when it addresses a stored
    // contact (1 .. RecordCount - 1; the placeholder is never written back); empty otherwise.
    virtual std::optional<qint32> reviewRecordNumber() const = 0;
    // Fill the shared record and line from the review row and set the record number.
    virtual void SaveExistingRecord() = 0;
    virtual void SaveExistingArci() = 0;
    // Review says when its row shows the placeholder, whose blank row Exit must
    // not write over the contact a later save puts there.
    virtual void setReviewShowsPlaceholder(bool shows) = 0;
    // Acts on what became of an operation on the log; true when everything was written.
    virtual bool logOperationDone(LogStore::Outcome outcome) = 0;

  protected:
    ~RecordKeeping() = default;
};
