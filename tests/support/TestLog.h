#pragma once
// Helpers to build logs and windows for tests.

#include "FakePlatform.h"
#include "TestFiles.h"
#include "console/frmKestrix.h"

#include <QImage>
#include <QRect>
#include <memory>

namespace TestLog {

// A main window on dir with the fakes, loaded (Form_Load run). File errors make
// the test fail with QFAIL-like output instead of ending the process.
std::unique_ptr<frmKestrix> openWindow(const QString &dir, FakePlatform &fakes);

// Ink (any non-white pixel) in a rectangle of a printed page.
bool hasInk(const QImage &image, const QRect &area);

} // namespace TestLog
