#include "radio/core/RigControl.h"

#include "radio/core/RigWorker.h"

#include <QThread>

#include <clocale>

RigControl::RigControl(QObject *parent) : QObject(parent), m_thread(new QThread), m_worker(new RigWorker)
{
    // Hamlib switches the C library's numeric locale to "C" around its number
    // parsing and back again, holding on to the name setlocale() returned,
    // which the switch frees unless the locale already is "C"; and it does so
    // from the rig's thread. Kestrix formats its numbers with Qt, not the C
    // library, so the numeric locale is made "C" once, before the thread starts.
    std::setlocale(LC_NUMERIC, "C");
    m_thread->setObjectName(QStringLiteral("rig"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &RigWorker::reading, this, &RigControl::reading);
    connect(m_worker, &RigWorker::notAnswering, this, &RigControl::notAnswering);
    connect(m_worker, &RigWorker::morseStarted, this, &RigControl::morseStarted);
    connect(m_worker, &RigWorker::morseFailed, this, &RigControl::morseFailed);
    connect(m_worker, &RigWorker::testDone, this, &RigControl::testDone);
    m_thread->start();
    queue([w = m_worker] { w->start(); });
}

RigControl::~RigControl()
{
    queue([w = m_worker] { w->shutdown(); });
    m_thread->quit();
    // The rig's thread never waits on a connect, and Hamlib's timeouts bound
    // its other calls; Exit waits for no more than this. A call still under
    // way then (a rig that stopped answering mid-read) is left to end with
    // the program rather than holding the window's close.
    if (m_thread->wait(ExitMillis))
        delete m_thread;
    else
        disconnect(m_worker, nullptr, this, nullptr);
}

template <typename F> void RigControl::queue(F &&call)
{
    QMetaObject::invokeMethod(m_worker, std::forward<F>(call), Qt::QueuedConnection);
}

void RigControl::configure(int model, const QString &port, int serialSpeed, int wpm)
{
    queue([w = m_worker, model, port, serialSpeed, wpm] { w->configure(model, port, serialSpeed, wpm); });
}

void RigControl::sendMorse(const QString &text)
{
    queue([w = m_worker, text] { w->sendMorse(text); });
}

void RigControl::stopMorse()
{
    queue([w = m_worker] { w->stopMorse(); });
}

void RigControl::setSpeed(int wpm)
{
    queue([w = m_worker, wpm] { w->setSpeed(wpm); });
}

void RigControl::test(int model, const QString &port, int serialSpeed)
{
    queue([w = m_worker, model, port, serialSpeed] { w->test(model, port, serialSpeed); });
}
