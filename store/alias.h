#pragma once
// The database alias: programs name the alias ("Kova"), never a file. An alias resolves to a
// target (driver and connection parameters) so that a database server can be added later
// without touching callers.

#include <QString>
#include <map>
#include <optional>

namespace kova::store {

inline const QString kDefaultAlias = QStringLiteral("Kova");

struct AliasTarget {
    QString driver = QStringLiteral("QSQLITE");
    QString databaseFile; // QSQLITE: path of the database file
    // Room for a server: host, port, user, database name (unused by QSQLITE).
    QString host;
    int port = 0;
    QString user;
};

class AliasRegistry {
public:
    static AliasRegistry& instance();

    // Resolves an alias: an in-process definition first, else the per-user alias file. On the
    // very first run (no alias file, alias "Kova") the delivered database is copied into the
    // user's data directory and the alias file is written. Returns nullopt with `error` set
    // when the alias cannot be resolved.
    std::optional<AliasTarget> resolve(const QString& alias, QString* error);

    // In-process definition; used by tests and by tools given --db. Wins over the alias file.
    void define(const QString& alias, const AliasTarget& target);
    void undefine(const QString& alias);

    // Where the per-user alias file lives (default: <generic config>/Kova/aliases.ini).
    void setAliasFile(const QString& path);
    QString aliasFile() const;
    // Where the first run copies the delivered database (default: <generic data>/Kova).
    void setUserDataDir(const QString& path);
    QString userDataDir() const;
    // The delivered database to copy on first run (default: found next to the program).
    void setDeliveredDatabase(const QString& path);
    QString deliveredDatabase() const;

private:
    AliasRegistry() = default;
    std::optional<AliasTarget> readAliasFile(const QString& alias, QString* error) const;
    std::optional<AliasTarget> firstRun(const QString& alias, QString* error);

    std::map<QString, AliasTarget> defined_;
    QString aliasFile_;
    QString userDataDir_;
    QString delivered_;
};

} // namespace kova::store
