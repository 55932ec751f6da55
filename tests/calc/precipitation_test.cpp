// Chance ratios, effective precipitation, carry-over and peak ET.

#include "calcfixtures.h"

#include "calc/computecore.h"
#include "calc/precipitation.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kova::calc;

namespace {

TEST(ChanceRatios, FixedValuesAtAndBeyondTheEnds) {
    const ReferenceTables ref = kova::test::smallReference();
    for (double a : {0.0, 3.0}) {
        const ChanceRatios r = chanceRatios(ref, a);
        EXPECT_DOUBLE_EQ(r.EPFactor50, 0.8);
        EXPECT_DOUBLE_EQ(r.EPFactor80, 0.45);
    }
    for (double a : {90.0, 120.0}) {
        const ChanceRatios r = chanceRatios(ref, a);
        EXPECT_DOUBLE_EQ(r.EPFactor50, 0.99);
        EXPECT_DOUBLE_EQ(r.EPFactor80, 0.9);
    }
}

TEST(ChanceRatios, InterpolateBetweenTheNearestRowAndTheOneBefore) {
    const ReferenceTables ref = kova::test::smallReference(); // rows 1, 10, 11, 20
    const ChanceRatios r = chanceRatios(ref, 10.4);           // key 11: rows 10 and 11
    EXPECT_NEAR(r.EPFactor50, 0.90 + 0.4 * 0.01, 1e-12);
    EXPECT_NEAR(r.EPFactor80, 0.60 + 0.4 * 0.02, 1e-12);
    const ChanceRatios wide = chanceRatios(ref, 5.5); // key 6: rows 1 and 10
    EXPECT_NEAR(wide.EPFactor50, 0.79 + (4.5 / 9) * 0.11, 1e-12);
}

TEST(ChanceRatios, AFirstRowAtTheKeyGivesItsOwnValuesNotNaN) {
    ReferenceTables ref;
    ref.chance = {{10, 0.9, 0.6}, {20, 0.95, 0.75}};
    const ChanceRatios r = chanceRatios(ref, 4.0); // key 5: first row, A0 = A1
    EXPECT_DOUBLE_EQ(r.EPFactor50, 0.9);
    EXPECT_DOUBLE_EQ(r.EPFactor80, 0.6);
}

double storageFactor(double D) {
    return 0.531747 + 0.295164 * D - 0.057697 * D * D + 0.003804 * D * D * D;
}

TEST(EffectivePrecipitation, NoRainGivesTheNegativeValue) {
    EXPECT_NEAR(effectivePrecipitation(0, 5, 2),
                -0.11556 * std::pow(10, 0.02426 * 5) * storageFactor(2), 1e-12);
    EXPECT_NEAR(effectivePrecipitation(0, 0, 2), -0.11556 * storageFactor(2), 1e-12);
}

TEST(EffectivePrecipitation, NeverAboveRainOrCropET) {
    EXPECT_DOUBLE_EQ(effectivePrecipitation(1.0, 0.3, 3), 0.3);  // capped by ET
    EXPECT_DOUBLE_EQ(effectivePrecipitation(0.5, 20.0, 6), 0.5); // capped by P
    const double plain = (0.70917 * std::pow(2.0, 0.82416) - 0.11556) * std::pow(10, 0.02426 * 6) *
                         storageFactor(1.5);
    EXPECT_NEAR(effectivePrecipitation(2.0, 6, 1.5), plain, 1e-12);
}

// A season of months 5..9 with the given monthly crop ET and EP (both years alike).
TKova seasonWithDeficits(std::initializer_list<double> deficits, double carryBeg, double carryEnd) {
    TKova k;
    k.PlantMo = 5;
    k.HarvestMo = 9;
    k.InSeason = seasonMonths(5, 9);
    k.CarryBeg = carryBeg;
    k.CarryEnd = carryEnd;
    int m = 5;
    for (double d : deficits) {
        k.ETMonth[static_cast<size_t>(m)] = d + 1.0;
        k.EP50[static_cast<size_t>(m)] = 1.0;
        k.EP80[static_cast<size_t>(m)] = 0.5;
        ++m;
    }
    return k;
}

void runSeason(TKova& k) {
    CarryOverBalances b = CarryOverBalances::start(k.CarryBeg, k.CarryEnd);
    for (int i = 0; i < 12; ++i)
        netIrrigation(k, (k.PlantMo - 1 + i) % 12 + 1, b);
}

TEST(CarryOver, SpringCarryOverIsSpentForwardFromPlanting) {
    TKova k = seasonWithDeficits({0.5, 1.0, 1.2, 2.0, 2.0}, 2.0, 0.0);
    runSeason(k);
    EXPECT_NEAR(k.NI50[5], 0.0, 1e-12);
    EXPECT_NEAR(k.NI50[6], 0.0, 1e-12);
    EXPECT_NEAR(k.NI50[7], 0.7, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[5], 0.5, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[6], 1.0, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[7], 0.5, 1e-12);
    EXPECT_NEAR(k.NI50[8], 2.0, 1e-12);
    // Dry year: deficits 1.0, 1.5, ... use the 2.0 up in two months.
    EXPECT_NEAR(k.NI80[5], 0.0, 1e-12);
    EXPECT_NEAR(k.NI80[6], 0.5, 1e-12);
    EXPECT_NEAR(k.CarryUsed80[6], 1.0, 1e-12);
    EXPECT_EQ(k.NI50[10], 0.0);
}

TEST(CarryOver, FallCarryOverWalksBackFromTheHarvestMonth) {
    TKova k = seasonWithDeficits({2.0, 2.0, 2.0, 1.0, 0.5}, 0.0, 2.0);
    runSeason(k);
    EXPECT_NEAR(k.NI50[9], 0.0, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[9], 0.5, 1e-12);
    EXPECT_NEAR(k.NI50[8], 0.0, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[8], 1.0, 1e-12);
    EXPECT_NEAR(k.NI50[7], 1.5, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[7], 0.5, 1e-12);
    EXPECT_NEAR(k.NI50[6], 2.0, 1e-12);
}

TEST(CarryOver, FallWalkBackStopsAtThePlantingMonth) {
    TKova k = seasonWithDeficits({0.2, 0.2, 0.2, 0.2, 0.2}, 0.0, 5.0);
    runSeason(k);
    for (int m = 5; m <= 9; ++m) {
        EXPECT_NEAR(k.NI50[static_cast<size_t>(m)], 0.0, 1e-12) << m;
        EXPECT_NEAR(k.CarryUsed50[static_cast<size_t>(m)], 0.2, 1e-12) << m;
    }
    for (int m : {1, 2, 3, 4, 10, 11, 12}) // never walked out of the season
        EXPECT_EQ(k.CarryUsed50[static_cast<size_t>(m)], 0.0) << m;
}

TEST(CarryOver, HarvestMonthDeficitLargerThanFallCarryOver) {
    TKova k = seasonWithDeficits({1.0, 1.0, 1.0, 1.0, 3.0}, 0.0, 1.0);
    runSeason(k);
    EXPECT_NEAR(k.NI50[9], 2.0, 1e-12);
    EXPECT_NEAR(k.CarryUsed50[9], 1.0, 1e-12);
    EXPECT_NEAR(k.NI50[8], 1.0, 1e-12);
}

TEST(PeakET, ZeroInPlantingHarvestAndOffSeasonMonths) {
    TKova k;
    k.PlantMo = 5;
    k.HarvestMo = 9;
    k.InSeason = seasonMonths(5, 9);
    k.NetIrr = 2.0;
    k.ETMonth.fill(6.0);
    k.ETcRate.fill(0.2);
    for (int method : {0, 1, 2, 3, 4, 9}) {
        EXPECT_EQ(peakET(k, 5, method), 0.0);
        EXPECT_EQ(peakET(k, 9, method), 0.0);
        EXPECT_EQ(peakET(k, 11, method), 0.0);
        EXPECT_GT(peakET(k, 7, method), 0.0) << method;
    }
    EXPECT_NEAR(peakET(k, 7, 0), 0.034 * std::pow(6.0, 1.09) * std::pow(2.0, -0.09), 1e-12);
    EXPECT_NEAR(peakET(k, 7, 9), 0.034 * std::pow(0.2, 1.09) * std::pow(2.0, -0.09), 1e-12);
    const double r1 =
        1.28111 - 0.221974 * 2 + 0.101922 * 4 - 0.0238152 * 8 + 0.00265824 * 16 - 0.000112116 * 32;
    EXPECT_NEAR(peakET(k, 7, 1), 0.2 * r1, 1e-12);
}

TEST(PeakET, ZeroNetDepthOrNegativeETGivesZeroNotInfinity) {
    TKova k;
    k.PlantMo = 5;
    k.HarvestMo = 9;
    k.InSeason = seasonMonths(5, 9);
    k.ETMonth.fill(6.0);
    k.ETcRate.fill(0.2);
    k.NetIrr = 0;
    EXPECT_EQ(peakET(k, 7, 0), 0.0);
    k.NetIrr = 1;
    k.ETMonth.fill(-0.5);
    EXPECT_EQ(peakET(k, 7, 0), 0.0);
}

TEST(PrecipRatios, PolynomialsAtPublishedPoints) {
    EXPECT_DOUBLE_EQ(precipRatio50(0), 0.774261);
    EXPECT_DOUBLE_EQ(precipRatio80(0), 0.415008);
    EXPECT_NEAR(precipRatio50(10), 0.9126, 5e-5);
    EXPECT_NEAR(precipRatio80(10), 0.6417, 5e-5);
    EXPECT_NEAR(precipRatio50(20), 0.9658, 5e-5);
    EXPECT_NEAR(precipRatio80(20), 0.7615, 5e-5);
}

} // namespace
