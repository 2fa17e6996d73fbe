#pragma once
// How the test drivers talk back to the test that runs them.

#include <QByteArray>

#include <unistd.h>

// One line to stdout, unbuffered, so a line printed is a line the test sees
// even when the driver is killed next. A test that stopped listening ends it.
inline void say(const QByteArray &line)
{
    const QByteArray out = line + '\n';
    for (qsizetype done = 0; done < out.size();) {
        const ssize_t put = ::write(STDOUT_FILENO, out.constData() + done, size_t(out.size() - done));
        if (put <= 0)
            ::_exit(2);
        done += put;
    }
}
