#include "alias.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kova::store {

namespace {

QString firstExisting(const QStringList& candidates) {
    for (const QString& c : candidates)
        if (QFileInfo::exists(c))
            return QFileInfo(c).absoluteFilePath();
    return {};
}

} // namespace

AliasRegistry& AliasRegistry::instance() {
    static AliasRegistry registry;
    return registry;
}

void AliasRegistry::define(const QString& alias, const AliasTarget& target) {
    defined_[alias.toLower()] = target;
}

void AliasRegistry::undefine(const QString& alias) {
    defined_.erase(alias.toLower());
}

void AliasRegistry::setAliasFile(const QString& path) {
    aliasFile_ = path;
}

QString AliasRegistry::aliasFile() const {
    if (!aliasFile_.isEmpty())
        return aliasFile_;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kova/aliases.ini");
}

void AliasRegistry::setUserDataDir(const QString& path) {
    userDataDir_ = path;
}

QString AliasRegistry::userDataDir() const {
    if (!userDataDir_.isEmpty())
        return userDataDir_;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Kova");
}

void AliasRegistry::setDeliveredDatabase(const QString& path) {
    delivered_ = path;
}

QString AliasRegistry::deliveredDatabase() const {
    if (!delivered_.isEmpty())
        return delivered_;
    // The build tree keeps programs in bin/ and the database in data/; an installation keeps
    // it in share/kova/.
    const QString app =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return firstExisting({app + QStringLiteral("/../data/Kova.sqlite"),
                          app + QStringLiteral("/../share/kova/Kova.sqlite"),
                          app + QStringLiteral("/Kova.sqlite")});
}

std::optional<AliasTarget> AliasRegistry::resolve(const QString& alias, QString* error) {
    if (auto it = defined_.find(alias.toLower()); it != defined_.end())
        return it->second;
    if (QFileInfo::exists(aliasFile()))
        return readAliasFile(alias, error);
    if (alias.compare(kDefaultAlias, Qt::CaseInsensitive) == 0)
        return firstRun(alias, error);
    if (error)
        *error = QStringLiteral("Alias '%1' is not defined (alias file '%2' does not exist).")
                     .arg(alias, aliasFile());
    return std::nullopt;
}

std::optional<AliasTarget> AliasRegistry::readAliasFile(const QString& alias,
                                                        QString* error) const {
    QSettings ini(aliasFile(), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError || !ini.childGroups().contains(alias)) {
        if (error)
            *error = QStringLiteral("Alias '%1' is not defined in the alias file '%2'.")
                         .arg(alias, aliasFile());
        return std::nullopt;
    }
    ini.beginGroup(alias);
    AliasTarget t;
    t.driver = ini.value(QStringLiteral("Driver"), QStringLiteral("QSQLITE")).toString();
    t.databaseFile = ini.value(QStringLiteral("Database")).toString();
    t.host = ini.value(QStringLiteral("Host")).toString();
    t.port = ini.value(QStringLiteral("Port"), 0).toInt();
    t.user = ini.value(QStringLiteral("User")).toString();
    if (t.databaseFile.isEmpty()) {
        if (error)
            *error = QStringLiteral("Alias '%1' in the alias file '%2' names no database.")
                         .arg(alias, aliasFile());
        return std::nullopt;
    }
    return t;
}

std::optional<AliasTarget> AliasRegistry::firstRun(const QString& alias, QString* error) {
    const QString delivered = deliveredDatabase();
    const QString target = userDataDir() + QStringLiteral("/Kova.sqlite");
    // Never overwrite a database the user already has, even if the alias file was lost.
    if (!QFileInfo::exists(target)) {
        if (delivered.isEmpty()) {
            if (error)
                *error = QStringLiteral("Alias '%1' is not defined and no delivered database "
                                        "was found next to the program.")
                             .arg(alias);
            return std::nullopt;
        }
        if (!QDir().mkpath(userDataDir()) || !QFile::copy(delivered, target)) {
            if (error)
                *error = QStringLiteral("Alias '%1': cannot copy the delivered database '%2' "
                                        "to '%3'.")
                             .arg(alias, delivered, target);
            return std::nullopt;
        }
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther);
    }
    QDir().mkpath(QFileInfo(aliasFile()).absolutePath());
    QSettings ini(aliasFile(), QSettings::IniFormat);
    ini.beginGroup(alias);
    ini.setValue(QStringLiteral("Driver"), QStringLiteral("QSQLITE"));
    ini.setValue(QStringLiteral("Database"), target);
    ini.endGroup();
    ini.sync();
    AliasTarget t;
    t.databaseFile = target;
    return t;
}

} // namespace kova::store
