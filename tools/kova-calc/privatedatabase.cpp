#include "privatedatabase.h"

#include "store/alias.h"
#include "store/database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace kova::tools {

namespace {

const QString kPrivateAlias = QStringLiteral("KovaCalcPrivate");

// A consistent copy even while a program has the database open.
bool snapshot(const QString& source, const QString& target, QString* error) {
    const QString connection = QStringLiteral("kova-calc-snapshot");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(source);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("VACUUM INTO ?"));
            q.addBindValue(target);
            ok = q.exec();
            if (!ok)
                *error = q.lastError().text();
        } else {
            *error = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!ok && QFile::copy(source, target))
        ok = true;
    if (!ok)
        *error = QStringLiteral("The database '%1' cannot be read: %2").arg(source, *error);
    return ok;
}

} // namespace

bool PrivateDatabase::open(const QString& databaseFile, QString* error) {
    QString source = databaseFile;
    if (source.isEmpty()) {
        const auto target = store::AliasRegistry::instance().resolve(store::kDefaultAlias, error);
        if (!target)
            return false;
        source = target->databaseFile;
    }
    if (!QFileInfo(source).isFile()) {
        *error = QStringLiteral("The database '%1' does not exist.").arg(source);
        return false;
    }
    if (!dir_.isValid()) {
        *error = QStringLiteral("No temporary folder for the private database.");
        return false;
    }
    const QString copy = dir_.filePath(QStringLiteral("Kova.sqlite"));
    if (!snapshot(source, copy, error))
        return false;
    store::AliasTarget target;
    target.databaseFile = copy;
    store::AliasRegistry::instance().define(kPrivateAlias, target);
    auto db = store::Database::open(kPrivateAlias, error);
    if (!db) {
        *error = QStringLiteral("The database '%1' cannot be used: %2").arg(source, *error);
        return false;
    }
    return true;
}

QString PrivateDatabase::alias() const {
    return kPrivateAlias;
}

} // namespace kova::tools
