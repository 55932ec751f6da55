#pragma once
// What a crop of a job must satisfy beyond its fields' own ranges: a curve for the job's ET
// method when it is added, and a season its curve can average over when its dates are set.

#include "calc/inputs.h"
#include "calc/newcrop.h"

#include <QString>
#include <optional>

namespace kova::job {

// The created crop names a curve of the kind the method computes with (a basal curve for
// radiation and temperature, a TR21 curve for TR21).
bool hasCurveForMethod(const calc::CreatedCrop& crop, int etIndex);

// Basal perennial, grass and TR21 perennial curves (kinds 1, 2, 4) average over one calendar
// year: a season from planting to harvest that crosses the year end gets no monthly Kc.
bool coversOneCalendarYear(int curveIndex);
bool crossesYearEnd(int plantMo, int plantDay, int harvestMo, int harvestDay);

// The message that refuses the crop's season, or nothing when the season is one its curve can
// use. Empty dates are the month-day checks' business, not this one's.
std::optional<QString> seasonRefusal(const calc::WorkingCrop& crop);

} // namespace kova::job
