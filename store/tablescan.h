#pragma once
// Walks every visible row of a table without telling its listeners, and puts the cursor back
// where it was. Only while the table is browsing: moving off a row in edit would post it.

#include <QStringList>
#include <QVariant>
#include <vector>

namespace kova::store {

class Table;

class TableScan {
public:
    // Values of the named fields, one vector per visible row in the table's order.
    static std::vector<std::vector<QVariant>> rows(Table& table, const QStringList& fields);
};

} // namespace kova::store
