#pragma once
// The daily reference and crop ET of the season. Each monthly rate stands on the 15th of its
// month and the days between two 15ths lie on the straight line joining them; a season day's
// crop ET is its Kc times its reference ET. The curve displays and the curve report draw
// these days, so they are computed with the crop, whatever is shown afterwards.

#include "tkova.h"

namespace kova::calc {

// Anchor rate of month m (inches per day): its EToRate when above 0, else its EToAdjacent
// when above 0 (the month before planting or after harvest), else 0.
Monthly anchorRates(const TKova& k);

// Reference ET of day of year d (1..365) between the anchors of its month and its
// neighbours'. The 15th carries its month's anchor; the 1st repeats the last day of the
// month before.
double dailyReferenceET(const Monthly& anchors, int d);

// The season runs across the year end: its last day of year lies before its first (a season
// from 20 May to 10 May too, though both dates are in May).
bool crossesYearEnd(const TCropCurve& curve);
// Day of year d lies in the season from StartDay to EndDay.
bool isSeasonDay(const TCropCurve& curve, int d);

// Sets ETo, ETc and Mo of every season day of curve.Days from the monthly rates of `k`.
void fillDailyET(const TKova& k, TCropCurve& curve);

} // namespace kova::calc
