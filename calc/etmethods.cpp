#include "etmethods.h"

#include "calendar.h"
#include "numeric.h"

#include <algorithm>
#include <cmath>

namespace kova::calc {

double vapourPressureSlope(double T) {
    return 0.051 * std::pow((T + 164.8) / 157.0, 7);
}

double latentHeat(double T) {
    return 1543.0 - 0.796 * T;
}

double psychrometricConstant(double T, double E) {
    const double P = 1.013 * std::pow(1.0 - 6.879944960440316e-06 * E, 5.26);
    return 339.0 * P / (0.622 * latentHeat(T));
}

double radiationAdjustment(double RHa, double Ud) {
    return 1.06 - 0.0013 * RHa + 0.000838 * Ud - 3.73e-06 * RHa * Ud - 3.15e-05 * RHa * RHa -
           3.82e-07 * Ud * Ud;
}

double radiationRate(double E, double T, double RHa, double Ud, double RS) {
    const double delta = vapourPressureSlope(T);
    const double gamma = psychrometricConstant(T, E);
    return ratioOrZero(delta, delta + gamma) * radiationAdjustment(RHa, Ud) *
               ratioOrZero(RS, latentHeat(T)) -
           0.012;
}

double temperatureRate(double p, double T, double RHmin, double Ud, double E, double nN) {
    const double a = (0.0043 * RHmin - nN - 1.41) * 3.937;
    const double b = 0.82 - 0.0041 * RHmin + 1.07 * nN - 0.006 * RHmin * nN +
                     0.001 * (1.23 * Ud - 0.0112 * RHmin * Ud);
    const double rate = (b * p * T + a) * (0.01 + 3.049e-07 * E);
    return std::max(rate, 0.0);
}

double tr21TemperatureCoefficient(double Tm) {
    return Tm >= 36.0 ? 0.0173 * Tm - 0.314 : 0.3;
}

double tr21Rate(const TR21Month& in) {
    const int D = monthLength(in.month);
    double Tm = in.T;
    double pm = in.p;
    auto leanTo = [&](double Tother, double pOther, double w) {
        Tm = lerp(in.T, Tother, w);
        pm = lerp(in.p, pOther, w);
    };
    if (in.month == in.PlantMo) {
        if (in.PlantDay < 15) {
            leanTo(in.TPrev, in.pPrev, (15 - in.PlantDay / 2) / static_cast<double>(D));
        } else if (in.PlantDay > 15) {
            const int n = D + 1 - in.PlantDay;
            leanTo(in.TNext, in.pNext, (n / 2 + in.PlantDay - 15) / static_cast<double>(D));
        }
    } else if (in.month == in.HarvestMo) {
        // Earlier and later harvest days both lean toward the previous month.
        const int Dp = monthLength(previousMonth(in.month));
        if (in.HarvestDay != 15)
            leanTo(in.TPrev, in.pPrev, (15 - in.HarvestDay / 2) / static_cast<double>(Dp));
    } else if (!in.inSeason) {
        return 0.0;
    }
    double rate = tr21TemperatureCoefficient(Tm) * Tm * pm / (100.0 * D);
    if (in.elevationCorrection)
        rate *= 1.0 + 3.0478512e-05 * in.E;
    return rate;
}

double daylightPercentage(const ReferenceTables& ref, double packedLatitude, int month,
                          CalcMessages& messages) {
    const int packed = roundHalfUp(packedLatitude);
    if (packed < 100 || packed > 9999) { // not three or four digits
        messages.show(MessageKind::Error, text::kLatitudeNotCorrect);
        return kDaylightFailed;
    }
    const int degrees = packed / 100;
    const int minutes = packed % 100;
    const double latitude = degrees + minutes / 60.0;
    if (latitude < 0.0 || latitude > 64.9) {
        messages.show(MessageKind::Error, text::kLatitudeOutOfRange);
        return kDaylightFailed;
    }
    const int lower = ref.nearestDaylight(degrees);
    const int upper = ref.nearestDaylight(degrees + 1);
    if (lower < 0)
        return 0.0;
    const size_t column = static_cast<size_t>(clampMonth(month) - 1);
    const double p0 = ref.daylight[static_cast<size_t>(lower)].Percent[column];
    const double p1 = ref.daylight[static_cast<size_t>(upper)].Percent[column];
    return lerp(p0, p1, minutes / 60.0);
}

double DaylightYear::of(int month) const {
    return percent[static_cast<size_t>(clampMonth(month))];
}

double DaylightYear::dailyOf(int month) const {
    return of(month) / monthLength(month);
}

DaylightYear daylightYear(const ReferenceTables& ref, double packedLatitude,
                          CalcMessages& messages) {
    DaylightYear year;
    for (int m = 1; m <= 12; ++m) {
        const double p =
            year.failed ? kDaylightFailed : daylightPercentage(ref, packedLatitude, m, messages);
        year.failed = year.failed || p == kDaylightFailed;
        year.percent[static_cast<size_t>(m)] = p;
    }
    return year;
}

} // namespace kova::calc
