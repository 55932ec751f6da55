#include "growthdates.h"

#include "numeric.h"

#include "store/schema.h"

#include <algorithm>
#include <cmath>

namespace kova::calc {

namespace {

constexpr MonthDay kNoDate{0, 0};
constexpr int kMidMonth = 15; // the monthly means stand on the 15th
constexpr double kFrost28 = 28;
constexpr double kFrost32 = 32;

double at(const Monthly& series, int month) {
    return series[static_cast<size_t>(month)];
}

// Whole days from the 15th back to where the mean crosses T: `gap` degrees away from the
// 15th's mean at a change of `monthlyChange` degrees over `days` days. Empty when the means
// are level (no crossing) or the distance is not a number.
std::optional<int> daysBeforeMid(double gap, double monthlyChange, int days) {
    const double perDay = monthlyChange / days;
    if (perDay == 0.0)
        return std::nullopt;
    const double x = gap / perDay;
    if (!std::isfinite(x))
        return std::nullopt;
    // Far beyond a month there is no day of the month anyway; keeps the rounding in range.
    return roundHalfUp(std::clamp(x, -1000.0, 1000.0));
}

MonthDay dayOfMonthOrNone(MonthDay date) {
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > monthLength(date.month))
        return kNoDate;
    return date;
}

// r days before the 15th of month m: back into month m - 1 once r reaches 15.
MonthDay beforeMid(int m, int r) {
    if (r >= kMidMonth)
        return {m - 1, monthLength(m - 1) - (r - kMidMonth)};
    return {m, kMidMonth - r};
}

// The station's frost date for 28 or 32 F; empty for other thresholds.
std::optional<MonthDay> frostDateFor(double T, const QString& at28, const QString& at32) {
    if (T == kFrost28)
        return frostDate(at28);
    if (T == kFrost32)
        return frostDate(at32);
    return std::nullopt;
}

// A grow-day value of the tables: empty counts as 1 (no value), and no more than a year.
int growDaysOf(const std::optional<int>& value) {
    return std::clamp(value.value_or(kMinGrowDays), kMinGrowDays, kMaxGrowDays);
}

DateToolMessage warning(const QString& text, DateToolClose close) {
    return {MessageKind::Warning, text, close};
}

} // namespace

store::ValueRange growthTemperatureRange() {
    static const store::ValueRange range =
        *store::findTable(QStringLiteral("Climate"))->field(QStringLiteral("T Jan"))->range;
    return range;
}

MonthDay frostDate(const QString& text) {
    if (!store::isValidMonthDay(text))
        return kNoDate;
    return {text.left(2).toInt(), text.mid(3, 2).toInt()};
}

std::optional<DateToolMessage> tooWarmForDates(const FrostDates& station) {
    if (frostDate(station.Spring28).month == 0 || frostDate(station.Spring32).month == 0)
        return DateToolMessage{MessageKind::Error, text::kTooWarm, DateToolClose::LeaveDates};
    return std::nullopt;
}

MonthDay SpringDate(double T, const Monthly& temp, const FrostDates& station) {
    if (const auto frost = frostDateFor(T, station.Spring28, station.Spring32))
        return *frost;
    for (int m = 1; m <= 6; ++m) {
        if (!(at(temp, m) > T))
            continue;
        if (m == 1) {
            const auto r = daysBeforeMid(at(temp, 1) - T, at(temp, 1) - at(temp, 12), 31);
            if (!r)
                return kNoDate;
            // A day past January's end is kept: it means every winter mean lies above T,
            // which the calculation reports as a planting temperature too low.
            return {1, *r >= kMidMonth ? 1 : kMidMonth - *r};
        }
        const auto r =
            daysBeforeMid(at(temp, m) - T, at(temp, m) - at(temp, m - 1), monthLength(m - 1));
        return r ? dayOfMonthOrNone(beforeMid(m, *r)) : kNoDate;
    }
    return kNoDate;
}

MonthDay FallDate(double T, const Monthly& temp, const FrostDates& station) {
    if (const auto frost = frostDateFor(T, station.Fall28, station.Fall32))
        return *frost;
    for (int m = 7; m <= 12; ++m) {
        if (!(T > at(temp, m)))
            continue;
        const auto r =
            daysBeforeMid(T - at(temp, m), at(temp, m - 1) - at(temp, m), monthLength(m - 1));
        return r ? dayOfMonthOrNone(beforeMid(m, *r)) : kNoDate;
    }
    return kNoDate;
}

int daysUntil(MonthDay from, MonthDay to) {
    const int days = dayOfYear(to.month, to.day) - dayOfYear(from.month, from.day);
    return days < 0 ? days + kDaysInYear : days;
}

MonthDay dateOfDay(int d) {
    return dateOfDayOfYear((d - 1) % kDaysInYear + 1);
}

CompPHDates::CompPHDates(const Monthly& temp, const FrostDates& station)
    : temp_(temp), station_(station) {}

std::optional<DateToolMessage> CompPHDates::open(const TKova& k, const GrowthCriteria& crop) {
    v_ = DateToolValues{};
    v_.DefaultPlant = {k.PlantMo, k.PlantDay};
    v_.DefaultHarvest = {k.HarvestMo, k.HarvestDay};
    v_.DefaultGrowDays = daysUntil(v_.DefaultPlant, v_.DefaultHarvest);

    if (!crop.SpringAvTemp)
        return DateToolMessage{MessageKind::Error, text::kCriteriaNotAvailable,
                               DateToolClose::LeaveDates};
    v_.CriteriaRead = true;
    v_.BeginTemp = *crop.SpringAvTemp;
    v_.EndTemp = crop.FallAvTemp ? *crop.FallAvTemp : kFrost32;

    if (k.CurveIndex == kCurveBasalAnnual) {
        v_.MinGrowDays = growDaysOf(crop.DaysMin);
        v_.MaxGrowDays = growDaysOf(crop.DaysMax);
    } else {
        v_.MinGrowDays = growDaysOf(crop.MinGrowDays);
        v_.MaxGrowDays = growDaysOf(crop.MaxGrowDays);
    }

    v_.GrowDaysShown = v_.MinGrowDays != kMinGrowDays;
    return calculate(v_.MinGrowDays, v_.BeginTemp, v_.EndTemp);
}

std::optional<DateToolMessage> CompPHDates::calculate(int growDaysEntry, double beginTemp,
                                                      double endTemp) {
    v_.GrowDaysEntry = std::clamp(growDaysEntry, kMinGrowDays, kMaxGrowDays);
    v_.BeginTempEntry = beginTemp;
    v_.EndTempEntry = endTemp;
    v_.DatesShown = false;
    v_.Spring = v_.Fall = v_.Harvest = kNoDate;
    v_.AvailableDays = 0;

    // 1. Grow days required: 1 (the fall date is the harvest) while no minimum is given.
    v_.GrowDays = v_.GrowDaysShown ? v_.GrowDaysEntry : kMinGrowDays;

    // 2-4. The spring and fall dates, or the tool cannot be used.
    const MonthDay spring = SpringDate(beginTemp, temp_, station_);
    if (spring.month == 0)
        return warning(text::kBeginTempWontWork, DateToolClose::RestoreDefaults);
    const MonthDay fall = FallDate(endTemp, temp_, station_);
    if (fall.month == 0)
        return warning(text::kEndTempWontWork, DateToolClose::RestoreDefaults);
    if (spring.month == 1 && spring.day > monthLength(1))
        return warning(text::kPlantingTempTooLow, DateToolClose::LeaveDates);

    // 5. Available grow days between the two temperature dates.
    v_.Spring = spring;
    v_.Fall = fall;
    v_.AvailableDays = daysUntil(spring, fall);

    // 6. The selected harvest date.
    v_.Harvest = v_.GrowDays == kMinGrowDays
                     ? fall
                     : dateOfDay(dayOfYear(spring.month, spring.day) + v_.GrowDays);
    v_.DatesShown = true;

    // 7. More days required than the temperatures allow: the values stay.
    if (v_.AvailableDays < v_.GrowDays)
        return warning(text::kGrowingPeriodTooLong, DateToolClose::Stay);
    return std::nullopt;
}

bool CompPHDates::accept(TKova& k) const {
    if (!v_.DatesShown)
        return false;
    k.PlantMo = v_.Spring.month;
    k.PlantDay = v_.Spring.day;
    k.HarvestMo = v_.Harvest.month;
    k.HarvestDay = v_.Harvest.day;
    return true;
}

void CompPHDates::restoreDefaults(TKova& k) const {
    k.PlantMo = v_.DefaultPlant.month;
    k.PlantDay = v_.DefaultPlant.day;
    k.HarvestMo = v_.DefaultHarvest.month;
    k.HarvestDay = v_.DefaultHarvest.day;
}

} // namespace kova::calc
