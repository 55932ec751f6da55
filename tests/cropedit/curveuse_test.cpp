// Who names a curve or a crop type, the rename that carries over to the created crops, and the
// created crops whose curves are gone, on a private copy of the delivered database.

#include "qtprinting.h"
#include "tempdatabase.h"

#include "cropedit/core/curveuse.h"
#include "store/database.h"
#include "store/table.h"

#include <gtest/gtest.h>

namespace kova::cropedit::test {

namespace {

const store::CurveTable& table(const char* name) {
    return *store::curveTableNamed(QLatin1String(name));
}

using kova::test::storedField;

struct CurveUseTest : ::testing::Test {
    kova::test::TempDatabase db;
    CurveUse use;
    CurveUsers users;
    QString error;
};

} // namespace

TEST_F(CurveUseTest, ACurveIsUsedByTheCreatedCropsOfItsTableAndTheSavedJobCropsThatNameIt) {
    // Three created crops share one basal curve; the sample job names it for none of them.
    ASSERT_TRUE(use.findCurveUsers(table("CrpAnNam"), "winter wheat am", &users, &error));
    EXPECT_EQ(users.createdCrops, QStringList({"Winter wheat", "Winter wheat - fall part",
                                               "Winter wheat - spring part"}));
    EXPECT_EQ(users.savedJobCrops, 0);

    ASSERT_TRUE(use.findCurveUsers(table("CrpAnNam"), "Corn (grain) AM", &users, &error));
    EXPECT_EQ(users.createdCrops, QStringList({"Corn (grain)"}));
    EXPECT_EQ(users.savedJobCrops, 1); // the sample job's corn

    // A name is only used in its own table: "Corn (grain)" is a TR21 curve, not a basal one.
    ASSERT_TRUE(use.findCurveUsers(table("CrpBCAnu"), "Corn (grain)", &users, &error));
    EXPECT_EQ(users.createdCrops, QStringList({"Corn (grain)", "Corn (grain) - humid"}));
    ASSERT_TRUE(use.findCurveUsers(table("CrpAnNam"), "Corn (grain)", &users, &error));
    EXPECT_FALSE(users.any());
    ASSERT_TRUE(use.findCurveUsers(table("CrpBCPer"), "Alfalfa", &users, &error));
    EXPECT_EQ(users.createdCrops.size(), 3);
    EXPECT_EQ(deleteWarning(CurveUsers{}, "curve"), QString());
}

TEST_F(CurveUseTest, ACropTypeIsUsedThroughItsCurves) {
    ASSERT_TRUE(use.findCropTypeUsers("Small grains (spring)", &users, &error));
    EXPECT_TRUE(users.curves.contains("Barley AM"));
    EXPECT_TRUE(users.curves.contains("Oats HS"));
    EXPECT_TRUE(users.createdCrops.contains("Barley"));
    EXPECT_TRUE(users.createdCrops.contains("Spring wheat"));
    EXPECT_EQ(users.savedJobCrops, 1); // the sample job's barley

    const QString warning = deleteWarning(users, "crop type");
    EXPECT_TRUE(warning.contains("Field and vegetable curves of this crop type: "));
    EXPECT_TRUE(warning.contains("Created crops that use this crop type: Barley"));
    EXPECT_TRUE(warning.contains("Crops of saved jobs that use it: 1."));
    EXPECT_TRUE(warning.contains("nearest crop type")) << warning.toStdString();
}

TEST_F(CurveUseTest, ARenameCarriesOverToTheCreatedCropsOfThatTableOnly) {
    auto db = store::Database::open(store::kDefaultAlias, &error);
    ASSERT_TRUE(db);
    {
        store::Transaction tx(*db);
        ASSERT_TRUE(
            use.renameCurve(table("CrpAnNam"), "WINTER WHEAT AM", "Winter wheat (arid)", &error))
            << error.toStdString();
        ASSERT_TRUE(tx.commit());
    }
    for (const char* crop : {"Winter wheat", "Winter wheat - fall part"})
        EXPECT_EQ(storedField("KovaCrop", "Cop Name", crop, "Bas Crop Curve Name"),
                  "Winter wheat (arid)");
    // Saved jobs keep what they stored, other tables' names stay.
    EXPECT_EQ(storedField("KovaJobCrop", "Crop Name", "Barley", "Curve Name"), "Barley AM");
    {
        store::Transaction tx(*db);
        ASSERT_TRUE(use.renameCurve(table("CrpBCAnu"), "Corn (grain)", "Corn", &error));
        ASSERT_TRUE(use.renameCropType("Small grains (spring)", "Spring grains", &error));
        // Not committed: both go back.
    }
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Corn (grain)", "BC Crop Curve Name"),
              "Corn (grain)");
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Corn (grain)", "Bas Crop Curve Name"),
              "Corn (grain) AM");
    EXPECT_EQ(storedField("CrpAnNam", "Crop Curve Name", "Barley AM", "Crop Type"),
              "Small grains (spring)");

    const QString words =
        renameWarning(CurveUsers{{"Barley"}, 2, {}}, "curve", "Barley AM", "Barley arid");
    EXPECT_TRUE(words.contains("Created crops that use this curve: Barley."));
    EXPECT_TRUE(words.contains("renames the curve in those created crops to 'Barley arid'"));
    EXPECT_TRUE(words.contains("Saved jobs keep 'Barley AM'"));
}

TEST_F(CurveUseTest, TheDeliveredCropsNameOnlyCurvesThatExistAndAGoneCurveIsFound) {
    std::map<QString, QStringList> missing;
    ASSERT_TRUE(use.findMissingCurves(&missing, &error)) << error.toStdString();
    EXPECT_TRUE(missing.empty()) << missing.begin()->first.toStdString();

    store::Table curves("CrpForag");
    ASSERT_TRUE(curves.open());
    for (curves.first(); curves.asString("Crop Curve Name") != "Grass hay AM"; curves.next())
        ASSERT_FALSE(curves.eof());
    ASSERT_TRUE(curves.remove());
    store::Table crops("KovaCrop");
    crops.setIndexName("CropNameIndex");
    ASSERT_TRUE(crops.open());
    ASSERT_TRUE(crops.findKey({"Hops"}));
    ASSERT_TRUE(crops.edit());
    crops.setValue("BC Crop Type", "Blaney Criddle Tree Crop");
    ASSERT_TRUE(crops.post());

    ASSERT_TRUE(use.findMissingCurves(&missing, &error));
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing["Grass hay"],
              QStringList{"basal curve 'Grass hay AM' (Grasses and forage legumes)"});
    EXPECT_EQ(missing["Hops"], QStringList{"BC TR21 curve 'Orchard with Cover' ('Blaney Criddle "
                                           "Tree Crop' is no curve type)"});
}

} // namespace kova::cropedit::test
