#pragma once
// The numerical core of one crop computation: the steps of Compute after the rows have been
// read, in their order, on plain inputs. No table is touched here.

#include "calendar.h"
#include "inputs.h"
#include "messages.h"
#include "reference.h"
#include "replacedinputs.h"
#include "tkova.h"

namespace kova::calc {

// Runs the computation of one crop. Precondition: StationName, Precip and AnnualPrecip of
// `k` describe the job's station. Fills the crop members, the results, the totals and the
// curve workspace (whose Days are the ETKc rows to write). Inputs it had to replace (empty
// required values, impossible dates, an empty chance table) are named in one warning and
// returned.
std::vector<ReplacedInput> computeCrop(const ComputeInputs& in, const ReferenceTables& ref,
                                       TKova& k, TCropCurve& curve, CalcMessages& messages);

// The crop's dates as the computation uses them.
struct CropDates {
    MonthDay plant, harvest, firstCut, lastCut;
};
// An empty month or day, or one that is not a date of the 365-day year, becomes the nearest
// date and is listed in `replaced`. The cutting dates count only for a crop cut for hay (a
// grass curve with 'Hay'), the last one only with more than one cutting.
CropDates cropDates(const ComputeInputs& in, ReplacedInputs& replaced);

// The station members of the record, as choosing the station for a job sets them: name,
// number, county, position, monthly precipitation and temperature, and their sum.
void setStationMembers(TKova& k, const StationClimate& station);
// Only the monthly precipitation and temperature and the annual sum (reopening a job).
void setStationClimate(TKova& k, const StationClimate& station);

// Month m lies in the season from PlantMo to HarvestMo (a season that starts and ends in the
// same month covers all twelve months).
MonthFlags seasonMonths(int plantMo, int harvestMo);

// Daytime wind of a month from its 'U' and 'W/R'.
double daytimeWind(double U, double R, WindForm form);

} // namespace kova::calc
