#include "ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lexorin {
namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

QString ExecutableName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QStandardPaths::StandardLocation UserLocation(TProgramFile kind) {
    switch (kind) {
    case TProgramFile::Settings:
        return QStandardPaths::AppConfigLocation;
    case TProgramFile::IgnoredLists:
        return QStandardPaths::AppDataLocation;
    case TProgramFile::ErrorLog:
        break;
    }
    return QStandardPaths::AppLocalDataLocation;
}

} // namespace

QString ProgramFolder(TProgramFile kind) {
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    const QString beside = QCoreApplication::applicationDirPath();
    if (QFileInfo(beside).isWritable())
        return beside;
    const QString folder = QStandardPaths::writableLocation(UserLocation(kind));
    QDir().mkpath(folder);
    return folder;
}

QString SettingsFilePath() {
    return ProgramFolder(TProgramFile::Settings) + QLatin1Char('/') + ExecutableName() +
           QStringLiteral(".ini");
}

QString ErrorLogPath() {
    return ProgramFolder(TProgramFile::ErrorLog) + QLatin1Char('/') + ExecutableName() +
           QStringLiteral("_Err.log");
}

void ProvideShippedList() {
    const QDir lists(ProgramFolder(TProgramFile::IgnoredLists));
    if (!lists.entryList({QStringLiteral("*.tiw")}, QDir::Files | QDir::Hidden).isEmpty())
        return;
    const QString shipped =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/lexorin/lexorin.tiw");
    if (QFileInfo::exists(shipped))
        QFile::copy(shipped, lists.filePath(QStringLiteral("lexorin.tiw")));
}

QString UserGuidePath() {
    const QString beside = QCoreApplication::applicationDirPath();
    for (const QString& guide : {beside + QStringLiteral("/guide/guide.html"),
                                 beside + QStringLiteral("/../share/doc/lexorin/guide/guide.html")})
        if (QFileInfo::exists(guide))
            return QFileInfo(guide).canonicalFilePath();
    return {};
}

void SetProgramFolder(const QString& folder) {
    FolderOverride() = folder;
}

} // namespace lexorin
