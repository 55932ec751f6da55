// The growth-date tool on the delivered database: the stations whose frost dates run into the
// next year, where the crop's grow days come from, damaged frost dates, and OK's write-back.

#include "growthdatesfixtures.h"
#include "tempdatabase.h"

#include "calc/computecore.h"
#include "calc/growthdatestables.h"
#include "calc/newcrop.h"
#include "calc/rowreaders.h"

#include "store/database.h"
#include "store/table.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace kova::calc;
using kova::store::Table;
using kova::test::TempDatabase;

namespace {

class GrowthDatesStore : public ::testing::Test {
protected:
    TempDatabase db;

    // The record as a crop of a job at `station` leaves it for the tool.
    TKova recordAt(const QString& station, const QString& crop, int curveIndex) {
        TKova k;
        Table climate(QStringLiteral("Climate"));
        climate.setIndexName(QStringLiteral("StaNameIndex"));
        EXPECT_TRUE(climate.open());
        EXPECT_TRUE(climate.findKey({station})) << station.toStdString();
        setStationMembers(k, stationFrom(climate.record()));
        k.CropName = crop;
        k.CurveIndex = curveIndex;
        k.PlantMo = 4;
        k.PlantDay = 1;
        k.HarvestMo = 10;
        k.HarvestDay = 1;
        return k;
    }
    DateToolInputs inputs(const TKova& k) {
        DateToolInputs in;
        QString error;
        EXPECT_TRUE(readDateToolInputs(kova::store::kDefaultAlias, k, &in, &error))
            << error.toStdString();
        return in;
    }
    void execute(const QString& statement) {
        QString error;
        const auto database = kova::store::Database::open(kova::store::kDefaultAlias, &error);
        ASSERT_TRUE(database) << error.toStdString();
        QSqlQuery q(database->connection());
        ASSERT_TRUE(q.exec(statement)) << statement.toStdString();
    }
};

GrowthCriteria frostCriteria(int temperature, int minDays) {
    GrowthCriteria c;
    c.SpringAvTemp = c.FallAvTemp = temperature;
    c.MinGrowDays = minDays;
    c.MaxGrowDays = minDays;
    return c;
}

TEST_F(GrowthDatesStore, FrostDatesIntoTheNextYearGiveAYearLessAFewDays) {
    struct Station {
        const char* name;
        int temperature;
        int availableDays;                                    // fall frost date in the next year
        int springMonth, springDay, harvestMonth, harvestDay; // harvest: spring + 150 days
        bool tooWarm; // no spring date for 28 F: the tool is not offered
    };
    const Station stations[] = {
        {"NEEDLES AP", 32, 361, 1, 6, 6, 5, true},             // 01/06 .. 01/02
        {"TORRANCE AP", 32, 361, 1, 9, 6, 8, true},            // 01/09 .. 01/05
        {"BROWNSVILLE", 32, 361, 1, 6, 6, 5, true},            // 01/06 .. 01/02
        {"MCALLEN MILLER INTL AP", 32, 359, 1, 9, 6, 8, true}, // 01/09 .. 01/03
        {"CORPUS CHRISTI NAS", 32, 359, 1, 14, 6, 13, true},   // 01/14 .. 01/08
        {"GALVESTON", 28, 353, 1, 17, 6, 16, false},           // 01/17 .. 01/05
        {"GALVESTON", 32, 341, 1, 25, 6, 24, false},           // 01/25 .. 01/01
        {"POINT MUGU NF", 32, 360, 12, 29, 5, 28, true},       // 12/29 .. 12/24
    };
    for (const Station& s : stations) {
        SCOPED_TRACE(s.name);
        const TKova k =
            recordAt(QString::fromLatin1(s.name), QStringLiteral("Barley"), kCurveTR21Annual);
        const DateToolInputs in = inputs(k);
        EXPECT_EQ(tooWarmForDates(in.station).has_value(), s.tooWarm);
        CompPHDates tool(k.Temp, in.station);
        EXPECT_FALSE(tool.open(k, frostCriteria(s.temperature, 150)));
        const DateToolValues& v = tool.values();
        EXPECT_EQ(v.AvailableDays, s.availableDays);
        EXPECT_EQ(v.Spring.month, s.springMonth);
        EXPECT_EQ(v.Spring.day, s.springDay);
        EXPECT_EQ(v.Harvest.month, s.harvestMonth);
        EXPECT_EQ(v.Harvest.day, s.harvestDay);
    }
}

TEST_F(GrowthDatesStore, GrowDaysFromTheCropTypeOnlyForABasalAnnualCurve) {
    giveCornOwnMinGrowDays();

    const TKova basal =
        recordAt(QStringLiteral("CHEYENNE"), QStringLiteral("Corn (grain)"), kCurveBasalAnnual);
    DateToolInputs in = inputs(basal);
    EXPECT_EQ(in.crop.SpringAvTemp, 55);
    EXPECT_EQ(in.crop.FallAvTemp, 50);
    EXPECT_EQ(in.crop.MinGrowDays, 99);
    EXPECT_EQ(in.crop.DaysMin, 150); // crop type "Corn (grain)"
    EXPECT_EQ(in.crop.DaysMax, 170);
    CompPHDates tool(basal.Temp, in.station);
    tool.open(basal, in.crop);
    EXPECT_EQ(tool.values().MinGrowDays, 150);

    const TKova tr21 =
        recordAt(QStringLiteral("CHEYENNE"), QStringLiteral("Corn (grain)"), kCurveTR21Annual);
    in = inputs(tr21);
    EXPECT_FALSE(in.crop.DaysMin);
    tool.open(tr21, in.crop);
    EXPECT_EQ(tool.values().MinGrowDays, 99);

    // A crop without temperature data.
    in = inputs(
        recordAt(QStringLiteral("CHEYENNE"), QStringLiteral("Winter wheat"), kCurveBasalAnnual));
    EXPECT_FALSE(in.crop.SpringAvTemp);
    EXPECT_FALSE(in.crop.MinGrowDays);
}

TEST_F(GrowthDatesStore, DamagedFrostDateTextsCountAsNoDate) {
    // Written past the table's rules, as another program or an old file might have left it.
    execute(QStringLiteral("UPDATE Climate SET \"Spr mo/dy 32\" = '5/5', \"Fall mo/dy 28\" = "
                           "'10/xx' WHERE \"Station Name\" = 'CHEYENNE'"));
    const TKova k =
        recordAt(QStringLiteral("CHEYENNE"), QStringLiteral("Barley"), kCurveTR21Annual);
    const DateToolInputs in = inputs(k);
    EXPECT_EQ(in.station.Spring32, QStringLiteral("5/5"));
    ASSERT_TRUE(tooWarmForDates(in.station));

    CompPHDates tool(k.Temp, in.station);
    const auto begin = tool.open(k, frostCriteria(32, 100));
    ASSERT_TRUE(begin);
    EXPECT_EQ(begin->text, text::kBeginTempWontWork);
    GrowthCriteria fall28 = frostCriteria(40, 100);
    fall28.FallAvTemp = 28;
    const auto end = tool.open(k, fall28);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->text, text::kEndTempWontWork);
}

TEST_F(GrowthDatesStore, OkWritesTheDatesIntoTheRecordAndTheWorkingRow) {
    Table wk(QStringLiteral("KovaWkCrop"));
    ASSERT_TRUE(wk.emptyTable());
    Table crops(QStringLiteral("KovaCrop"));
    crops.setIndexName(QStringLiteral("CropNameIndex"));
    ASSERT_TRUE(crops.open());
    ASSERT_TRUE(crops.findKey({QStringLiteral("Barley")}));
    TKova k = recordAt(QStringLiteral("CHEYENNE"), QStringLiteral("Barley"), kCurveTR21Annual);
    MessageList messages;
    QString error;
    ASSERT_EQ(appendNewWorkingCrop(wk, createdCropFrom(crops.record()), CropDefaults{}, k, messages,
                                   &error),
              AddCropResult::Added)
        << error.toStdString();
    k.PlantMo = 4; // the crop parameters dialog copies the row's dates
    k.PlantDay = 1;
    k.HarvestMo = 8;
    k.HarvestDay = 14;

    const DateToolInputs in = inputs(k);
    CompPHDates tool(k.Temp, in.station);
    ASSERT_FALSE(tool.open(k, in.crop));
    ASSERT_TRUE(writeAcceptedDates(tool, k, wk, &error)) << error.toStdString();
    const DateToolValues& v = tool.values();
    EXPECT_EQ(k.PlantMo, v.Spring.month);
    EXPECT_EQ(k.PlantDay, v.Spring.day);
    EXPECT_EQ(k.HarvestMo, v.Harvest.month);
    EXPECT_EQ(k.HarvestDay, v.Harvest.day);
    ASSERT_TRUE(wk.post());
    EXPECT_EQ(wk.asInt(QStringLiteral("Plant Mo")), v.Spring.month);
    EXPECT_EQ(wk.asInt(QStringLiteral("Plant Day")), v.Spring.day);
    EXPECT_EQ(wk.asInt(QStringLiteral("Harvest Mo")), v.Harvest.month);
    EXPECT_EQ(wk.asInt(QStringLiteral("Harvest Day")), v.Harvest.day);

    // A posted row is put into edit; a calculation that failed returns nothing.
    tool.calculate(100, 45, 40);
    ASSERT_TRUE(writeAcceptedDates(tool, k, wk, &error)) << error.toStdString();
    EXPECT_EQ(wk.state(), kova::store::EditState::Edit);
    EXPECT_EQ(wk.asInt(QStringLiteral("Harvest Mo")), tool.values().Harvest.month);
    ASSERT_TRUE(wk.post());
    const TKova before = k;
    tool.calculate(100, 99, 40);
    EXPECT_FALSE(writeAcceptedDates(tool, k, wk, &error));
    EXPECT_EQ(k.PlantMo, before.PlantMo);
    EXPECT_EQ(wk.state(), kova::store::EditState::Browse);
}

} // namespace
