#pragma once
// SQL for the declared tables: the database builder and the test fixtures create tables with
// it; nothing else creates or restructures a table.

#include "schema.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace kova::store {

QString quoteIdentifier(const QString& name); // "Station Name" -> "\"Station Name\""
// CREATE TABLE and CREATE INDEX statements of one table; `temporary` makes it a TEMP table of
// the connection, which shadows a shared table of the same name.
QStringList createStatements(const TableDef& def, bool temporary = false);
// Creates every declared table in an empty database (in one transaction).
bool createSchema(QSqlDatabase& db, QString* error);

} // namespace kova::store
