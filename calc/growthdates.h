#pragma once
// Start and end of growth from the station's temperatures: the working values and steps of
// the "Compute Start of Growth and End of Growth Dates Tool" without widgets. Its window shows
// the values and the messages; kova-calc prints them. No table is touched here.

#include "calendar.h"
#include "messages.h"
#include "tkova.h"

#include "store/schema.h"

#include <QString>
#include <optional>

namespace kova::calc {

// The station's frost dates as stored ('Spr mo/dy 28', 'Spr mo/dy 32', 'Fall mo/dy 28',
// 'Fall mo/dy 32'): "MM/DD", or "00/00" where the station never gets that cold.
struct FrostDates {
    QString Spring28, Spring32, Fall28, Fall32;
};

// A frost-date text as a date. "00/00" and any text that is not a date of the year give
// month 0 (no date): a damaged field must not stop the tool.
MonthDay frostDate(const QString& text);

// The created crop's growing-season data ('Spring Av Temp', 'Fall Av Temp', 'Min Grow Days',
// 'Max Grow Days'; empty fields stay empty) and, for a basal annual crop, 'DaysMin' and
// 'DaysMax' of its crop type.
struct GrowthCriteria {
    std::optional<int> SpringAvTemp, FallAvTemp;
    std::optional<int> MinGrowDays, MaxGrowDays;
    std::optional<int> DaysMin, DaysMax;
};

// Grow days run from 1 (no value given: the harvest is the temperature-based end date) to a
// whole year.
inline constexpr int kMinGrowDays = 1;
inline constexpr int kMaxGrowDays = kDaysInYear;

// Begin and end growth temperatures are compared with the station's monthly means and take
// their declared range.
store::ValueRange growthTemperatureRange();

// What a message of the tool means for its window.
enum class DateToolClose {
    Stay,            // the values stay on the window
    RestoreDefaults, // the default dates go back into the record and the dialog; the window closes
    LeaveDates       // the window closes; the dates stay as they are
};

struct DateToolMessage {
    MessageKind kind = MessageKind::Warning;
    QString text;
    DateToolClose close = DateToolClose::Stay;
    bool operator==(const DateToolMessage&) const = default;
};

namespace text {
inline const QString kTooWarm = QStringLiteral(
    "It's too warm!  This procedure won't work. Enter start and end growth dates directly.");
inline const QString kCriteriaNotAvailable = QStringLiteral(
    "Temperature criteria not available. Can't use this method. Enter growth dates directly.");
inline const QString kBeginTempWontWork = QStringLiteral(
    "This procedure will not work for given begin growth temperature. Enter dates directly");
inline const QString kEndTempWontWork = QStringLiteral(
    "This procedure will not work for given end growth temperature. Enter dates directly");
inline const QString kPlantingTempTooLow =
    QStringLiteral("This procedure will not work for given planting temperature. Temperature too "
                   "low. Enter dates directly");
inline const QString kGrowingPeriodTooLong =
    QStringLiteral("Growing period too long for temperatures used.");
inline const QString kToolNote = QStringLiteral(
    "NOTE: This procedure will not work in warm, multi crop climates.  Cancel and enter dates "
    "directly.");
} // namespace text

// "Compute Dates for Site": a station without a spring frost date for 28 or 32 F is too warm
// for the tool, which is then not opened.
std::optional<DateToolMessage> tooWarmForDates(const FrostDates& station);

// The day the mean daily temperature rises above T in spring (months 1..6), from the monthly
// means standing on the 15th; T of exactly 28 or 32 takes the station's spring frost date.
// Month 0 when there is no such day or the means give no day of a month.
MonthDay SpringDate(double T, const Monthly& temp, const FrostDates& station);
// The day it drops below T in fall (months 7..12); 28 and 32 take the fall frost dates.
MonthDay FallDate(double T, const Monthly& temp, const FrostDates& station);

// Days from `from` to `to`, a `to` before `from` lying in the next year (frost dates that run
// into January, seasons across the year end).
int daysUntil(MonthDay from, MonthDay to);
// The date of day of year d; days past 365 fall in the next year.
MonthDay dateOfDay(int d);

// The values the tool's window shows and keeps.
struct DateToolValues {
    // "Default Dates from database"
    MonthDay DefaultPlant, DefaultHarvest;
    int DefaultGrowDays = 0;
    // "Temperature and grow day data from database"; read when the crop has temperature data
    bool CriteriaRead = false;
    double BeginTemp = 0, EndTemp = 0;
    int MinGrowDays = kMinGrowDays, MaxGrowDays = kMinGrowDays;
    // "Enter Grow Days and Temperature to Use"; the grow-days entry is hidden while the
    // minimum is 1
    bool GrowDaysShown = false;
    int GrowDaysEntry = kMinGrowDays;
    double BeginTempEntry = 0, EndTempEntry = 0;
    // The last calculation: the grow days required, and the dates once it reached them
    int GrowDays = kMinGrowDays;
    bool DatesShown = false;
    MonthDay Spring, Fall, Harvest;
    int AvailableDays = 0;
};

class CompPHDates {
public:
    // `temp`: the station's monthly means (TKova::Temp); `station`: its frost dates.
    CompPHDates(const Monthly& temp, const FrostDates& station);

    // Opening: the defaults from the record's dates, the crop's temperatures and grow days,
    // then the calculation with the entries as opened. A message ends the opening.
    std::optional<DateToolMessage> open(const TKova& k, const GrowthCriteria& crop);

    // "Re-Calculate" with the entries' values; grow days are limited to 1..365 and taken only
    // while their entry is shown.
    std::optional<DateToolMessage> calculate(int growDaysEntry, double beginTemp, double endTemp);

    // OK: the spring date and the selected harvest date become the crop's dates. False (and
    // nothing changed) when the last calculation found no dates.
    bool accept(TKova& k) const;
    // The message's "restore": the default dates back into the record.
    void restoreDefaults(TKova& k) const;

    const DateToolValues& values() const { return v_; }

private:
    Monthly temp_;
    FrostDates station_;
    DateToolValues v_;
};

} // namespace kova::calc
