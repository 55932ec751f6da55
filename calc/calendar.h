#pragma once
// The 365-day calendar of the calculation: no leap days, months of 31, 28, 31, 30, ... days.
// Every piece of the calculation counts days through these routines.

namespace kova::calc {

inline constexpr int kDaysInYear = 365;

struct MonthDay {
    int month = 0;
    int day = 0;
};

// Length of month 1..12; a month outside 1..12 is taken as the nearest valid month so that
// a damaged row can never index outside the monthly arrays.
int monthLength(int month);
// Day of year of the first day of the month minus one (0, 31, 59, ...).
int monthOffset(int month);
// Cumulative start of the month plus the day (1 January = 1, 31 December = 365).
int dayOfYear(int month, int day);
// The month whose first day of year is the largest not above d; day counted from it.
MonthDay dateOfDayOfYear(int d);
// The month a day of year 1..365 falls in.
int monthOfDay(int d);
// d is the first day of a month other than January (32, 60, ..., 335).
bool startsLaterMonth(int d);
// d is the last day of a month other than December (31, 59, ..., 334).
bool endsEarlierMonth(int d);
// Month before / after m, December before January and January after December.
int previousMonth(int month);
int nextMonth(int month);
int clampMonth(int month);

} // namespace kova::calc
