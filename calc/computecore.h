#pragma once
// The numerical core of one crop computation: the steps of Compute after the rows have been
// read, in their order, on plain inputs. No table is touched here.

#include "inputs.h"
#include "messages.h"
#include "reference.h"
#include "tkova.h"

namespace kova::calc {

// Runs the computation of one crop. Precondition: StationName, Precip and AnnualPrecip of
// `k` describe the job's station. Fills the crop members, the results, the totals and the
// curve workspace (whose Days are the ETKc rows to write).
void computeCrop(const ComputeInputs& in, const ReferenceTables& ref, TKova& k, TCropCurve& curve,
                 CalcMessages& messages);

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
