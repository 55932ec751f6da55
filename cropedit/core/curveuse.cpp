#include "curveuse.h"

#include "store/table.h"

#include <QSet>
#include <functional>

namespace kova::cropedit {

using store::CurveTable;
using store::kCurveNameField;

namespace {

const QString kCreatedCrops = QStringLiteral("KovaCrop");
const QString kJobCrops = QStringLiteral("KovaJobCrop");
const QString kFieldVegCurves = QStringLiteral("CrpAnNam");
const QString kCropName = QStringLiteral("Cop Name");
const QString kBasType = QStringLiteral("Bas Crop Type");
const QString kBasName = QStringLiteral("Bas Crop Curve Name");
const QString kBCType = QStringLiteral("BC Crop Type");
const QString kBCName = QStringLiteral("BC Crop Curve Name");
const QString kCropType = QStringLiteral("Crop Type");

// Where a created crop keeps the type and the name of a curve of this table.
struct CropCurveFields {
    QString type;
    QString name;
};

CropCurveFields cropFieldsFor(const CurveTable& table) {
    return table.basal() ? CropCurveFields{kBasType, kBasName} : CropCurveFields{kBCType, kBCName};
}

bool forEachRow(const QString& alias, const QString& tableName,
                const std::function<void(const store::Table&)>& visit, QString* error) {
    store::Table table(tableName, alias);
    if (!table.open()) {
        if (error)
            *error = table.errorString();
        return false;
    }
    for (table.first(); !table.eof(); table.next())
        visit(table);
    return true;
}

// Created crops whose curve of `table` is one of `names` (letter case ignored).
bool cropsNaming(const QString& alias, const CurveTable& table, const QSet<QString>& names,
                 QStringList* crops, QString* error) {
    const CropCurveFields fields = cropFieldsFor(table);
    const bool ok = forEachRow(
        alias, kCreatedCrops,
        [&](const store::Table& crop) {
            if (crop.asString(fields.type) == table.typeText &&
                names.contains(crop.asString(fields.name).toCaseFolded()))
                *crops << crop.asString(kCropName);
        },
        error);
    crops->sort(Qt::CaseInsensitive);
    return ok;
}

bool jobCropsNaming(const QString& alias, const CurveTable& table, const QSet<QString>& names,
                    int* count, QString* error) {
    return forEachRow(
        alias, kJobCrops,
        [&](const store::Table& crop) {
            if (!crop.isNull(QStringLiteral("Curve Index")) &&
                crop.asInt(QStringLiteral("Curve Index")) == table.curveIndex &&
                names.contains(crop.asString(QStringLiteral("Curve Name")).toCaseFolded()))
                ++*count;
        },
        error);
}

// Renames every row of `tableName` whose `field` holds `from`, where `applies` says so.
bool renameIn(const QString& alias, const QString& tableName, const QString& field,
              const QString& from, const QString& to,
              const std::function<bool(const store::Table&)>& applies, QString* error) {
    store::Table table(tableName, alias);
    if (!table.open()) {
        *error = table.errorString();
        return false;
    }
    std::vector<qint64> rows;
    for (table.first(); !table.eof(); table.next())
        if (sameCurveName(table.asString(field), from) && applies(table))
            rows.push_back(table.currentRowId());
    for (qint64 row : rows)
        if (!table.moveToRowId(row) || !table.edit() || !table.setValue(field, to) ||
            !table.post()) {
            *error = table.errorString();
            table.cancel();
            return false;
        }
    return true;
}

QString listed(const QStringList& names) {
    constexpr int kShown = 8;
    if (names.size() <= kShown)
        return names.join(QStringLiteral(", "));
    return QStringLiteral("%1 and %2 more")
        .arg(names.mid(0, kShown).join(QStringLiteral(", ")))
        .arg(names.size() - kShown);
}

QStringList usersLines(const CurveUsers& users, const QString& what) {
    QStringList lines;
    if (!users.curves.isEmpty())
        lines << QStringLiteral("Field and vegetable curves of this crop type: %1.")
                     .arg(listed(users.curves));
    if (!users.createdCrops.isEmpty())
        lines << QStringLiteral("Created crops that use this %1: %2.")
                     .arg(users.curves.isEmpty() ? what : QStringLiteral("crop type"),
                          listed(users.createdCrops));
    if (users.savedJobCrops > 0)
        lines << QStringLiteral("Crops of saved jobs that use it: %1.").arg(users.savedJobCrops);
    return lines;
}

} // namespace

bool sameCurveName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool CurveUse::findCurveUsers(const CurveTable& table, const QString& name, CurveUsers* users,
                              QString* error) const {
    *users = {};
    const QSet<QString> names = {name.toCaseFolded()};
    return cropsNaming(alias_, table, names, &users->createdCrops, error) &&
           jobCropsNaming(alias_, table, names, &users->savedJobCrops, error);
}

bool CurveUse::findCropTypeUsers(const QString& cropType, CurveUsers* users, QString* error) const {
    *users = {};
    QSet<QString> curves;
    const bool ok = forEachRow(
        alias_, kFieldVegCurves,
        [&](const store::Table& curve) {
            if (sameCurveName(curve.asString(kCropType), cropType)) {
                users->curves << curve.asString(kCurveNameField);
                curves.insert(curve.asString(kCurveNameField).toCaseFolded());
            }
        },
        error);
    if (!ok || curves.isEmpty())
        return ok;
    const CurveTable& fieldVeg = store::curveTables()[0];
    return cropsNaming(alias_, fieldVeg, curves, &users->createdCrops, error) &&
           jobCropsNaming(alias_, fieldVeg, curves, &users->savedJobCrops, error);
}

bool CurveUse::renameCurve(const CurveTable& table, const QString& from, const QString& to,
                           QString* error) const {
    const CropCurveFields fields = cropFieldsFor(table);
    return renameIn(
        alias_, kCreatedCrops, fields.name, from, to,
        [&](const store::Table& crop) { return crop.asString(fields.type) == table.typeText; },
        error);
}

bool CurveUse::renameCropType(const QString& from, const QString& to, QString* error) const {
    return renameIn(
        alias_, kFieldVegCurves, kCropType, from, to, [](const store::Table&) { return true; },
        error);
}

bool CurveUse::findMissingCurves(std::map<QString, QStringList>* byCrop, QString* error) const {
    byCrop->clear();
    std::map<QString, QSet<QString>> names; // by table
    for (const CurveTable& t : store::curveTables()) {
        QSet<QString>& held = names[t.table];
        if (!forEachRow(
                alias_, t.table,
                [&held](const store::Table& curve) {
                    held.insert(curve.asString(kCurveNameField).toCaseFolded());
                },
                error))
            return false;
    }
    auto check = [&names](const CurveTable* table, const QString& type, const QString& name,
                          const QString& kind, QStringList* missing) {
        if (!table)
            *missing << QStringLiteral("%1 '%2' ('%3' is no curve type)").arg(kind, name, type);
        else if (!names[table->table].contains(name.toCaseFolded()))
            *missing << QStringLiteral("%1 '%2' (%3)").arg(kind, name, type);
    };
    return forEachRow(
        alias_, kCreatedCrops,
        [&](const store::Table& crop) {
            QStringList missing;
            const QString basName = crop.asString(kBasName);
            if (!basName.isEmpty())
                check(store::basalCurveTableOfType(crop.asString(kBasType)),
                      crop.asString(kBasType), basName, QStringLiteral("basal curve"), &missing);
            check(store::tr21CurveTableOfType(crop.asString(kBCType)), crop.asString(kBCType),
                  crop.asString(kBCName), QStringLiteral("BC TR21 curve"), &missing);
            if (!missing.isEmpty())
                (*byCrop)[crop.asString(kCropName)] = missing;
        },
        error);
}

QString deleteWarning(const CurveUsers& users, const QString& what) {
    QStringList lines = usersLines(users, what);
    if (lines.isEmpty())
        return {};
    lines << (users.curves.isEmpty()
                  ? QStringLiteral("Their results will change: the calculation takes the "
                                   "nearest curve in its place.")
                  : QStringLiteral("Their results will change: the calculation takes the "
                                   "nearest crop type in its place."));
    return lines.join(QLatin1Char('\n'));
}

QString renameWarning(const CurveUsers& users, const QString& what, const QString& from,
                      const QString& to) {
    QStringList lines = usersLines(users, what);
    if (lines.isEmpty())
        return {};
    if (!users.curves.isEmpty())
        lines
            << QStringLiteral("Yes renames the crop type of those curves to '%1' as well.").arg(to);
    else if (!users.createdCrops.isEmpty())
        lines << QStringLiteral("Yes renames the curve in those created crops to '%1' as well.")
                     .arg(to);
    if (users.savedJobCrops > 0 && users.curves.isEmpty())
        lines << QStringLiteral("Saved jobs keep '%1': when they are opened again the "
                                "calculation takes the nearest curve in its place.")
                     .arg(from);
    return lines.join(QLatin1Char('\n'));
}

} // namespace kova::cropedit
