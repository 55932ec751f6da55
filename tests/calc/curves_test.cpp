// The five curve builders and the two monthly averagings.

#include "calcfixtures.h"

#include "calc/calendar.h"
#include "calc/curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

using namespace kova::calc;

namespace {

class CurveTest : public ::testing::Test {
protected:
    void SetUp() override {
        k.Soil = QStringLiteral("Silt Loam");
        k.FractionWetted = 0; // with Fw 0 and Ks 1 a basal value below 1 is used as is
        k.StressFactor = 1;
        k.DaysWetDeveloped = 5;
        k.DaysWetMature = 10;
    }
    void season(int plantMo, int plantDay, int harvestMo, int harvestDay) {
        k.PlantMo = plantMo;
        k.PlantDay = plantDay;
        k.HarvestMo = harvestMo;
        k.HarvestDay = harvestDay;
    }
    CurveContext ctx() { return CurveContext{k, curve, ref, messages}; }
    double daily(int month, int day) const {
        return curve.DailyKc[static_cast<size_t>(dayOfYear(month, day))];
    }
    double meanOfDays(int first, int last) const {
        double sum = 0;
        for (int d = first; d <= last; ++d)
            sum += curve.DailyKc[static_cast<size_t>(d)];
        return sum / (last - first + 1);
    }

    TKova k;
    TCropCurve curve;
    ReferenceTables ref = kova::test::smallReference();
    MessageList messages;
};

TR21AnnualCurve rampingTR21() {
    TR21AnnualCurve c;
    for (size_t i = 0; i < 21; ++i)
        c.K[i] = 0.2 + 0.04 * static_cast<double>(i);
    return c;
}

TEST_F(CurveTest, TR21AnnualMayToSeptemberPlacesPointsByHalfUpPositions) {
    season(5, 1, 9, 30);
    const TR21AnnualCurve row = rampingTR21();
    ASSERT_EQ(buildTR21AnnualCurve(ctx(), row), kBuilderDone);
    const int start = dayOfYear(5, 1);
    ASSERT_EQ(curve.Days.size(), 152u); // L = 152
    EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(start)], row.K[0]);
    EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(start + 7)], row.K[1]);  // day 8
    EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(start + 14)], row.K[2]); // day 15
    EXPECT_NEAR(curve.DailyKc[static_cast<size_t>(start + 3)], row.K[0] + 3 * 0.04 / 8, 1e-12);
    EXPECT_DOUBLE_EQ(curve.Days.back().Kca, row.K[20]); // 21st point on day 152
    EXPECT_EQ(curve.Days.back().Kcb, 0.0);
    EXPECT_NEAR(k.Kc[5], meanOfDays(dayOfYear(5, 1), dayOfYear(5, 31)), 1e-12);
    EXPECT_NEAR(k.Kc[9], meanOfDays(dayOfYear(9, 1), dayOfYear(9, 29)), 1e-12);
}

TEST_F(CurveTest, TR21AnnualAcrossTheYearEndAveragesDecemberIntoJanuary) {
    season(10, 15, 3, 15);
    ASSERT_EQ(buildTR21AnnualCurve(ctx(), rampingTR21()), kBuilderDone);
    EXPECT_EQ(curve.Days.size(), static_cast<size_t>(366 - dayOfYear(10, 15) + dayOfYear(3, 15)));
    EXPECT_EQ(curve.Days.front().JDate, dayOfYear(10, 15));
    EXPECT_EQ(curve.Days.back().JDate, dayOfYear(3, 15));
    const double december = meanOfDays(dayOfYear(12, 1), 365);
    EXPECT_NEAR(k.Kc[12], december, 1e-12);
    double sum = 0;
    for (int d = dayOfYear(12, 1); d <= 365; ++d)
        sum += curve.DailyKc[static_cast<size_t>(d)];
    for (int d = 1; d <= 31; ++d)
        sum += curve.DailyKc[static_cast<size_t>(d)];
    EXPECT_NEAR(k.Kc[1], sum / 62, 1e-12);
    EXPECT_NEAR(k.Kc[3], meanOfDays(dayOfYear(3, 1), dayOfYear(3, 15)), 1e-12);
    EXPECT_EQ(k.Kc[6], 0.0);
}

TEST_F(CurveTest, ShortTR21SeasonsStayFiniteAndReachTheLastPoint) {
    for (int days : {5, 12, 19}) {
        season(6, 1, 6, 1 + days);
        const TR21AnnualCurve row = rampingTR21();
        buildTR21AnnualCurve(ctx(), row);
        for (const ETKcDay& d : curve.Days)
            ASSERT_TRUE(std::isfinite(d.Kca)) << days;
        ASSERT_EQ(curve.Days.size(), static_cast<size_t>(days));
        EXPECT_DOUBLE_EQ(curve.Days.back().Kca, row.K[20]) << days;
        EXPECT_TRUE(std::isfinite(k.Kc[6]));
    }
}

TEST_F(CurveTest, BasalAnnualAdjustsLowValuesAndKeepsHighOnes) {
    season(5, 1, 9, 28);
    k.FractionWetted = 1.0;
    const BasalAnnualCurve row{1.05, 0.6, 0.2, 0.5, 0.8};
    ASSERT_EQ(buildBasalAnnualCurve(ctx(), row), kBuilderDone);
    const int L = dayOfYear(9, 28) - dayOfYear(5, 1);
    ASSERT_EQ(curve.Days.size(), static_cast<size_t>(L + 1));
    const double kwd = ref.wetSoil[1].BySoil[2]; // 5 days, silt loam
    EXPECT_NEAR(curve.Days[0].Kca, (1 - 0.25) * 1.0 * kwd + 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(curve.Days[0].Kcb, 0.25);
    const size_t mid = static_cast<size_t>(std::lround(0.65 * L));
    EXPECT_DOUBLE_EQ(curve.Days[mid].Kca, 1.05);
    EXPECT_DOUBLE_EQ(curve.Days[mid].Kcb, 1.05);
    EXPECT_NEAR(k.Kc[9], meanOfDays(dayOfYear(9, 1), dayOfYear(9, 28)), 1e-12);
}

TEST_F(CurveTest, BasalAnnualWithEqualStageEndsStaysFinite) {
    season(5, 1, 5, 11);
    buildBasalAnnualCurve(ctx(), BasalAnnualCurve{1.1, 0.5, 0.5, 0.5, 1.0});
    for (const ETKcDay& d : curve.Days)
        ASSERT_TRUE(std::isfinite(d.Kca) && std::isfinite(d.Kcb));
}

TEST_F(CurveTest, BasalAnnualHarvestMonthWithoutDaysLeftKeepsItsAverage) {
    // Across the year end the walk ends on the day after harvest; here that is 31 January, a
    // month end, so no day is left for the harvest month's final average.
    season(11, 1, 1, 30);
    buildBasalAnnualCurve(ctx(), BasalAnnualCurve{1.1, 0.5, 0.2, 0.5, 0.8});
    EXPECT_EQ(curve.Days.back().JDate, 31);
    EXPECT_TRUE(std::isfinite(k.Kc[1]));
    EXPECT_GT(k.Kc[1], 0.0);
}

// A season that ends the day before it starts walks L + 1 = 366 days and comes back to its
// first day; each day of the year is written once, the first day with its planting value.
TEST_F(CurveTest, BasalAnnualFullYearWritesEveryDayOnce) {
    const BasalAnnualCurve row{1.1, 0.5, 0.2, 0.5, 0.8};
    for (const auto& [plantMo, plantDay, harvestMo, harvestDay] :
         {std::array{3, 12, 3, 11}, std::array{12, 31, 12, 30}, std::array{1, 2, 1, 1}}) {
        season(plantMo, plantDay, harvestMo, harvestDay);
        ASSERT_EQ(buildBasalAnnualCurve(ctx(), row), kBuilderDone);
        std::vector<int> days;
        for (const ETKcDay& d : curve.Days)
            days.push_back(d.JDate);
        std::sort(days.begin(), days.end());
        std::vector<int> year(365);
        std::iota(year.begin(), year.end(), 1);
        EXPECT_EQ(days, year) << plantMo << "/" << plantDay;
        EXPECT_EQ(curve.Days.front().JDate, dayOfYear(plantMo, plantDay));
        EXPECT_DOUBLE_EQ(curve.Days.front().Kcb, 0.25); // the initial stage, not the late one
        EXPECT_DOUBLE_EQ(daily(plantMo, plantDay), curve.Days.front().Kca);
    }
}

TEST_F(CurveTest, UnknownSoilIsReportedAndUsesSiltLoam) {
    k.Soil = QStringLiteral("Peat");
    EXPECT_DOUBLE_EQ(wettedSoilFactor(ctx(), 10), ref.wetSoil[2].BySoil[2]);
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(messages.items[0], (CalcMessage{MessageKind::Error, text::kSoilNotDesignated}));
    messages.clear();
    k.Soil = QStringLiteral("Sand");
    EXPECT_DOUBLE_EQ(wettedSoilFactor(ctx(), 7), ref.wetSoil[2].BySoil[5]);  // nearest: 10
    EXPECT_DOUBLE_EQ(wettedSoilFactor(ctx(), 40), ref.wetSoil[3].BySoil[5]); // past the end
    EXPECT_TRUE(messages.items.empty());
}

TEST_F(CurveTest, BasalPerennialFillsEmptyMonthsFromTheNeighbouringValues) {
    season(1, 1, 12, 31);
    BasalPerennialCurve row;
    row.V = kova::test::monthly({0, 0, 0, 0.4, 0.6, 0.8, 0.9, 0.9, 0.8, 0.6, 0, 0});
    ASSERT_EQ(buildBasalPerennialCurve(ctx(), row), kBuilderDone);
    EXPECT_EQ(curve.Days.size(), 365u);
    EXPECT_NEAR(daily(1, 15), 0.4, 1e-12);
    EXPECT_NEAR(daily(3, 15), 0.4, 1e-12);
    EXPECT_NEAR(daily(11, 15), 0.6, 1e-12);
    EXPECT_NEAR(daily(12, 15), 0.6, 1e-12);
    EXPECT_NEAR(daily(7, 15), 0.9, 1e-12);
    EXPECT_NEAR(k.Kc[2], 0.4, 1e-12); // flat between the filled months
    EXPECT_NEAR(k.Kc[12], meanOfDays(dayOfYear(12, 1), 365), 1e-12);
}

TEST_F(CurveTest, PerennialSeasonAcrossTheYearEndGetsNoMonthlyValues) {
    season(11, 1, 3, 31);
    BasalPerennialCurve row;
    row.V = kova::test::monthly({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    buildBasalPerennialCurve(ctx(), row);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(k.Kc[static_cast<size_t>(m)], 0.0) << m;
}

TEST_F(CurveTest, TR21PerennialPassesThroughItsPoints) {
    season(4, 1, 10, 31);
    TR21PerennialCurve row;
    for (size_t i = 0; i < 25; ++i)
        row.K[i] = 0.5 + 0.02 * static_cast<double>(i);
    ASSERT_EQ(buildTR21PerennialCurve(ctx(), row), kBuilderDone);
    EXPECT_DOUBLE_EQ(daily(1, 1), row.K[0]);
    EXPECT_DOUBLE_EQ(daily(1, 15), row.K[1]);
    EXPECT_NEAR(daily(1, 8), row.K[0] + 7 * (row.K[1] - row.K[0]) / 14, 1e-12);
    EXPECT_DOUBLE_EQ(daily(12, 15), row.K[23]);
    EXPECT_NEAR(daily(12, 16), row.K[23] + (row.K[24] - row.K[23]) / 15, 1e-12);
    EXPECT_EQ(k.Kc[3], 0.0);
    EXPECT_NEAR(k.Kc[4], meanOfDays(dayOfYear(4, 1), dayOfYear(4, 30)), 1e-12);
    EXPECT_NEAR(k.Kc[10], meanOfDays(dayOfYear(10, 1), dayOfYear(10, 31)), 1e-12);
}

TEST(CuttingDays, ThreeCutsFromTenJuneToThirtyAugust) {
    EXPECT_EQ(cuttingDays(3, dayOfYear(6, 10), dayOfYear(8, 30)),
              (std::vector<int>{161, 202, 242}));
    EXPECT_EQ(cuttingDays(20, 100, 300).size(), 12u);
    EXPECT_EQ(cuttingDays(1, 150, 999), (std::vector<int>{150}));
}

TEST_F(CurveTest, GrassPeaksFallTheGivenDaysBeforeEachCut) {
    season(4, 1, 10, 15);
    k.Cuttings = 3;
    k.Cut1Mo = 6;
    k.Cut1Day = 10;
    k.CutEndMo = 8;
    k.CutEndDay = 30;
    GrassCurve row;
    row.Hay = true;
    row.PkDaysBeforeHarvest = 10;
    row.LowKc = 0.3;
    row.HighKc = 0.95;
    ASSERT_EQ(buildGrassCurve(ctx(), row), kBuilderDone);
    EXPECT_TRUE(k.Hay);
    for (int cut : {161, 202, 242}) {
        EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(cut - 10)], 0.95) << cut;
        EXPECT_LT(curve.DailyKc[static_cast<size_t>(cut - 11)], 0.95) << cut;
        EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(cut)], 0.95) << cut;
    }
    EXPECT_DOUBLE_EQ(curve.DailyKc[162], 0.3); // regrowth starts low after the cut
    EXPECT_DOUBLE_EQ(curve.DailyKc[243], 0.3); // after the last cut: low
    EXPECT_EQ(curve.Days.size(), static_cast<size_t>(dayOfYear(10, 15) - dayOfYear(4, 1) + 1));
}

TEST_F(CurveTest, GrassWithoutPeakDataStopsWithItsMessage) {
    season(4, 1, 10, 15);
    GrassCurve row;
    row.Hay = false;
    EXPECT_EQ(buildGrassCurve(ctx(), row), kBuilderFailed);
    EXPECT_TRUE(curve.Days.empty());
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(messages.items[0], (CalcMessage{MessageKind::Error, text::kPeakDataMissing}));
}

TEST_F(CurveTest, GrassWithOneCuttingOrCutsOutsideTheSeasonStaysFinite) {
    GrassCurve row;
    row.Hay = true;
    row.PkPctAfterHarvest = 50;
    row.LowKc = 0.3;
    row.HighKc = 0.9;
    for (int cuttings : {0, 1, 4}) {
        season(1, 1, 12, 31); // year-round
        k.Cuttings = cuttings;
        k.Cut1Mo = 2; // first cut before the growth could peak
        k.Cut1Day = 1;
        k.CutEndMo = 12;
        k.CutEndDay = 31;
        ASSERT_EQ(buildGrassCurve(ctx(), row), kBuilderDone);
        EXPECT_EQ(curve.Days.size(), 365u);
        for (const ETKcDay& d : curve.Days)
            ASSERT_TRUE(std::isfinite(d.Kca)) << cuttings;
        for (int m = 1; m <= 12; ++m)
            ASSERT_TRUE(std::isfinite(k.Kc[static_cast<size_t>(m)]));
    }
}

TEST_F(CurveTest, PastureWithoutHayGrowsToItsPeakBeforeTheSeasonEnd) {
    season(4, 1, 10, 31);
    GrassCurve row;
    row.Hay = false;
    row.PkDaysBeforeHarvest = 30;
    row.LowKc = 0.4;
    row.HighKc = 0.8;
    ASSERT_EQ(buildGrassCurve(ctx(), row), kBuilderDone);
    EXPECT_FALSE(k.Hay);
    EXPECT_EQ(k.Cuttings, 1);
    const int end = dayOfYear(10, 31);
    EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(end - 30)], 0.8);
    EXPECT_DOUBLE_EQ(curve.DailyKc[static_cast<size_t>(dayOfYear(4, 1))], 0.4);
}

} // namespace
