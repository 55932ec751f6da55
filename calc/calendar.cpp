#include "calendar.h"

#include <algorithm>
#include <array>

namespace kova::calc {

namespace {
constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<int, 12> kOffsets = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
} // namespace

int clampMonth(int month) {
    return std::clamp(month, 1, 12);
}

int monthLength(int month) {
    return kLengths[static_cast<size_t>(clampMonth(month) - 1)];
}

int monthOffset(int month) {
    return kOffsets[static_cast<size_t>(clampMonth(month) - 1)];
}

int dayOfYear(int month, int day) {
    return monthOffset(month) + std::clamp(day, 1, 31);
}

int monthOfDay(int d) {
    int month = 1;
    while (month < 12 && kOffsets[static_cast<size_t>(month)] < d)
        ++month;
    return month;
}

MonthDay dateOfDayOfYear(int d) {
    const int month = monthOfDay(d);
    return {month, d - monthOffset(month)};
}

bool startsLaterMonth(int d) {
    return d > 1 && std::find(kOffsets.begin() + 1, kOffsets.end(), d - 1) != kOffsets.end();
}

bool endsEarlierMonth(int d) {
    return d < kDaysInYear && std::find(kOffsets.begin() + 1, kOffsets.end(), d) != kOffsets.end();
}

int previousMonth(int month) {
    return month <= 1 ? 12 : month - 1;
}

int nextMonth(int month) {
    return month >= 12 ? 1 : month + 1;
}

} // namespace kova::calc
