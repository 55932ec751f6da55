#include "workfiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kova::climimport {

namespace {

const QString kTemplate = QStringLiteral("kova-import-XXXXXX");

// A new directory under `base`; nullptr when it cannot be made.
std::unique_ptr<QTemporaryDir> privateDirectoryIn(const QString& base) {
    if (base.isEmpty() || !QDir().mkpath(base))
        return nullptr;
    auto dir = std::make_unique<QTemporaryDir>(QDir(base).filePath(kTemplate));
    if (!dir->isValid())
        return nullptr;
    return dir;
}

QString userWorkDirectory() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/Kova/work");
}

} // namespace

WorkFiles::WorkFiles(QString directory) : directory_(std::move(directory)) {}

WorkFiles::WorkFiles(std::unique_ptr<QTemporaryDir> owned)
    : owned_(std::move(owned)), directory_(owned_->path()) {}

WorkFiles::WorkFiles(WorkFiles&&) noexcept = default;
WorkFiles& WorkFiles::operator=(WorkFiles&&) noexcept = default;
WorkFiles::~WorkFiles() = default;

// Two imports at once (two windows, a window and a script) must never share work files: a
// scan deletes and rewrites them, which would cost the other import its stations.
std::optional<WorkFiles> WorkFiles::locate(QString* error) {
    const QString temporary = QDir::tempPath();
    if (auto dir = privateDirectoryIn(temporary))
        return WorkFiles(std::move(dir));
    const QString user = userWorkDirectory();
    if (auto dir = privateDirectoryIn(user))
        return WorkFiles(std::move(dir));
    if (error)
        *error =
            QStringLiteral("The work files TmpTP.txt and Tmp2.txt cannot be written: no work "
                           "directory can be made in the temporary folder %1 or in %2.")
                .arg(QDir::toNativeSeparators(temporary),
                     QDir::toNativeSeparators(user.isEmpty() ? QStringLiteral("(none)") : user));
    return std::nullopt;
}

QString WorkFiles::stationFile() const {
    return QDir(directory_).filePath(QStringLiteral("TmpTP.txt"));
}

QString WorkFiles::copyFile() const {
    return QDir(directory_).filePath(QStringLiteral("Tmp2.txt"));
}

bool WorkFiles::clearStationFile(QString* error) {
    written_.clear();
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
