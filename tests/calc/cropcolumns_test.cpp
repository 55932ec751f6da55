// The working-crop columns: each names real fields of both tables with the member's type, and
// a crop saved with a job comes back from it unchanged.

#include "tempdatabase.h"

#include "calc/cropcolumns.h"

#include "store/schema.h"
#include "store/table.h"

#include <gtest/gtest.h>

using namespace kova::calc;
using kova::store::FieldType;
using kova::store::Table;

namespace {

template <class T> bool typeFits(FieldType type) {
    if constexpr (std::is_same_v<T, QString>)
        return type == FieldType::String;
    else if constexpr (std::is_same_v<T, double>)
        return type == FieldType::Float;
    else if constexpr (std::is_same_v<T, bool>)
        return type == FieldType::Boolean;
    else // int, std::optional<int>
        return type == FieldType::Smallint;
}

TEST(CropColumns, EveryColumnNamesFieldsOfItsTypeInBothTables) {
    const auto* working = kova::store::findTable(QStringLiteral("KovaWkCrop"));
    const auto* saved = kova::store::findTable(QStringLiteral("KovaJobCrop"));
    ASSERT_TRUE(working && saved);
    for (const CropColumn& c : cropColumns()) {
        const auto* w = working->field(QString::fromLatin1(c.working));
        ASSERT_TRUE(w) << c.working;
        EXPECT_EQ(w->name, QString::fromLatin1(c.working)) << "exact spelling";
        std::visit(
            [&](const auto& m) {
                using T = std::remove_reference_t<decltype(WorkingCrop{}.*m.crop)>;
                EXPECT_TRUE(typeFits<T>(w->type)) << c.working;
            },
            c.member);
        EXPECT_EQ(c.saved == nullptr, c.copy == SavedCopy::None) << c.working;
        if (c.saved) {
            const auto* s = saved->field(QString::fromLatin1(c.saved));
            ASSERT_TRUE(s) << c.saved;
            EXPECT_EQ(s->name, QString::fromLatin1(c.saved));
        }
    }
    EXPECT_EQ(savedFieldOf(QStringLiteral("Harvest Day")), QStringLiteral("Harv Day"));
    EXPECT_TRUE(savedFieldOf(QStringLiteral("Hay")).isEmpty());
}

WorkingCrop distinctCrop() {
    WorkingCrop w;
    w.JobName = QStringLiteral("Round trip");
    w.CropNo = 3;
    w.CropName = QStringLiteral("Alfalfa hay");
    w.CurveIndex = kCurveGrass;
    w.CurveName = QStringLiteral("Alfalfa (hay)");
    w.CropCurveType = QStringLiteral("Grasses and forage legumes");
    w.PlantMo = 4;
    w.PlantDay = 2;
    w.HarvestMo = 10;
    w.HarvestDay = 20;
    w.Cuttings = 3;
    w.Cut1Mo = 6;
    w.Cut1Day = 5;
    w.CutEndMo = 9;
    w.CutEndDay = 7;
    w.NetIrr = 1.25;
    w.CarryBeg = 0.5;
    w.CarryEnd = 0.25;
    w.Soil = QStringLiteral("Sandy Loam");
    w.DaysWetDeveloped = 6;
    w.DaysWetMature = 11;
    w.StressFactor = 0.8;
    w.FractionWetted = 0.5;
    w.IrrigationType = QStringLiteral("Furrow- Small application depth");
    w.Sensitive = true;
    w.ASW = 40;
    w.Hay = true;
    w.ETIndex = kETRadiation;
    return w;
}

class SaveAndReopen : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(wk.open() && saved.open()); }

    kova::test::TempDatabase db{kova::test::TempDatabase::Contents::EmptySchema};
    Table wk{QStringLiteral("KovaWkCrop")};
    Table saved{QStringLiteral("KovaJobCrop")};
};

TEST_F(SaveAndReopen, ASavedCropReopensWithEveryColumnAsItWas) {
    WorkingCrop crop = distinctCrop();
    crop.BegDat = monthDayText(*crop.PlantMo, *crop.PlantDay);
    crop.EndDat = monthDayText(*crop.HarvestMo, *crop.HarvestDay);
    QString error;
    ASSERT_TRUE(wk.append());
    ASSERT_TRUE(writeWorkingCrop(crop, wk, &error)) << error.toStdString();
    ASSERT_TRUE(wk.post()) << wk.errorString().toStdString();

    ASSERT_TRUE(saved.append());
    ASSERT_TRUE(copyToSavedCrop(wk.record(), crop.JobName, saved, &error)) << error.toStdString();
    ASSERT_TRUE(saved.post()) << saved.errorString().toStdString();
    EXPECT_EQ(saved.asInt(QStringLiteral("Harv Mo")), 10);
    EXPECT_EQ(saved.asInt(QStringLiteral("Harv Day")), 20);

    ASSERT_TRUE(wk.emptyTable());
    ASSERT_TRUE(wk.append());
    ASSERT_TRUE(copyToWorkingCrop(saved.record(), kETRadiation, wk, &error)) << error.toStdString();
    ASSERT_TRUE(wk.post()) << wk.errorString().toStdString();
    WorkingCrop back = workingCropFrom(wk.record());
    EXPECT_EQ(back.CropNo, saved.asInt(QStringLiteral("Job Crop No")));
    back.CropNo = crop.CropNo;
    // 'Hay' is a result of the computation: a saved job does not keep it.
    EXPECT_FALSE(back.Hay);
    back.Hay = crop.Hay;
    for (const CropColumn& c : cropColumns())
        std::visit([&](const auto& m) { EXPECT_EQ(back.*m.crop, crop.*m.crop) << c.working; },
                   c.member);
}

TEST_F(SaveAndReopen, AnEmptyCurveIndexStaysEmpty) {
    WorkingCrop crop = distinctCrop();
    crop.CurveIndex.reset();
    crop.HarvestDay.reset();
    QString error;
    ASSERT_TRUE(wk.append() && writeWorkingCrop(crop, wk, &error) && wk.post());
    ASSERT_TRUE(saved.append() && copyToSavedCrop(wk.record(), crop.JobName, saved, &error) &&
                saved.post());
    EXPECT_TRUE(saved.isNull(QStringLiteral("Curve Index"))); // not read as 0, a basal curve
    ASSERT_TRUE(wk.emptyTable() && wk.append() &&
                copyToWorkingCrop(saved.record(), kETTR21, wk, &error) && wk.post());
    const WorkingCrop back = workingCropFrom(wk.record());
    EXPECT_FALSE(back.CurveIndex.has_value());
    EXPECT_FALSE(back.HarvestDay.has_value());
}

} // namespace
