#pragma once
// The station details the report forms remember go to a settings folder of the
// test's own, a fresh one for each test function, never to the user's.

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

class OwnSettings {
  public:
    void renew()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir->path());
    }
    // Where the program keeps the details: Kestrix/Kestrix.conf under the folder.
    QString file() const { return m_dir->filePath(QStringLiteral("Kestrix/Kestrix.conf")); }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};
