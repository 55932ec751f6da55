#pragma once
// Plain rows the numerical core works on. The store-facing code fills them from the tables
// (one Compute) or from tables loaded once into memory (batch); the core never sees SQL.

#include "tkova.h"

#include <QString>
#include <array>
#include <bitset>
#include <optional>
#include <variant>

namespace kova::calc {

// Month m of a monthly series is bit m (bit 0 unused).
using MonthMask = std::bitset<13>;

// The station row of Climate.DB as the calculation uses it.
struct StationClimate {
    QString StationName;
    QString StationNo;
    QString County;
    QString WHRLocation;
    double Latitude = 0;
    double Longitude = 0;
    double Elevation = 0;
    Monthly T{};
    Monthly P{};
    struct { // fields that were empty in the row and read as 0
        MonthMask T, P;
        bool Latitude = false, Elevation = false;
    } empty;
};

// The wind, humidity and radiation row of ClimWHR.DB.
struct WhrSite {
    QString Location;
    Monthly RHa{}, RHmin{}, U{}, WR{}, RS{}, NR{};
    struct { // months that were empty in the row and read as 0
        MonthMask RHa, RHmin, U, WR, RS, NR;
    } empty;
};

// One working crop row (KovaWkCrop): the crop's inputs as the job holds them. Its columns are
// declared once, in cropcolumns.cpp; reads, writes and copies of the row go through there.
struct WorkingCrop {
    QString JobName;
    int CropNo = 0;
    QString CropName;
    std::optional<int> CurveIndex; // empty 'Curve Index': no curve is built
    QString CurveName;
    QString CropCurveType;
    // Dates are empty when the row holds no value; the calculation names what it used instead.
    std::optional<int> PlantMo, PlantDay, HarvestMo, HarvestDay;
    int Cuttings = 0;
    std::optional<int> Cut1Mo, Cut1Day, CutEndMo, CutEndDay;
    double NetIrr = 0, CarryBeg = 0, CarryEnd = 0;
    QString Soil;
    int DaysWetDeveloped = 0, DaysWetMature = 0;
    double StressFactor = 0, FractionWetted = 0;
    QString IrrigationType;
    bool Sensitive = false;
    double ASW = 0;
    QString BegDat, EndDat;
    bool Hay = false; // as the crop parameters dialog left it; the grass curve sets its own
    int ETIndex = kETTR21;
};

// Curve rows, one struct per curve kind.
struct BasalAnnualCurve { // CrpAnNam with its CrpAnTyp row
    double Kcp = 0, Kcm = 0;
    double Fs1 = 0, Fs2 = 0, Fs3 = 0;
};
struct BasalPerennialCurve { // CrpPeren: 'Jan Kc' .. 'Dec Kc'
    Monthly V{};
};
struct GrassCurve { // CrpForag
    bool Hay = false;
    std::optional<int> PkDaysBeforeHarvest;
    std::optional<int> PkPctAfterHarvest;
    double LowKc = 0, HighKc = 0;
};
struct TR21AnnualCurve { // CrpBCAnu: 0 %, 5 %, ..., 100 % of the season
    std::array<double, 21> K{};
};
struct TR21PerennialCurve { // CrpBCPer: 1st and 15th of each month, then 31 December
    std::array<double, 25> K{};
};

using CurveRow = std::variant<std::monostate, BasalAnnualCurve, BasalPerennialCurve, GrassCurve,
                              TR21AnnualCurve, TR21PerennialCurve>;

// The values of SystemDefaults.db the calculation reads.
struct SystemSettings {
    bool ElevationCorrection = false;
    int PeakETMethod = 0;
};

// How the daytime wind of the radiation and temperature methods is formed from 'U' (miles per
// day) and 'W/R'. Driver: U*R/(12*(1+R)), the form all established results were computed
// with. Published: 2*U*R/(1+R), the daytime wind run in miles per day that the regression
// constants of both methods expect (offered by kova-calc for comparison only).
enum class WindForm { Driver, Published };

// Everything one computation of a crop reads besides the record's station members.
struct ComputeInputs {
    StationClimate station;
    WhrSite whr;
    WorkingCrop crop;
    CurveRow curve;
    SystemSettings settings;
    WindForm wind = WindForm::Driver;
};

} // namespace kova::calc
