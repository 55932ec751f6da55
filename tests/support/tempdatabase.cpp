#include "tempdatabase.h"

#include "store/alias.h"
#include "store/database.h"
#include "store/ddl.h"
#include "store/table.h"

#include <QFile>
#include <QSqlDatabase>
#include <stdexcept>

namespace kova::test {

QString storedField(const QString& table, const QString& keyField, const QString& key,
                    const QString& field) {
    store::Table t(table);
    if (!t.open())
        return QStringLiteral("<cannot open>");
    for (t.first(); !t.eof(); t.next())
        if (t.asString(keyField) == key)
            return t.asString(field);
    return QStringLiteral("<no row>");
}

QString deliveredDatabaseFile() {
    return QStringLiteral(KOVA_DELIVERED_DB);
}

QString testSourceFile(const QString& relative) {
    return QStringLiteral(KOVA_TESTS_SOURCE_DIR) + QLatin1Char('/') + relative;
}

TempDatabase::TempDatabase(Contents contents) {
    file_ = dir_.path() + QStringLiteral("/Kova.sqlite");
    if (contents == Contents::Delivered) {
        if (!QFile::copy(deliveredDatabaseFile(), file_))
            throw std::runtime_error("cannot copy the delivered database " +
                                     deliveredDatabaseFile().toStdString());
        QFile::setPermissions(file_, QFile::ReadOwner | QFile::WriteOwner);
    } else {
        const QString name = QStringLiteral("kova-test-schema");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(file_);
            QString error;
            if (!db.open() || !store::createSchema(db, &error))
                throw std::runtime_error("cannot create schema: " + error.toStdString());
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    store::Database::closeAll();
    store::AliasTarget target;
    target.databaseFile = file_;
    store::AliasRegistry::instance().define(store::kDefaultAlias, target);
}

TempDatabase::~TempDatabase() {
    store::AliasRegistry::instance().undefine(store::kDefaultAlias);
    store::Database::closeAll();
}

} // namespace kova::test
