#include "record.h"

#include <QtGlobal>

namespace kova::store {

int checkedFieldIndex(const TableDef& def, const QString& field, QString* message) {
    const int index = def.fieldIndex(field);
    if (index < 0) {
        *message = QStringLiteral("Field '%1' is not a field of table '%2'.").arg(field, def.name);
        Q_ASSERT_X(false, "kova::store field name", qPrintable(*message));
        qWarning("%s", qPrintable(*message));
    }
    return index;
}

QVariant Record::value(const QString& field) const {
    if (!def_)
        return {};
    return value(checkedFieldIndex(*def_, field, &error_));
}

QVariant Record::value(int index) const {
    if (index < 0 || index >= count())
        return {};
    return values_[static_cast<size_t>(index)];
}

} // namespace kova::store
