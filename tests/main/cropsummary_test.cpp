// What the results window shows of a computed crop: the items of each curve kind, the month
// grid, the totals and the footnotes.

#include "qtprinting.h"
#include "tempdatabase.h"

#include "results/output/cropsummary.h"
#include "store/alias.h"

#include <gtest/gtest.h>

using namespace kova::results;
using kova::calc::TKova;

namespace {

// A crop grown May to September, as a computation leaves it.
TKova mayToSeptember() {
    TKova k;
    k.JobName = "O'Neil farm";
    k.PlantMo = 5;
    k.PlantDay = 1;
    k.HarvestMo = 9;
    k.HarvestDay = 30;
    k.Latitude = 4109;
    k.Elevation = 6128.5;
    for (int m = 5; m <= 9; ++m) {
        const size_t i = static_cast<size_t>(m);
        k.ETMonth[i] = 3.14159 * m;
        k.EP80[i] = 0.5;
        k.NI80[i] = k.ETMonth[i] - 0.5;
        k.EP50[i] = 0.75;
        k.NI50[i] = k.ETMonth[i] - 0.75;
        k.ETcRate[i] = 0.1 * m;
        k.PeakET[i] = 0.2 * m;
    }
    k.PeakET[6] = 0;    // a month with ET and no peak
    k.EP80[1] = 0.4;    // precipitation outside the season is not shown
    k.ETMonth[12] = -1; // nor a month whose ET is not above 0
    k.ETTotal = 100;
    k.EP80Total = 2.5;
    k.NI80Total = 0;
    return k;
}

} // namespace

TEST(CropSummary, CurveKindsShowTheirItems) {
    const struct {
        int curve;
        bool hay, cuttings, fieldSettings;
    } cases[] = {{2, true, true, true},    {2, false, false, true}, {3, true, false, false},
                 {4, false, false, false}, {0, true, false, true},  {1, false, false, true}};
    for (const auto& c : cases) {
        const HeaderItems items = headerItems(c.curve, c.hay);
        EXPECT_EQ(items.cuttings, c.cuttings) << c.curve << " hay " << c.hay;
        EXPECT_EQ(items.fieldSettings, c.fieldSettings) << c.curve << " hay " << c.hay;
    }
}

TEST(CropSummary, TheGridShowsSeasonMonthsWithTwoDecimalsAndBlanksTheRest) {
    const CropSummary s = summarize(mayToSeptember(), true);
    EXPECT_EQ(s.grid[0][0], "");
    EXPECT_EQ(s.grid[0][3], " (inches)(2)");
    EXPECT_EQ(s.grid[0][4], "   (inches)");
    EXPECT_EQ(s.grid[5], (std::array<QString, kGridColumns>{"May", "15.71", "0.50", "15.21", "0.75",
                                                            "14.96", "0.50", "1.00"}));
    EXPECT_EQ(s.grid[6][0], "June");
    EXPECT_FALSE(s.grid[6][6].isEmpty());
    EXPECT_TRUE(s.grid[6][7].isEmpty()) << "no peak: the ETPk cell stays blank";
    for (int m : {1, 2, 3, 4, 10, 11, 12}) {
        const auto& row = s.grid[static_cast<size_t>(m)];
        EXPECT_FALSE(row[0].isEmpty()) << m;
        for (int c = 1; c < kGridColumns; ++c)
            EXPECT_TRUE(row[static_cast<size_t>(c)].isEmpty()) << m << " " << c;
    }
    EXPECT_EQ(s.totals, (std::array<QString, 5>{"100.00", "2.50", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(s.beginGrowth, "5/1");
    EXPECT_EQ(s.endGrowth, "9/30");
    EXPECT_EQ(s.latitude, "4109");
    EXPECT_EQ(s.elevation, "6128.5");
}

TEST(CropSummary, FootnotesFollowCarryOverMethodAndElevationCorrection) {
    TKova k = mayToSeptember();
    k.ETMethodText = "Blaney Criddle (TR21)";
    EXPECT_FALSE(summarize(k, true).footnotes.carryOver);
    k.CarryEnd = 0.1;
    EXPECT_TRUE(summarize(k, true).footnotes.carryOver);
    k.CarryEnd = 0;
    k.CarryBeg = 0.1;
    EXPECT_TRUE(summarize(k, true).footnotes.carryOver);

    EXPECT_TRUE(summarize(k, true).footnotes.elevation);
    EXPECT_EQ(summarize(k, true).footnotes.elevationText, text::kElevationAdjusted);
    EXPECT_EQ(summarize(k, false).footnotes.elevationText, text::kElevationNotAdjusted);
    for (const char* other : {"Temperature (FAO BC)", "Radiation", "Blaney Criddle"}) {
        k.ETMethodText = other;
        EXPECT_FALSE(summarize(k, false).footnotes.elevation) << other;
    }
}

TEST(CropSummary, TheElevationCorrectionIsTheSystemDefaults) {
    kova::test::TempDatabase db;
    EXPECT_TRUE(elevationCorrection(kova::store::kDefaultAlias)) << "delivered: corrected";
    EXPECT_FALSE(elevationCorrection("no such alias"));
}
