// Crops a job's method or curve cannot compute are refused where they are entered, and the
// defaults dialogs' password and day rules.

#include "jobfixture.h"

#include "main/job/croprules.h"
#include "main/job/defaults.h"

using namespace kova::job;
using kova::test::JobTest;

namespace {

class CropRules : public JobTest {};

TEST_F(CropRules, ACropWithoutACurveForTheMethodIsRefused) {
    sql("INSERT INTO KovaCrop (\"Cop Name\", \"BC Crop Type\", \"BC Crop Curve Name\", "
        "\"Plant Mo\", \"Plant Day\", \"Harvest Mo\", \"Harvest Day\", Marked) VALUES "
        "('TR21 only', 'Blaney Criddle Annual Crop', 'Small Grains (spring)', 4, 1, 8, 1, 0)");
    sql("UPDATE SystemDefaults SET \"ET Method\" = 'RAD'");
    startJob("Radiation job");
    ASSERT_EQ(kova().ETIndex, kova::calc::kETRadiation);
    session.beginAddCrop();
    EXPECT_EQ(session.addCrop("TR21 only"), AddCropResult::Refused);
    EXPECT_EQ(messages.texts().last(),
              "This crop has no crop curve for the job's ET method. Select another crop");
    EXPECT_FALSE(session.hasCrops());
    EXPECT_EQ(kova().CropCount, 0);
    EXPECT_FALSE(session.controls().displayCrop);

    addCrop("Barley");
    session.beginAddCrop();
    EXPECT_EQ(session.addCrop("Barley"), AddCropResult::Refused);
    EXPECT_EQ(messages.texts().last(), "This crop has already been included. Select another crop");
    EXPECT_EQ(session.workingCrops().recordCount(), 1);
    EXPECT_EQ(kova().CropCount, 1);
}

TEST_F(CropRules, ACalendarYearCurveRefusesASeasonAcrossTheYearEnd) {
    startJob("Winter hay");
    session.beginAddCrop();
    ASSERT_EQ(session.addCrop("Alfalfa hay"), AddCropResult::Added);
    ASSERT_TRUE(session.openCropParameters());
    kova::store::Table& wk = session.workingCrops();
    wk.setValue("Plant Mo", 10);
    wk.setValue("Harvest Mo", 3);
    EXPECT_EQ(session.closeCropParameters(), CropCloseResult::SeasonRefused);
    EXPECT_EQ(messages.texts().last(), "This crop's curve covers one calendar year. Enter a "
                                       "season that does not cross the year end.");
    EXPECT_NE(wk.state(), kova::store::EditState::Browse) << "the dialog stays open";
    wk.setValue("Harvest Mo", 12);
    ASSERT_EQ(session.closeCropParameters(), CropCloseResult::Computed) << messageText();
    EXPECT_EQ(wk.asString("Beg Dat"), "10/1");
    EXPECT_GT(kova().ETTotal, 0);

    kova::calc::WorkingCrop annual;
    annual.CurveIndex = kova::calc::kCurveTR21Annual;
    annual.PlantMo = 11, annual.PlantDay = 10, annual.HarvestMo = 3, annual.HarvestDay = 15;
    EXPECT_FALSE(seasonRefusal(annual)) << "annual curves follow the season itself";
    for (int kind : {kova::calc::kCurveBasalPerennial, kova::calc::kCurveGrass,
                     kova::calc::kCurveTR21Perennial}) {
        kova::calc::WorkingCrop perennial = annual;
        perennial.CurveIndex = kind;
        EXPECT_TRUE(seasonRefusal(perennial)) << kind;
        perennial.HarvestMo = 11, perennial.HarvestDay = 10;
        EXPECT_FALSE(seasonRefusal(perennial)) << "one day is not across the year end";
    }
}

TEST(Defaults, PasswordIsTheStoredOneOrTheMasterExactly) {
    EXPECT_TRUE(passwordAccepted("PeltsVAQ", "secret"));
    EXPECT_FALSE(passwordAccepted("PELTSVAQ", "secret"));
    EXPECT_TRUE(passwordAccepted("secret", "secret"));
    EXPECT_FALSE(passwordAccepted("Secret", "secret"));
    EXPECT_FALSE(passwordAccepted("secret ", "secret"));
    EXPECT_TRUE(passwordAccepted("", ""));
    EXPECT_FALSE(passwordAccepted("", "secret"));
}

TEST(Defaults, ADayPastItsMonthBecomesTheLastDay) {
    DayCheck c = checkDayOfMonth(4, 31);
    EXPECT_EQ(c.day, 30);
    EXPECT_EQ(c.message, "Month number 4 has maximum of 30 days.");
    c = checkDayOfMonth(2, 29);
    EXPECT_EQ(c.day, 28);
    EXPECT_EQ(c.message, "Month number 2 has maximum of 28 days.");
    EXPECT_TRUE(checkDayOfMonth(12, 31).message.isEmpty());
    c = checkDayOfMonth(13, 5);
    EXPECT_EQ(c.day, 5);
    EXPECT_EQ(c.message, "Month number 13 is not between 1 and 12.");
    EXPECT_EQ(checkDayOfMonth(6, 0).message, "Day 0 is not a day of month 6.");
}

} // namespace
