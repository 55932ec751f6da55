#include "precipitation.h"

#include "calendar.h"
#include "numeric.h"

#include <algorithm>
#include <cmath>

namespace kova::calc {

ChanceRatios chanceRatios(const ReferenceTables& ref, double A) {
    if (A <= 3.0)
        return {0.8, 0.45};
    if (A >= 90.0)
        return {0.99, 0.9};
    const int hi = ref.nearestChance(std::floor(A + 1.0));
    if (hi < 0)
        return {0.8, 0.45, true};
    const ChanceRow& upper = ref.chance[static_cast<size_t>(hi)];
    const ChanceRow& lower = ref.chance[static_cast<size_t>(std::max(hi - 1, 0))];
    // A first row already at the key gives A0 = A1: the row's own values (t = 0).
    const double t = ratioOrZero(A - lower.AnPcp, upper.AnPcp - lower.AnPcp);
    return {lerp(lower.Pct50, upper.Pct50, t), lerp(lower.Pct80, upper.Pct80, t)};
}

double effectivePrecipitation(double P, double ET, double D) {
    const double SF = 0.531747 + 0.295164 * D - 0.057697 * D * D + 0.003804 * D * D * D;
    double ep = (0.70917 * std::pow(std::max(P, 0.0), 0.82416) - 0.11556) *
                std::pow(10.0, 0.02426 * ET) * SF;
    if (ep > P || ep > ET)
        ep = std::min(P, ET);
    return finiteOrZero(ep);
}

namespace {

struct YearSeries {
    Monthly& NI;
    Monthly& CarryUsed;
    const Monthly& EP;
};

size_t ix(int m) {
    return static_cast<size_t>(m);
}

void noCarryOver(const TKova& k, const YearSeries& y, int m) {
    y.NI[ix(m)] = k.ETMonth[ix(m)] - y.EP[ix(m)];
    y.CarryUsed[ix(m)] = 0;
}

// Spring carry-over spent forward from the start of the season.
void useSpringCarryOver(const TKova& k, const YearSeries& y, int m, double& S) {
    const double ET = k.ETMonth[ix(m)];
    const double d = ET - y.EP[ix(m)];
    if (d < S) {
        y.NI[ix(m)] = 0;
        y.CarryUsed[ix(m)] = d;
        S -= d;
    } else {
        y.NI[ix(m)] = ET - (y.EP[ix(m)] + S);
        y.CarryUsed[ix(m)] = S;
        S = 0;
    }
}

// Fall carry-over spent backward from the harvest month; the walk never leaves the season:
// it stops at the planting month whatever is left.
void useFallCarryOver(const TKova& k, const YearSeries& y, int m, double& F) {
    const double d = k.ETMonth[ix(m)] - y.EP[ix(m)];
    if (d >= F) {
        y.NI[ix(m)] = k.ETMonth[ix(m)] - (y.EP[ix(m)] + F);
        y.CarryUsed[ix(m)] = F;
        F = 0;
        return;
    }
    for (int month = m, steps = 0; steps < 12; month = previousMonth(month), ++steps) {
        const double dk = k.ETMonth[ix(month)] - y.EP[ix(month)];
        if (dk >= F) {
            y.NI[ix(month)] = k.ETMonth[ix(month)] - (y.EP[ix(month)] + F);
            y.CarryUsed[ix(month)] = F;
            return;
        }
        y.NI[ix(month)] = 0;
        y.CarryUsed[ix(month)] = dk;
        F = dk > 0 ? F - dk : 0;
        if (month == k.PlantMo)
            return;
    }
}

} // namespace

void netIrrigation(TKova& k, int m, CarryOverBalances& b) {
    const YearSeries normal{k.NI50, k.CarryUsed50, k.EP50};
    const YearSeries dry{k.NI80, k.CarryUsed80, k.EP80};
    if (!k.InSeason[ix(m)]) {
        k.NI50[ix(m)] = k.NI80[ix(m)] = 0;
        k.CarryUsed50[ix(m)] = k.CarryUsed80[ix(m)] = 0;
    } else if (m == k.PlantMo && k.CarryBeg == 0) {
        noCarryOver(k, normal, m);
        noCarryOver(k, dry, m);
    } else if (b.S50 > 0) {
        useSpringCarryOver(k, normal, m, b.S50);
        useSpringCarryOver(k, dry, m, b.S80);
    } else if (m == k.HarvestMo) {
        if (b.F50 <= 0) {
            noCarryOver(k, normal, m);
            noCarryOver(k, dry, m);
            b.F50 = b.F80 = 0;
        } else {
            useFallCarryOver(k, normal, m, b.F50);
            useFallCarryOver(k, dry, m, b.F80);
        }
    } else {
        noCarryOver(k, normal, m);
        noCarryOver(k, dry, m);
    }
}

double peakRatio(int curve, double x) {
    static constexpr double c[4][6] = {
        {1.28111, -0.221974, 0.101922, -0.0238152, 0.00265824, -0.000112116},
        {1.37841, -0.210545, 0.0752058, -0.0151563, 0.00152693, -5.98766e-05},
        {1.53839, -0.334518, 0.128234, -0.0267237, 0.0027516, -0.000109859},
        {1.64258, -0.42213, 0.169287, -0.0363614, 0.00382531, -0.000155192}};
    const double* k = c[std::clamp(curve, 1, 4) - 1];
    return k[0] + x * (k[1] + x * (k[2] + x * (k[3] + x * (k[4] + x * k[5]))));
}

namespace {
// 0.034 * base^1.09 * NetIrr^-0.09; a depth of 0 or a negative ET has no peak (0).
double tr21Peak(double base, double netIrr) {
    if (netIrr <= 0 || base <= 0)
        return 0.0;
    return 0.034 * std::pow(base, 1.09) * std::pow(netIrr, -0.09);
}
} // namespace

double peakET(const TKova& k, int m, int method) {
    if (!k.InSeason[ix(m)] || m == k.PlantMo || m == k.HarvestMo)
        return 0.0;
    switch (method) {
    case 0:
        return tr21Peak(k.ETMonth[ix(m)], k.NetIrr);
    case 1:
    case 2:
    case 3:
    case 4:
        return k.ETcRate[ix(m)] * peakRatio(method, k.NetIrr);
    default:
        return tr21Peak(k.ETcRate[ix(m)], k.NetIrr);
    }
}

double precipRatio50(double annualPrecip) {
    const long double P = annualPrecip;
    const long double r = 0.774261L + 0.0200712L * P - 0.000741843L * P * P +
                          1.27653e-05L * P * P * P - 1.01543e-07L * P * P * P * P +
                          3.01104e-10L * P * P * P * P * P;
    return static_cast<double>(r);
}

double precipRatio80(double annualPrecip) {
    const long double P = annualPrecip;
    const long double r = 0.415008L + 0.0295972L * P - 0.000779763L * P * P +
                          9.05045e-06L * P * P * P - 3.72727e-08L * P * P * P * P;
    return static_cast<double>(r);
}

} // namespace kova::calc
