#pragma once
// Helpers to build logs and windows for tests.

#include "FakePlatform.h"
#include "store/QrpRecord.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>

class frmKestrix;

namespace TestLog {

// A record from its eleven values in field order (Callsign, Arci, Power, SPC,
// RstSent, RstRcvd, Band, QsoDate, QsoTime, Points, Multiplier).
QrpRecord record(const QStringList &values);
// Writes QRPDATA.DAT in dir from the records, then a placeholder carrying `band`
// (no placeholder when band is null).
void writeLog(const QString &dir, const QList<QrpRecord> &records, const QString &band = QString());
QByteArray readFile(const QString &dir, const QString &name);
void writeFile(const QString &dir, const QString &name, const QByteArray &bytes);

// A main window on dir with the fakes, loaded (Form_Load run). File errors make
// the test fail with QFAIL-like output instead of ending the process.
std::unique_ptr<frmKestrix> openWindow(const QString &dir, FakePlatform &fakes);

// Ink (any non-white pixel) in a rectangle of a printed page.
bool hasInk(const QImage &image, const QRect &area);

} // namespace TestLog
