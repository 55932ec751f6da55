#include "tabledataset.h"

#include "store/table.h"

namespace kova::report {

TableDataSet::TableDataSet(kova::store::Table& table) : table_(table) {}

void TableDataSet::beginReport() {
    savedRowId_ = table_.isEmpty() ? -1 : table_.currentRowId();
}

void TableDataSet::endReport() {
    if (savedRowId_ >= 0)
        table_.moveToRowId(savedRowId_);
}

void TableDataSet::first() {
    table_.first();
}

void TableDataSet::next() {
    table_.next();
}

bool TableDataSet::eof() const {
    return table_.isEmpty() || table_.eof();
}

QVariant TableDataSet::value(const QString& field) const {
    if (eof())
        return {};
    return table_.value(field);
}

} // namespace kova::report
