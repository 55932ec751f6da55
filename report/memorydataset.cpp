#include "dataset.h"

namespace kova::report {

MemoryDataSet::MemoryDataSet(QStringList fields) : fields_(std::move(fields)) {}

void MemoryDataSet::addRow(const QVariantList& values) {
    rows_.push_back(values);
}

void MemoryDataSet::first() {
    current_ = 0;
}

void MemoryDataSet::next() {
    if (current_ < rows_.size())
        ++current_;
}

bool MemoryDataSet::eof() const {
    return current_ >= rows_.size();
}

QVariant MemoryDataSet::value(const QString& field) const {
    if (eof())
        return {};
    const int column = fields_.indexOf(field);
    const QVariantList& row = rows_[current_];
    if (column < 0 || column >= row.size())
        return {};
    return row[column];
}

} // namespace kova::report
