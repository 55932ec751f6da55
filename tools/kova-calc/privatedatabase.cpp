#include "privatedatabase.h"

#include "store/alias.h"
#include "store/database.h"
#include "store/schema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

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
    source_ = databaseFile;
    if (source_.isEmpty()) {
        const auto target = store::AliasRegistry::instance().resolve(store::kDefaultAlias, error);
        if (!target)
            return false;
        source_ = target->databaseFile;
    }
    const QFileInfo file(source_);
    if (!file.isFile()) {
        *error = QStringLiteral("The database '%1' does not exist.").arg(source_);
        return false;
    }
    if (file.size() == 0) {
        *error = QStringLiteral("The database '%1' is empty (0 bytes).").arg(source_);
        return false;
    }
    if (!dir_.isValid()) {
        *error = QStringLiteral("No temporary folder for the private database.");
        return false;
    }
    copy_ = dir_.filePath(QStringLiteral("Kova.sqlite"));
    if (!snapshot(source_, copy_, error))
        return false;
    store::AliasTarget target;
    target.databaseFile = copy_;
    store::AliasRegistry::instance().define(kPrivateAlias, target);
    return checkTables(error);
}

bool PrivateDatabase::checkTables(QString* error) const {
    QString technical; // names the private copy: not for the user
    auto db = store::Database::open(kPrivateAlias, &technical);
    if (!db) {
        *error = QStringLiteral("The database '%1' cannot be opened as a database.").arg(source_);
        return false;
    }
    QStringList missing;
    for (const store::TableDef& table : store::allTables())
        if (!db->hasTable(table.name))
            missing << table.name;
    if (!missing.isEmpty()) {
        *error =
            QStringLiteral("The database '%1' is not a complete Kova database: it lacks %2 %3.")
                .arg(source_,
                     missing.size() == 1 ? QStringLiteral("the table")
                                         : QStringLiteral("the tables"),
                     missing.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

QString PrivateDatabase::alias() const {
    return kPrivateAlias;
}

QString PrivateDatabase::inUserWords(const QString& message) const {
    if (copy_.isEmpty())
        return message;
    QString text = message;
    QString ignored;
    if (auto db = store::Database::open(kPrivateAlias, &ignored))
        text.replace(db->describe(), QStringLiteral("database '%1'").arg(source_));
    return text.replace(copy_, source_);
}

} // namespace kova::tools
