#pragma once
// The five crop coefficient curve builders. Each fills TCropCurve (daily Kc and the ETKc day
// rows) and the monthly Kc of TKova from its curve row and the crop members of TKova.

#include "inputs.h"
#include "messages.h"
#include "reference.h"
#include "tkova.h"

namespace kova::calc {

struct CurveContext {
    TKova& kova;
    TCropCurve& curve;
    const ReferenceTables& reference;
    CalcMessages& messages;
};

inline constexpr int kBuilderDone = 1;
inline constexpr int kBuilderFailed = -1;

// Wetted-soil factor Kw for an interval between wettings, from the column of TKova's soil.
double wettedSoilFactor(const CurveContext& ctx, int intervalDays);

// Basal value adjusted for soil evaporation (kinds 0, 1 and 2).
double adjustedKc(double kcb, double fractionWetted, double kw, double stressFactor);

int buildBasalAnnualCurve(const CurveContext& ctx, const BasalAnnualCurve& row);
int buildBasalPerennialCurve(const CurveContext& ctx, const BasalPerennialCurve& row);
int buildGrassCurve(const CurveContext& ctx, const GrassCurve& row);
int buildTR21AnnualCurve(const CurveContext& ctx, const TR21AnnualCurve& row);
int buildTR21PerennialCurve(const CurveContext& ctx, const TR21PerennialCurve& row);

// Runs the builder of the row's kind; a row without curve builds nothing.
int buildCurve(const CurveContext& ctx, const CurveRow& row);

// The grass builder's cutting days for N cuttings (at most 12), first cut c0, last cut cLast.
std::vector<int> cuttingDays(int cuttings, int c0, int cLast);

} // namespace kova::calc
