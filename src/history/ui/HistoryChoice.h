#pragma once
// The operator's choice of call sources, kept in Kestrix.conf under
// [CallHistory]: the call history files, the check files and the folders of
// earlier logs, the columns the S-P-C and the exchange are taken from, and the
// operating-time limit the check window counts against. The check window's
// place is kept beside them.

#include <QByteArray>
#include <QStringList>

struct HistoryChoice {
    QStringList callHistories;
    QStringList checkFiles;
    QStringList earlierLogs; // folders holding a QRPDATA.DAT
    QString spcColumn;       // empty: State, Sect or Loc1, the first that holds a value
    QString exchangeColumn = QStringLiteral("Exch1");
    int limitHours = 0; // 0: no limit
    bool checkWindowOpen = false;
    QByteArray checkWindowGeometry;

    // Nothing is read or written when the settings file is not usable.
    static HistoryChoice load();
    void save() const;
};
