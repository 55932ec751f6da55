#pragma once
// Checks the crop editor makes before a row is saved, beyond the table's own rules: a name no
// other row has (letter case ignored, as the calculation looks names up), and fields that
// must agree with each other (a day of its month, the shortest season before the longest).

#include <QString>
#include <QStringList>
#include <QVariant>

namespace kova::store {
class Record;
class Table;
} // namespace kova::store

namespace kova::cropedit {

// What is wrong with a row, in the user's words, and the fields to correct.
struct RowProblems {
    QStringList problems;
    QStringList fields;
    bool any() const { return !problems.isEmpty(); }
    void add(const QString& problem, const QStringList& fieldsToFix);
};

// Another row of the table (not the one being edited) holds the current row's `nameField`,
// letter case ignored. False with `error` when the table cannot be read.
bool nameTakenByAnother(const store::Table& table, const QString& nameField, bool* taken,
                        QString* error);

// The value of `field` as stored for the row being edited (null for a new row), read past
// the edit buffer: a rename is the stored name against the typed one.
QVariant storedValue(const store::Table& table, const QString& field);

// A created crop: planting and harvest days within their months, the required season no
// longer than the maximum.
RowProblems createdCropProblems(const store::Record& crop);
// An annual crop type: the three season fractions in order, the shortest season no longer
// than the longest.
RowProblems cropTypeProblems(const store::Record& cropType);

} // namespace kova::cropedit
