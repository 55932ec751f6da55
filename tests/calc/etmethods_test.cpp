// ET formulas against published cases and the daylight lookup's edge cases.

#include "calcfixtures.h"

#include "calc/etmethods.h"

#include <gtest/gtest.h>

using namespace kova::calc;

namespace {

// Published cases, daytime wind given as a run in miles per day (what the regression
// constants of both methods expect). Tolerance 0.5 % of the published value.
struct PublishedCase {
    const char* source;
    double T, humidity, windMilesPerDay, third, elevation;
    double expectedInchesPerDay;
};

TEST(PublishedCases, TemperatureMethodMcMahonAliceSprings) {
    // McMahon et al. 2013, Alice Springs, 20 July 1980: FAO-24 Blaney-Criddle. Published SI
    // value 3.1426 mm/day; the °F form of the method gives 0.1231 in/day.
    const PublishedCase c{"McMahon et al. 2013", 52.7, 25.0, 31.69, 0.99599, 0.0, 0.1231};
    const double p = 0.2436; // daily daylight percentage
    const double rate =
        temperatureRate(p, c.T, c.humidity, c.windMilesPerDay, c.elevation, c.third);
    EXPECT_NEAR(rate, c.expectedInchesPerDay, 0.005 * c.expectedInchesPerDay) << c.source;
}

TEST(PublishedCases, RadiationMethodFao24) {
    // FAO-24 radiation method: 77 °F, RHa 50 %, daytime wind 2 m/s = 107.4 mi/day,
    // RS 597.1 langleys/day (25 MJ/m²/day), sea level: 0.2799 in/day (SI regression 7.13 mm).
    const PublishedCase c{"FAO-24 radiation", 77.0, 50.0, 107.4, 597.1, 0.0, 0.2799};
    const double rate = radiationRate(c.elevation, c.T, c.humidity, c.windMilesPerDay, c.third);
    EXPECT_NEAR(rate, c.expectedInchesPerDay, 0.005 * c.expectedInchesPerDay) << c.source;
}

TEST(RadiationMethod, LowRadiationGivesTheNegativeRate) {
    EXPECT_NEAR(radiationRate(0, 20, 80, 10, 0), -0.012, 1e-12);
}

TEST(RadiationMethod, ElevationEntersOnlyThroughPressure) {
    EXPECT_LT(psychrometricConstant(60, 5000), psychrometricConstant(60, 0));
    EXPECT_GT(radiationRate(5000, 60, 50, 100, 500), radiationRate(0, 60, 50, 100, 500));
}

TEST(TemperatureMethod, DryDarkInputsNeverGoBelowZero) {
    EXPECT_EQ(temperatureRate(0.2, 10, 90, 0, 0, 0), 0.0);
    EXPECT_EQ(temperatureRate(-1.0 / 31, 50, 30, 100, 0, 0.8), 0.0); // failed daylight lookup
}

TR21Month julyInSeason() {
    TR21Month t;
    t.month = 7;
    t.T = 70;
    t.TPrev = 60;
    t.TNext = 80;
    t.p = 10;
    t.pPrev = 9;
    t.pNext = 11;
    t.PlantMo = 5;
    t.PlantDay = 1;
    t.HarvestMo = 9;
    t.HarvestDay = 30;
    t.inSeason = true;
    return t;
}

TEST(TR21Method, TemperatureCoefficientChangesAt36) {
    EXPECT_DOUBLE_EQ(tr21TemperatureCoefficient(35.9), 0.3);
    EXPECT_NEAR(tr21TemperatureCoefficient(36.0), 0.3088, 1e-12);
}

TEST(TR21Method, FullSeasonMonthUsesItsOwnMeans) {
    const TR21Month t = julyInSeason();
    const double kt = 0.0173 * 70 - 0.314;
    EXPECT_NEAR(tr21Rate(t), kt * 70 * 10 / (100.0 * 31), 1e-12);
}

TEST(TR21Method, PlantingOnTheFirstLeansHalfwayToThePreviousMonth) {
    TR21Month t = julyInSeason();
    t.PlantMo = 7;
    t.PlantDay = 1;
    const double w = 15.0 / 31;
    const double Tm = 70 + (60 - 70) * w;
    const double pm = 10 + (9 - 10) * w;
    EXPECT_NEAR(tr21Rate(t), tr21TemperatureCoefficient(Tm) * Tm * pm / 3100, 1e-12);
}

TEST(TR21Method, PlantingLateInTheMonthLeansToTheNextMonth) {
    TR21Month t = julyInSeason();
    t.PlantMo = 7;
    t.PlantDay = 20; // n = 12, w = (6 + 5) / 31
    const double w = 11.0 / 31;
    const double Tm = 70 + (80 - 70) * w;
    const double pm = 10 + (11 - 10) * w;
    EXPECT_NEAR(tr21Rate(t), tr21TemperatureCoefficient(Tm) * Tm * pm / 3100, 1e-12);
}

TEST(TR21Method, HarvestDaysLeanToThePreviousMonthAndTheEndOfMonthNotAtAll) {
    TR21Month t = julyInSeason();
    t.HarvestMo = 7;
    t.HarvestDay = 30; // w = (15 - 15) / 30 = 0
    const double own = tr21Rate(t);
    t.HarvestDay = 15;
    EXPECT_DOUBLE_EQ(tr21Rate(t), own);
    t.HarvestDay = 20; // later harvest still leans back: w = 5 / 30 (June has 30 days)
    const double w = 5.0 / 30;
    const double Tm = 70 + (60 - 70) * w;
    const double pm = 10 + (9 - 10) * w;
    EXPECT_NEAR(tr21Rate(t), tr21TemperatureCoefficient(Tm) * Tm * pm / 3100, 1e-12);
}

TEST(TR21Method, OutOfSeasonIsZeroAndElevationCorrectionScales) {
    TR21Month t = julyInSeason();
    const double base = tr21Rate(t);
    t.elevationCorrection = true;
    t.E = 5000;
    EXPECT_NEAR(tr21Rate(t), base * (1 + 3.0478512e-05 * 5000), 1e-12);
    t.inSeason = false;
    EXPECT_EQ(tr21Rate(t), 0.0);
}

TEST(Daylight, PackedLatitudeInterpolatesBetweenWholeDegrees) {
    const ReferenceTables ref = kova::test::smallReference();
    MessageList messages;
    const double p41 = ref.daylight[1].Percent[6];
    const double p42 = ref.daylight[2].Percent[6];
    EXPECT_NEAR(daylightPercentage(ref, 4119, 7, messages), p41 + 19.0 / 60 * (p42 - p41), 1e-12);
    EXPECT_TRUE(messages.items.empty());
}

TEST(Daylight, ThreeDigitLatitudeIsDegreesAndMinutes) {
    ReferenceTables ref;
    ref.daylight = {{5, {}}, {6, {}}};
    ref.daylight[0].Percent[0] = 8.0;
    ref.daylight[1].Percent[0] = 8.6;
    MessageList messages;
    EXPECT_NEAR(daylightPercentage(ref, 519, 1, messages), 8.0 + 19.0 / 60 * 0.6, 1e-12);
}

TEST(Daylight, LatitudeErrorsAreReportedAndGiveMinusOne) {
    const ReferenceTables ref = kova::test::smallReference();
    MessageList messages;
    EXPECT_EQ(daylightPercentage(ref, 6500, 1, messages), kDaylightFailed);
    EXPECT_EQ(daylightPercentage(ref, 59, 1, messages), kDaylightFailed); // 0° 59'
    EXPECT_EQ(daylightPercentage(ref, 12000, 1, messages), kDaylightFailed);
    ASSERT_EQ(messages.items.size(), 3u);
    EXPECT_EQ(messages.items[0], (CalcMessage{MessageKind::Error, text::kLatitudeOutOfRange}));
    EXPECT_EQ(messages.items[1], (CalcMessage{MessageKind::Error, text::kLatitudeNotCorrect}));
    EXPECT_EQ(messages.items[2].text, text::kLatitudeNotCorrect);
}

TEST(Daylight, AboveTheLastRowUsesTheLastRow) {
    const ReferenceTables ref = kova::test::smallReference(); // last row 65
    MessageList messages;
    EXPECT_NEAR(daylightPercentage(ref, 6454, 3, messages),
                ref.daylight[3].Percent[2] +
                    54.0 / 60 * (ref.daylight[4].Percent[2] - ref.daylight[3].Percent[2]),
                1e-12);
}

TEST(Daylight, AYearOfLookupsReportsABadLatitudeOnce) {
    const ReferenceTables ref = kova::test::smallReference();
    MessageList messages;
    const DaylightYear year = daylightYear(ref, 7000, messages);
    EXPECT_TRUE(year.failed);
    EXPECT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(year.of(5), kDaylightFailed);
}

} // namespace
