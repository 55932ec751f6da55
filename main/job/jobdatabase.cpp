#include "jobdatabase.h"

#include "jobstore.h"

#include "store/alias.h"
#include "store/database.h"
#include "store/schema.h"

namespace kova::job {

namespace {

QString fileOf(const QString& alias) {
    QString ignored;
    const auto target = store::AliasRegistry::instance().resolve(alias, &ignored);
    return target ? target->databaseFile : alias;
}

QStringList missingTables(const store::Database& db) {
    QStringList missing;
    for (const store::TableDef& table : store::allTables())
        if (!db.hasTable(table.name))
            missing << table.name;
    return missing;
}

} // namespace

const QStringList& privateWorkingTables() {
    static const QStringList tables = {QStringLiteral("KovaWkCrop"), QStringLiteral("ETKc")};
    return tables;
}

std::shared_ptr<store::Database> openJobDatabase(const QString& alias, JobMessages& messages) {
    const QString what =
        QStringLiteral("The Kova database '%1' cannot be opened").arg(fileOf(alias));
    QString error;
    auto db = store::Database::open(alias, &error);
    if (!db) {
        const QString why = error.contains(QLatin1String("does not exist"))
                                ? QStringLiteral(": the file does not exist.")
                                : QStringLiteral(": it is not a database.");
        messages.report({MessageKind::Error, what + why, error});
        return nullptr;
    }
    if (const QStringList missing = missingTables(*db); !missing.isEmpty()) {
        messages.report(
            {MessageKind::Error,
             what + QStringLiteral(": it is not a complete Kova database (%1 %2 "
                                   "missing).")
                        .arg(missing.join(QStringLiteral(", ")),
                             missing.size() == 1 ? QStringLiteral("is") : QStringLiteral("are")),
             {}});
        return nullptr;
    }
    if (!db->makePrivate(privateWorkingTables(), &error)) {
        messages.report(
            {MessageKind::Error, what + failureReason(error) + QLatin1Char('.'), error});
        return nullptr;
    }
    if (db->isReadOnly())
        messages.report({MessageKind::Warning,
                         QStringLiteral("The Kova database '%1' is read-only: jobs can be opened "
                                        "and computed, but not saved or removed, and the "
                                        "defaults cannot be changed.")
                             .arg(db->fileName()),
                         {}});
    return db;
}

} // namespace kova::job
