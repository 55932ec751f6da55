#pragma once
// Declarations of every table of the Kova database: fields with their types and widths,
// keys and named indexes. One declaration per table feeds both the database builder
// (DDL) and the table cursor (named indexes, field rules).

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

namespace kova::store {

enum class FieldType {
    String,   // fixed width text: keeps its first `width` characters
    Float,    // IEEE double
    Smallint, // 16-bit signed integer, range checked
    Boolean,  // logical
    AutoInc,  // assigned by the table, read-only to the programs
    Memo      // free text; `width` is the part kept in the record itself (informative)
};

// Valid values of a numeric field, both ends included.
struct ValueRange {
    double min = 0;
    double max = 0;
    bool contains(double v) const { return v >= min && v <= max; } // false for NaN
};

// What a text field must look like beyond its width.
enum class TextRule {
    None,
    MonthDay // "MM/DD" with a real month and day of the 365-day year, or "00/00" (no date)
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int width = 0;         // String(n), Memo(n); 0 for the other types
    bool required = false; // checked when a row is posted
    // Valid values where the field has a declared range: forms, imports and tools take their
    // limits from here, so every entry path refuses the same values.
    std::optional<ValueRange> range = std::nullopt;
    TextRule rule = TextRule::None;

    // The field's own rules for a value about to be stored: in range (numbers) and well
    // formed (texts). A null value is valid here; required fields are checked at post.
    bool accepts(const QVariant& value) const;
};

// "MM/DD" with month 1..12 and a day of that month (365-day year), or "00/00".
bool isValidMonthDay(const QString& text);
// Days of month 1..12 in the 365-day year (31, 28, 31, ...); 0 outside 1..12.
int daysInMonth(int month);

struct IndexDef {
    QString name;       // name used to select the index ("StaNameIndex"); may be empty
    QStringList fields; // key fields, most significant first
    bool unique = false;
    bool caseInsensitive = false;
    bool primary = false; // the table's primary key: its default order
};

struct TableDef {
    QString name; // table name without extension ("Climate", "KovaWkCrop")
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const;
    int fieldIndex(const QString& fieldName) const; // -1 when absent
    // Looks an index up by name (exact, then case-insensitive). Empty name: the primary key.
    const IndexDef* index(const QString& indexName) const;
    const IndexDef* primaryKey() const;

    // Exact names to positions, filled on first use (public so the table stays an aggregate).
    mutable QHash<QString, int> fieldLookup_ = {};
};

// Every table of the database, in a stable order.
const std::vector<TableDef>& allTables();

// Table by name as the programs write it: with or without extension, any case
// ("KovaWkCrop.DB", "kovawkcrop", "Climate.db"). nullptr when unknown.
const TableDef* findTable(const QString& name);

// "Climate.DB" -> "Climate"; the name the database uses.
QString canonicalTableName(const QString& name);

} // namespace kova::store
