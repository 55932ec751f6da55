// The daily reference and crop ET of the season: anchors on the 15th, the days between on
// the line joining two anchors, the season test across the year end.

#include "calc/calendar.h"
#include "calc/dailyet.h"

#include <gtest/gtest.h>

using namespace kova::calc;

namespace {

// A record whose season months carry a rate of 0.01 * month and whose neighbours of the
// season carry adjacent rates, as the reference ET step leaves them.
TKova springToFall() {
    TKova k;
    k.PlantMo = 4;
    k.PlantDay = 15;
    k.HarvestMo = 9;
    k.HarvestDay = 30;
    for (int m = 4; m <= 9; ++m)
        k.EToRate[static_cast<size_t>(m)] = 0.01 * m;
    k.EToAdjacent[3] = 0.02;
    k.EToAdjacent[10] = 0.05;
    return k;
}

TCropCurve seasonDays(int startDay, int endDay, double kc) {
    TCropCurve c;
    c.StartDay = startDay;
    c.EndDay = endDay;
    if (endDay >= startDay) {
        for (int d = startDay; d <= endDay; ++d)
            c.Days.push_back({d, kc, kc});
    } else {
        for (int d = startDay; d <= kDaysInYear; ++d)
            c.Days.push_back({d, kc, kc});
        for (int d = 1; d <= endDay; ++d)
            c.Days.push_back({d, kc, kc});
    }
    return c;
}

TEST(DailyET, AnchorsPreferTheSeasonRateThenTheAdjacentRate) {
    TKova k = springToFall();
    k.EToAdjacent[5] = 0.9; // a season month's own rate wins
    const Monthly r = anchorRates(k);
    EXPECT_DOUBLE_EQ(r[3], 0.02);
    EXPECT_DOUBLE_EQ(r[5], 0.05);
    EXPECT_DOUBLE_EQ(r[10], 0.05);
    EXPECT_DOUBLE_EQ(r[1], 0.0);
    EXPECT_DOUBLE_EQ(r[12], 0.0);
}

TEST(DailyET, FifteenthCarriesTheAnchorAndTheFirstRepeatsTheDayBefore) {
    const Monthly r = anchorRates(springToFall());
    // Planting on 15 April: the first drawn day is the April anchor.
    EXPECT_DOUBLE_EQ(dailyReferenceET(r, dayOfYear(4, 15)), 0.04);
    EXPECT_DOUBLE_EQ(dailyReferenceET(r, dayOfYear(5, 1)), dailyReferenceET(r, dayOfYear(4, 30)));
    // From 15 April to 15 May the rise of 0.01 is spread over April's 30 days.
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(4, 30)), 0.04 + 15 * 0.01 / 30, 1e-15);
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(5, 2)), 0.04 + 17 * 0.01 / 30, 1e-15);
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(5, 14)), 0.04 + 29 * 0.01 / 30, 1e-15);
    EXPECT_DOUBLE_EQ(dailyReferenceET(r, dayOfYear(5, 15)), 0.05);
}

TEST(DailyET, MonthWithOnlyAnAdjacentRateAnchorsTheRise) {
    const Monthly r = anchorRates(springToFall());
    // March holds only the rate of the month before planting: the line rises from it.
    EXPECT_DOUBLE_EQ(dailyReferenceET(r, dayOfYear(3, 15)), 0.02);
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(4, 1)), 0.02 + 16 * 0.02 / 31, 1e-15);
    // After the last anchor the line falls to the empty November anchor.
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(10, 31)), 0.05 - 16 * 0.05 / 31, 1e-15);
}

TEST(DailyET, JanuaryAndDecemberJoinAcrossTheYearEnd) {
    Monthly r{};
    r[12] = 0.03;
    r[1] = 0.01;
    // The line from 15 December to 15 January spans December's 31 days.
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(12, 31)), 0.03 - 16 * 0.02 / 31, 1e-15);
    EXPECT_NEAR(dailyReferenceET(r, 1), dailyReferenceET(r, dayOfYear(12, 31)), 1e-15);
    EXPECT_NEAR(dailyReferenceET(r, dayOfYear(1, 14)), 0.03 - 30 * 0.02 / 31, 1e-15);
}

TEST(DailyET, SeasonDaysGetReferenceCropETAndMonthOthersStayEmpty) {
    const TKova k = springToFall();
    // A perennial curve writes every day of the year; only the season's days are filled.
    TCropCurve c = seasonDays(1, kDaysInYear, 0.5);
    c.StartDay = dayOfYear(4, 15);
    c.EndDay = dayOfYear(9, 30);
    fillDailyET(k, c);
    const ETKcDay& planting = c.Days[static_cast<size_t>(c.StartDay - 1)];
    EXPECT_DOUBLE_EQ(planting.ETo, 0.04);
    EXPECT_DOUBLE_EQ(planting.ETc, 0.02);
    EXPECT_EQ(planting.Mo, 4);
    const ETKcDay& before = c.Days[static_cast<size_t>(c.StartDay - 2)];
    EXPECT_EQ(before.ETo, 0.0);
    EXPECT_EQ(before.ETc, 0.0);
    EXPECT_EQ(before.Mo, 0);
    EXPECT_EQ(c.Days[static_cast<size_t>(c.EndDay)].Mo, 0); // 1 October
}

TEST(DailyET, SeasonAcrossTheYearEndIsToldByItsDaysNotItsMonths) {
    TKova k;
    k.EToRate.fill(0.1);
    // 20 May to 10 May: both dates in May, yet the season crosses the year end.
    TCropCurve sameMonth = seasonDays(dayOfYear(5, 20), dayOfYear(5, 10), 1.0);
    EXPECT_TRUE(crossesYearEnd(sameMonth));
    EXPECT_TRUE(isSeasonDay(sameMonth, 1));
    EXPECT_FALSE(isSeasonDay(sameMonth, dayOfYear(5, 15)));
    fillDailyET(k, sameMonth);
    for (const ETKcDay& d : sameMonth.Days)
        ASSERT_DOUBLE_EQ(d.ETc, 0.1) << d.JDate;

    // 1 May to 28 May lies inside one month and one year.
    const TCropCurve inMay = seasonDays(dayOfYear(5, 1), dayOfYear(5, 28), 1.0);
    EXPECT_FALSE(crossesYearEnd(inMay));
    EXPECT_FALSE(isSeasonDay(inMay, dayOfYear(5, 29)));

    // 1 October to 31 March: December and January days both belong.
    const TCropCurve winter = seasonDays(dayOfYear(10, 1), dayOfYear(3, 31), 1.0);
    EXPECT_TRUE(isSeasonDay(winter, kDaysInYear));
    EXPECT_TRUE(isSeasonDay(winter, 1));
    EXPECT_FALSE(isSeasonDay(winter, dayOfYear(4, 1)));
    EXPECT_FALSE(isSeasonDay(winter, dayOfYear(9, 30)));
}

} // namespace
