#include "tablescan.h"

#include "table.h"

#include <QSignalBlocker>

namespace kova::store {

std::vector<std::vector<QVariant>> TableScan::rows(Table& table, const QStringList& fields) {
    std::vector<std::vector<QVariant>> rows;
    if (table.state() != EditState::Browse)
        return rows;
    const int count = table.recordCount(); // reloads a stale table before the signals are held
    const int keep = table.recNo();
    const QSignalBlocker hold(&table);
    rows.reserve(static_cast<size_t>(count));
    for (int position = 0; position < count && table.moveTo(position); ++position) {
        std::vector<QVariant> values;
        values.reserve(static_cast<size_t>(fields.size()));
        for (const QString& field : fields)
            values.push_back(table.value(field));
        rows.push_back(std::move(values));
    }
    if (keep >= 0)
        table.moveTo(keep);
    return rows;
}

} // namespace kova::store
