#pragma once
// Helpers to build log files for tests: QtCore and the store only, so the tests
// of the window-free libraries use them too.

#include "store/QrpRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TestLog {

// A record from its eleven values in field order (Callsign, Arci, Power, SPC,
// RstSent, RstRcvd, Band, QsoDate, QsoTime, Points, Multiplier).
QrpRecord record(const QStringList &values);
// Writes QRPDATA.DAT in dir from the records, then a placeholder carrying `band`
// (no placeholder when band is null).
void writeLog(const QString &dir, const QList<QrpRecord> &records, const QString &band = QString());
QByteArray readFile(const QString &dir, const QString &name);
void writeFile(const QString &dir, const QString &name, const QByteArray &bytes);

} // namespace TestLog
