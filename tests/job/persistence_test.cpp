// Saving, removing and reopening jobs: what is stored, that other jobs never change, that a
// save or removal failing half-way leaves every stored job as it was, and the texts planners
// type (apostrophes, quotes) on every path.

#include "jobfixture.h"

#include "main/job/jobrecord.h"

using namespace kova::job;
using kova::test::dumpTable;
using kova::test::JobTest;
using kova::test::storedCrops;

namespace {

const QString kSample = QStringLiteral("Cheyenne sample job");

class Persistence : public JobTest {
protected:
    void load(const QString& job) {
        dialogs.job = job;
        ASSERT_TRUE(session.getPrevJob()) << messageText();
    }
    // Makes the database refuse the row of `crop` in KovaJobCrop: a failure half-way.
    void failOnSavedCrop(const QString& crop) {
        sql(QStringLiteral("CREATE TRIGGER halfway BEFORE INSERT ON KovaJobCrop WHEN "
                           "NEW.\"Crop Name\" = '%1' BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                .arg(crop));
    }
};

TEST_F(Persistence, ANewJobIsStoredWithItsCrops) {
    const QStringList before = dumpTable("KovaJobCrop");
    startJob("Three crops");
    addCrops({"Sugar beets", "Alfalfa hay", "Barley"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved) << messageText();
    EXPECT_EQ(storedCrops("Three crops"), (QStringList{"Alfalfa hay", "Barley", "Sugar beets"}));
    kova::store::Table saved("KovaJobCrop");
    ASSERT_TRUE(saved.open());
    for (saved.first(); !saved.eof(); saved.next())
        if (saved.asString("Crop Name") == "Sugar beets" &&
            saved.asString("Job Name") == "Three crops") {
            EXPECT_EQ(saved.asInt("Harv Mo"), 10);
            EXPECT_EQ(saved.asInt("Harv Day"), 5);
        }
    kova::store::Table jobs("KovaJob");
    jobs.setIndexName("JobNameIndex");
    ASSERT_TRUE(jobs.open() && jobs.findKey({"Three crops"}));
    EXPECT_EQ(jobs.asString("Weather Station"), "CHEYENNE");
    EXPECT_EQ(jobs.asInt("No of Crops"), 3);
    EXPECT_EQ(jobs.asString("ETMethod"), kova().ETMethodText);
    EXPECT_DOUBLE_EQ(jobs.asFloat("EffPcpFact50"), kova().PrecipRatio50);
    EXPECT_EQ(dumpTable("KovaJobCrop").mid(0, before.size()), before) << "other jobs untouched";

    const QStringList jobsNow = dumpTable("KovaJob"), cropsNow = dumpTable("KovaJobCrop");
    EXPECT_EQ(session.saveJob(), SaveResult::NothingToSave);
    EXPECT_EQ(dumpTable("KovaJob"), jobsNow);
    EXPECT_EQ(dumpTable("KovaJobCrop"), cropsNow);
}

TEST_F(Persistence, AChangedJobKeepsOnlyItsCropsOfNow) {
    startJob("Four crops");
    addCrops({"Barley", "Oats", "Potatoes", "Carrots"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    startJob("Neighbour");
    addCrops({"Barley", "Oats"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    const QStringList neighbour = storedCrops("Neighbour");
    const QStringList sample = storedCrops(kSample);

    load("Four crops");
    dialogs.answers = {true, true};
    ASSERT_TRUE(moveToCrop("Oats") && session.deleteCrop());
    ASSERT_TRUE(moveToCrop("Carrots") && session.deleteCrop());
    type(HeaderField::Planner, "Someone else");
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    EXPECT_EQ(storedCrops("Four crops"), (QStringList{"Barley", "Potatoes"}));
    EXPECT_EQ(storedCrops("Neighbour"), neighbour);
    EXPECT_EQ(storedCrops(kSample), sample);
    load("Four crops");
    EXPECT_EQ(kova().Planner, "Someone else");
    EXPECT_EQ(kova().CropCount, 4) << "deleting crops never lowers the count";
    EXPECT_EQ(session.workingCrops().recordCount(), 2);
}

TEST_F(Persistence, AJobSavedAsANewNameLeavesTheOldOne) {
    load(kSample);
    const QStringList sample = storedCrops(kSample);
    session.fieldTyped(HeaderField::Name, "Cheyenne copy");
    dialogs.answers = {true};
    session.fieldLeft(HeaderField::Name);
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    EXPECT_EQ(storedCrops(kSample), sample);
    EXPECT_EQ(storedCrops("Cheyenne copy").size(), sample.size());
}

TEST_F(Persistence, AChangedJobWhoseRowIsGoneIsStoredAsNewAndSaysSo) {
    load(kSample);
    session.siteTyped(SiteField::Elevation, 6100.0);
    session.siteLeft(SiteField::Elevation);
    sql("DELETE FROM KovaJob WHERE \"Job Name\" = 'Cheyenne sample job'");
    ASSERT_EQ(session.saveJob(), SaveResult::SavedAsNew);
    EXPECT_TRUE(messages.texts().last().contains("saved as a new job"));
    load(kSample);
    EXPECT_EQ(kova().Elevation, 6100.0);
}

TEST_F(Persistence, ANameIsNeverStoredTwiceNorEmpty) {
    // Get New Climate refuses a stored name (any letter case) and the job keeps its name.
    ASSERT_TRUE(session.newJob());
    type(HeaderField::Name, "CHEYENNE sample JOB");
    type(HeaderField::Location, "x");
    type(HeaderField::Planner, "y");
    dialogs.station = "CHEYENNE";
    EXPECT_EQ(session.getNewClimate(), ClimateResult::Stopped);
    EXPECT_EQ(messages.texts().last(), "Job Name already used. Enter a unique name.");
    EXPECT_TRUE(kova().JobName.isEmpty());
    EXPECT_FALSE(session.controls().saveJob);
    EXPECT_EQ(session.getNewClimate(), ClimateResult::Stopped) << "a second press is refused too";
    EXPECT_EQ(session.saveJob(), SaveResult::Refused);
    EXPECT_EQ(messages.texts().last(), "Please enter a Job Name.");

    // A name typed longer than the column is checked as it will be stored.
    const QString long40 = QString(40, 'L');
    startJob(long40);
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    ASSERT_TRUE(session.newJob());
    type(HeaderField::Name, long40 + "-and-more");
    EXPECT_EQ(session.fields().name, long40);
    type(HeaderField::Location, "x");
    type(HeaderField::Planner, "y");
    EXPECT_EQ(session.getNewClimate(), ClimateResult::Stopped);
    EXPECT_EQ(messages.texts().last(), "Job Name already used. Enter a unique name.");

    // Another program stores the name after it was accepted: the save refuses.
    startJob("Race");
    sql("INSERT INTO KovaJob (\"Job Name\") VALUES ('RACE')");
    const QStringList jobs = dumpTable("KovaJob");
    EXPECT_EQ(session.saveJob(), SaveResult::Refused);
    EXPECT_EQ(dumpTable("KovaJob"), jobs);
    EXPECT_EQ(session.jobState(), kNewJob);
}

TEST_F(Persistence, ASaveFailingHalfWayChangesNothing) {
    startJob("Other job");
    addCrops({"Barley", "Oats"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    load(kSample);
    session.fieldTyped(HeaderField::Location, "Changed");
    session.fieldLeft(HeaderField::Location);
    const QStringList jobs = dumpTable("KovaJob"), crops = dumpTable("KovaJobCrop");
    failOnSavedCrop("Corn (grain)"); // the third of the sample's five crops

    EXPECT_EQ(session.saveJob(), SaveResult::Failed);
    EXPECT_EQ(dumpTable("KovaJob"), jobs);
    EXPECT_EQ(dumpTable("KovaJobCrop"), crops);
    EXPECT_EQ(session.jobState(), kChangedJob);
    EXPECT_TRUE(session.controls().saveJob);
    const JobMessage& m = messages.items.back();
    EXPECT_EQ(m.text, "The job \"Cheyenne sample job\" could not be saved. The stored jobs have "
                      "not been changed.");
    EXPECT_TRUE(m.details.contains("disk full"));

    // The same for a new job, and the failed save offered by Cancel keeps the job open.
    startJob("Never half stored");
    addCrops({"Barley", "Corn (grain)", "Oats"});
    dialogs.saveWhenOffered = true;
    EXPECT_FALSE(session.cancelJob());
    EXPECT_EQ(dumpTable("KovaJob"), jobs);
    EXPECT_EQ(dumpTable("KovaJobCrop"), crops);
    EXPECT_TRUE(session.hasCrops());
    EXPECT_EQ(session.jobState(), kNewJob);
}

TEST_F(Persistence, RemovingAJobIsWholeOrNothing) {
    startJob("Keep me");
    addCrops({"Barley"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    startJob("KEEP ME too");
    addCrops({"Oats"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);

    dialogs.answers = {false};
    EXPECT_FALSE(session.removeJob("Keep me"));
    EXPECT_EQ(dialogs.asked.back().second, "Do you really want to delete job Keep me?");
    EXPECT_TRUE(questionBox(Question::DeleteJob).defaultNo);

    const QStringList jobs = dumpTable("KovaJob"), crops = dumpTable("KovaJobCrop");
    sql("CREATE TRIGGER halfway BEFORE DELETE ON KovaJob BEGIN SELECT RAISE(ABORT, 'io'); END");
    dialogs.answers = {true};
    EXPECT_FALSE(session.removeJob("Keep me"));
    EXPECT_EQ(dumpTable("KovaJob"), jobs);
    EXPECT_EQ(dumpTable("KovaJobCrop"), crops) << "its crops were deleted first, then restored";
    sql("DROP TRIGGER halfway");

    dialogs.answers = {true};
    ASSERT_TRUE(session.removeJob("Keep me"));
    EXPECT_TRUE(storedCrops("Keep me").isEmpty());
    EXPECT_EQ(storedCrops("KEEP ME too"), QStringList{"Oats"});
    EXPECT_EQ(dumpTable("KovaJob").size(), jobs.size() - 1);
    EXPECT_TRUE(session.hasCrops()) << "another job is open";

    load("KEEP ME too");
    dialogs.answers = {true};
    ASSERT_TRUE(session.removeJob("KEEP ME too"));
    EXPECT_FALSE(session.hasCrops()) << "the open job was removed: no working rows";
    EXPECT_FALSE(session.controls().jobPanel);
    EXPECT_TRUE(kova().JobName.isEmpty());
}

TEST_F(Persistence, ReopeningTakesTheCropsOfExactlyThatName) {
    startJob("Case");
    addCrops({"Barley"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved);
    // Another program's job whose name differs only in letter case (stored before the index).
    sql("DROP INDEX KovaJob_ix0");
    sql("INSERT INTO KovaJob (\"Job Name\", \"Weather Station\", \"ETIndex\") VALUES "
        "('CASE', 'CHEYENNE', 1)");
    sql("INSERT INTO KovaJobCrop (\"Job Name\", \"Crop Name\", \"Curve Index\", \"Curve Name\", "
        "\"Plant Mo\", \"Plant Day\", \"Harv Mo\", \"Harv Day\") VALUES "
        "('CASE', 'Oats', 3, 'Oats', 4, 1, 8, 1)");
    load("CASE");
    ASSERT_EQ(session.workingCrops().recordCount(), 1);
    EXPECT_EQ(session.workingCrops().asString("Crop Name"), "Oats");
    load("Case");
    ASSERT_EQ(session.workingCrops().recordCount(), 1);
    EXPECT_EQ(session.workingCrops().asString("Crop Name"), "Barley");
}

TEST_F(Persistence, ReopeningShowsTheJobAndItsProgress) {
    load(kSample);
    EXPECT_EQ(dialogs.progress.front(), 0);
    EXPECT_EQ(dialogs.progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(dialogs.progress.begin(), dialogs.progress.end()));
    EXPECT_EQ(dialogs.loadingClosedCount, 1);
    const JobFields& f = session.fields();
    EXPECT_EQ(f.name, kSample);
    EXPECT_EQ(f.stationName, "CHEYENNE");
    EXPECT_EQ(f.latitude, "4109");
    EXPECT_EQ(f.etMethod, "Radiation");
    const MainControls c = session.controls();
    EXPECT_EQ(c.caption, "Kova Job [Cheyenne sample job]");
    EXPECT_FALSE(c.climateGroup || c.saveJob);
    EXPECT_TRUE(c.displayCrop && c.editCrop && c.cropGrid && c.newJob && c.prevJob);
    EXPECT_EQ(session.focus(), Focus::CropGrid);
    ASSERT_TRUE(moveToCrop("Alfalfa hay"));
    ASSERT_TRUE(session.displayCrop());
    EXPECT_EQ(kova().CropName, "Alfalfa hay");
    EXPECT_GT(kova().NI50Total, 0);
    EXPECT_TRUE(messages.items.empty()) << messageText();
}

TEST_F(Persistence, NoSavedJobsSaysSo) {
    sql("DELETE FROM KovaJobCrop");
    sql("DELETE FROM KovaJob");
    EXPECT_FALSE(session.getPrevJob());
    EXPECT_EQ(messages.texts().last(), "There are no previous jobs available.");
    EXPECT_FALSE(session.controls().prevJob);
}

TEST_F(Persistence, ASavedJobWhoseRowsAreGoneReopensWithTheCalculationsWarnings) {
    sql("DELETE FROM Climate WHERE \"Station Name\" = 'CHEYENNE'");
    sql("DELETE FROM CrpForag WHERE \"Crop Curve Name\" = 'Alfalfa hay AM'");
    sql("DELETE FROM KovaCrop WHERE \"Cop Name\" = 'Corn (grain)'");
    load(kSample);
    EXPECT_EQ(session.workingCrops().recordCount(), 5);
    const QStringList texts = messages.texts();
    EXPECT_EQ(texts.filter("Climate station \"CHEYENNE\" was not found").size(), 1)
        << "each warning once, not once per crop: " << messageText();
    EXPECT_EQ(texts.filter("\"Alfalfa hay AM\" was not found").size(), 1) << messageText();
}

TEST_F(Persistence, ApostrophesAndQuotesTravelEverywhere) {
    sql("INSERT INTO County (County) VALUES ('O''Brien, IA')");
    sql("INSERT INTO Climate (\"Station Name\", County, \"Station No\", Latitude, Longitude, "
        "Elevation, \"T Jul\", \"P Jul\") VALUES ('PRIMGHAR \"2\" O''BRIEN', 'O''Brien, IA', "
        "'136800', 4305, 9538, 1500, 72, 4)");
    const QString name = "Pat's \"big\" field";
    startJob(name, "PRIMGHAR \"2\" O'BRIEN", "O'Brien's \"north\" 40", "D'Arcy \"Doc\"");
    addCrops({"Barley"});
    ASSERT_EQ(session.saveJob(), SaveResult::Saved) << messageText();
    EXPECT_EQ(storedCrops(name), QStringList{"Barley"});
    ASSERT_TRUE(session.cancelJob());
    load(name);
    EXPECT_EQ(kova().County, "O'Brien, IA");
    EXPECT_EQ(kova().Location, "O'Brien's \"north\" 40");
    EXPECT_EQ(kova().Planner, "D'Arcy \"Doc\"");
    EXPECT_EQ(kova().StationName, "PRIMGHAR \"2\" O'BRIEN");
    kova::store::Table stations("Climate");
    ASSERT_TRUE(stations.setFilter("County = 'O'Brien, IA'"));
    stations.setFiltered(true);
    ASSERT_TRUE(stations.open());
    EXPECT_EQ(stations.recordCount(), 1) << "the station list of that county";
    dialogs.answers = {true};
    ASSERT_TRUE(session.removeJob(name));
    EXPECT_TRUE(storedCrops(name).isEmpty());
}

} // namespace
