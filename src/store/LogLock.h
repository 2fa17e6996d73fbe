#pragma once
// Keeps one running program per log: an advisory lock on the log's folder, held
// for the whole run, so it guards whatever files the folder's log is made of,
// before and after they are renamed.

#include <QString>

class LogLock {
  public:
    explicit LogLock(const QString &directory);
    ~LogLock();
    LogLock(const LogLock &) = delete;
    LogLock &operator=(const LogLock &) = delete;

    // True when this process now holds the log. False when another one does, or
    // the file could not be opened (reason() says which).
    bool acquire();
    QString reason() const { return m_reason; }
    bool heldByOther() const { return m_heldByOther; }

  private:
    QString m_directory;
    QString m_reason;
    int m_fd = -1;
    bool m_heldByOther = false;
};
