#include "workfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kova::climimport {

namespace {

bool isWritableDirectory(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable();
}

QString userWorkDirectory() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    const QString path = base + QStringLiteral("/Kova/work");
    QDir().mkpath(path);
    return path;
}

} // namespace

WorkFiles::WorkFiles(QString directory) : directory_(std::move(directory)) {}

std::optional<WorkFiles> WorkFiles::locate(QString* error) {
    const QString current = QDir::currentPath();
    if (isWritableDirectory(current))
        return WorkFiles(current);
    const QString user = userWorkDirectory();
    if (isWritableDirectory(user))
        return WorkFiles(user);
    if (error)
        *error =
            QStringLiteral("The work files TmpTP.txt and Tmp2.txt cannot be written: "
                           "neither the working directory %1 nor the work directory %2 "
                           "is writable.")
                .arg(QDir::toNativeSeparators(current),
                     QDir::toNativeSeparators(user.isEmpty() ? QStringLiteral("(none)") : user));
    return std::nullopt;
}

QString WorkFiles::stationFile() const {
    return QDir(directory_).filePath(QStringLiteral("TmpTP.txt"));
}

QString WorkFiles::copyFile() const {
    return QDir(directory_).filePath(QStringLiteral("Tmp2.txt"));
}

bool WorkFiles::clearStationFile(QString* error) const {
    QFile file(stationFile());
    if (!file.exists() || file.remove())
        return true;
    if (error)
        *error = QStringLiteral("The old work file %1 cannot be deleted: %2")
                     .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return false;
}

RunningNumber& RunningNumber::programRun() {
    static RunningNumber numbers;
    return numbers;
}

} // namespace kova::climimport
