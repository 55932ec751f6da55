#include "sqlitestatement.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace kova::store {

SqliteStatement::SqliteStatement(const QSqlDatabase& db, const QString& sql) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        db_ = *static_cast<sqlite3* const*>(handle.constData());
    if (!db_) {
        error_ = QStringLiteral("not an SQLite connection");
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, text.constData(), static_cast<int>(text.size()), &stmt_, nullptr) !=
        SQLITE_OK) {
        error_ = QString::fromUtf8(sqlite3_errmsg(db_));
        stmt_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(stmt_);
}

void SqliteStatement::bind(int position, const QVariant& value) {
    if (value.isNull()) {
        sqlite3_bind_null(stmt_, position);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(stmt_, position, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt_, position, value.toDouble());
        break;
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(stmt_, position, text.constData(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    }
}

bool SqliteStatement::run() {
    if (!stmt_)
        return false;
    const int rc = sqlite3_step(stmt_);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!ok)
        error_ = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    return ok;
}

qint64 SqliteStatement::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(db_);
}

} // namespace kova::store
