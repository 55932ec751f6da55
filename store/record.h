#pragma once
// A row's values, by field position of its table declaration.

#include "schema.h"

#include <QVariant>
#include <vector>

namespace kova::store {

class Record {
public:
    Record() = default;
    explicit Record(const TableDef* def) : def_(def), values_(def ? def->fields.size() : 0) {}

    const TableDef* def() const { return def_; }
    int count() const { return static_cast<int>(values_.size()); }

    // Null QVariant for an empty field or an unknown name.
    QVariant value(const QString& field) const;
    QVariant value(int index) const;
    void setRaw(int index, const QVariant& v) { values_[static_cast<size_t>(index)] = v; }

    // Convenience readers: an empty field reads as "", 0, 0.0 or false.
    QString asString(const QString& field) const { return value(field).toString(); }
    double asFloat(const QString& field) const { return value(field).toDouble(); }
    int asInt(const QString& field) const { return value(field).toInt(); }
    bool asBool(const QString& field) const { return value(field).toBool(); }
    bool isNull(const QString& field) const { return value(field).isNull(); }

    const std::vector<QVariant>& values() const { return values_; }
    std::vector<QVariant>& values() { return values_; }

private:
    const TableDef* def_ = nullptr;
    std::vector<QVariant> values_;
};

} // namespace kova::store
