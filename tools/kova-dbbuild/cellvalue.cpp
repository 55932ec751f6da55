#include "cellvalue.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace kova::dbbuild {

namespace {

using store::FieldDef;
using store::FieldType;

CellValue fail(const QString& message) {
    return {QVariant(), message};
}

CellValue toFloat(const QString& text) {
    bool ok = false;
    const double v = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return fail(QStringLiteral("'%1' is not a number").arg(text));
    return {v, {}};
}

CellValue toSmallint(const QString& text) {
    bool ok = false;
    const qlonglong v = QLocale::c().toLongLong(text, &ok);
    if (!ok)
        return fail(QStringLiteral("'%1' is not a whole number").arg(text));
    constexpr qlonglong lo = std::numeric_limits<qint16>::min();
    constexpr qlonglong hi = std::numeric_limits<qint16>::max();
    if (v < lo || v > hi)
        return fail(
            QStringLiteral("%1 is outside the Smallint range %2 to %3").arg(v).arg(lo).arg(hi));
    return {static_cast<int>(v), {}};
}

CellValue toBoolean(const QString& text) {
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return {true, {}};
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return {false, {}};
    return fail(QStringLiteral("'%1' is not true or false").arg(text));
}

CellValue toString(const FieldDef& field, const QString& text) {
    // Delivered rows must fit as they are: a table would silently cut the text.
    if (text.size() > field.width)
        return fail(QStringLiteral("%1 characters do not fit its width of %2")
                        .arg(text.size())
                        .arg(field.width));
    return {text, {}};
}

CellValue convertByType(const FieldDef& field, const QString& text, const QString& trimmed) {
    switch (field.type) {
    case FieldType::Float:
        return toFloat(trimmed);
    case FieldType::Smallint:
        return toSmallint(trimmed);
    case FieldType::Boolean:
        return toBoolean(trimmed);
    case FieldType::String:
        return toString(field, text);
    case FieldType::Memo:
        return {text, {}}; // the in-record part of a memo is no limit on its length
    case FieldType::AutoInc:
        return fail(QStringLiteral("is numbered by the table and must not be given"));
    }
    return fail(QStringLiteral("unknown field type"));
}

// Why a well-typed value breaks the field's declared rule.
QString ruleBroken(const FieldDef& field, const QVariant& value) {
    if (field.range)
        return QStringLiteral("%1 is outside the valid range %2 to %3")
            .arg(QString::number(value.toDouble()), QString::number(field.range->min),
                 QString::number(field.range->max));
    if (field.rule == store::TextRule::MonthDay)
        return QStringLiteral("'%1' is not a month/day of the year (MM/DD) or 00/00")
            .arg(value.toString());
    return QStringLiteral("'%1' is not a valid value").arg(value.toString());
}

} // namespace

CellValue convertCell(const FieldDef& field, const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        if (field.required)
            return fail(QStringLiteral("required field is empty"));
        return {QVariant(), {}};
    }
    CellValue cell = convertByType(field, text, trimmed);
    if (cell.ok() && !field.accepts(cell.value))
        return fail(ruleBroken(field, cell.value));
    return cell;
}

} // namespace kova::dbbuild
