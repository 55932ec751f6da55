// The job's state through the main window's commands and field events, the window's states
// that go with it, and clearing the job record.

#include "jobfixture.h"

#include "main/job/jobrecord.h"

#include <QDate>
#include <functional>

using namespace kova::job;
using kova::test::JobTest;

namespace {

const QString kSample = QStringLiteral("Cheyenne sample job");

class JobState : public JobTest {
protected:
    void loadSample() {
        dialogs.job = kSample;
        ASSERT_TRUE(session.getPrevJob()) << messageText();
        ASSERT_EQ(session.jobState(), kNothingToSave);
    }
    void typeSite(SiteField field, double value) {
        session.siteTyped(field, value);
        session.siteLeft(field);
    }
};

TEST_F(JobState, ANewJobFromItsNameToItsFirstSave) {
    EXPECT_FALSE(session.controls().jobPanel);
    EXPECT_EQ(session.focus(), Focus::NewJobButton);
    ASSERT_TRUE(session.newJob());
    EXPECT_EQ(session.jobState(), kNewJob);
    MainControls c = session.controls();
    EXPECT_TRUE(c.jobPanel && c.uniqueNote && c.cancel && c.headerFields && c.climateGroup);
    EXPECT_FALSE(c.newJob || c.prevJob || c.saveJob || c.getNewClimate || c.siteFields ||
                 c.addCrop || c.displayCrop || c.cropGrid);
    EXPECT_EQ(session.fields().date, QDate::currentDate().toString("MM/dd/yy"));
    EXPECT_EQ(session.fields().elevation, 1.0);
    EXPECT_FALSE(session.fields().ratio50);
    EXPECT_EQ(session.focus(), Focus::NameField);

    session.fieldTyped(HeaderField::Name, "Field 7");
    EXPECT_TRUE(session.controls().getNewClimate);
    session.fieldLeft(HeaderField::Name);
    type(HeaderField::Location, "East");
    EXPECT_EQ(session.jobState(), kNewJob) << "a new job stays new";
    EXPECT_FALSE(session.controls().saveJob) << "no save before the name is accepted";

    dialogs.station = "CHEYENNE";
    ASSERT_EQ(session.getNewClimate(), ClimateResult::Stopped);
    EXPECT_EQ(messages.texts().last(), "Please enter the planner's name.");
    EXPECT_EQ(session.focus(), Focus::NameField);
    type(HeaderField::Planner, "Me");
    dialogs.answers = {true}; // edit the site first
    ASSERT_EQ(session.getNewClimate(), ClimateResult::EditSite);
    EXPECT_EQ(session.focus(), Focus::ElevationField);
    c = session.controls();
    EXPECT_EQ(c.caption, "Kova Job [Field 7]");
    EXPECT_TRUE(c.saveJob && c.addCrop && c.siteFields);
    EXPECT_FALSE(c.uniqueNote || c.getNewClimate || c.displayCrop);
    EXPECT_EQ(kova().JobName, "Field 7");
    EXPECT_EQ(kova().Location, "East");
    EXPECT_EQ(session.jobState(), kNewJob);

    addCrops({"Barley", "Onions (dry)"});
    EXPECT_EQ(session.jobState(), kNewJob);
    ASSERT_EQ(session.saveJob(), SaveResult::Saved) << messageText();
    EXPECT_EQ(session.jobState(), kNothingToSave);
    c = session.controls();
    EXPECT_FALSE(c.saveJob || c.uniqueNote);
    EXPECT_TRUE(c.newJob && c.prevJob && c.getNewClimate && c.displayCrop && c.addCrop);
    // Its own stored name is not "already used".
    dialogs.answers = {false};
    EXPECT_EQ(session.getNewClimate(), ClimateResult::AddCrop) << messageText();
    EXPECT_EQ(session.jobState(), kChangedJob);
}

TEST_F(JobState, EveryChangeOfALoadedJobMarksItChanged) {
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"date", [&] { type(HeaderField::Date, "01/02/27"); }},
        {"location", [&] { type(HeaderField::Location, "West"); }},
        {"planner", [&] { type(HeaderField::Planner, "Other"); }},
        {"elevation", [&] { typeSite(SiteField::Elevation, 5000.0); }},
        {"normal-year ratio", [&] { typeSite(SiteField::Ratio50, 0.9); }},
        {"dry-year ratio", [&] { typeSite(SiteField::Ratio80, 0.7); }},
        {"Get New Climate", [&] { session.getNewClimate(); }},
        {"Add New Crop", [&] { session.beginAddCrop(); }},
        {"Delete Crop",
         [&] {
             dialogs.answers = {true};
             session.deleteCrop();
         }},
        {"crop parameters", [&] { session.openCropParameters(); }},
    };
    dialogs.station = "CHEYENNE";
    for (const auto& [what, change] : changes) {
        loadSample();
        change();
        EXPECT_EQ(session.jobState(), kChangedJob) << what;
        EXPECT_TRUE(session.controls().saveJob) << what;
    }
    loadSample();
    session.fieldTyped(HeaderField::Location, "Typed, not left");
    EXPECT_EQ(session.jobState(), kChangedJob);
    EXPECT_FALSE(session.controls().saveJob) << "Save Job waits until the field is left";
    loadSample();
    session.fieldTyped(HeaderField::Name, kSample);
    EXPECT_EQ(session.jobState(), kNothingToSave) << "typing a name changes nothing yet";
    EXPECT_FALSE(session.controls().saveJob);
}

TEST_F(JobState, SaveJobAsRenamesOrMarksChanged) {
    loadSample();
    session.fieldLeft(HeaderField::Name);
    EXPECT_TRUE(dialogs.asked.empty()) << "leaving an untouched name asks nothing";

    session.fieldTyped(HeaderField::Name, kSample);
    dialogs.answers = {true};
    session.fieldLeft(HeaderField::Name);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].second, "Save job as: Cheyenne sample job?");
    EXPECT_EQ(session.jobState(), kChangedJob);

    session.fieldTyped(HeaderField::Name, "CHEYENNE SAMPLE JOB");
    dialogs.answers = {true};
    session.fieldLeft(HeaderField::Name);
    EXPECT_EQ(messages.texts().last(), "Job Name already used. Enter a unique name.");
    EXPECT_EQ(session.focus(), Focus::NameField);
    EXPECT_EQ(kova().JobName, kSample);

    session.fieldTyped(HeaderField::Name, "Cheyenne copy");
    dialogs.answers = {false};
    session.fieldLeft(HeaderField::Name);
    EXPECT_EQ(kova().JobName, kSample) << "No changes nothing";
    dialogs.answers = {true};
    session.fieldLeft(HeaderField::Name);
    EXPECT_EQ(kova().JobName, "Cheyenne copy");
    EXPECT_EQ(session.jobState(), kNewJob);
    EXPECT_EQ(session.controls().caption, "Kova Job [Cheyenne copy]");
}

TEST_F(JobState, CancelAndACancelledJobListLeaveNoJob) {
    loadSample();
    session.siteTyped(SiteField::Elevation, 6000.0);
    dialogs.saveWhenOffered = false;
    ASSERT_TRUE(session.cancelJob());
    EXPECT_EQ(dialogs.offeredSaves, std::vector<QString>{kSample});
    EXPECT_EQ(session.jobState(), kNothingToSave);
    EXPECT_FALSE(session.controls().jobPanel);
    EXPECT_FALSE(session.controls().cancel);
    EXPECT_FALSE(session.hasCrops());
    EXPECT_TRUE(kova().JobName.isEmpty());

    loadSample();
    dialogs.job.reset();
    EXPECT_FALSE(session.getPrevJob());
    EXPECT_FALSE(session.hasCrops());
    EXPECT_FALSE(session.controls().jobPanel);
    EXPECT_FALSE(session.controls().saveJob);
    EXPECT_TRUE(kova().JobName.isEmpty());
}

TEST_F(JobState, CancelledGetCropNameRestoresTheStateBeforeAddNewCrop) {
    loadSample();
    session.beginAddCrop();
    session.cancelAddCrop();
    EXPECT_EQ(session.jobState(), kNothingToSave);
    EXPECT_FALSE(session.controls().saveJob);

    session.fieldTyped(HeaderField::Location, "Changed");
    session.fieldLeft(HeaderField::Location);
    session.beginAddCrop();
    session.cancelAddCrop();
    EXPECT_EQ(session.jobState(), kChangedJob) << "a changed stored job is still offered";
    EXPECT_TRUE(session.controls().saveJob);

    dialogs.answers = {};
    startJob("Never stored");
    session.beginAddCrop();
    session.cancelAddCrop();
    EXPECT_EQ(session.jobState(), kNewJob) << "a never-stored job is never saved as stored";
    EXPECT_FALSE(session.controls().displayCrop || session.controls().cropGrid);
    EXPECT_TRUE(session.controls().addCrop);
}

TEST_F(JobState, DeletingTheLastCropKeepsTheCropCount) {
    startJob("Two crops");
    addCrops({"Barley", "Oats"});
    dialogs.answers = {false};
    EXPECT_FALSE(session.deleteCrop());
    // The crop added last is the current one.
    EXPECT_EQ(dialogs.asked.back().second, "Do you really want to delete crop Oats?");
    dialogs.answers = {true, true};
    ASSERT_TRUE(session.deleteCrop());
    ASSERT_TRUE(session.deleteCrop());
    EXPECT_FALSE(session.controls().deleteCrop || session.controls().editCrop ||
                 session.controls().displayCrop);
    EXPECT_TRUE(session.controls().addCrop);
    addCrop("Potatoes");
    EXPECT_EQ(session.workingCrops().asInt("Crop No"), 3);
}

TEST_F(JobState, AnAcceptedNameIsNotAskedAboutAgainAndACroplessJobHasNoCropCommands) {
    startJob("No crops yet");
    dialogs.asked.clear();
    session.fieldLeft(HeaderField::Name);
    EXPECT_TRUE(dialogs.asked.empty()) << "the name Get New Climate accepted is no renaming";
    ASSERT_EQ(session.saveJob(), SaveResult::Saved) << messageText();
    MainControls c = session.controls();
    EXPECT_TRUE(c.addCrop && c.newJob && c.prevJob);
    EXPECT_FALSE(c.displayCrop || c.deleteCrop || c.cropGrid) << "no crop to display after a save";

    dialogs.job = "No crops yet";
    ASSERT_TRUE(session.getPrevJob()) << messageText();
    c = session.controls();
    EXPECT_TRUE(c.addCrop);
    EXPECT_FALSE(c.displayCrop || c.editCrop || c.deleteCrop || c.cropGrid)
        << "no crop to display after a load";

    // The focus a command asked for is not asked for again by the field events after it.
    EXPECT_EQ(session.focus(), Focus::CropGrid);
    session.siteTyped(SiteField::Ratio50, 0.9);
    session.siteLeft(SiteField::Ratio50);
    EXPECT_EQ(session.focus(), Focus::Unchanged);
}

TEST(JobRecord, TheStationCopyGivesTheRatiosOfItsAnnualPrecipitation) {
    const struct {
        double annual, ratio50, ratio80;
    } cases[] = {{0, 0.774261, 0.415008}, {10, 0.9126, 0.6417}, {20, 0.9658, 0.7615}};
    for (const auto& c : cases) {
        kova::calc::StationClimate station;
        station.StationName = "S";
        station.County = "O'Brien, IA";
        station.Latitude = 4305;
        for (int m = 1; m <= 12; ++m)
            station.P[static_cast<size_t>(m)] = c.annual / 12;
        kova::calc::TKova k;
        copyStation(station, k);
        EXPECT_NEAR(k.AnnualPrecip, c.annual, 1e-12);
        EXPECT_NEAR(k.PrecipRatio50, c.ratio50, 5e-5) << c.annual;
        EXPECT_NEAR(k.PrecipRatio80, c.ratio80, 5e-5) << c.annual;
        EXPECT_EQ(k.County, "O'Brien, IA");
        EXPECT_EQ(k.Latitude, 4305);
    }
}

} // namespace
