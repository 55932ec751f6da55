#include "newcrop.h"

#include "cropcolumns.h"

#include "store/curvetables.h"
#include "store/table.h"

namespace kova::calc {

using store::Record;

const QStringList& localIrrigationTypes() {
    static const QStringList types = {QStringLiteral("Rain"),
                                      QStringLiteral("Sprinklers- above canopy"),
                                      QStringLiteral("Borders and basin irrigation"),
                                      QStringLiteral("Furrows- Large application depth"),
                                      QStringLiteral("Furrows- Small application depth"),
                                      QStringLiteral("Furrows- Every other row irrigated"),
                                      QStringLiteral("Trickle irrigation"),
                                      QStringLiteral("LEPA systems (every other row)")};
    return types;
}

const QStringList& dialogIrrigationTypes() {
    static const QStringList types = {QStringLiteral("Rain"),
                                      QStringLiteral("Spinklers- above canopy"),
                                      QStringLiteral("Borders and basin irrigation"),
                                      QStringLiteral("Furrow- Large application depth"),
                                      QStringLiteral("Furrow- Small application depth"),
                                      QStringLiteral("Furrow- Every other row irrigated"),
                                      QStringLiteral("Trickle irrigation"),
                                      QStringLiteral("LEPA systems (every other row)")};
    return types;
}

double fractionWettedFor(const QString& irrigationType) {
    static const double byPosition[] = {1.0, 1.0, 1.0, 1.0, 0.5, 0.5, 0.25, 0.5};
    qsizetype position = localIrrigationTypes().indexOf(irrigationType);
    if (position < 0)
        position = dialogIrrigationTypes().indexOf(irrigationType);
    return position < 0 ? 1.0 : byPosition[position];
}

CreatedCrop createdCropFrom(const Record& r) {
    CreatedCrop c;
    c.CopName = r.asString(QStringLiteral("Cop Name"));
    c.BasCropType = r.asString(QStringLiteral("Bas Crop Type"));
    c.BasCropCurveName = r.asString(QStringLiteral("Bas Crop Curve Name"));
    c.BCCropType = r.asString(QStringLiteral("BC Crop Type"));
    c.BCCropCurveName = r.asString(QStringLiteral("BC Crop Curve Name"));
    c.PlantMo = r.asInt(QStringLiteral("Plant Mo"));
    c.PlantDay = r.asInt(QStringLiteral("Plant Day"));
    c.HarvestMo = r.asInt(QStringLiteral("Harvest Mo"));
    c.HarvestDay = r.asInt(QStringLiteral("Harvest Day"));
    return c;
}

CropDefaults cropDefaultsFrom(const Record& sys, const Record& loc) {
    CropDefaults d;
    d.SpringCarryoverPct = sys.asFloat(QStringLiteral("Spring Carryover %"));
    d.FallCarryoverPct = sys.asFloat(QStringLiteral("Fall Carryover %"));
    d.NetDepth = loc.asFloat(QStringLiteral("Net Depth of Irrigation"));
    d.IrrigationType = loc.asString(QStringLiteral("Type of Irrigation"));
    d.Soil = loc.asString(QStringLiteral("Surface Soil Type"));
    d.DaysWetDevelop = loc.asInt(QStringLiteral("Days Wettings Develop"));
    d.DaysWetMature = loc.asInt(QStringLiteral("Days Wettings Mature"));
    d.Cut1Mo = loc.asInt(QStringLiteral("Hay 1st Cut Mo"));
    d.Cut1Day = loc.asInt(QStringLiteral("Hay 1st Cut Day"));
    d.CutEndMo = loc.asInt(QStringLiteral("Hay Last Cut Mo"));
    d.CutEndDay = loc.asInt(QStringLiteral("Hay Last Cut Day"));
    d.Cuttings = loc.asInt(QStringLiteral("Hay Cuttings Number"));
    d.StressFactor = loc.asFloat(QStringLiteral("Stress Factor"));
    d.Sensitive = loc.asBool(QStringLiteral("Sensitive"));
    d.ASW = loc.asFloat(QStringLiteral("ASW"));
    return d;
}

CurveChoice curveChoiceFor(int etIndex, const CreatedCrop& crop) {
    if (etIndex == kETTR21) {
        // Any other TR21 type text reads as the perennial table, as it always did.
        const store::CurveTable* t = store::tr21CurveTableOfType(crop.BCCropType);
        if (!t)
            t = store::curveTableOfIndex(kCurveTR21Perennial);
        return {t->curveIndex, crop.BCCropCurveName, t->typeText};
    }
    if (const store::CurveTable* t = store::basalCurveTableOfType(crop.BasCropType))
        return {t->curveIndex, crop.BasCropCurveName, t->typeText};
    return {};
}

WorkingCrop newWorkingCrop(const CreatedCrop& crop, const CropDefaults& d, int etIndex) {
    WorkingCrop w;
    w.CropName = crop.CopName;
    w.NetIrr = d.NetDepth;
    w.PlantMo = crop.PlantMo;
    w.PlantDay = crop.PlantDay;
    w.HarvestMo = crop.HarvestMo;
    w.HarvestDay = crop.HarvestDay;
    w.CarryBeg = d.SpringCarryoverPct * d.NetDepth * 0.01;
    w.CarryEnd = d.FallCarryoverPct * d.NetDepth * 0.01;
    w.Soil = d.Soil;
    w.DaysWetDeveloped = d.DaysWetDevelop;
    w.DaysWetMature = d.DaysWetMature;
    w.Cuttings = d.Cuttings;
    w.Cut1Mo = d.Cut1Mo;
    w.Cut1Day = d.Cut1Day;
    w.CutEndMo = d.CutEndMo;
    w.CutEndDay = d.CutEndDay;
    w.IrrigationType = d.IrrigationType;
    w.StressFactor = d.StressFactor;
    w.ASW = d.ASW;
    w.Sensitive = d.Sensitive;
    w.ETIndex = etIndex;
    w.FractionWetted = fractionWettedFor(d.IrrigationType);
    const CurveChoice curve = curveChoiceFor(etIndex, crop);
    w.CurveIndex = curve.CurveIndex;
    w.CurveName = curve.CurveName;
    w.CropCurveType = curve.CropCurveType;
    return w;
}

AddCropResult appendNewWorkingCrop(store::Table& wkCrop, const CreatedCrop& crop,
                                   const CropDefaults& defaults, TKova& k, CalcMessages& messages,
                                   QString* error) {
    k.CropName = crop.CopName;
    wkCrop.close();
    wkCrop.setIndexName(QStringLiteral("CropNameIndex"));
    if (!wkCrop.open()) {
        *error = wkCrop.errorString();
        return AddCropResult::Failed;
    }
    if (wkCrop.findKey({k.CropName})) {
        messages.show(MessageKind::Error, text::kCropAlreadyIncluded);
        return AddCropResult::AlreadyIncluded;
    }
    WorkingCrop w = newWorkingCrop(crop, defaults, k.ETIndex);
    w.JobName = k.JobName;
    w.CropNo = k.CropCount + 1;
    if (!wkCrop.append()) {
        *error = wkCrop.errorString();
        return AddCropResult::Failed;
    }
    if (!writeWorkingCrop(w, wkCrop, error)) {
        wkCrop.cancel();
        return AddCropResult::Failed;
    }
    k.CropCount = w.CropNo;
    if (w.CurveIndex)
        k.CurveIndex = *w.CurveIndex;
    return AddCropResult::Added;
}

} // namespace kova::calc
