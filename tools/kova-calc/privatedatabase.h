#pragma once
// kova-calc never changes saved jobs, created crops or another program's working rows: it
// works on a private snapshot of the database, reached through an alias of its own.

#include <QString>
#include <QTemporaryDir>

namespace kova::tools {

class PrivateDatabase {
public:
    // Snapshots `databaseFile`, or the database behind the alias "Kova" when it is empty.
    bool open(const QString& databaseFile, QString* error);
    QString alias() const;
    // A message of the store with the private copy named as the user's database: the copy is
    // the tool's own business.
    QString inUserWords(const QString& message) const;

private:
    bool checkTables(QString* error) const;

    QTemporaryDir dir_;
    QString source_;
    QString copy_;
};

} // namespace kova::tools
