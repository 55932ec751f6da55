// The growth-date tool without tables: the spring and fall searches, the frost-date texts,
// every message with what it does to the window, and the dates it returns on OK.

#include "calc/growthdates.h"

#include <gtest/gtest.h>

using namespace kova::calc;

namespace {

// Means rising from January to July and falling to December, 10 F a month apart from the
// lowest in January (30) to the highest in July (90).
Monthly regularMeans() {
    return {0, 30, 40, 50, 60, 70, 80, 90, 80, 70, 60, 50, 40};
}

const FrostDates kFrost{QStringLiteral("04/20"), QStringLiteral("05/05"), QStringLiteral("10/20"),
                        QStringLiteral("10/05")};

TKova cropRecord(int curveIndex = kCurveTR21Annual) {
    TKova k;
    k.PlantMo = 5;
    k.PlantDay = 1;
    k.HarvestMo = 9;
    k.HarvestDay = 28;
    k.CurveIndex = curveIndex;
    return k;
}

GrowthCriteria criteria(int springTemp, std::optional<int> fallTemp, std::optional<int> minDays,
                        std::optional<int> maxDays) {
    GrowthCriteria c;
    c.SpringAvTemp = springTemp;
    c.FallAvTemp = fallTemp;
    c.MinGrowDays = minDays;
    c.MaxGrowDays = maxDays;
    return c;
}

bool sameDate(MonthDay a, MonthDay b) {
    return a.month == b.month && a.day == b.day;
}

#define EXPECT_DATE(actual, m, d)                                                                  \
    EXPECT_TRUE(sameDate((actual), MonthDay{m, d}))                                                \
        << (actual).month << "/" << (actual).day << " instead of " << m << "/" << d

TEST(GrowthDateSearch, InterpolatesFromTheMeansOnThe15th) {
    Monthly t = regularMeans();
    t[4] = 45;
    t[5] = 55;
    // x = 5 / (10 / 30) = 15: back into April, on its last day.
    EXPECT_DATE(SpringDate(50, t, kFrost), 4, 30);
    // 67.5 lies a quarter of April's 30 days back from May's 70: 7.5 rounds up to 8 days
    // before the 15th of May.
    EXPECT_DATE(SpringDate(67.5, regularMeans(), kFrost), 5, 7);
    // Right on a mean: the 15th of the month above it.
    EXPECT_DATE(SpringDate(59.999, regularMeans(), kFrost), 4, 15);
    // January above T: day 1 once the crossing lies 15 days or more back into December.
    Monthly coolDecember = regularMeans();
    coolDecember[12] = 29;
    EXPECT_DATE(SpringDate(29, coolDecember, kFrost), 1, 1); // x = 1 / (1 / 31) = 31
    // A December warmer than January puts the crossing after the 15th: -15.5 rounds to -15.
    EXPECT_DATE(SpringDate(25, regularMeans(), kFrost), 1, 30);

    // Fall: 75 is half-way from August (80) to September (70), 15.5 days back from the 15th of
    // September: 16 days, into August.
    EXPECT_DATE(FallDate(75, regularMeans(), kFrost), 8, 30);
    // December is computed from November like any other month.
    EXPECT_DATE(FallDate(42, regularMeans(), kFrost), 12, 9);
    EXPECT_DATE(FallDate(49, regularMeans(), kFrost), 11, 18);
}

TEST(GrowthDateSearch, TwentyEightAndThirtyTwoTakeTheStationFrostDates) {
    EXPECT_DATE(SpringDate(28, regularMeans(), kFrost), 4, 20);
    EXPECT_DATE(SpringDate(32, regularMeans(), kFrost), 5, 5);
    EXPECT_DATE(FallDate(28, regularMeans(), kFrost), 10, 20);
    EXPECT_DATE(FallDate(32, regularMeans(), kFrost), 10, 5);
    // Only exactly 28 and 32: 28.5 is interpolated (January's 30 is above it).
    EXPECT_DATE(SpringDate(28.5, regularMeans(), kFrost), 1, 20);
}

TEST(GrowthDateSearch, NoCrossingOrNoDayOfTheMonthGivesNoDate) {
    // Above every January-June mean / never below T in July-December.
    EXPECT_EQ(SpringDate(85, regularMeans(), kFrost).month, 0);
    EXPECT_EQ(FallDate(35, regularMeans(), kFrost).month, 0);

    // January above T with December equal to it: a zero denominator.
    Monthly level = regularMeans();
    level[12] = level[1];
    EXPECT_EQ(SpringDate(25, level, kFrost).month, 0);

    // July below T with June equal to July.
    Monthly flatSummer = regularMeans();
    flatSummer[6] = flatSummer[7];
    EXPECT_EQ(FallDate(95, flatSummer, kFrost).month, 0);

    // July below T with a cooler June: the interpolation runs forward, to "July 45".
    Monthly coolJune = regularMeans();
    coolJune[6] = 60;
    coolJune[7] = 70;
    EXPECT_EQ(FallDate(80, coolJune, kFrost).month, 0);

    // July below T with a warmer June also below T: far back, before June's first day.
    Monthly coolSummer = regularMeans();
    coolSummer[6] = 71;
    coolSummer[7] = 70;
    EXPECT_EQ(FallDate(80, coolSummer, kFrost).month, 0);

    // Means that are not numbers cross nothing.
    Monthly broken = regularMeans();
    broken[1] = std::numeric_limits<double>::quiet_NaN();
    broken[12] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SpringDate(25, broken, kFrost).month, 0);
}

TEST(GrowthDateSearch, FrostDateTextsThatAreNoDateGiveMonthZero) {
    EXPECT_DATE(frostDate(QStringLiteral("01/06")), 1, 6);
    EXPECT_DATE(frostDate(QStringLiteral("12/31")), 12, 31);
    for (const char* noDate : {"00/00", "", "13/01", "02/29", "04/31", "00/05", "5/1", " 5/01",
                               "ab/cd", "05-01", "05/01 ", "\xd9\xa0\xd9\xa5/01"})
        EXPECT_EQ(frostDate(QString::fromUtf8(noDate)).month, 0) << noDate;

    FrostDates damaged = kFrost;
    damaged.Spring32 = QStringLiteral("5/5");
    damaged.Fall28 = QStringLiteral("10/32");
    EXPECT_EQ(SpringDate(32, regularMeans(), damaged).month, 0);
    EXPECT_EQ(FallDate(28, regularMeans(), damaged).month, 0);
}

TEST(GrowthDateSearch, DaysRunIntoTheNextYear) {
    EXPECT_EQ(daysUntil({5, 1}, {9, 28}), 150);
    EXPECT_EQ(daysUntil({5, 1}, {5, 1}), 0);
    EXPECT_EQ(daysUntil({12, 29}, {12, 24}), 360);
    EXPECT_EQ(daysUntil({1, 6}, {1, 2}), 361);
    EXPECT_EQ(daysUntil({10, 1}, {7, 5}), 277);

    EXPECT_DATE(dateOfDay(365), 12, 31);
    EXPECT_DATE(dateOfDay(366), 1, 1);
    EXPECT_DATE(dateOfDay(334 + 66), 2, 4); // not "December 66"
    EXPECT_DATE(dateOfDay(363 + 365), 12, 29);
}

TEST(GrowthDateSite, StationsWithoutSpringFrostAreTooWarm) {
    EXPECT_FALSE(tooWarmForDates(kFrost));
    for (int field = 0; field < 2; ++field) {
        for (const char* text : {"00/00", "", "02/30"}) {
            FrostDates warm = kFrost;
            (field == 0 ? warm.Spring28 : warm.Spring32) = QString::fromLatin1(text);
            const auto message = tooWarmForDates(warm);
            ASSERT_TRUE(message) << field << text;
            EXPECT_EQ(*message, (DateToolMessage{MessageKind::Error, text::kTooWarm,
                                                 DateToolClose::LeaveDates}));
        }
    }
    FrostDates noFallFrost = kFrost;
    noFallFrost.Fall28 = noFallFrost.Fall32 = QStringLiteral("00/00");
    EXPECT_FALSE(tooWarmForDates(noFallFrost));
}

class DateTool : public ::testing::Test {
protected:
    CompPHDates tool{regularMeans(), kFrost};
    const DateToolValues& v() { return tool.values(); }
};

TEST_F(DateTool, OpensWithTheCropsValuesAndCalculates) {
    const TKova k = cropRecord();
    EXPECT_FALSE(tool.open(k, criteria(65, 75, 100, 120)));
    EXPECT_DATE(v().DefaultPlant, 5, 1);
    EXPECT_DATE(v().DefaultHarvest, 9, 28);
    EXPECT_EQ(v().DefaultGrowDays, 150);
    EXPECT_EQ(v().BeginTemp, 65);
    EXPECT_EQ(v().EndTemp, 75);
    EXPECT_EQ(v().MinGrowDays, 100);
    EXPECT_EQ(v().MaxGrowDays, 120);
    EXPECT_TRUE(v().GrowDaysShown);
    EXPECT_EQ(v().GrowDaysEntry, 100);
    EXPECT_EQ(v().BeginTempEntry, 65);
    EXPECT_EQ(v().EndTempEntry, 75);
    ASSERT_TRUE(v().DatesShown);
    EXPECT_EQ(v().GrowDays, 100);
    EXPECT_DATE(v().Spring, 4, 30); // x = 5 / (10 / 30) = 15
    EXPECT_DATE(v().Fall, 8, 30);
    EXPECT_EQ(v().AvailableDays, 122);
    EXPECT_DATE(v().Harvest, 8, 8); // day 120 + 100

    // A season across the year end counts its days into the next year.
    TKova winter = cropRecord();
    winter.PlantMo = 10;
    winter.PlantDay = 1;
    winter.HarvestMo = 7;
    winter.HarvestDay = 5;
    tool.open(winter, criteria(65, 75, 100, 120));
    EXPECT_EQ(v().DefaultGrowDays, 277);
}

TEST_F(DateTool, GrowDaysComeFromTheCropTypeForBasalAnnualCrops) {
    struct Case {
        int daysMin, daysMax, minGrowDays, maxGrowDays;
    };
    // Days outside 1..365 are held to them.
    for (const Case& t : {Case{80, 95, 80, 95}, Case{0, 400, 1, 365}}) {
        GrowthCriteria c = criteria(65, 75, 100, 120);
        c.DaysMin = t.daysMin;
        c.DaysMax = t.daysMax;
        tool.open(cropRecord(kCurveBasalAnnual), c);
        EXPECT_EQ(v().MinGrowDays, t.minGrowDays);
        EXPECT_EQ(v().MaxGrowDays, t.maxGrowDays);
        tool.open(cropRecord(kCurveGrass), c);
        EXPECT_EQ(v().MinGrowDays, 100);
        EXPECT_EQ(v().MaxGrowDays, 120);
    }
}

TEST_F(DateTool, WithoutGrowDaysTheFallDateIsTheHarvest) {
    // Empty grow days and end temperature: 1 and 32 F (the station's fall frost date).
    EXPECT_FALSE(tool.open(cropRecord(), criteria(65, std::nullopt, std::nullopt, std::nullopt)));
    EXPECT_EQ(v().EndTemp, 32);
    EXPECT_EQ(v().MinGrowDays, 1);
    EXPECT_EQ(v().MaxGrowDays, 1);
    EXPECT_FALSE(v().GrowDaysShown);
    EXPECT_EQ(v().GrowDays, 1);
    EXPECT_DATE(v().Fall, 10, 5);
    EXPECT_DATE(v().Harvest, 10, 5);
    // The hidden entry is not read.
    tool.calculate(200, 65, 32);
    EXPECT_EQ(v().GrowDays, 1);
    EXPECT_DATE(v().Harvest, 10, 5);

    // An entered 1 means the same.
    tool.open(cropRecord(), criteria(65, 75, 100, 120));
    tool.calculate(1, 65, 75);
    EXPECT_DATE(v().Harvest, 8, 30);
}

TEST_F(DateTool, EnteredGrowDaysStayWithinAYear) {
    tool.open(cropRecord(), criteria(65, 75, 100, 120));
    tool.calculate(1000, 65, 75);
    EXPECT_EQ(v().GrowDays, 365);
    EXPECT_DATE(v().Harvest, 4, 30); // a whole year on
    tool.calculate(-5, 65, 75);
    EXPECT_EQ(v().GrowDays, 1);
}

TEST_F(DateTool, ReCalculateWithNewValuesAndALateStartWrapsTheHarvest) {
    tool.open(cropRecord(), criteria(65, 75, 100, 120));
    EXPECT_FALSE(tool.calculate(60, 45, 55));
    EXPECT_DATE(v().Spring, 3, 1); // 5 / (10 / 28) = 14 days before the 15th of March
    EXPECT_DATE(v().Fall, 10, 30);
    EXPECT_EQ(v().AvailableDays, 243);
    EXPECT_EQ(v().GrowDays, 60);
    EXPECT_DATE(v().Harvest, 4, 30);

    // Spring on 12/29 (the station's 32 F date) and 150 days on: into May of the next year.
    FrostDates lateSpring = kFrost;
    lateSpring.Spring32 = QStringLiteral("12/29");
    lateSpring.Fall32 = QStringLiteral("12/24");
    CompPHDates late(regularMeans(), lateSpring);
    EXPECT_FALSE(late.open(cropRecord(), criteria(32, 32, 150, 200)));
    EXPECT_DATE(late.values().Spring, 12, 29);
    EXPECT_DATE(late.values().Fall, 12, 24);
    EXPECT_EQ(late.values().AvailableDays, 360);
    EXPECT_DATE(late.values().Harvest, 5, 28);
}

TEST_F(DateTool, EveryMessageWithWhatItDoesToTheWindow) {
    const TKova k = cropRecord();
    using Close = DateToolClose;
    struct Case {
        GrowthCriteria crop;
        DateToolMessage message;
    };
    GrowthCriteria noTemperature;
    noTemperature.FallAvTemp = 50;
    noTemperature.MinGrowDays = 100;
    const Case cases[] = {
        {noTemperature, {MessageKind::Error, text::kCriteriaNotAvailable, Close::LeaveDates}},
        {criteria(85, 75, 100, 120),
         {MessageKind::Warning, text::kBeginTempWontWork, Close::RestoreDefaults}},
        {criteria(65, 35, 100, 120),
         {MessageKind::Warning, text::kEndTempWontWork, Close::RestoreDefaults}},
        {criteria(65, 75, 130, 150),
         {MessageKind::Warning, text::kGrowingPeriodTooLong, Close::Stay}}};
    for (const Case& c : cases) {
        const auto message = tool.open(k, c.crop);
        ASSERT_TRUE(message) << c.message.text.toStdString();
        EXPECT_EQ(*message, c.message);
    }
    // Too long: the values stay, the harvest still start + G.
    EXPECT_TRUE(v().DatesShown);
    EXPECT_EQ(v().AvailableDays, 122);
    EXPECT_DATE(v().Harvest, 9, 7); // day 120 + 130

    // Every winter mean above the begin temperature (December warmer than January): a January
    // day past 31.
    EXPECT_EQ(SpringDate(20, regularMeans(), kFrost).day, 46);
    CompPHDates warm(regularMeans(), kFrost);
    const auto tooLow = warm.open(k, criteria(20, 75, 100, 120));
    ASSERT_TRUE(tooLow);
    EXPECT_EQ(*tooLow, (DateToolMessage{MessageKind::Warning, text::kPlantingTempTooLow,
                                        Close::LeaveDates}));
    EXPECT_FALSE(warm.values().DatesShown);
}

TEST_F(DateTool, OkReturnsTheDatesAndAFailedCalculationReturnsNone) {
    TKova k = cropRecord();
    tool.open(k, criteria(65, 75, 100, 120));
    ASSERT_TRUE(tool.accept(k));
    EXPECT_EQ(k.PlantMo, 4);
    EXPECT_EQ(k.PlantDay, 30);
    EXPECT_EQ(k.HarvestMo, 8);
    EXPECT_EQ(k.HarvestDay, 8);

    // The begin temperature fails: nothing to accept, the defaults go back.
    tool.calculate(100, 85, 75);
    EXPECT_FALSE(v().DatesShown);
    TKova untouched = k;
    EXPECT_FALSE(tool.accept(untouched));
    EXPECT_EQ(untouched.PlantMo, 4);
    tool.restoreDefaults(k);
    EXPECT_EQ(k.PlantMo, 5);
    EXPECT_EQ(k.PlantDay, 1);
    EXPECT_EQ(k.HarvestMo, 9);
    EXPECT_EQ(k.HarvestDay, 28);
}

} // namespace
