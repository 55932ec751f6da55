#include "rowchecks.h"

#include "store/ddl.h"
#include "store/table.h"

#include <QSqlQuery>

namespace kova::cropedit {

using store::EditState;
using store::Record;

void RowProblems::add(const QString& problem, const QStringList& fieldsToFix) {
    problems << problem;
    for (const QString& field : fieldsToFix)
        if (!fields.contains(field))
            fields << field;
}

bool nameTakenByAnother(const store::Table& table, const QString& nameField, bool* taken,
                        QString* error) {
    *taken = false;
    const QString name = table.asString(nameField);
    if (name.isEmpty())
        return true; // the required-field check tells about an empty name
    const qint64 self = table.state() == EditState::Edit ? table.currentRowId() : -1;
    store::Table others(table.tableName(), table.database()->alias());
    if (!others.open()) {
        *error = others.errorString();
        return false;
    }
    for (others.first(); !others.eof() && !*taken; others.next())
        *taken = others.currentRowId() != self &&
                 others.asString(nameField).compare(name, Qt::CaseInsensitive) == 0;
    return true;
}

QVariant storedValue(const store::Table& table, const QString& field) {
    if (table.state() == EditState::Insert || !table.database() || table.currentRowId() < 0)
        return {};
    QSqlQuery q(table.database()->connection());
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                  .arg(store::quoteIdentifier(field), store::quoteIdentifier(table.tableName())));
    q.addBindValue(table.currentRowId());
    return q.exec() && q.next() ? q.value(0) : QVariant();
}

namespace {

void checkDayOfMonth(const Record& crop, const QString& monthField, const QString& dayField,
                     RowProblems* out) {
    if (crop.isNull(monthField) || crop.isNull(dayField))
        return; // required fields are the table's to check
    const int month = crop.asInt(monthField);
    const int day = crop.asInt(dayField);
    const int days = store::daysInMonth(month);
    if (days > 0 && day > days)
        out->add(QStringLiteral("%1 %2 is past the end of month %3 (%4 days)")
                     .arg(dayField)
                     .arg(day)
                     .arg(month)
                     .arg(days),
                 {dayField});
}

void checkNotLonger(const Record& row, const QString& shorter, const QString& longer,
                    const QString& words, RowProblems* out) {
    if (row.isNull(shorter) || row.isNull(longer))
        return;
    if (row.asFloat(shorter) > row.asFloat(longer))
        out->add(words.arg(shorter, longer), {shorter, longer});
}

} // namespace

RowProblems createdCropProblems(const Record& crop) {
    RowProblems out;
    checkDayOfMonth(crop, QStringLiteral("Plant Mo"), QStringLiteral("Plant Day"), &out);
    checkDayOfMonth(crop, QStringLiteral("Harvest Mo"), QStringLiteral("Harvest Day"), &out);
    checkNotLonger(crop, QStringLiteral("Min Grow Days"), QStringLiteral("Max Grow Days"),
                   QStringLiteral("%1 must not be more than %2"), &out);
    return out;
}

RowProblems cropTypeProblems(const Record& cropType) {
    RowProblems out;
    const QString order = QStringLiteral("%1 must not be more than %2");
    checkNotLonger(cropType, QStringLiteral("Fs1"), QStringLiteral("Fs2"), order, &out);
    checkNotLonger(cropType, QStringLiteral("Fs2"), QStringLiteral("Fs3"), order, &out);
    checkNotLonger(cropType, QStringLiteral("DaysMin"), QStringLiteral("DaysMax"), order, &out);
    return out;
}

} // namespace kova::cropedit
