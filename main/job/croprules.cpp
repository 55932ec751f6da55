#include "croprules.h"

#include "jobfeedback.h"

#include "calc/calendar.h"

namespace kova::job {

bool hasCurveForMethod(const calc::CreatedCrop& crop, int etIndex) {
    const calc::CurveChoice curve = calc::curveChoiceFor(etIndex, crop);
    return curve.CurveIndex.has_value() && !curve.CurveName.isEmpty();
}

bool coversOneCalendarYear(int curveIndex) {
    return curveIndex == calc::kCurveBasalPerennial || curveIndex == calc::kCurveGrass ||
           curveIndex == calc::kCurveTR21Perennial;
}

bool crossesYearEnd(int plantMo, int plantDay, int harvestMo, int harvestDay) {
    return calc::dayOfYear(harvestMo, harvestDay) < calc::dayOfYear(plantMo, plantDay);
}

std::optional<QString> seasonRefusal(const calc::WorkingCrop& crop) {
    if (!crop.CurveIndex || !coversOneCalendarYear(*crop.CurveIndex) || !crop.PlantMo ||
        !crop.PlantDay || !crop.HarvestMo || !crop.HarvestDay)
        return std::nullopt;
    if (!crossesYearEnd(*crop.PlantMo, *crop.PlantDay, *crop.HarvestMo, *crop.HarvestDay))
        return std::nullopt;
    return text::kCalendarYearCurve;
}

} // namespace kova::job
