#pragma once
// Fakes of the platform seams: a clock that tests set, a beep counter, a scripted
// answer to the delete question, and a print target that renders into images.

#include "platform/Beeper.h"
#include "platform/Confirmation.h"
#include "platform/Platform.h"
#include "platform/PrintTarget.h"
#include "platform/SystemClock.h"

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QStringList>

class FakeClock : public SystemClock {
  public:
    QDateTime current = QDateTime(QDate(1998, 12, 7), QTime(14, 3, 27), Qt::UTC);
    bool refuse = false; // set() fails with refuseReason
    QString refuseReason = QStringLiteral("Automatic time synchronisation is on.");
    QList<QDateTime> setCalls; // every value set() was given

    QDateTime now() const override { return current; }
    bool set(const QDateTime &utc, QString *why) override
    {
        setCalls.append(utc);
        if (refuse) {
            if (why)
                *why = refuseReason;
            return false;
        }
        current = utc;
        return true;
    }
};

class CountingBeeper : public Beeper {
  public:
    int count = 0;
    void beep() override { ++count; }
};

class ScriptedConfirmation : public Confirmation {
  public:
    bool answer = true; // true for Yes
    int asked = 0;
    QString lastText, lastTitle;
    bool askYesNo(QWidget *, const QString &text, const QString &title) override
    {
        ++asked;
        lastText = text;
        lastTitle = title;
        return answer;
    }
    Answer threeWay = Answer::Cancel;
    Answer askYesNoCancel(QWidget *, const QString &text, const QString &title) override
    {
        ++asked;
        lastText = text;
        lastTitle = title;
        return threeWay;
    }
};

// Renders each print job into page images (A4 at 72 dpi-ish device) and keeps them.
class CapturingPrintTarget : public PrintTarget {
  public:
    struct Job {
        QString baseName;
        QList<QImage> pages;
    };
    QList<Job> jobs;
    bool fail = false;
    QString failReason = QStringLiteral("The printer is out of paper.");
    Result print(const QString &baseName, const Draw &draw) override;
};

// One of each fake, handed out as a Platform.
struct FakePlatform {
    FakeClock clock;
    CountingBeeper beeper;
    ScriptedConfirmation confirmation;
    CapturingPrintTarget printTarget;
    Platform platform() { return Platform{clock, beeper, confirmation, printTarget}; }
};
