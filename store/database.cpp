#include "database.h"

#include "ddl.h"
#include "schema.h"
#include "table.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <map>

namespace kova::store {

namespace {

// Open databases of the process by alias and file; tables share them. Connections stay open
// while the program runs, since tables are opened and closed around every window.
std::map<QString, std::shared_ptr<Database>>& openDatabases() {
    static std::map<QString, std::shared_ptr<Database>> open;
    return open;
}

int& connectionCounter() {
    static int n = 0;
    return n;
}

QVariant booleanParameter(const QVariant& v) {
    const QString s = v.toString().trimmed().toUpper();
    if (s == QLatin1String("T") || s == QLatin1String("TRUE") || s == QLatin1String("1"))
        return 1;
    if (s == QLatin1String("F") || s == QLatin1String("FALSE") || s == QLatin1String("0"))
        return 0;
    return v;
}

QString unbracket(QString name) {
    if ((name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']'))) ||
        (name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"'))))
        name = name.mid(1, name.size() - 2);
    return name;
}

} // namespace

Database::Database(QString alias, AliasTarget target, QString connectionName)
    : alias_(std::move(alias)), target_(std::move(target)),
      connectionName_(std::move(connectionName)) {}

Database::~Database() {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen()) {
            if (depth_ > 0)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

std::shared_ptr<Database> Database::open(const QString& alias, QString* error) {
    const auto target = AliasRegistry::instance().resolve(alias, error);
    if (!target)
        return nullptr;
    const QString key = alias.toLower() + QLatin1Char('|') + target->databaseFile;
    auto& cache = openDatabases();
    if (auto it = cache.find(key); it != cache.end())
        return it->second;

    if (target->driver != QLatin1String("QSQLITE")) {
        if (error)
            *error = QStringLiteral("Alias '%1': driver '%2' is not supported.")
                         .arg(alias, target->driver);
        return nullptr;
    }
    const QFileInfo file(target->databaseFile);
    if (!file.exists()) {
        if (error)
            *error = QStringLiteral("Alias '%1': database file '%2' does not exist.")
                         .arg(alias, target->databaseFile);
        return nullptr;
    }
    if (!file.isReadable()) {
        if (error)
            *error = QStringLiteral("Alias '%1': database file '%2' cannot be read.")
                         .arg(alias, target->databaseFile);
        return nullptr;
    }
    // Connections must close while Qt's SQL driver registry still exists: before the
    // application object goes, not when static objects are destroyed after it.
    static const bool cleanupRegistered = [] {
        qAddPostRoutine(&Database::closeAll);
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    const QString name = QStringLiteral("kova-%1").arg(++connectionCounter());
    std::shared_ptr<Database> db(new Database(alias, *target, name));
    db->readOnly_ = !file.isWritable();
    if (!db->check(error))
        return nullptr;
    cache[key] = db;
    return db;
}

void Database::closeAll() {
    openDatabases().clear();
}

bool Database::check(QString* error) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(target_.databaseFile);
    // A second program writing at the same moment waits for the lock instead of failing.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000");
    if (readOnly_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        if (error)
            *error =
                QStringLiteral("%1: cannot be opened: %2").arg(describe(), db.lastError().text());
        return false;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next()) {
        if (error)
            *error = QStringLiteral("%1 is not a usable database: %2")
                         .arg(describe(), q.lastError().text());
        return false;
    }
    q.finish();
    // Write-ahead logging: a commit (one computed crop, one posted row) costs no full sync,
    // readers never block the writer, and a crash still leaves a consistent database.
    if (!readOnly_) {
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    return true;
}

QSqlDatabase Database::connection() const {
    return QSqlDatabase::database(connectionName_, false);
}

bool Database::hasTable(const QString& tableName) const {
    QSqlQuery q(connection());
    q.prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(canonicalTableName(tableName));
    return q.exec() && q.next();
}

QString Database::describe() const {
    return QStringLiteral("alias '%1' (file '%2')").arg(alias_, target_.databaseFile);
}

QString Database::describeTable(const QString& tableName) const {
    return QStringLiteral("table '%1' of %2").arg(canonicalTableName(tableName), describe());
}

bool Database::execUpdate(const QString& statement, const QVariantMap& params, QString* error) {
    static const QRegularExpression updateRe(
        QStringLiteral(R"(^\s*update\s+("[^"]+"|\[[^\]]+\]|\S+)\s+set\s+)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression assignRe(
        QStringLiteral(R"(("[^"]+"|\[[^\]]+\]|[\w/%]+)\s*=\s*:(\w+))"));
    const auto m = updateRe.match(statement);
    const TableDef* def = m.hasMatch() ? findTable(unbracket(m.captured(1))) : nullptr;
    if (!def) {
        if (error)
            *error = QStringLiteral("%1: not an update statement of a known table: %2")
                         .arg(describe(), statement);
        return false;
    }
    if (readOnly_) {
        if (error)
            *error = QStringLiteral("%1 is read-only.").arg(describeTable(def->name));
        return false;
    }
    QString sql = statement;
    sql.replace(m.capturedStart(1), m.capturedLength(1),
                QLatin1Char('"') + def->name + QLatin1Char('"'));

    // Boolean fields take the "T"/"F" texts of the mark commands.
    QVariantMap bound = params;
    auto it = assignRe.globalMatch(sql, m.capturedEnd(0));
    while (it.hasNext()) {
        const auto a = it.next();
        const FieldDef* f = def->field(unbracket(a.captured(1)));
        const QString p = a.captured(2);
        if (f && f->type == FieldType::Boolean && bound.contains(p))
            bound[p] = booleanParameter(bound[p]);
    }
    QSqlQuery q(connection());
    if (!q.prepare(sql)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(describeTable(def->name), q.lastError().text());
        return false;
    }
    for (auto p = bound.cbegin(); p != bound.cend(); ++p)
        q.bindValue(QLatin1Char(':') + p.key(), p.value());
    if (!q.exec()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(describeTable(def->name), q.lastError().text());
        return false;
    }
    tableChanged(def->name, nullptr);
    return true;
}

bool Database::makePrivate(const QStringList& tableNames, QString* error) {
    for (const QString& name : tableNames) {
        const TableDef* def = findTable(name);
        if (!def) {
            if (error)
                *error = QStringLiteral("%1: no table '%2' is declared.").arg(describe(), name);
            return false;
        }
        if (isPrivate(def->name))
            continue;
        QSqlQuery q(connection());
        for (const QString& sql : createStatements(*def, true)) {
            if (!q.exec(sql)) {
                if (error)
                    *error = QStringLiteral("%1: cannot make a private copy: %2")
                                 .arg(describeTable(def->name), q.lastError().text());
                return false;
            }
        }
        private_ << def->name;
        tableChanged(def->name, nullptr);
    }
    return true;
}

bool Database::isPrivate(const QString& tableName) const {
    return private_.contains(canonicalTableName(tableName), Qt::CaseInsensitive);
}

bool Database::beginTransaction(QString* error) {
    QSqlQuery q(connection());
    // IMMEDIATE takes the write lock at once, so a second writer waits (busy timeout) at the
    // start instead of failing half-way.
    const QString sql = depth_ == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                                    : QStringLiteral("SAVEPOINT kova_%1").arg(depth_);
    if (!q.exec(sql)) {
        if (error)
            *error = QStringLiteral("%1: cannot start a transaction: %2")
                         .arg(describe(), q.lastError().text());
        return false;
    }
    ++depth_;
    return true;
}

bool Database::commit(QString* error) {
    if (depth_ == 0)
        return true;
    QSqlQuery q(connection());
    const QString sql =
        depth_ == 1 ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE kova_%1").arg(depth_ - 1);
    if (!q.exec(sql)) {
        if (error)
            *error = QStringLiteral("%1: cannot commit: %2").arg(describe(), q.lastError().text());
        return false;
    }
    --depth_;
    return true;
}

void Database::rollback() {
    if (depth_ == 0)
        return;
    QSqlQuery q(connection());
    if (depth_ == 1) {
        q.exec(QStringLiteral("ROLLBACK"));
    } else {
        q.exec(QStringLiteral("ROLLBACK TO kova_%1").arg(depth_ - 1));
        q.exec(QStringLiteral("RELEASE kova_%1").arg(depth_ - 1));
    }
    --depth_;
    for (Table* t : tables_)
        t->markStale();
}

void Database::attach(Table* table) {
    if (std::find(tables_.begin(), tables_.end(), table) == tables_.end())
        tables_.push_back(table);
}

void Database::detach(Table* table) {
    tables_.erase(std::remove(tables_.begin(), tables_.end(), table), tables_.end());
}

void Database::tableChanged(const QString& tableName, const Table* source) {
    for (Table* t : tables_)
        if (t != source && t->tableName() == tableName)
            t->markStale();
}

Transaction::Transaction(Database& db) : db_(db) {
    started_ = db_.beginTransaction(&error_);
}

Transaction::~Transaction() {
    if (started_ && !done_)
        db_.rollback();
}

bool Transaction::commit() {
    if (!started_ || done_)
        return false;
    if (!db_.commit(&error_))
        return false;
    done_ = true;
    return true;
}

} // namespace kova::store
