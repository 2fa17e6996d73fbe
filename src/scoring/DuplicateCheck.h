#pragma once
// The call-sign rule: help text, band warning and the scan for a contact already worked on the band.

#include "store/QrpRecord.h"

#include <QObject>
#include <QString>
#include <optional>

class frmKestrix;
class LogStore;

class DuplicateCheck : public QObject {
    Q_OBJECT
  public:
    explicit DuplicateCheck(frmKestrix &window);
    ~DuplicateCheck() override;

    // Runs after every change of the call-sign box, typed or assigned.
    void txtCallsign_Change();

    // The first stored contact with this call sign on this band (fields compared
    // with blanks removed, the two texts as they stand); the scan stops there.
    static std::optional<QrpRecord> firstWorked(LogStore &log, const QString &callsign, const QString &band);

  private:
    frmKestrix &m_window;
};
