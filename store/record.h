#pragma once
// A row's values, by field position of its table declaration.

#include "schema.h"

#include <QVariant>
#include <vector>

namespace kova::store {

class Record {
public:
    Record() = default; // no row: every field reads as null
    explicit Record(const TableDef* def) : def_(def), values_(def ? def->fields.size() : 0) {}

    const TableDef* def() const { return def_; }
    int count() const { return static_cast<int>(values_.size()); }

    // Null QVariant for an empty field. A name the declaration does not have is a fault in
    // the calling code, never a blank: it stops a debug build, and in a release build reads
    // as null with errorString() naming the table and the field.
    QVariant value(const QString& field) const;
    QVariant value(int index) const;
    void setRaw(int index, const QVariant& v) { values_[static_cast<size_t>(index)] = v; }

    // Convenience readers: an empty field reads as "", 0, 0.0 or false.
    QString asString(const QString& field) const { return value(field).toString(); }
    double asFloat(const QString& field) const { return value(field).toDouble(); }
    int asInt(const QString& field) const { return value(field).toInt(); }
    bool asBool(const QString& field) const { return value(field).toBool(); }
    bool isNull(const QString& field) const { return value(field).isNull(); }

    // The last read of an unknown field name; empty when every name asked for was declared.
    QString errorString() const { return error_; }

    const std::vector<QVariant>& values() const { return values_; }
    std::vector<QVariant>& values() { return values_; }

private:
    const TableDef* def_ = nullptr;
    std::vector<QVariant> values_;
    mutable QString error_;
};

// Position of `field` in `def`, or -1 after reporting the unknown name: a debug build stops
// with `message`, a release build goes on. Shared by Record and Table so both fail alike.
int checkedFieldIndex(const TableDef& def, const QString& field, QString* message);

} // namespace kova::store
