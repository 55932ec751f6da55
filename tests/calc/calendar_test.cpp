// The 365-day calendar and the shared rounding every part of the calculation counts with.

#include "calc/calendar.h"
#include "calc/numeric.h"

#include <gtest/gtest.h>

using namespace kova::calc;

namespace {

TEST(Calendar, DayOfYearAndBackWithoutLeapDays) {
    EXPECT_EQ(dayOfYear(1, 1), 1);
    EXPECT_EQ(dayOfYear(3, 1), 60);
    EXPECT_EQ(dayOfYear(12, 31), 365);
    for (int d = 1; d <= 365; ++d) {
        const MonthDay md = dateOfDayOfYear(d);
        ASSERT_EQ(dayOfYear(md.month, md.day), d);
        ASSERT_GE(md.day, 1);
        ASSERT_LE(md.day, monthLength(md.month));
    }
    EXPECT_EQ(monthLength(2), 28);
}

TEST(Calendar, MonthBoundariesSeenByTheAveragings) {
    EXPECT_FALSE(startsLaterMonth(1)); // January 1 never closes a month
    EXPECT_TRUE(startsLaterMonth(32));
    EXPECT_TRUE(startsLaterMonth(335));
    EXPECT_TRUE(endsEarlierMonth(334));
    EXPECT_FALSE(endsEarlierMonth(365)); // December 31 is handled on its own
    EXPECT_EQ(previousMonth(1), 12);
    EXPECT_EQ(nextMonth(12), 1);
}

TEST(Calendar, DamagedMonthsNeverLeaveTheYear) {
    EXPECT_EQ(dayOfYear(0, 5), 5);
    EXPECT_EQ(dayOfYear(13, 40), 365);
    EXPECT_EQ(monthLength(-3), 31);
}

TEST(Numeric, HalfUpRoundingAndGuardedRatios) {
    EXPECT_EQ(roundHalfUp(7.6), 8);
    EXPECT_EQ(roundHalfUp(15.2), 15);
    EXPECT_EQ(roundHalfUp(40.5), 41);
    EXPECT_EQ(roundHalfUp(2.4999), 2);
    EXPECT_EQ(ratioOrZero(1.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(ratioOrZero(1.0, 4.0), 0.25);
    EXPECT_DOUBLE_EQ(lerp(2.0, 4.0, 0.25), 2.5);
}

} // namespace
