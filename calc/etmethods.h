#pragma once
// The three reference ET methods and the daylight lookup. The formulas take their inputs
// directly (daylight share, daytime wind) so they can be checked against published cases;
// units: °F, feet, percent, langleys per day, results in inches per day.

#include "messages.h"
#include "reference.h"

namespace kova::calc {

// --- radiation method -----------------------------------------------------------------------
double vapourPressureSlope(double T);              // Δ
double latentHeat(double T);                       // λ
double psychrometricConstant(double T, double E);  // γ
double radiationAdjustment(double RHa, double Ud); // b
double radiationRate(double E, double T, double RHa, double Ud, double RS);

// --- temperature method (FAO Blaney-Criddle) -----------------------------------------------
// p is the daily daylight percentage (percent of the year's daytime hours per day).
double temperatureRate(double p, double T, double RHmin, double Ud, double E, double nN);

// --- TR21 Blaney-Criddle ---------------------------------------------------------------------
struct TR21Month {
    int month = 1;
    double T = 0, TPrev = 0, TNext = 0; // station temperatures of m, m-1, m+1
    double p = 0, pPrev = 0, pNext = 0; // daylight percentages of m, m-1, m+1
    int PlantMo = 0, PlantDay = 0, HarvestMo = 0, HarvestDay = 0;
    double E = 0;
    bool elevationCorrection = false;
    bool inSeason = false;
};
double tr21TemperatureCoefficient(double Tm); // kt
double tr21Rate(const TR21Month& in);

// --- daylight ----------------------------------------------------------------------------------
inline constexpr double kDaylightFailed = -1.0;

// Percent of the year's daytime hours in month m at a packed latitude (degrees*100+minutes),
// interpolated between whole degrees; -1 after a latitude message.
double daylightPercentage(const ReferenceTables& ref, double packedLatitude, int month,
                          CalcMessages& messages);

// The twelve monthly daylight percentages of one latitude, looked up once per computation so a
// bad latitude is reported once, not once per lookup.
struct DaylightYear {
    std::array<double, 13> percent{}; // 1..12
    bool failed = false;
    double of(int month) const;
    double dailyOf(int month) const; // percentage / month length
};
DaylightYear daylightYear(const ReferenceTables& ref, double packedLatitude,
                          CalcMessages& messages);

} // namespace kova::calc
