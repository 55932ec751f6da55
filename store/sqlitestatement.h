#pragma once
// A prepared statement on the SQLite connection behind a Qt connection. Row writes go
// through it: binding through QSqlQuery costs more than the write itself when a whole
// import or save is posted row by row.

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace kova::store {

class SqliteStatement {
public:
    SqliteStatement(const QSqlDatabase& db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return stmt_ != nullptr; }
    void bind(int position, const QVariant& value); // position from 1
    // Runs the statement once and resets it for the next use. False with error().
    bool run();
    qint64 lastInsertRowId() const;
    QString error() const { return error_; }

private:
    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    QString error_;
};

} // namespace kova::store
