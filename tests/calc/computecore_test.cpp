// The step order and season bookkeeping of one computation, on plain inputs.

#include "calcfixtures.h"

#include "calc/computecore.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

using namespace kova::calc;
using kova::test::monthly;

namespace {

class ComputeCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        in.station.StationName = QStringLiteral("TEST STATION");
        in.station.Latitude = 4119;
        in.station.Elevation = 5000;
        in.station.T = monthly({25, 28, 35, 44, 54, 64, 71, 69, 59, 47, 34, 26});
        in.station.P = monthly({0.4, 0.5, 0.9, 1.4, 2.4, 2.0, 1.8, 1.5, 1.2, 0.8, 0.6, 0.5});
        in.whr.RHa = monthly({60, 60, 55, 50, 50, 45, 40, 40, 45, 50, 55, 60});
        in.whr.RHmin = monthly({45, 45, 40, 35, 35, 30, 25, 25, 30, 35, 40, 45});
        in.whr.U = monthly({250, 240, 240, 230, 210, 190, 180, 175, 185, 200, 230, 245});
        in.whr.WR = monthly({1.2, 1.2, 1.3, 1.4, 1.3, 1.3, 1.2, 1.2, 1.3, 1.4, 1.3, 1.2});
        in.whr.RS = monthly({190, 250, 380, 440, 500, 600, 580, 510, 410, 320, 210, 165});
        in.whr.NR = monthly({0.6, 0.65, 0.65, 0.65, 0.65, 0.7, 0.7, 0.7, 0.7, 0.65, 0.6, 0.6});
        in.crop.CurveIndex = kCurveTR21Annual;
        in.crop.PlantMo = 5;
        in.crop.PlantDay = 1;
        in.crop.HarvestMo = 9;
        in.crop.HarvestDay = 28;
        in.crop.NetIrr = 1.5;
        in.crop.CarryBeg = 0.75;
        in.crop.CarryEnd = 0.375;
        in.crop.Soil = QStringLiteral("Silt Loam");
        in.crop.StressFactor = 1;
        in.crop.FractionWetted = 1;
        in.crop.DaysWetDeveloped = 7;
        in.crop.DaysWetMature = 10;
        in.crop.ETIndex = kETTR21;
        TR21AnnualCurve curveRow;
        for (size_t i = 0; i < 21; ++i)
            curveRow.K[i] = 0.4 + 0.03 * static_cast<double>(i);
        in.curve = curveRow;
        in.settings.ElevationCorrection = true;
        k.Precip = in.station.P;
        for (int m = 1; m <= 12; ++m)
            k.AnnualPrecip += k.Precip[static_cast<size_t>(m)];
    }
    void run() { computeCrop(in, ref, k, curve, messages); }
    static double total(const Monthly& s) {
        double t = 0;
        for (int m = 1; m <= 12; ++m)
            t += s[static_cast<size_t>(m)];
        return t;
    }
    void expectAllFinite() const {
        for (const Monthly* s :
             {&k.Kc, &k.EToRate, &k.ETcRate, &k.EToAdjacent, &k.ETMonth, &k.EP50, &k.EP80, &k.NI50,
              &k.NI80, &k.CarryUsed50, &k.CarryUsed80, &k.PeakET})
            for (int m = 1; m <= 12; ++m)
                ASSERT_TRUE(std::isfinite((*s)[static_cast<size_t>(m)])) << m;
        ASSERT_TRUE(std::isfinite(k.NI50Total) && std::isfinite(k.ETTotal));
    }

    ComputeInputs in;
    ReferenceTables ref = kova::test::smallReference();
    TKova k;
    TCropCurve curve;
    MessageList messages;
};

TEST_F(ComputeCoreTest, SeasonMonthsIncludingYearEndAndSameMonth) {
    const MonthFlags winter = seasonMonths(11, 3);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(winter[static_cast<size_t>(m)], m >= 11 || m <= 3) << m;
    const MonthFlags same = seasonMonths(5, 5);
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(same[static_cast<size_t>(m)]) << m;
}

TEST_F(ComputeCoreTest, TotalsAreSumsAndOffSeasonMonthsHaveNoCropET) {
    run();
    EXPECT_TRUE(messages.items.empty());
    EXPECT_NEAR(k.ETTotal, total(k.ETMonth), 1e-12);
    EXPECT_NEAR(k.NI50Total, total(k.NI50), 1e-12);
    EXPECT_NEAR(k.EP80Total, total(k.EP80), 1e-12);
    for (int m : {1, 2, 3, 4, 10, 11, 12}) {
        EXPECT_EQ(k.ETMonth[static_cast<size_t>(m)], 0.0);
        EXPECT_EQ(k.NI50[static_cast<size_t>(m)], 0.0);
    }
    EXPECT_EQ(k.PeakET[5], 0.0);
    EXPECT_EQ(k.PeakET[9], 0.0);
    EXPECT_GT(k.PeakET[7], 0.0);
    // Planting month: its own days at the month's rate; harvest month: 'Harvest Day' days.
    EXPECT_NEAR(k.ETMonth[5], 31 * k.ETcRate[5], 1e-12);
    EXPECT_NEAR(k.ETMonth[9], 28 * k.ETcRate[9], 1e-12);
    EXPECT_NEAR(k.ETcRate[7], k.EToRate[7] * k.Kc[7], 1e-12);
    EXPECT_EQ(curve.Days.size(), 150u);
}

TEST_F(ComputeCoreTest, WinterSeasonStartsTheMonthListAtPlanting) {
    in.crop.PlantMo = 11;
    in.crop.PlantDay = 10;
    in.crop.HarvestMo = 3;
    in.crop.HarvestDay = 15;
    in.crop.CarryBeg = 0;
    run();
    for (int m : {11, 12, 1, 2, 3})
        EXPECT_TRUE(k.InSeason[static_cast<size_t>(m)]) << m;
    for (int m : {4, 5, 6, 7, 8, 9, 10})
        EXPECT_EQ(k.ETMonth[static_cast<size_t>(m)], 0.0) << m;
    EXPECT_NEAR(k.ETMonth[11], 21 * k.ETcRate[11], 1e-12);
    expectAllFinite();
}

TEST_F(ComputeCoreTest, SameMonthSeasonUsesThePlantingMonthRules) {
    in.crop.PlantMo = 5;
    in.crop.PlantDay = 1;
    in.crop.HarvestMo = 5;
    in.crop.HarvestDay = 20;
    run();
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(k.InSeason[static_cast<size_t>(m)]);
    EXPECT_NEAR(k.ETMonth[5], 31 * k.ETcRate[5], 1e-12);
    expectAllFinite();
}

TEST_F(ComputeCoreTest, AdjacentRatesOfDecemberAndJanuaryAreKept) {
    in.crop.ETIndex = kETRadiation;
    in.crop.PlantMo = 1;
    in.crop.PlantDay = 15;
    in.crop.HarvestMo = 12;
    in.crop.HarvestDay = 1;
    run();
    EXPECT_NE(k.EToAdjacent[12], 0.0);
    EXPECT_NE(k.EToAdjacent[1], 0.0);
    EXPECT_EQ(k.EToAdjacent[6], 0.0);

    in.crop.PlantMo = 4;
    in.crop.HarvestMo = 9;
    run();
    EXPECT_NE(k.EToAdjacent[3], 0.0);
    EXPECT_NE(k.EToAdjacent[10], 0.0);
    EXPECT_EQ(k.EToAdjacent[12], 0.0);
    EXPECT_EQ(k.EToAdjacent[1], 0.0);
}

TEST_F(ComputeCoreTest, UnknownMethodNumbersAreComputedAsTR21) {
    run();
    const Monthly tr21 = k.ETMonth;
    for (int index : {4, 5, 6, 0}) {
        in.crop.ETIndex = index;
        run();
        for (int m = 1; m <= 12; ++m)
            EXPECT_DOUBLE_EQ(k.ETMonth[static_cast<size_t>(m)], tr21[static_cast<size_t>(m)])
                << index;
    }
}

TEST_F(ComputeCoreTest, CurveIndexOutsideTheKindsOrEmptyGivesNoCropET) {
    in.curve = std::monostate{};
    for (std::optional<int> index : {std::optional<int>(7), std::optional<int>()}) {
        in.crop.CurveIndex = index;
        run();
        EXPECT_EQ(k.ETTotal, 0.0);
        EXPECT_TRUE(curve.Days.empty());
        EXPECT_EQ(k.CurveIndex, index.value_or(-1));
    }
}

TEST_F(ComputeCoreTest, HayComesFromTheRowUnlessTheGrassCurveSetsIt) {
    k.Hay = true; // left by a previous crop
    in.crop.Hay = false;
    run();
    EXPECT_FALSE(k.Hay);
    GrassCurve grass;
    grass.Hay = true;
    grass.PkDaysBeforeHarvest = 10;
    grass.LowKc = 0.3;
    grass.HighKc = 1.1;
    in.curve = grass;
    in.crop.CurveIndex = kCurveGrass;
    in.crop.Cuttings = 3;
    in.crop.Cut1Mo = 6;
    in.crop.Cut1Day = 10;
    in.crop.CutEndMo = 8;
    in.crop.CutEndDay = 30;
    run();
    EXPECT_TRUE(k.Hay);
}

TEST_F(ComputeCoreTest, RadiationAndTemperatureMethodsGiveFiniteRealisticTotals) {
    for (int method : {kETRadiation, kETTemperature, kETTR21}) {
        in.crop.ETIndex = method;
        run();
        expectAllFinite();
        EXPECT_GT(k.ETTotal, 5.0) << method;
        EXPECT_LT(k.ETTotal, 60.0) << method;
    }
}

TEST_F(ComputeCoreTest, PublishedWindFormRaisesRadiationResults) {
    in.crop.ETIndex = kETRadiation;
    run();
    const double driver = k.ETTotal;
    in.wind = WindForm::Published;
    run();
    EXPECT_GT(k.ETTotal, driver);
    EXPECT_NEAR(daytimeWind(240, 1.2, WindForm::Driver), 240 * 1.2 / (12 * 2.2), 1e-12);
    EXPECT_NEAR(daytimeWind(240, 1.2, WindForm::Published), 2 * 240 * 1.2 / 2.2, 1e-12);
}

TEST_F(ComputeCoreTest, DamagedInputsNeverProduceNaNOrInfinity) {
    in.crop.NetIrr = 0;
    in.whr.WR.fill(-1); // 1 + R = 0
    in.crop.PlantMo = 0;
    in.crop.HarvestMo = 14;
    in.crop.PlantDay = 0;
    for (int method : {kETRadiation, kETTemperature, kETTR21}) {
        in.crop.ETIndex = method;
        run();
        expectAllFinite();
    }
}

TEST_F(ComputeCoreTest, BadLatitudeIsReportedOnceAndTheCalculationGoesOn) {
    in.station.Latitude = 7000;
    in.crop.ETIndex = kETTemperature;
    run();
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(messages.items[0].text, text::kLatitudeOutOfRange);
    expectAllFinite();
    messages.clear();
    in.crop.ETIndex = kETRadiation; // does not use the latitude
    run();
    EXPECT_TRUE(messages.items.empty());
}

// Which empty weather values count depends on the method: radiation RS, RHa, U, W/R;
// temperature RHmin, NR, U, W/R; TR21 none. Only months of the season count.
TEST_F(ComputeCoreTest, EmptyWeatherValuesCountForTheMethodThatUsesThem) {
    in.whr.Location = QStringLiteral("SITE");
    for (MonthMask* empty : {&in.whr.empty.RS, &in.whr.empty.RHa, &in.whr.empty.RHmin,
                             &in.whr.empty.NR, &in.whr.empty.U, &in.whr.empty.WR})
        empty->set(7).set(1); // July in the season, January outside it
    auto fieldsFor = [&](int method) {
        in.crop.ETIndex = method;
        QStringList fields;
        for (const ReplacedInput& r : computeCrop(in, ref, k, curve, messages)) {
            EXPECT_EQ(r.table, QStringLiteral("ClimWHR"));
            EXPECT_EQ(r.row, QStringLiteral("SITE"));
            EXPECT_EQ(r.month, 7);
            fields << r.field;
        }
        fields.sort();
        return fields;
    };
    EXPECT_EQ(fieldsFor(kETRadiation),
              (QStringList{QStringLiteral("RHa Jul"), QStringLiteral("RS Jul"),
                           QStringLiteral("U Jul"), QStringLiteral("W/R Jul")}));
    EXPECT_EQ(fieldsFor(kETTemperature),
              (QStringList{QStringLiteral("NR Jul"), QStringLiteral("RHmin Jul"),
                           QStringLiteral("U Jul"), QStringLiteral("W/R Jul")}));
    EXPECT_TRUE(fieldsFor(kETTR21).isEmpty());
}

// Cutting dates are inputs only of a crop cut for hay; the last one only with more cuts.
TEST_F(ComputeCoreTest, CuttingDatesCountOnlyForAHayCrop) {
    in.crop.Cut1Mo = 13;
    in.crop.Cut1Day = 10;
    in.crop.CutEndMo = 2;
    in.crop.CutEndDay = 30;
    in.crop.Cuttings = 1;
    ReplacedInputs replaced;
    cropDates(in, replaced);
    EXPECT_TRUE(replaced.empty()); // a TR21 annual crop has no cuttings
    GrassCurve grass;
    grass.Hay = true;
    in.curve = grass;
    const CropDates one = cropDates(in, replaced);
    ASSERT_EQ(replaced.items().size(), 1u);
    EXPECT_EQ(replaced.items()[0].field, QStringLiteral("Cut1Mo"));
    EXPECT_TRUE(replaced.items()[0].cropDate);
    EXPECT_EQ(one.firstCut.month, 12);
    in.crop.Cuttings = 3;
    const CropDates three = cropDates(in, replaced);
    ASSERT_EQ(replaced.items().size(), 2u);
    EXPECT_EQ(replaced.items()[1].field, QStringLiteral("CutEndDay"));
    EXPECT_EQ(three.lastCut.day, 28);
}

} // namespace
