// Checks made before a crop editor row is saved: names other rows hold, fields that must
// agree, and the stored value behind an edit.

#include "qtprinting.h"
#include "tempdatabase.h"

#include "cropedit/core/rowchecks.h"
#include "store/table.h"

#include <gtest/gtest.h>

namespace kova::cropedit::test {

namespace {

struct RowChecks : ::testing::Test {
    kova::test::TempDatabase db;
    QString error;
};

} // namespace

TEST_F(RowChecks, ANameIsTakenByAnotherRowWhateverItsLetterCase) {
    store::Table curves("CrpPeren");
    ASSERT_TRUE(curves.open());
    curves.first();
    const QString first = curves.asString("Crop Curve Name");
    bool taken = true;
    ASSERT_TRUE(curves.edit());
    ASSERT_TRUE(nameTakenByAnother(curves, "Crop Curve Name", &taken, &error));
    EXPECT_FALSE(taken) << "its own name";
    EXPECT_EQ(storedValue(curves, "Crop Curve Name").toString(), first);

    curves.next(); // posts the unchanged row
    ASSERT_TRUE(curves.edit());
    curves.setValue("Crop Curve Name", first.toUpper());
    ASSERT_TRUE(nameTakenByAnother(curves, "Crop Curve Name", &taken, &error));
    EXPECT_TRUE(taken);
    EXPECT_NE(storedValue(curves, "Crop Curve Name").toString(), first.toUpper());
    curves.cancel();

    ASSERT_TRUE(curves.insert());
    EXPECT_TRUE(storedValue(curves, "Crop Curve Name").isNull());
    curves.setValue("Crop Curve Name", first);
    ASSERT_TRUE(nameTakenByAnother(curves, "Crop Curve Name", &taken, &error));
    EXPECT_TRUE(taken);
}

TEST_F(RowChecks, DatesMustBeDaysOfTheirMonthsAndSeasonsInOrder) {
    store::Table crops("KovaCrop");
    ASSERT_TRUE(crops.open());
    // Every delivered crop and crop type passes.
    for (crops.first(); !crops.eof(); crops.next())
        EXPECT_FALSE(createdCropProblems(crops.record()).any())
            << crops.asString("Cop Name").toStdString();
    store::Table types("CrpAnTyp");
    ASSERT_TRUE(types.open());
    for (types.first(); !types.eof(); types.next())
        EXPECT_FALSE(cropTypeProblems(types.record()).any())
            << types.asString("Crop Type").toStdString();

    crops.first();
    ASSERT_TRUE(crops.edit());
    crops.setValue("Plant Mo", 2);
    crops.setValue("Plant Day", 29);
    crops.setValue("Harvest Mo", 4);
    crops.setValue("Harvest Day", 31);
    crops.setValue("Min Grow Days", 200);
    crops.setValue("Max Grow Days", 150);
    const RowProblems problems = createdCropProblems(crops.record());
    EXPECT_EQ(problems.problems,
              QStringList({"Plant Day 29 is past the end of month 2 (28 days)",
                           "Harvest Day 31 is past the end of month 4 (30 days)",
                           "Min Grow Days must not be more than Max Grow Days"}));
    EXPECT_EQ(problems.fields,
              QStringList({"Plant Day", "Harvest Day", "Min Grow Days", "Max Grow Days"}));
    // Empty optional fields are no problem.
    crops.setValue("Min Grow Days", QVariant());
    crops.setValue("Plant Day", 28);
    crops.setValue("Harvest Day", 30);
    EXPECT_FALSE(createdCropProblems(crops.record()).any());
    crops.cancel();

    types.first();
    ASSERT_TRUE(types.edit());
    types.setValue("Fs2", 0.95);
    types.setValue("DaysMin", 300);
    types.setValue("DaysMax", 200);
    EXPECT_EQ(cropTypeProblems(types.record()).fields,
              QStringList({"Fs2", "Fs3", "DaysMin", "DaysMax"}));
}

} // namespace kova::cropedit::test
