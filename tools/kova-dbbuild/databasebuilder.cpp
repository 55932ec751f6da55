#include "databasebuilder.h"

#include "referencecheck.h"
#include "store/ddl.h"
#include "store/schema.h"
#include "tableloader.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryFile>
#include <QUuid>
#include <filesystem>

namespace kova::dbbuild {

namespace {

Problem fileProblem(const QString& file, const QString& message) {
    return {file, 0, {}, message};
}

// One private connection for the lifetime of a build.
class Connection {
public:
    explicit Connection(const QString& file)
        : name_(QStringLiteral("kova-dbbuild-") +
                QUuid::createUuid().toString(QUuid::WithoutBraces)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(file);
        db.open();
    }
    ~Connection() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

// Loads every CSV of `dataDir` named by a declared table, then checks the references.
Problems fill(QSqlDatabase db, const QString& dataDir) {
    Problems problems;
    QString error;
    if (!store::createSchema(db, &error))
        return {fileProblem(QFileInfo(db.databaseName()).fileName(), error)};

    std::map<QString, LoadedTable> loaded;
    db.transaction();
    for (const store::TableDef& def : store::allTables()) {
        const QString csv = QDir(dataDir).filePath(def.name + QStringLiteral(".csv"));
        if (QFileInfo::exists(csv))
            loaded.emplace(def.name, TableLoader(db, def).load(csv, problems));
    }
    db.commit();
    // References are checked only over complete tables: a row refused above would show up
    // again as a missing reference.
    if (problems.empty())
        ReferenceCheck(db, loaded).run(problems);
    return problems;
}

} // namespace

Problems buildDatabase(const QString& dataDir, const QString& outFile) {
    if (!QFileInfo(dataDir).isDir())
        return {fileProblem(dataDir, QStringLiteral("data folder not found"))};
    const QFileInfo out(outFile);
    if (!QDir().mkpath(out.absolutePath()))
        return {fileProblem(outFile, QStringLiteral("cannot create its folder"))};

    QTemporaryFile temp(out.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        return {fileProblem(outFile, temp.errorString())};
    temp.close();

    Problems problems;
    {
        Connection connection(temp.fileName());
        if (!connection.db().isOpen())
            return {fileProblem(temp.fileName(), QStringLiteral("cannot be opened"))};
        problems = fill(connection.db(), dataDir);
    }
    if (!problems.empty())
        return problems; // the temporary file goes with `temp`
    // A temporary file is private to its owner; the database is read by every program.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // rename() replaces an existing file in one step: readers see the old or the new one.
    std::error_code failed;
    std::filesystem::rename(temp.fileName().toStdString(), out.absoluteFilePath().toStdString(),
                            failed);
    if (failed)
        return {fileProblem(outFile, QString::fromStdString(failed.message()))};
    temp.setAutoRemove(false);
    return {};
}

} // namespace kova::dbbuild
