#include "record.h"

namespace kova::store {

QVariant Record::value(const QString& field) const {
    if (!def_)
        return {};
    return value(def_->fieldIndex(field));
}

QVariant Record::value(int index) const {
    if (index < 0 || index >= count())
        return {};
    return values_[static_cast<size_t>(index)];
}

} // namespace kova::store
