#include "dailyet.h"

#include "calendar.h"
#include "numeric.h"

namespace kova::calc {

namespace {

constexpr int kAnchorDay = 15;

size_t ix(int m) {
    return static_cast<size_t>(m);
}

// Rise per day from the 15th of the month before m to the 15th of m, spread over the length
// of the month before.
double slopeInto(const Monthly& r, int m) {
    const int before = previousMonth(m);
    return (r[ix(m)] - r[ix(before)]) / monthLength(before);
}

} // namespace

Monthly anchorRates(const TKova& k) {
    Monthly r{};
    for (int m = 1; m <= 12; ++m) {
        if (k.EToRate[ix(m)] > 0)
            r[ix(m)] = k.EToRate[ix(m)];
        else if (k.EToAdjacent[ix(m)] > 0)
            r[ix(m)] = k.EToAdjacent[ix(m)];
    }
    return r;
}

double dailyReferenceET(const Monthly& r, int d) {
    const MonthDay date = dateOfDayOfYear(d);
    const int m = date.month;
    const int n = date.day;
    const int before = previousMonth(m);
    const int lengthBefore = monthLength(before);
    if (n == 1)
        return r[ix(before)] + (lengthBefore - kAnchorDay) * slopeInto(r, m);
    if (n < kAnchorDay)
        return r[ix(before)] + (lengthBefore + n - kAnchorDay) * slopeInto(r, m);
    if (n == kAnchorDay)
        return r[ix(m)];
    return r[ix(m)] + (n - kAnchorDay) * slopeInto(r, nextMonth(m));
}

bool crossesYearEnd(const TCropCurve& curve) {
    return curve.EndDay < curve.StartDay;
}

bool isSeasonDay(const TCropCurve& curve, int d) {
    if (crossesYearEnd(curve))
        return d >= curve.StartDay || d <= curve.EndDay;
    return d >= curve.StartDay && d <= curve.EndDay;
}

void fillDailyET(const TKova& k, TCropCurve& curve) {
    const Monthly r = anchorRates(k);
    for (ETKcDay& day : curve.Days) {
        if (!isSeasonDay(curve, day.JDate)) {
            day.ETo = day.ETc = 0;
            day.Mo = 0;
            continue;
        }
        day.ETo = finiteOrZero(dailyReferenceET(r, day.JDate));
        day.ETc = finiteOrZero(day.Kca * day.ETo);
        day.Mo = monthOfDay(day.JDate);
    }
}

} // namespace kova::calc
