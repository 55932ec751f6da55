#pragma once
// Turns the text of one CSV cell into the value stored in a field of its declared type, within
// the field's declared range or text rule.

#include "store/schema.h"

#include <QString>
#include <QVariant>

namespace kova::dbbuild {

// The stored value (a null QVariant for an empty cell) or the reason the text does not fit.
struct CellValue {
    QVariant value;
    QString error; // empty when the text fits the field
    bool ok() const { return error.isEmpty(); }
};

CellValue convertCell(const store::FieldDef& field, const QString& text);

} // namespace kova::dbbuild
