#pragma once
// Whether the S-P-C being entered is new on its band.

#include <QObject>
#include <QString>

struct EntryRowControls;
class LogStore;

class MultiplierCheck : public QObject {
    Q_OBJECT
  public:
    MultiplierCheck(LogStore &log, const EntryRowControls &entry);
    ~MultiplierCheck() override;

    // Writes "1" into the Multiplier box when no stored contact on the band in
    // the Band box has the S-P-C in the S-P-C box, "0" when one has.
    void CheckMultiplier();

    // True when a stored contact has this S-P-C on this band (fields compared with
    // blanks removed, the two texts as they stand). Reads the whole log.
    static bool worked(LogStore &log, const QString &spc, const QString &band);

  private:
    LogStore &m_log;
    const EntryRowControls &m_entry;
};
