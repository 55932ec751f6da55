// Compute on the delivered database: reading rows, writing results back, reopening the
// sample job, adding a new crop, and the batch path agreeing with Compute.

#include "tempdatabase.h"

#include "calc/batch.h"
#include "calc/compute.h"
#include "calc/computecore.h"
#include "calc/dailyet.h"
#include "calc/jobload.h"
#include "calc/newcrop.h"

#include "store/database.h"
#include "store/fieldnames.h"
#include "store/table.h"

#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <array>

using namespace kova::calc;
using kova::store::Table;
using kova::test::TempDatabase;

namespace {

const QString kSampleJob = QStringLiteral("Cheyenne sample job");

class StoreTest : public ::testing::Test {
protected:
    TempDatabase db;
    MessageList messages;
    Calculation calc{messages};
    Table wk{QStringLiteral("KovaWkCrop")};

    void loadSample() {
        QString error;
        ASSERT_EQ(loadSavedJob(
                      calc, kSampleJob, wk, [](int) {}, &error),
                  LoadJobResult::Loaded)
            << error.toStdString();
    }
    bool moveToCrop(const QString& name) {
        for (wk.first(); !wk.eof(); wk.next())
            if (wk.asString(QStringLiteral("Crop Name")) == name)
                return true;
        return false;
    }
    // Damages the delivered rows the way a broken import or a hand edit would.
    void sql(const QString& statement) {
        QString error;
        auto database = kova::store::Database::open(kova::store::kDefaultAlias, &error);
        ASSERT_TRUE(database) << error.toStdString();
        QSqlQuery q(database->connection());
        ASSERT_TRUE(q.exec(statement)) << q.lastError().text().toStdString();
    }
    // The warnings that name every piece.
    std::vector<QString> warningsNaming(const QStringList& pieces) const {
        std::vector<QString> out;
        for (const CalcMessage& m : messages.items) {
            bool all = m.kind == MessageKind::Warning;
            for (const QString& piece : pieces)
                all = all && m.text.contains(piece);
            if (all)
                out.push_back(m.text);
        }
        return out;
    }
    int rowCount(const QString& table) {
        Table t(table);
        t.open();
        return t.recordCount();
    }
};

TEST_F(StoreTest, SampleJobReopensWithEveryCropComputedAndWrittenBack) {
    std::vector<int> progress;
    QString error;
    ASSERT_EQ(loadSavedJob(
                  calc, kSampleJob, wk, [&](int step) { progress.push_back(step); }, &error),
              LoadJobResult::Loaded);
    EXPECT_EQ(wk.recordCount(), 5);
    EXPECT_EQ(progress, (std::vector<int>{10, 10, 10, 15, 15, 15, 15, 15, kProgressComplete}));
    EXPECT_EQ(calc.kova.ETIndex, kETRadiation);
    EXPECT_NEAR(calc.kova.AnnualPrecip, 15.94, 1e-9);
    for (wk.first(); !wk.eof(); wk.next()) {
        // Each crop's own results, written into its own row.
        ASSERT_FALSE(wk.value(QStringLiteral("IR Season")).isNull())
            << wk.asString(QStringLiteral("Crop Name")).toStdString();
        double season = 0;
        for (int m = 1; m <= 12; ++m)
            season += wk.asFloat(kova::store::monthField(QStringLiteral("IR"), m));
        EXPECT_NEAR(wk.asFloat(QStringLiteral("IR Season")), season, 1e-9);
        EXPECT_EQ(wk.asFloat(kova::store::monthField(QStringLiteral("Pk"),
                                                     wk.asInt(QStringLiteral("Plant Mo")))),
                  0.0);
        EXPECT_EQ(wk.asFloat(kova::store::monthField(QStringLiteral("Pk"),
                                                     wk.asInt(QStringLiteral("Harvest Mo")))),
                  0.0);
        EXPECT_EQ(wk.asString(QStringLiteral("Beg Dat")),
                  QStringLiteral("%1/%2")
                      .arg(wk.asInt(QStringLiteral("Plant Mo")))
                      .arg(wk.asInt(QStringLiteral("Plant Day"))));
    }
    EXPECT_TRUE(messages.items.empty());
}

TEST_F(StoreTest, SampleCornMatchesHandCheckedNumbers) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Corn (grain)")));
    ASSERT_TRUE(calc.Compute(wk)) << calc.errorString().toStdString();
    const TKova& k = calc.kova;
    // July radiation ETo at Cheyenne (T 69.4 °F, 6128 ft, RHa 51.5 %, U 179.5 mi/day, W/R 1.24,
    // RS 576 ly/day), worked by hand: 0.24979 in/day.
    EXPECT_NEAR(k.EToRate[7], 0.24979, 1e-5);
    EXPECT_NEAR(k.ETMonth[7], 31 * k.EToRate[7] * k.Kc[7], 1e-12);
    // Semi-arid corn: seasonal crop ET of roughly 20 to 30 inches.
    EXPECT_GT(k.ETTotal, 20.0);
    EXPECT_LT(k.ETTotal, 30.0);
    EXPECT_NEAR(k.ETTotal, 28.949, 0.005);
    EXPECT_NEAR(k.NI50Total, 21.268, 0.005);
    EXPECT_NEAR(wk.asFloat(QStringLiteral("IR Jul")), k.NI50[7], 1e-12);
    EXPECT_EQ(rowCount(QStringLiteral("ETKc")), static_cast<int>(calc.curve.Days.size()));
    EXPECT_EQ(calc.curve.Days.size(), 151u); // 1 May .. 28 September
}

// The curve displays and the curve report read the daily ET from ETKc: it is written with
// the crop, however the crop was computed.
TEST_F(StoreTest, ComputeWritesTheDailyETOfEverySeasonDay) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Corn (grain)")));
    ASSERT_TRUE(calc.Compute(wk)) << calc.errorString().toStdString();
    const Monthly anchors = anchorRates(calc.kova);
    Table etkc(QStringLiteral("ETKc"));
    ASSERT_TRUE(etkc.open());
    ASSERT_EQ(etkc.recordCount(), 151);
    for (etkc.first(); !etkc.eof(); etkc.next()) {
        const int d = etkc.asInt(QStringLiteral("JDate"));
        const double eto = etkc.asFloat(QStringLiteral("ETo"));
        ASSERT_GT(eto, 0.0) << d;
        EXPECT_NEAR(eto, dailyReferenceET(anchors, d), 1e-12) << d;
        EXPECT_NEAR(etkc.asFloat(QStringLiteral("ETc")), etkc.asFloat(QStringLiteral("Kca")) * eto,
                    1e-12);
        EXPECT_EQ(etkc.asInt(QStringLiteral("Mo")), monthOfDay(d));
    }
}

TEST_F(StoreTest, ReopeningMatchesJobCropsByExactName) {
    Table jobCrops(QStringLiteral("KovaJobCrop"));
    ASSERT_TRUE(jobCrops.open());
    ASSERT_TRUE(jobCrops.append());
    jobCrops.setValue(QStringLiteral("Job Name"), kSampleJob.toUpper());
    jobCrops.setValue(QStringLiteral("Crop Name"), QStringLiteral("Potatoes"));
    ASSERT_TRUE(jobCrops.post()) << jobCrops.errorString().toStdString();
    loadSample();
    EXPECT_EQ(wk.recordCount(), 5);
    EXPECT_FALSE(moveToCrop(QStringLiteral("Potatoes")));
    QString error;
    EXPECT_EQ(loadSavedJob(
                  calc, QStringLiteral("No such job"), wk, [](int) {}, &error),
              LoadJobResult::NoSuchJob);
}

TEST_F(StoreTest, StoredThirtyCharacterStationNameFindsTheStation) {
    Table climate(QStringLiteral("Climate"));
    ASSERT_TRUE(climate.open());
    ASSERT_TRUE(climate.append());
    const QString longName = QStringLiteral("CHEYENNE MUNICIPAL AIRPORT NORTH");
    climate.setValue(QStringLiteral("Station Name"), longName);
    climate.setValue(QStringLiteral("County"), QStringLiteral("Laramie, WY"));
    climate.setValue(QStringLiteral("WHR Location"),
                     QStringLiteral("Cheyenne WY Airport (WBAN 24018)"));
    for (const char* f : {"Latitude", "Longitude", "Elevation"})
        climate.setValue(QString::fromLatin1(f), 4109);
    for (const char* f : {"Spr mo/dy 28", "Spr mo/dy 32", "Fall mo/dy 28", "Fall mo/dy 32"})
        climate.setValue(QString::fromLatin1(f), QStringLiteral("00/00"));
    for (int m = 1; m <= 12; ++m) {
        climate.setValue(kova::store::monthField(QStringLiteral("T"), m), 50.0);
        climate.setValue(kova::store::monthField(QStringLiteral("P"), m), 2.0);
    }
    ASSERT_TRUE(climate.post()) << climate.errorString().toStdString();
    Table jobs(QStringLiteral("KovaJob"));
    ASSERT_TRUE(jobs.open());
    jobs.first();
    ASSERT_TRUE(jobs.edit());
    jobs.setValue(QStringLiteral("Weather Station"), longName); // keeps 30 characters
    ASSERT_TRUE(jobs.post());
    ASSERT_EQ(jobs.asString(QStringLiteral("Weather Station")), longName.left(30));
    loadSample();
    EXPECT_NEAR(calc.kova.AnnualPrecip, 24.0, 1e-9);
    EXPECT_TRUE(messages.items.empty()); // the truncated name is not a missing station
}

TEST_F(StoreTest, MissingStationAndCurveAreNamedInWarnings) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Barley")));
    calc.kova.StationName = QStringLiteral("CHEYENNE X");
    ASSERT_TRUE(wk.edit());
    wk.setValue(QStringLiteral("Curve Name"), QStringLiteral("Barley ZZ"));
    ASSERT_TRUE(wk.post());
    messages.clear();
    ASSERT_TRUE(calc.Compute(wk));
    auto warned = [&](const QString& name) {
        for (const CalcMessage& m : messages.items)
            if (m.kind == MessageKind::Warning &&
                m.text.contains(QLatin1Char('"') + name + QLatin1Char('"')))
                return true;
        return false;
    };
    EXPECT_TRUE(warned(QStringLiteral("CHEYENNE X")));
    EXPECT_TRUE(warned(QStringLiteral("Barley ZZ")));
    EXPECT_GT(calc.kova.ETTotal, 0.0); // the nearest rows were used
}

TEST_F(StoreTest, EmptyCurveIndexBuildsNoCurveAndHayIsTheRowsOwn) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Alfalfa hay")));
    ASSERT_TRUE(calc.Compute(wk));
    EXPECT_TRUE(calc.kova.Hay);
    EXPECT_TRUE(wk.asBool(QStringLiteral("Hay")));
    ASSERT_TRUE(moveToCrop(QStringLiteral("Dry beans")));
    ASSERT_TRUE(wk.edit());
    wk.setValue(QStringLiteral("Curve Index"), QVariant());
    ASSERT_TRUE(wk.post());
    ASSERT_TRUE(calc.Compute(wk));
    EXPECT_FALSE(calc.kova.Hay); // not carried over from the alfalfa
    EXPECT_FALSE(wk.asBool(QStringLiteral("Hay")));
    EXPECT_EQ(calc.kova.ETTotal, 0.0);
    EXPECT_EQ(rowCount(QStringLiteral("ETKc")), 0);
}

TEST_F(StoreTest, FullYearBasalSeasonIsWrittenOneRowPerDay) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Corn (grain)"))); // basal annual curve
    for (const auto& [plantMo, plantDay, harvestMo, harvestDay] :
         {std::array{3, 12, 3, 11}, std::array{12, 31, 12, 30}}) {
        ASSERT_TRUE(wk.edit());
        wk.setValue(QStringLiteral("Plant Mo"), plantMo);
        wk.setValue(QStringLiteral("Plant Day"), plantDay);
        wk.setValue(QStringLiteral("Harvest Mo"), harvestMo);
        wk.setValue(QStringLiteral("Harvest Day"), harvestDay);
        ASSERT_TRUE(wk.post());
        ASSERT_TRUE(calc.Compute(wk)) << calc.errorString().toStdString();
        EXPECT_EQ(rowCount(QStringLiteral("ETKc")), 365);
        EXPECT_GT(wk.asFloat(QStringLiteral("IR Season")), 0.0);
    }
}

// --- damaged reference and crop data ----------------------------------------------------------

TEST_F(StoreTest, EmptyStationValuesAreNamedOncePerCrop) {
    sql(QStringLiteral("UPDATE Climate SET \"T Jul\" = NULL, \"P Jan\" = NULL, \"Elevation\" = "
                       "NULL, \"Latitude\" = NULL WHERE \"Station Name\" = 'CHEYENNE'"));
    loadSample(); // five crops, radiation method
    for (const char* field : {"'T Jul' (July)", "'P Jan' (January)", "'Elevation'"})
        EXPECT_EQ(
            warningsNaming({QStringLiteral("Climate \"CHEYENNE\""), QString::fromLatin1(field)})
                .size(),
            5u)
            << field;
    // The radiation method uses no latitude: nothing of it was replaced.
    EXPECT_TRUE(warningsNaming({QStringLiteral("'Latitude'")}).empty());
    const auto corn = warningsNaming({QStringLiteral("\"Corn (grain)\"")});
    ASSERT_EQ(corn.size(), 1u);
    EXPECT_EQ(corn[0].count(QStringLiteral("'Elevation'")), 1); // used every month, named once
}

TEST_F(StoreTest, EmptyWeatherValuesOfTheMethodInTheSeasonAreNamed) {
    sql(QStringLiteral("UPDATE ClimWHR SET \"RS Jul\" = NULL, \"W/R Aug\" = NULL, \"RHmin Jul\" = "
                       "NULL, \"RS Jan\" = NULL"));
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Corn (grain)"))); // 1 May to 28 September
    messages.clear();
    ASSERT_TRUE(calc.Compute(wk));
    const QString site = QStringLiteral("ClimWHR \"Cheyenne WY Airport (WBAN 24018)\"");
    EXPECT_EQ(warningsNaming({site, QStringLiteral("'RS Jul' (July)")}).size(), 1u);
    EXPECT_EQ(warningsNaming({site, QStringLiteral("'W/R Aug' (August)")}).size(), 1u);
    EXPECT_TRUE(warningsNaming({QStringLiteral("'RHmin Jul'")}).empty()); // not a radiation input
    EXPECT_TRUE(warningsNaming({QStringLiteral("'RS Jan'")}).empty());    // outside the season
    EXPECT_EQ(messages.items.size(), 1u);
}

TEST_F(StoreTest, CropDatesOutOfRangeAreNamedAndReplaced) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Barley")));
    ASSERT_TRUE(wk.edit());
    wk.setValue(QStringLiteral("Plant Mo"), 13);
    wk.setValue(QStringLiteral("Harvest Day"), 99);
    ASSERT_TRUE(wk.post());
    messages.clear();
    ASSERT_TRUE(calc.Compute(wk));
    const QString row = QStringLiteral("KovaWkCrop \"Barley\"");
    EXPECT_EQ(warningsNaming({row, QStringLiteral("'Plant Mo': 13")}).size(), 1u);
    EXPECT_EQ(warningsNaming({row, QStringLiteral("'Harvest Day': 99")}).size(), 1u);
    EXPECT_EQ(calc.kova.PlantMo, 12);
    EXPECT_EQ(calc.kova.HarvestDay, 31); // the last day of August
    EXPECT_GT(calc.kova.ETTotal, 0.0);

    ASSERT_TRUE(wk.edit());
    wk.setValue(QStringLiteral("Plant Mo"), QVariant());
    wk.setValue(QStringLiteral("Plant Day"), QVariant());
    ASSERT_TRUE(wk.post());
    messages.clear();
    ASSERT_TRUE(calc.Compute(wk));
    EXPECT_EQ(warningsNaming(
                  {row, QStringLiteral("'Plant Mo': empty"), QStringLiteral("'Plant Day': empty")})
                  .size(),
              1u);
}

TEST_F(StoreTest, AnEmptyChanceTableIsNamed) {
    sql(QStringLiteral("DELETE FROM PcpChance"));
    loadSample(); // 15.94 inches a year: the table is needed
    EXPECT_EQ(warningsNaming({QStringLiteral("PcpChance"), QStringLiteral("empty")}).size(), 5u);
    EXPECT_DOUBLE_EQ(calc.kova.EPFactor50, 0.8);
}

TEST_F(StoreTest, BatchPathAgreesWithCompute) {
    loadSample();
    ASSERT_TRUE(moveToCrop(QStringLiteral("Corn (grain)")));
    ASSERT_TRUE(calc.Compute(wk));
    BatchData data;
    QString error;
    ASSERT_TRUE(BatchData::load(kova::store::kDefaultAlias, &data, &error)) << error.toStdString();
    const StationClimate* station = data.findStation(QStringLiteral("cheyenne"));
    const CreatedCrop* crop = data.findCrop(QStringLiteral("Corn (grain)"));
    ASSERT_TRUE(station && crop);
    EXPECT_EQ(data.findCrop(QStringLiteral("corn (grain)")), nullptr); // exact letters
    TKova k;
    TCropCurve curve;
    MessageList batchMessages;
    const StationCropResult r = computeStationCrop(data, *station, *crop, kETRadiation,
                                                   WindForm::Driver, k, curve, batchMessages);
    EXPECT_DOUBLE_EQ(r.ETTotal, calc.kova.ETTotal);
    EXPECT_DOUBLE_EQ(r.NI80Total, calc.kova.NI80Total);
    EXPECT_EQ(r.peakMonth, 7);
    EXPECT_TRUE(batchMessages.items.empty());
}

// --- adding a crop to a job ------------------------------------------------------------------

CropDefaults defaultsWith(double netDepth, double springPct, double fallPct) {
    CropDefaults d;
    d.NetDepth = netDepth;
    d.SpringCarryoverPct = springPct;
    d.FallCarryoverPct = fallPct;
    d.IrrigationType = QStringLiteral("Trickle irrigation");
    return d;
}

CreatedCrop createdCrop(const QString& bcType, const QString& basType) {
    CreatedCrop c;
    c.CopName = QStringLiteral("Test crop");
    c.BCCropType = bcType;
    c.BCCropCurveName = QStringLiteral("BC curve");
    c.BasCropType = basType;
    c.BasCropCurveName = QStringLiteral("Basal curve");
    return c;
}

TEST(NewCrop, CarryOverFromDefaultPercentages) {
    const WorkingCrop w = newWorkingCrop(CreatedCrop{}, defaultsWith(3.0, 50, 20), kETTR21);
    EXPECT_DOUBLE_EQ(w.CarryBeg, 1.5);
    EXPECT_DOUBLE_EQ(w.CarryEnd, 0.6);
    EXPECT_DOUBLE_EQ(w.FractionWetted, 0.25);
}

TEST(NewCrop, FractionWettedByTypeInEitherWording) {
    EXPECT_DOUBLE_EQ(fractionWettedFor(QStringLiteral("Trickle irrigation")), 0.25);
    EXPECT_DOUBLE_EQ(fractionWettedFor(QStringLiteral("Furrows- Every other row irrigated")), 0.5);
    EXPECT_DOUBLE_EQ(fractionWettedFor(QStringLiteral("Furrow- Every other row irrigated")), 0.5);
    EXPECT_DOUBLE_EQ(fractionWettedFor(QStringLiteral("LEPA systems (every other row)")), 0.5);
    EXPECT_DOUBLE_EQ(fractionWettedFor(QStringLiteral("Spinklers- above canopy")), 1.0);
    EXPECT_DOUBLE_EQ(fractionWettedFor(QStringLiteral("trickle irrigation")), 1.0); // exact
}

TEST(NewCrop, CurveSelectionByMethodAndCreatedCrop) {
    const QString annual = QStringLiteral("Blaney Criddle Annual Crop");
    const QString grass = QStringLiteral("Grasses and forage legumes");
    const CurveChoice tr21 = curveChoiceFor(kETTR21, createdCrop(annual, grass));
    EXPECT_EQ(tr21.CurveIndex, kCurveTR21Annual);
    EXPECT_EQ(tr21.CurveName, QStringLiteral("BC curve"));
    EXPECT_EQ(curveChoiceFor(kETTR21, createdCrop(QStringLiteral("x"), grass)).CurveIndex,
              kCurveTR21Perennial);
    const CurveChoice rad = curveChoiceFor(kETRadiation, createdCrop(annual, grass));
    EXPECT_EQ(rad.CurveIndex, kCurveGrass);
    EXPECT_EQ(rad.CurveName, QStringLiteral("Basal curve"));
    EXPECT_EQ(rad.CropCurveType, grass);
    EXPECT_FALSE(curveChoiceFor(kETTemperature, createdCrop(annual, grass.toLower())).CurveIndex);
}

TEST_F(StoreTest, NewCropRowIsAppendedUnpostedAndADuplicateIsRefused) {
    calc.kova.JobName = QStringLiteral("New job");
    calc.kova.ETIndex = kETTR21;
    calc.kova.CropCount = 0;
    ASSERT_TRUE(wk.emptyTable());
    CreatedCrop crop = createdCrop(QStringLiteral("Blaney Criddle Annual Crop"), {});
    crop.PlantMo = 5;
    crop.PlantDay = 1;
    crop.HarvestMo = 9;
    crop.HarvestDay = 28;
    QString error;
    ASSERT_EQ(
        appendNewWorkingCrop(wk, crop, defaultsWith(3.0, 50, 20), calc.kova, messages, &error),
        AddCropResult::Added)
        << error.toStdString();
    EXPECT_EQ(wk.state(), kova::store::EditState::Insert);
    EXPECT_EQ(wk.asInt(QStringLiteral("Crop No")), 1);
    EXPECT_EQ(wk.asInt(QStringLiteral("Curve Index")), kCurveTR21Annual);
    EXPECT_DOUBLE_EQ(wk.asFloat(QStringLiteral("Carry Beg")), 1.5);
    EXPECT_EQ(calc.kova.CurveIndex, kCurveTR21Annual);
    ASSERT_TRUE(wk.post());
    crop.CopName = QStringLiteral("TEST CROP");
    EXPECT_EQ(
        appendNewWorkingCrop(wk, crop, defaultsWith(3.0, 50, 20), calc.kova, messages, &error),
        AddCropResult::AlreadyIncluded);
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(messages.items[0], (CalcMessage{MessageKind::Error, text::kCropAlreadyIncluded}));
    EXPECT_EQ(wk.recordCount(), 1);
    EXPECT_EQ(calc.kova.CropCount, 1);
}

} // namespace
