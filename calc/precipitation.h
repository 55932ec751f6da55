#pragma once
// Effective precipitation, net irrigation with spring and fall carry-over, and peak ET.

#include "reference.h"
#include "tkova.h"

namespace kova::calc {

struct ChanceRatios {
    double EPFactor50 = 0;
    double EPFactor80 = 0;
    bool fromEmptyTable = false; // PcpChance was needed but has no row: the low pair is used
};

// Chance ratios of a normal (50 %) and a dry (80 %) year from the annual precipitation.
ChanceRatios chanceRatios(const ReferenceTables& ref, double annualPrecip);

// Effective precipitation of a month with precipitation P and crop ET, before the chance
// ratio, for a net irrigation depth D.
double effectivePrecipitation(double P, double ET, double netIrr);

// The spring (S) and fall (F) carry-over balances of one pass of the month loop.
struct CarryOverBalances {
    double S50 = 0, S80 = 0, F50 = 0, F80 = 0;
    static CarryOverBalances start(double carryBeg, double carryEnd) {
        return {carryBeg, carryBeg, carryEnd, carryEnd};
    }
};

// Sets NI50, NI80, CarryUsed50, CarryUsed80 of month m (and, through the fall carry-over
// walk back, of earlier months of the season). ETMonth, EP50, EP80 of m must be set.
void netIrrigation(TKova& k, int m, CarryOverBalances& balances);

// Peak daily ET of month m by the 'Peak ET Method' procedure.
double peakET(const TKova& k, int m, int peakETMethod);

// Doorenbos-Pruitt ratio of curve 1..4 for a net irrigation depth.
double peakRatio(int curve, double netIrr);

// Effective precipitation ratios of the job from the annual precipitation (station choice).
double precipRatio50(double annualPrecip);
double precipRatio80(double annualPrecip);

} // namespace kova::calc
