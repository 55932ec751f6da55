#include "cropcolumns.h"

#include "store/table.h"

namespace kova::calc {

using store::Record;
using store::Table;

namespace {

template <class T> CropMember<T> member(T WorkingCrop::*crop, T TKova::*kova = nullptr) {
    return {crop, kova};
}

CropColumn both(const char* field, CropColumnMember m) {
    return {field, field, SavedCopy::Both, m};
}

CropColumn renamed(const char* working, const char* saved, CropColumnMember m) {
    return {working, saved, SavedCopy::Both, m};
}

CropColumn workingOnly(const char* field, CropColumnMember m) {
    return {field, nullptr, SavedCopy::None, m};
}

using W = WorkingCrop;
using K = TKova;

std::vector<CropColumn> declare() {
    return {
        // Saving writes the job's own name and the table numbers its rows itself.
        {"Job Name", "Job Name", SavedCopy::OnReopen, member(&W::JobName)},
        {"Crop No", "Job Crop No", SavedCopy::OnReopen, member(&W::CropNo)},
        both("Crop Name", member(&W::CropName)),
        both("Crop Curve Type", member(&W::CropCurveType, &K::CurveType)),
        both("Curve Index", member(&W::CurveIndex)),
        both("Net Irr", member(&W::NetIrr, &K::NetIrr)),
        both("Plant Mo", member(&W::PlantMo)),
        both("Plant Day", member(&W::PlantDay)),
        renamed("Harvest Mo", "Harv Mo", member(&W::HarvestMo)),
        renamed("Harvest Day", "Harv Day", member(&W::HarvestDay)),
        both("Carry Beg", member(&W::CarryBeg, &K::CarryBeg)),
        both("Carry End", member(&W::CarryEnd, &K::CarryEnd)),
        both("Soil", member(&W::Soil, &K::Soil)),
        both("Cuttings", member(&W::Cuttings, &K::Cuttings)),
        both("Cut1Mo", member(&W::Cut1Mo)),
        both("Cut1Day", member(&W::Cut1Day)),
        both("CutEndMo", member(&W::CutEndMo)),
        both("CutEndDay", member(&W::CutEndDay)),
        both("Dys Wet Developed", member(&W::DaysWetDeveloped, &K::DaysWetDeveloped)),
        both("Dys Wet Mature", member(&W::DaysWetMature, &K::DaysWetMature)),
        both("Stress Factor", member(&W::StressFactor, &K::StressFactor)),
        both("Fraction Wetted", member(&W::FractionWetted, &K::FractionWetted)),
        both("Irrigation Type", member(&W::IrrigationType, &K::IrrigationType)),
        workingOnly("ET Index", member(&W::ETIndex, &K::ETIndex)),
        workingOnly("Beg Dat", member(&W::BegDat, &K::BegDateText)),
        workingOnly("End Dat", member(&W::EndDat, &K::EndDateText)),
        both("Curve Name", member(&W::CurveName)),
        // The row's own mark, so a previous crop's hay flag never carries over to this one.
        workingOnly("Hay", member(&W::Hay, &K::Hay)),
        both("Sensitive", member(&W::Sensitive, &K::Sensitive)),
        both("ASW", member(&W::ASW, &K::ASW)),
    };
}

void read(const Record& r, const QString& field, QString& to) {
    to = r.asString(field);
}
void read(const Record& r, const QString& field, int& to) {
    to = r.asInt(field);
}
void read(const Record& r, const QString& field, double& to) {
    to = r.asFloat(field);
}
void read(const Record& r, const QString& field, bool& to) {
    to = r.asBool(field);
}
void read(const Record& r, const QString& field, std::optional<int>& to) {
    to = r.isNull(field) ? std::nullopt : std::optional<int>(r.asInt(field));
}

template <class T> QVariant variantOf(const T& value) {
    return QVariant::fromValue(value);
}
QVariant variantOf(const std::optional<int>& value) {
    return value ? QVariant(*value) : QVariant();
}

bool setOrFail(Table& t, const QString& field, const QVariant& value, QString* error) {
    if (t.setValue(field, value))
        return true;
    *error = t.errorString();
    return false;
}

} // namespace

const std::vector<CropColumn>& cropColumns() {
    static const std::vector<CropColumn> columns = declare();
    return columns;
}

QString savedFieldOf(const QString& workingField) {
    for (const CropColumn& c : cropColumns())
        if (c.copy != SavedCopy::None && workingField == QLatin1String(c.working))
            return QString::fromLatin1(c.saved);
    return {};
}

WorkingCrop workingCropFrom(const Record& r) {
    WorkingCrop crop;
    for (const CropColumn& c : cropColumns())
        std::visit([&](const auto& m) { read(r, QString::fromLatin1(c.working), crop.*m.crop); },
                   c.member);
    return crop;
}

bool writeWorkingCrop(const WorkingCrop& crop, Table& wkCrop, QString* error) {
    for (const CropColumn& c : cropColumns()) {
        const QVariant value =
            std::visit([&](const auto& m) { return variantOf(crop.*m.crop); }, c.member);
        if (!setOrFail(wkCrop, QString::fromLatin1(c.working), value, error))
            return false;
    }
    return true;
}

void copyCropMembers(const WorkingCrop& crop, TKova& k) {
    for (const CropColumn& c : cropColumns())
        std::visit(
            [&](const auto& m) {
                if (m.kova)
                    k.*m.kova = crop.*m.crop;
            },
            c.member);
}

bool copyToSavedCrop(const Record& working, const QString& jobName, Table& savedCrop,
                     QString* error) {
    for (const CropColumn& c : cropColumns())
        if (c.copy == SavedCopy::Both &&
            !setOrFail(savedCrop, QString::fromLatin1(c.saved),
                       working.value(QString::fromLatin1(c.working)), error))
            return false;
    return setOrFail(savedCrop, savedFieldOf(workingFieldOf(&W::JobName)), jobName, error);
}

bool copyToWorkingCrop(const Record& saved, int etIndex, Table& working, QString* error) {
    for (const CropColumn& c : cropColumns())
        if (c.copy != SavedCopy::None &&
            !setOrFail(working, QString::fromLatin1(c.working),
                       saved.value(QString::fromLatin1(c.saved)), error))
            return false;
    using Date = std::optional<int> WorkingCrop::*;
    const auto dateOf = [&](Date month, Date day) {
        return monthDayText(saved.asInt(savedFieldOf(workingFieldOf(month))),
                            saved.asInt(savedFieldOf(workingFieldOf(day))));
    };
    return setOrFail(working, workingFieldOf(&W::BegDat), dateOf(&W::PlantMo, &W::PlantDay),
                     error) &&
           setOrFail(working, workingFieldOf(&W::EndDat), dateOf(&W::HarvestMo, &W::HarvestDay),
                     error) &&
           setOrFail(working, workingFieldOf(&W::ETIndex), etIndex, error);
}

QString monthDayText(int month, int day) {
    return QStringLiteral("%1/%2").arg(month).arg(day);
}

} // namespace kova::calc
