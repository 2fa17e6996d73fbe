// Runs the main window for the session test, one step per line on stdin, as
// the operator would: typing and pasting into the boxes, the buttons, the right
// mouse button on Change and Delete, the menus and the close box. The protocol
// is in SessionProtocol.h.
//
//   session_driver <log folder>
//
// Starts like the program (the log lock, then the window's start-up). A file
// error is printed as "FILEERROR <file>: <reason>" and ends the driver with
// status 1; Exit and the close box end it with status 0 once their step is
// acknowledged.

#include "DriverOutput.h"
#include "FakePlatform.h"
#include "SessionProtocol.h"
#include "console/frmKestrix.h"
#include "store/LogLock.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "widgets/DisplayPanel.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "session_driver: %s\n", qPrintable(why));
    ::_exit(5);
}

QByteArray snapshot(frmKestrix &w)
{
    QStringList texts;
    for (const QString &name : Session::snapshotNames()) {
        if (name == QLatin1String("txtSpecs"))
            texts.append(w.ui().txtSpecs->toPlainText());
        else if (auto *label = w.findChild<QLabel *>(name))
            texts.append(label->text());
        else if (auto *box = w.findChild<QLineEdit *>(name))
            texts.append(box->text());
        else
            fail(QStringLiteral("no control %1").arg(name));
    }
    return Session::encodeAll(texts);
}

template <typename T> T *control(frmKestrix &w, const QString &name)
{
    T *c = w.findChild<T *>(name);
    if (!c)
        fail(QStringLiteral("no control %1").arg(name));
    return c;
}

// Performs one step; false when it ended the program.
bool perform(frmKestrix &w, FakePlatform &fakes, const QString &verb, const QStringList &args)
{
    const QString name = args.value(0);
    const QString text = args.value(1);
    if (verb == QLatin1String("key")) {
        auto *box = control<QLineEdit>(w, name);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        // Key by key, control characters too (as a keyboard or an input method sends them).
        for (const QChar c : text) {
            const ushort u = c.unicode();
            const Qt::Key key = u == '\t'              ? Qt::Key_Tab
                                : u == '\r'            ? Qt::Key_Return
                                : u > 0x20 && u < 0x7F ? Qt::Key(c.toUpper().unicode())
                                : u == 0x20            ? Qt::Key_Space
                                                       : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, box, key, QString(c), Qt::NoModifier);
        }
    } else if (verb == QLatin1String("paste")) {
        auto *box = control<QLineEdit>(w, name);
        QGuiApplication::clipboard()->setText(text);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QLatin1String("set")) {
        control<QLineEdit>(w, name)->setText(text);
    } else if (verb == QLatin1String("click")) {
        QTest::mouseClick(control<QPushButton>(w, name), Qt::LeftButton);
    } else if (verb == QLatin1String("right")) {
        fakes.confirmation.answer = text == QLatin1String("yes");
        QTest::mouseClick(control<QPushButton>(w, name), Qt::RightButton);
    } else if (verb == QLatin1String("menu")) {
        fakes.confirmation.threeWay = Confirmation::Answer::Yes; // Exit stores an edited review row
        control<QAction>(w, name)->trigger();
        return name != QLatin1String("mnuExit");
    } else if (verb == QLatin1String("close")) {
        w.close();
        return false;
    } else {
        fail(QStringLiteral("unknown step %1").arg(verb));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().size() < 2) {
        std::fprintf(stderr, "usage: session_driver <log folder>\n");
        return 2;
    }
    const QString dir = app.arguments().at(1);

    LogLock lock(dir);
    if (!lock.acquire()) {
        say("LOCKED " + lock.reason().toUtf8());
        return 3;
    }
    FakePlatform fakes;
    frmKestrix w(dir, fakes.platform());
    w.setFileErrorHandler([](const QString &file, const QString &reason) {
        say("FILEERROR " + file.toUtf8() + ": " + reason.toUtf8());
        ::_exit(1);
    });
    if (!w.Form_Load())
        return 1;
    say("R " + snapshot(w));

    std::string input;
    while (std::getline(std::cin, input)) {
        const QList<QByteArray> words = QByteArray::fromStdString(input).split(' ');
        if (words.size() < 3)
            fail(QStringLiteral("bad step: %1").arg(QString::fromStdString(input)));
        const QByteArray step = words.at(0);
        fakes.clock.current = QDateTime::fromSecsSinceEpoch(words.at(1).toLongLong(), Qt::UTC);
        w.Timer1_Timer();
        QStringList args;
        for (qsizetype i = 3; i < words.size(); ++i)
            args.append(words.at(i).startsWith('=') ? Session::decode(words.at(i)) : QString::fromLatin1(words.at(i)));

        say("S " + step + ' ' + snapshot(w));
        const bool goesOn = perform(w, fakes, QString::fromLatin1(words.at(2)), args);
        if (goesOn)
            QCoreApplication::processEvents();
        say("A " + step + ' ' + snapshot(w));
        if (!goesOn)
            return 0;
    }
    return 0;
}
