#include "ddl.h"

#include <QSqlError>
#include <QSqlQuery>

namespace kova::store {

QString quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

namespace {

QString columnType(const FieldDef& f) {
    switch (f.type) {
    case FieldType::String:
    case FieldType::Memo:
        return QStringLiteral("TEXT");
    case FieldType::Float:
        return QStringLiteral("REAL");
    case FieldType::Smallint:
    case FieldType::Boolean:
        return QStringLiteral("INTEGER");
    case FieldType::AutoInc:
        // The row id itself: assigned by SQLite, never reused.
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    return QStringLiteral("TEXT");
}

QString indexColumns(const TableDef& def, const IndexDef& ix) {
    QStringList cols;
    for (const QString& name : ix.fields) {
        const FieldDef* f = def.field(name);
        const bool text = f && (f->type == FieldType::String || f->type == FieldType::Memo);
        cols << quoteIdentifier(name) +
                    (ix.caseInsensitive && text ? QStringLiteral(" COLLATE NOCASE") : QString());
    }
    return cols.join(QStringLiteral(", "));
}

} // namespace

QStringList createStatements(const TableDef& def, bool temporary) {
    QStringList cols;
    for (const FieldDef& f : def.fields)
        cols << quoteIdentifier(f.name) + QLatin1Char(' ') + columnType(f);
    QStringList out;
    out << QStringLiteral("CREATE %1TABLE %2 (%3)")
               .arg(temporary ? QStringLiteral("TEMP ") : QString(), quoteIdentifier(def.name),
                    cols.join(QStringLiteral(", ")));
    int n = 0;
    for (const IndexDef& ix : def.indexes) {
        // A key made of the AutoInc field alone is the row id: SQLite keeps it unique already.
        if (ix.fields.size() == 1 && def.field(ix.fields.front()) &&
            def.field(ix.fields.front())->type == FieldType::AutoInc)
            continue;
        const QString name = def.name + QStringLiteral("_ix") + QString::number(n++);
        out << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                   .arg(ix.unique ? QStringLiteral("UNIQUE ") : QString(), quoteIdentifier(name),
                        quoteIdentifier(def.name), indexColumns(def, ix));
    }
    return out;
}

bool createSchema(QSqlDatabase& db, QString* error) {
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }
    QSqlQuery q(db);
    for (const TableDef& def : allTables()) {
        for (const QString& sql : createStatements(def)) {
            if (!q.exec(sql)) {
                if (error)
                    *error = QStringLiteral("%1: %2").arg(sql, q.lastError().text());
                db.rollback();
                return false;
            }
        }
    }
    return db.commit();
}

} // namespace kova::store
