#include "LogExport.h"

#include "AdifWriter.h"
#include "CabrilloWriter.h"
#include "ExportContacts.h"
#include "LogStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace LogExport {

ExportResult build(const QList<QrpRecord> &records, const ExportSettings &settings)
{
    const ExportContacts contacts(records);
    ExportResult result;
    result.contacts = static_cast<int>(contacts.contacts().size());
    result.warnings = contacts.warnings();
    result.claimedScore = settings.claimedScore.value_or(contacts.totalPoints() * contacts.totalMultipliers());
    if (settings.format == ExportFormat::Cabrillo)
        result.bytes = CabrilloWriter::write(contacts.contacts(), settings, result.claimedScore, &result.warnings);
    else
        result.bytes = AdifWriter::write(contacts.contacts(), settings);
    return result;
}

QString refusal(const QString &path, const QString &logDirectory)
{
    const QFileInfo target(path);
    if (target.isDir())
        return QStringLiteral("%1 is a folder.").arg(QDir::toNativeSeparators(target.absoluteFilePath()));
    // Compare real places, so a relative name or a link to a log file is caught too.
    const QString targetDir = QFileInfo(target.absolutePath()).canonicalFilePath();
    const QString logDir = QFileInfo(logDirectory).canonicalFilePath();
    const QString targetPath =
        target.exists() ? target.canonicalFilePath() : targetDir + QLatin1Char('/') + target.fileName();
    for (const char *name : {LogStore::QrpFileName, LogStore::ArciFileName}) {
        const QFileInfo log(QDir(logDirectory).filePath(QLatin1String(name)));
        const QString logPath = log.exists() ? log.canonicalFilePath() : logDir + QLatin1Char('/') + log.fileName();
        if (!logDir.isEmpty() && targetPath == logPath)
            return QStringLiteral("%1 is a log file of Kestrix; choose another name.")
                .arg(QDir::toNativeSeparators(target.absoluteFilePath()));
    }
    return {};
}

bool writeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace LogExport
