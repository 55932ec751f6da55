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

private:
    QTemporaryDir dir_;
};

} // namespace kova::tools
