// The two curve pickers' steps on the created-crop row, without their dialogs: the first
// choices of a new crop, an existing crop's own choices, each click, the check on OK and what
// Cancel puts back.

#include "qtprinting.h"
#include "tempdatabase.h"

#include "cropedit/core/curvepick.h"
#include "store/table.h"

#include <gtest/gtest.h>

namespace kova::cropedit::test {

namespace {

using store::EditState;

struct Pickers : ::testing::Test {
    Pickers() {
        crop.setIndexName("CropNameIndex");
        for (store::Table* t : {&crop, &annual, &perennial, &fieldVeg, &peren, &grass, &lastUse})
            EXPECT_TRUE(t->open()) << t->errorString().toStdString();
    }
    void goTo(const QString& name) { ASSERT_TRUE(crop.findKey({name})) << name.toStdString(); }
    void newRow() {
        ASSERT_TRUE(crop.insert());
        crop.setValue("Cop Name", "Test crop");
    }
    void setLastUse(const QString& field, const QVariant& value) {
        ASSERT_TRUE(lastUse.edit());
        lastUse.setValue(field, value);
        ASSERT_TRUE(lastUse.post());
    }
    QString value(const char* field) { return crop.asString(field); }
    std::array<store::Table*, 3> basal() { return {&fieldVeg, &peren, &grass}; }

    kova::test::TempDatabase db;
    store::Table crop{"KovaCrop"};
    store::Table annual{"CrpBCAnu"}, perennial{"CrpBCPer"};
    store::Table fieldVeg{"CrpAnNam"}, peren{"CrpPeren"}, grass{"CrpForag"};
    store::Table lastUse{"CrpLastUse"};
};

} // namespace

TEST_F(Pickers, ANewCropStartsFromTheLastUsedChoices) {
    newRow();
    TR21Pick tr21(crop, annual, perennial, lastUse, true);
    EXPECT_EQ(tr21.begin(), QString());
    EXPECT_EQ(value("BC Crop Curve Name"), "Corn (grain)");
    EXPECT_EQ(value("BC Crop Type"), "Blaney Criddle Annual Crop");
    EXPECT_EQ(tr21.typeIndex(), TR21Pick::Annual);
    EXPECT_EQ(tr21.listedTable(), &annual);
    EXPECT_EQ(tr21.checkChoice(), QString());
    EXPECT_FALSE(tr21.postsOnClose());

    BasalPick basalPick(crop, basal(), lastUse, true);
    EXPECT_TRUE(basalPick.begin().isEmpty());
    EXPECT_EQ(value("Humidity/Wind"), "AM");
    EXPECT_EQ(value("Bas Crop Curve Name"), "Corn (grain) AM");
    EXPECT_EQ(value("Bas Crop Type"), "Field and vegetable crops");
    EXPECT_EQ(basalPick.typeIndex(), 0);
    EXPECT_EQ(basalPick.categoryIndex(), 2);
    // The list holds the field and vegetable curves of the arid, moderate wind category only.
    EXPECT_EQ(fieldVeg.indexName(), "HWIndex");
    for (fieldVeg.first(); !fieldVeg.eof(); fieldVeg.next())
        EXPECT_EQ(fieldVeg.asString("Climate/Wind"), "AM");
    EXPECT_EQ(basalPick.checkChoice(), QString());

    // Cancel keeps the first choices of a new crop; nothing is posted.
    basalPick.cancel();
    tr21.cancel();
    EXPECT_EQ(crop.state(), EditState::Insert);
    EXPECT_EQ(value("Bas Crop Curve Name"), "Corn (grain) AM");
}

TEST_F(Pickers, LastUsedIndexesOutsideTheirListsChooseNothing) {
    setLastUse("BC Type Index", 5);
    setLastUse("Basil Type Index", -1);
    setLastUse("Humidity/Wind Index", 4);
    newRow();
    TR21Pick tr21(crop, annual, perennial, lastUse, true);
    tr21.begin();
    EXPECT_EQ(tr21.typeIndex(), -1);
    EXPECT_EQ(tr21.listedTable(), nullptr);
    EXPECT_TRUE(crop.isNull("BC Crop Type"));
    EXPECT_EQ(value("BC Crop Curve Name"), "Corn (grain)");
    EXPECT_TRUE(tr21.checkChoice().startsWith("Choose the BC Kc Curve Type"));

    BasalPick basalPick(crop, basal(), lastUse, true);
    basalPick.begin();
    EXPECT_TRUE(crop.isNull("Humidity/Wind"));
    EXPECT_TRUE(crop.isNull("Bas Crop Type"));
    EXPECT_EQ(basalPick.listedTable(), nullptr);
    EXPECT_EQ(basalPick.checkChoice(),
              "Choose the Kc Curve Type of the basal curve 'Corn (grain) AM'.");
}

TEST_F(Pickers, AnExistingCropShowsItsOwnChoicesAndCancelPutsThemBack) {
    goTo("Alfalfa hay");
    TR21Pick tr21(crop, annual, perennial, lastUse, false);
    EXPECT_EQ(tr21.begin(), QString());
    EXPECT_EQ(crop.state(), EditState::Edit);
    EXPECT_EQ(tr21.typeIndex(), TR21Pick::Perennial);
    EXPECT_EQ(tr21.listedTable(), &perennial);
    EXPECT_TRUE(tr21.postsOnClose());

    // The other type is written at once; the curve name stays until a curve is chosen.
    tr21.chooseType(TR21Pick::Annual);
    EXPECT_EQ(value("BC Crop Type"), "Blaney Criddle Annual Crop");
    EXPECT_EQ(value("BC Crop Curve Name"), "Alfalfa");
    EXPECT_EQ(tr21.checkChoice(), "The BC Kc crop curve 'Alfalfa' is not one of the Blaney "
                                  "Criddle Annual Crop curves. Choose a curve from the list.");
    tr21.cancel();
    EXPECT_EQ(crop.state(), EditState::Browse);
    EXPECT_EQ(value("BC Crop Type"), "Blaney Criddle Perennial Crop");

    // A row already in edit keeps its other changes; only the picker's fields go back.
    ASSERT_TRUE(crop.edit());
    crop.setValue("Notes", "typed before the picker");
    BasalPick basalPick(crop, basal(), lastUse, false);
    EXPECT_TRUE(basalPick.begin().isEmpty());
    EXPECT_EQ(basalPick.typeIndex(), 2);
    EXPECT_EQ(basalPick.categoryIndex(), 2);
    basalPick.chooseCategory(0);
    basalPick.chooseType(1);
    EXPECT_EQ(value("Humidity/Wind"), "HM");
    EXPECT_EQ(value("Bas Crop Type"), "Perennial and specialty crops");
    EXPECT_EQ(basalPick.listedTable(), &peren);
    EXPECT_TRUE(basalPick.checkChoice().startsWith(
        "The basal curve 'Alfalfa hay AM' is not one of the perennial and specialty crops "
        "curves for Humid - Moderate wind [HM]."))
        << basalPick.checkChoice().toStdString();
    basalPick.cancel();
    EXPECT_EQ(crop.state(), EditState::Edit);
    EXPECT_EQ(value("Humidity/Wind"), "AM");
    EXPECT_EQ(value("Bas Crop Type"), "Grasses and forage legumes");
    EXPECT_EQ(value("Notes"), "typed before the picker");
}

TEST_F(Pickers, UnknownTypesOfAnExistingCropAreToldAndLeftAsTheyAre) {
    goTo("Hops");
    ASSERT_TRUE(crop.edit());
    crop.setValue("BC Crop Type", QVariant());
    crop.setValue("Bas Crop Type", QVariant());
    crop.setValue("Humidity/Wind", "XX");

    TR21Pick tr21(crop, annual, perennial, lastUse, false);
    EXPECT_EQ(tr21.begin(), "On activate BC Crop Type not found.");
    EXPECT_EQ(tr21.typeIndex(), TR21Pick::Annual);
    EXPECT_EQ(tr21.listedTable(), &annual);
    EXPECT_TRUE(crop.isNull("BC Crop Type")); // shown, not written

    BasalPick basalPick(crop, basal(), lastUse, false);
    EXPECT_EQ(basalPick.begin(), QStringList({"On activate HumidityWind not found.",
                                              "On activate Bas Crop Type not found."}));
    EXPECT_EQ(basalPick.listedTable(), nullptr);
    EXPECT_EQ(value("Humidity/Wind"), "XX");
}

} // namespace kova::cropedit::test
