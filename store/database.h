#pragma once
// One open database reached through an alias. Tables of one process share it. Holds the
// connection, runs update statements with named parameters and transactions, and tells the
// open tables when rows changed under them.

#include "alias.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>
#include <vector>

namespace kova::store {

class Table;

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The open database of an alias (shared by every table of the process that uses it).
    // nullptr with `error` set when the alias, the file or its contents are unusable.
    static std::shared_ptr<Database> open(const QString& alias, QString* error);
    // Drops cached connections (tests that re-point an alias between cases).
    static void closeAll();

    QString alias() const { return alias_; }
    QString fileName() const { return target_.databaseFile; }
    bool isReadOnly() const { return readOnly_; }
    // Rows of `tableName` cannot be written: the file is read-only and the table is shared.
    bool isReadOnly(const QString& tableName) const { return readOnly_ && !isPrivate(tableName); }
    QSqlDatabase connection() const;
    bool hasTable(const QString& tableName) const;

    // "alias 'Kova' (file '/x/Kova.sqlite')" — every message of the store names it.
    QString describe() const;
    QString describeTable(const QString& tableName) const;

    // Runs an update statement with named parameters ("Update Climate Set Marked = :NewValue",
    // NewValue "T" or "F"). Boolean fields take "T"/"F"/"True"/"False". Table names may carry
    // an extension. Open tables of the updated table are refreshed.
    bool execUpdate(const QString& statement, const QVariantMap& params, QString* error);

    // Tables this program keeps to itself (the rows of the job in work): each becomes an empty
    // TEMP table of this connection that shadows the shared table by name, so two programs on
    // one file never see, change or empty each other's rows. Open tables of those names reload.
    bool makePrivate(const QStringList& tableNames, QString* error);
    bool isPrivate(const QString& tableName) const;

    // Transactions nest (savepoints inside the outer one). A rollback refreshes every open
    // table of this database, so cursors never show rows that are no longer there.
    bool beginTransaction(QString* error);
    bool commit(QString* error);
    void rollback();
    int transactionDepth() const { return depth_; }

    // Table bookkeeping: a change made through one table marks the other open tables of the
    // same name as stale; they reload on their next access.
    void attach(Table* table);
    void detach(Table* table);
    void tableChanged(const QString& tableName, const Table* source);

private:
    Database(QString alias, AliasTarget target, QString connectionName);
    bool check(QString* error);

    QString alias_;
    AliasTarget target_;
    QString connectionName_;
    bool readOnly_ = false;
    int depth_ = 0;
    QStringList private_;
    std::vector<Table*> tables_;
};

// Scope guard: rolls back unless commit() succeeded.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool ok() const { return started_; }
    const QString& error() const { return error_; }
    bool commit();

private:
    Database& db_;
    bool started_ = false;
    bool done_ = false;
    QString error_;
};

} // namespace kova::store
