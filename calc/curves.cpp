#include "curves.h"

#include "calendar.h"
#include "numeric.h"

#include <algorithm>
#include <cmath>

namespace kova::calc {

namespace {

constexpr int kMaxCuttings = 12;

constexpr int kSiltLoamColumn = 2;

void beginCurve(const CurveContext& ctx) {
    ctx.curve.StartDay = dayOfYear(ctx.kova.PlantMo, ctx.kova.PlantDay);
    ctx.curve.EndDay = dayOfYear(ctx.kova.HarvestMo, ctx.kova.HarvestDay);
    ctx.curve.DailyKc.fill(0.0);
    ctx.curve.Days.clear();
}

void storeDay(const CurveContext& ctx, int d, double kc, double kcb) {
    if (d < 1 || d > kDaysInYear)
        return;
    ctx.curve.DailyKc[static_cast<size_t>(d)] = kc;
    ctx.curve.Days.push_back({d, kc, kcb});
}

double& monthlyKc(const CurveContext& ctx, int month) {
    return ctx.kova.Kc[static_cast<size_t>(clampMonth(month))];
}

// A harvest month that no walked day reached keeps the value it has (0 unless averaged).
void closeHarvestMonth(const CurveContext& ctx, double sum, int count) {
    if (count > 0)
        monthlyKc(ctx, ctx.kova.HarvestMo) = sum / count;
}

// Monthly averaging over a calendar year (kinds 1, 2 and 4).
void averageOverCalendarYear(const CurveContext& ctx) {
    const TCropCurve& c = ctx.curve;
    double sum = 0;
    int count = 0;
    for (int d = c.StartDay; d <= c.EndDay; ++d) {
        if (startsLaterMonth(d)) {
            monthlyKc(ctx, monthOfDay(d) - 1) = ratioOrZero(sum, count);
            sum = 0;
            count = 0;
        }
        sum += c.DailyKc[static_cast<size_t>(d)];
        ++count;
    }
    closeHarvestMonth(ctx, sum, count);
}

// Season day list of kinds 0 and 3: L and the day of year of season day i.
int seasonLength(int startDay, int endDay) {
    return endDay >= startDay ? endDay - startDay : 366 - startDay + endDay;
}

int seasonDay(int startDay, int i) {
    const int d = startDay + i - 1;
    return d > kDaysInYear ? d - kDaysInYear : d;
}

enum class MonthClose { AtFirstDayOfNext, AtLastDay };

// Monthly averaging over the season day list (kinds 0 and 3), over the days as built.
void averageOverSeasonDays(const CurveContext& ctx, MonthClose close) {
    double sum = 0;
    int count = 0;
    for (const ETKcDay& day : ctx.curve.Days) {
        const int d = day.JDate;
        if (close == MonthClose::AtFirstDayOfNext && startsLaterMonth(d) && count != 0) {
            monthlyKc(ctx, monthOfDay(d) - 1) = sum / count;
            sum = 0;
            count = 0;
        }
        sum += ctx.curve.DailyKc[static_cast<size_t>(d)];
        ++count;
        if (close == MonthClose::AtLastDay && endsEarlierMonth(d)) {
            monthlyKc(ctx, monthOfDay(d)) = sum / count;
            if (d != ctx.curve.EndDay) {
                sum = 0;
                count = 0;
            }
        }
        if (d == kDaysInYear) // not restarted: January then averages December and January
            monthlyKc(ctx, 12) = sum / count;
    }
    closeHarvestMonth(ctx, sum, count);
}

} // namespace

double adjustedKc(double kcb, double fractionWetted, double kw, double stressFactor) {
    if (kcb >= 1.0)
        return kcb;
    return (1.0 - kcb) * fractionWetted * kw + stressFactor * kcb;
}

double wettedSoilFactor(const CurveContext& ctx, int intervalDays) {
    const auto& names = soilNames();
    const auto soil = std::find(names.begin(), names.end(), ctx.kova.Soil);
    int column = static_cast<int>(soil - names.begin());
    if (soil == names.end()) {
        ctx.messages.show(MessageKind::Error, text::kSoilNotDesignated);
        column = kSiltLoamColumn;
    }
    const int row = ctx.reference.nearestWetSoil(intervalDays);
    if (row < 0)
        return 0.0;
    return ctx.reference.wetSoil[static_cast<size_t>(row)].BySoil[static_cast<size_t>(column)];
}

int buildTR21AnnualCurve(const CurveContext& ctx, const TR21AnnualCurve& row) {
    beginCurve(ctx);
    const int L = seasonLength(ctx.curve.StartDay, ctx.curve.EndDay);
    auto K = [&](int k) { return row.K[static_cast<size_t>(k - 1)]; }; // K1 .. K21
    std::array<int, 21> P{};
    std::array<double, 21> S{};
    for (int k = 1; k <= 20; ++k) {
        P[static_cast<size_t>(k)] = roundHalfUp(k * L * 0.05);
        S[static_cast<size_t>(k)] =
            ratioOrZero(K(k + 1) - K(k), P[static_cast<size_t>(k)] - P[static_cast<size_t>(k - 1)]);
    }
    int s = 1;
    int j = 0;
    for (int i = 1; i <= L; ++i) {
        double kc = 0;
        if (i == 1) {
            kc = K(1);
            j = 1;
        } else if (s <= 20 && i >= P[static_cast<size_t>(s)]) {
            // Short seasons put several points on one day: move past all of them.
            while (s <= 20 && i >= P[static_cast<size_t>(s)])
                ++s;
            kc = K(s);
            j = 1;
        } else {
            kc = K(s) + j * (s <= 20 ? S[static_cast<size_t>(s)] : 0.0);
            ++j;
        }
        storeDay(ctx, seasonDay(ctx.curve.StartDay, i), kc, 0.0);
    }
    averageOverSeasonDays(ctx, MonthClose::AtFirstDayOfNext);
    return kBuilderDone;
}

int buildBasalAnnualCurve(const CurveContext& ctx, const BasalAnnualCurve& row) {
    beginCurve(ctx);
    const TKova& k = ctx.kova;
    const int L = seasonLength(ctx.curve.StartDay, ctx.curve.EndDay);
    const int T1 = roundHalfUp(row.Fs1 * L);
    const int T2 = roundHalfUp(row.Fs2 * L);
    const int T3 = roundHalfUp(row.Fs3 * L);
    const double Sd = ratioOrZero(row.Kcp - 0.25, T2 - T1);
    const double Sl = ratioOrZero(row.Kcm - row.Kcp, L - T3 + 2);
    const double Kwd = wettedSoilFactor(ctx, k.DaysWetDeveloped);
    const double Kwm = wettedSoilFactor(ctx, k.DaysWetMature);
    // A season that ends the day before it starts (a full year) would come back to its first
    // day on walk L + 1 = 366: that day keeps its planting value and is written once.
    const int walked = std::min(L + 1, kDaysInYear);
    double B = 0;
    for (int i = 1; i <= walked; ++i) {
        double kcb = 0;
        double kc = 0;
        if (i <= T1) {
            kcb = 0.25;
            kc = adjustedKc(kcb, k.FractionWetted, Kwd, k.StressFactor);
        } else if (i <= T2) {
            B = (i == T1 + 1) ? 0.25 : B + Sd;
            kcb = B;
            kc = adjustedKc(kcb, k.FractionWetted, Kwd, k.StressFactor);
        } else if (i <= T3) {
            kcb = row.Kcp;
            kc = row.Kcp;
        } else {
            B = (i == T3 + 1) ? row.Kcp : B + Sl;
            kcb = B;
            kc = adjustedKc(kcb, k.FractionWetted, Kwm, k.StressFactor);
        }
        storeDay(ctx, seasonDay(ctx.curve.StartDay, i), kc, kcb);
    }
    averageOverSeasonDays(ctx, MonthClose::AtLastDay);
    return kBuilderDone;
}

namespace {

// Months without a basal value take the first value of the year (January to May) or the
// last value before the first gap after it (June to December).
Monthly fillPerennialGaps(Monthly v) {
    int first = 1;
    while (first <= 12 && !(v[static_cast<size_t>(first)] > 0))
        ++first;
    if (first > 12)
        return v;
    const double vFirst = v[static_cast<size_t>(first)];
    int gap = first + 1;
    while (gap <= 12 && v[static_cast<size_t>(gap)] != 0)
        ++gap;
    const double vLast = v[static_cast<size_t>(gap - 1)]; // no gap: December's value
    for (int m = 1; m <= 12; ++m) {
        if (v[static_cast<size_t>(m)] == 0)
            v[static_cast<size_t>(m)] = m <= 5 ? vFirst : vLast;
    }
    return v;
}

} // namespace

int buildBasalPerennialCurve(const CurveContext& ctx, const BasalPerennialCurve& row) {
    beginCurve(ctx);
    const TKova& k = ctx.kova;
    const double Kw = wettedSoilFactor(ctx, k.DaysWetMature);
    const Monthly V = fillPerennialGaps(row.V);
    auto v = [&](int m) { return V[static_cast<size_t>(m)]; };
    double B = 0;
    double S = 0;
    for (int m = 1; m <= 12; ++m) {
        const int first = dayOfYear(m, 1);
        for (int day = 1; day <= monthLength(m); ++day) {
            if (day == 1) {
                S = m == 1 ? (v(1) - v(12)) / 31.0
                           : (v(m) - v(m - 1)) / (first - dayOfYear(m - 1, 1) + 1);
                B = v(m) - 15 * S;
            } else if (day < 15) {
                B += S;
            } else if (day == 15) {
                B = v(m);
                S = m == 12 ? (v(1) - v(12)) / 31.0
                            : (v(m + 1) - v(m)) / (dayOfYear(m + 1, 1) - first + 1);
            } else {
                B += S;
            }
            storeDay(ctx, first + day - 1, adjustedKc(B, k.FractionWetted, Kw, k.StressFactor), B);
        }
    }
    averageOverCalendarYear(ctx);
    return kBuilderDone;
}

int buildTR21PerennialCurve(const CurveContext& ctx, const TR21PerennialCurve& row) {
    beginCurve(ctx);
    auto first = [&](int m) { return row.K[static_cast<size_t>(2 * (m - 1))]; };
    auto mid = [&](int m) { return row.K[static_cast<size_t>(2 * (m - 1) + 1)]; };
    const double dec31 = row.K[24];
    double kc = 0;
    double S = 0;
    for (int m = 1; m <= 12; ++m) {
        const int firstDay = dayOfYear(m, 1);
        for (int day = 1; day <= monthLength(m); ++day) {
            if (day == 1) {
                kc = first(m);
                S = (mid(m) - first(m)) / 14.0;
            } else if (day == 15) {
                kc = mid(m);
                S = m == 12
                        ? (dec31 - mid(12)) / 15.0
                        : (first(m + 1) - mid(m)) / (dayOfYear(m + 1, 1) - dayOfYear(m, 15) - 1);
            } else {
                kc += S;
            }
            storeDay(ctx, firstDay + day - 1, kc, 0.0);
        }
    }
    averageOverCalendarYear(ctx);
    return kBuilderDone;
}

std::vector<int> cuttingDays(int cuttings, int c0, int cLast) {
    const int n = std::clamp(cuttings, 1, kMaxCuttings);
    std::vector<int> c(static_cast<size_t>(n));
    c[0] = c0;
    if (n > 1) {
        const int step = roundHalfUp(static_cast<double>(cLast - c0) / (n - 1));
        for (int k = 1; k < n - 1; ++k)
            c[static_cast<size_t>(k)] = c[static_cast<size_t>(k - 1)] + step;
        c[static_cast<size_t>(n - 1)] = cLast;
    }
    return c;
}

int buildGrassCurve(const CurveContext& ctx, const GrassCurve& row) {
    beginCurve(ctx);
    TKova& k = ctx.kova;
    const TCropCurve& curve = ctx.curve;
    const double Kw = wettedSoilFactor(ctx, k.DaysWetMature);
    k.Hay = row.Hay;
    // A hay crop is cut at least once; at most 12 cuttings are placed.
    const int N = row.Hay ? std::clamp(k.Cuttings, 1, kMaxCuttings) : 1;
    k.Cuttings = N;
    const bool yearRound = k.PlantMo == 1 && k.PlantDay == 1;
    const int c0 = row.Hay ? dayOfYear(k.Cut1Mo, k.Cut1Day) : curve.EndDay;
    // One cutting: the only cut is also the last, and there is no interval between cuts.
    const int cLast = N > 1 ? dayOfYear(k.CutEndMo, k.CutEndDay) : c0;
    const double interval = N > 1 ? static_cast<double>(cLast - c0) / (N - 1) : 0.0;

    int P = 0;
    bool percentType = false;
    if (row.PkDaysBeforeHarvest) {
        P = *row.PkDaysBeforeHarvest;
    } else if (row.PkPctAfterHarvest) {
        P = roundHalfUp(*row.PkPctAfterHarvest * interval * 0.01);
        percentType = true;
    } else {
        ctx.messages.show(MessageKind::Error, text::kPeakDataMissing);
        return kBuilderFailed;
    }

    const std::vector<int> C = cuttingDays(N, c0, cLast);
    const double lo = row.LowKc;
    const double hi = row.HighKc;
    std::vector<int> G(C.size()), E(C.size());
    std::vector<double> S(C.size());
    for (size_t c = 0; c < C.size(); ++c) {
        G[c] = c == 0 ? (yearRound ? cLast + 1 : curve.StartDay) : C[c - 1] + 1;
        if (c == 0 && percentType)
            E[c] = curve.StartDay + static_cast<int>(std::floor((C[0] - curve.StartDay) / 2.0));
        else
            E[c] = C[c] - P;
        S[c] = c == 0 && yearRound ? ratioOrZero(hi - lo, 365 - G[0] + E[0] - 1)
                                   : ratioOrZero(hi - lo, E[c] - G[c]);
    }

    size_t cycle = 0;
    int j = 0;
    for (int d = curve.StartDay; d <= curve.EndDay; ++d) {
        // A cut the walk has passed (also one before the season start) ends its cycle.
        while (cycle < C.size() && d > C[cycle])
            ++cycle;
        double kcb = lo;
        if (cycle == C.size()) {
            if (yearRound)
                kcb = lo + (j++) * S[0];
        } else if (yearRound && cycle == 0 && d < E[0]) {
            kcb = lo + (d + 364 - G[0]) * S[0];
        } else if (d < E[cycle]) {
            kcb = lo + (d - G[cycle]) * S[cycle];
        } else {
            kcb = hi;
        }
        storeDay(ctx, d, adjustedKc(kcb, k.FractionWetted, Kw, k.StressFactor), kcb);
    }
    averageOverCalendarYear(ctx);
    return kBuilderDone;
}

int buildCurve(const CurveContext& ctx, const CurveRow& row) {
    struct Dispatch {
        const CurveContext& ctx;
        int operator()(std::monostate) const { return kBuilderDone; }
        int operator()(const BasalAnnualCurve& r) const { return buildBasalAnnualCurve(ctx, r); }
        int operator()(const BasalPerennialCurve& r) const {
            return buildBasalPerennialCurve(ctx, r);
        }
        int operator()(const GrassCurve& r) const { return buildGrassCurve(ctx, r); }
        int operator()(const TR21AnnualCurve& r) const { return buildTR21AnnualCurve(ctx, r); }
        int operator()(const TR21PerennialCurve& r) const {
            return buildTR21PerennialCurve(ctx, r);
        }
    };
    return std::visit(Dispatch{ctx}, row);
}

} // namespace kova::calc
