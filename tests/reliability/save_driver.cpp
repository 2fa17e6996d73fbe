// Saves contacts through the main window in a loop, as the operator does with
// the Save Record button, for the tests that kill it or starve it of disk.
//
//   save_driver <log folder> [--wait] [--count N]
//
// Starts like the program (the log lock, then the window's start-up), prints
// "READY <number the next save writes>", waits for a line on stdin with --wait,
// then saves contact after contact (Reliability::contactFor of the record
// number) and prints "ACK <n>" once the save of record n has returned. Stops
// after N saves, or never. A file error is reported as "<file>: <reason>" on
// stderr and ends the driver with status 1, as the window's own handler ends
// the program after its message box.

#include "DriverOutput.h"
#include "FakePlatform.h"
#include "ReliabilityLog.h"
#include "console/frmKestrix.h"
#include "store/LogLock.h"
#include "store/Text.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: save_driver <log folder> [--wait] [--count N]\n");
        return 2;
    }
    const QString dir = args.at(1);
    const bool wait = args.contains(QStringLiteral("--wait"));
    const int countAt = args.indexOf(QStringLiteral("--count"));
    const qint64 count = countAt > 0 && countAt + 1 < args.size() ? args.at(countAt + 1).toLongLong() : -1;

    LogLock lock(dir);
    if (!lock.acquire()) {
        std::fprintf(stderr, "QRPDATA.DAT: %s\n", qPrintable(lock.reason()));
        return 3;
    }
    FakePlatform fakes;
    frmKestrix w(dir, fakes.platform());
    w.setFileErrorHandler([](const QString &file, const QString &reason) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(reason));
        std::exit(1);
    });
    if (!w.Form_Load())
        return 1;
    say("READY " + QByteArray::number(Text::wholeValue(w.ui().txtRecNumber->text()).value_or(-1)));
    if (wait) {
        std::string line;
        int c;
        while ((c = std::getchar()) != EOF && c != '\n')
            line += char(c);
    }

    for (qint64 saved = 0; count < 0 || saved < count; ++saved) {
        const qint64 n = Text::wholeValue(w.ui().txtRecNumber->text()).value_or(-1);
        const Reliability::Contact c = Reliability::contactFor(n);
        fakes.clock.current = c.when;
        w.Timer1_Timer();
        w.ui().txtBand->setText(c.band);
        w.ui().txtCallsign->setText(c.call);
        w.ui().txtRstRcvd->setText(c.rstRcvd);
        w.ui().txtRstSent->setText(c.rstSent);
        w.ui().txtSpc->setText(c.spc);
        if (!c.arci.isEmpty())
            w.ui().txtArci->setText(c.arci);
        else
            w.ui().txtPower->setText(c.power);
        // The points and the mark as the rules give them; Save Record scores the
        // row again from the boxes and the log, to the same values.
        w.ui().txtPoints->setText(c.points);
        w.ui().txtMultiplier->setText(c.mult);
        w.ui().cmdSaveRecord->click();
        const qint64 next = Text::wholeValue(w.ui().txtRecNumber->text()).value_or(-1);
        if (next != n + 1) {
            std::fprintf(stderr, "save of record %lld moved on to %lld\n", n, next);
            return 4;
        }
        say("ACK " + QByteArray::number(n));
    }
    return 0;
}
