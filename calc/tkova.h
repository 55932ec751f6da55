#pragma once
// The calculation record and the crop-curve workspace. Monthly series are indexed by month
// 1..12; element 0 is not used.

#include <QString>
#include <array>
#include <vector>

namespace kova::calc {

using Monthly = std::array<double, 13>;
using MonthFlags = std::array<bool, 13>;

enum ETMethod { kETTR21 = 1, kETRadiation = 2, kETTemperature = 3 };

enum CurveKind {
    kCurveBasalAnnual = 0,
    kCurveBasalPerennial = 1,
    kCurveGrass = 2,
    kCurveTR21Annual = 3,
    kCurveTR21Perennial = 4
};

struct TKova {
    // Job and station (filled by the job workflow).
    QString JobName, Location, Planner, JobDate;
    QString StationName, StationNo, County;
    double Latitude = 0, Longitude = 0, Elevation = 0;
    Monthly Precip{}, Temp{};
    double AnnualPrecip = 0;
    QString ETMethodText;
    int ETIndex = kETTR21;
    QString CropName;
    int JobState = 0;
    int CropCount = 0;
    double PrecipRatio50 = 0, PrecipRatio80 = 0;

    // Crop inputs (loaded by Compute from the working row).
    int CurveIndex = -1;
    QString CurveType;
    int PlantMo = 0, PlantDay = 0, HarvestMo = 0, HarvestDay = 0;
    int Cuttings = 0;
    int Cut1Mo = 0, Cut1Day = 0, CutEndMo = 0, CutEndDay = 0;
    QString Cut1Text, CutEndText;
    double NetIrr = 0, CarryBeg = 0, CarryEnd = 0;
    QString Soil;
    int DaysWetDeveloped = 0, DaysWetMature = 0;
    double StressFactor = 0, FractionWetted = 0;
    QString IrrigationType;
    bool Sensitive = false;
    double ASW = 0;
    QString BegDateText, EndDateText;
    bool Hay = false;

    // Season bookkeeping.
    MonthFlags InSeason{};
    double EPFactor50 = 0, EPFactor80 = 0;

    // Results.
    Monthly Kc{}, EToRate{}, ETcRate{}, EToAdjacent{}, ETMonth{};
    Monthly EP50{}, EP80{}, NI50{}, NI80{}, CarryUsed50{}, CarryUsed80{}, PeakET{};
    double ETTotal = 0, EP50Total = 0, EP80Total = 0, NI50Total = 0, NI80Total = 0;
};

// One row of the daily work table ETKc: 'JDate', 'Kca', 'Kcb' from the curve builder, then
// 'ETo', 'ETc' and 'Mo' of a season day from the daily ET series (a day outside the season
// keeps 0 and no month).
struct ETKcDay {
    int JDate = 0;
    double Kca = 0;
    double Kcb = 0;
    double ETo = 0; // inches per day
    double ETc = 0; // inches per day
    int Mo = 0;     // month of the day; 0: not a season day
};

struct TCropCurve {
    int StartDay = 0, EndDay = 0;
    std::array<double, 366> DailyKc{}; // by day of year 1..365
    std::vector<ETKcDay> Days;         // the season days in the order they were built
};

} // namespace kova::calc
