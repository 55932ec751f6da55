#include "schema.h"

namespace kova::store {

const FieldDef* TableDef::field(const QString& fieldName) const {
    const int i = fieldIndex(fieldName);
    return i < 0 ? nullptr : &fields[static_cast<size_t>(i)];
}

int TableDef::fieldIndex(const QString& fieldName) const {
    if (fieldLookup_.isEmpty())
        for (size_t i = 0; i < fields.size(); ++i)
            fieldLookup_.insert(fields[i].name, static_cast<int>(i));
    if (const auto it = fieldLookup_.constFind(fieldName); it != fieldLookup_.cend())
        return it.value();
    // Field names are case-insensitive in the database as in the tables they replace.
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

const IndexDef* TableDef::index(const QString& indexName) const {
    if (indexName.isEmpty())
        return primaryKey();
    for (const IndexDef& ix : indexes)
        if (ix.name == indexName)
            return &ix;
    for (const IndexDef& ix : indexes)
        if (ix.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &ix;
    return nullptr;
}

const IndexDef* TableDef::primaryKey() const {
    for (const IndexDef& ix : indexes)
        if (ix.primary)
            return &ix;
    return nullptr;
}

QString canonicalTableName(const QString& name) {
    QString n = name.trimmed();
    const int dot = n.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        n = n.left(dot);
    return n;
}

const TableDef* findTable(const QString& name) {
    const QString n = canonicalTableName(name);
    for (const TableDef& def : allTables())
        if (def.name.compare(n, Qt::CaseInsensitive) == 0)
            return &def;
    return nullptr;
}

} // namespace kova::store
