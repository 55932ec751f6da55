#include "schema.h"

namespace kova::store {

int daysInMonth(int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 ? kLengths[month - 1] : 0;
}

bool isValidMonthDay(const QString& text) {
    if (text.size() != 5 || text.at(2) != QLatin1Char('/'))
        return false;
    for (int i : {0, 1, 3, 4})
        if (!text.at(i).isDigit() || text.at(i).unicode() > '9')
            return false;
    const int month = text.left(2).toInt();
    const int day = text.mid(3, 2).toInt();
    if (month == 0 && day == 0)
        return true;
    return day >= 1 && day <= daysInMonth(month);
}

bool FieldDef::accepts(const QVariant& value) const {
    if (value.isNull())
        return true;
    if (range) {
        bool ok = false;
        const double v = value.toDouble(&ok);
        return ok && range->contains(v);
    }
    if (rule == TextRule::MonthDay)
        return isValidMonthDay(value.toString());
    return true;
}

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
