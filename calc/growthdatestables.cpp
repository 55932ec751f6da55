#include "growthdatestables.h"

#include "store/table.h"

namespace kova::calc {

using store::Record;
using store::Table;

namespace {

std::optional<int> optionalInt(const Record& r, const QString& field) {
    if (r.isNull(field))
        return std::nullopt;
    return r.asInt(field);
}

// The row nearest to `key` on `index`; an empty record when the table has no rows.
bool nearestRow(const QString& alias, const QString& table, const QString& index,
                const QString& key, Record* out, QString* error) {
    Table t(table, alias);
    t.setIndexName(index);
    if (!t.open()) {
        *error = t.errorString();
        return false;
    }
    t.findNearest({key});
    *out = t.isEmpty() ? Record(&t.def()) : t.record();
    return true;
}

// 'DaysMin' and 'DaysMax' of the crop type of the basal annual curve `curveName`.
bool readCropTypeDays(const QString& alias, const QString& curveName, GrowthCriteria* crop,
                      QString* error) {
    Record curve, type;
    if (!nearestRow(alias, QStringLiteral("CrpAnNam"), QStringLiteral("Crop Curve Name"), curveName,
                    &curve, error) ||
        !nearestRow(alias, QStringLiteral("CrpAnTyp"), QStringLiteral("CropTypeIndex"),
                    curve.asString(QStringLiteral("Crop Type")), &type, error))
        return false;
    crop->DaysMin = optionalInt(type, QStringLiteral("DaysMin"));
    crop->DaysMax = optionalInt(type, QStringLiteral("DaysMax"));
    return true;
}

bool setDate(Table& t, const char* monthField, const char* dayField, MonthDay date,
             QString* error) {
    if (t.setValue(QString::fromLatin1(monthField), date.month) &&
        t.setValue(QString::fromLatin1(dayField), date.day))
        return true;
    *error = t.errorString();
    return false;
}

} // namespace

FrostDates frostDatesFrom(const Record& r) {
    return {r.asString(QStringLiteral("Spr mo/dy 28")), r.asString(QStringLiteral("Spr mo/dy 32")),
            r.asString(QStringLiteral("Fall mo/dy 28")),
            r.asString(QStringLiteral("Fall mo/dy 32"))};
}

GrowthCriteria growthCriteriaFrom(const Record& r) {
    GrowthCriteria c;
    c.SpringAvTemp = optionalInt(r, QStringLiteral("Spring Av Temp"));
    c.FallAvTemp = optionalInt(r, QStringLiteral("Fall Av Temp"));
    c.MinGrowDays = optionalInt(r, QStringLiteral("Min Grow Days"));
    c.MaxGrowDays = optionalInt(r, QStringLiteral("Max Grow Days"));
    return c;
}

bool readDateToolInputs(const QString& alias, const TKova& k, DateToolInputs* out, QString* error) {
    Record station, crop;
    if (!nearestRow(alias, QStringLiteral("Climate"), QStringLiteral("StaNameIndex"), k.StationName,
                    &station, error) ||
        !nearestRow(alias, QStringLiteral("KovaCrop"), QStringLiteral("CropNameIndex"), k.CropName,
                    &crop, error))
        return false;
    out->station = frostDatesFrom(station);
    out->crop = growthCriteriaFrom(crop);
    if (k.CurveIndex == kCurveBasalAnnual)
        return readCropTypeDays(alias, crop.asString(QStringLiteral("Bas Crop Curve Name")),
                                &out->crop, error);
    return true;
}

bool writeAcceptedDates(const CompPHDates& tool, TKova& k, Table& wkCrop, QString* error) {
    TKova accepted = k;
    if (!tool.accept(accepted)) {
        *error = QStringLiteral("The tool has no dates to return.");
        return false;
    }
    const bool editing =
        wkCrop.state() == store::EditState::Edit || wkCrop.state() == store::EditState::Insert;
    if (!editing && !wkCrop.edit()) {
        *error = wkCrop.errorString();
        return false;
    }
    if (!setDate(wkCrop, "Plant Mo", "Plant Day", {accepted.PlantMo, accepted.PlantDay}, error) ||
        !setDate(wkCrop, "Harvest Mo", "Harvest Day", {accepted.HarvestMo, accepted.HarvestDay},
                 error))
        return false;
    tool.accept(k);
    return true;
}

} // namespace kova::calc
