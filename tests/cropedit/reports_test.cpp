// The crop editor's eleven reports, printed from their windows into PDF and read back: each
// headed "Kova Crop Database" with its title, every row shown counted, "Print All Marked" the
// marked rows only.

#include "cropeditfixture.h"
#include "pdftext.h"

#include "cropedit/basalforms.h"
#include "cropedit/cropform.h"
#include "cropedit/plainforms.h"
#include "ui/managededitor.h"

#include <QAction>
#include <QRegularExpression>

namespace kova::cropedit::test {

namespace {

// "Caption:" followed by the number, whatever the spacing of the text layout.
bool showsTotal(const QString& text, const QString& caption, int total) {
    return text.contains(QRegularExpression(QRegularExpression::escape(caption) +
                                            QStringLiteral("\\s+%1\\b").arg(total)));
}

struct Reports : CropEditFixture {
    void mark(const QString& table, const QStringList& names, const QString& nameField) {
        store::Table t(table);
        ASSERT_TRUE(t.open());
        for (t.first(); !t.eof(); t.next()) {
            const bool marked = names.contains(t.asString(nameField));
            ASSERT_TRUE(t.edit());
            t.setValue("Marked", marked);
            ASSERT_TRUE(t.post());
        }
    }
    // The report just printed: its heading and title, and its total.
    void expectReport(int index, const QString& title, const QString& totalCaption, int total) {
        ASSERT_GT(reportFiles.size(), index);
        const QString text = reportText(index);
        EXPECT_TRUE(text.contains("Kova Crop Database")) << title.toStdString();
        EXPECT_TRUE(text.contains(title)) << title.toStdString();
        EXPECT_TRUE(text.contains("Page 1")) << title.toStdString();
        EXPECT_TRUE(showsTotal(text, totalCaption, total))
            << title.toStdString() << ": " << text.right(300).toStdString();
    }
};

} // namespace

TEST_F(Reports, TheTR21AndCropTypeListsPrintEveryRowWithItsValues) {
    auto annual = open<BCAnuForm>({&dm->bcAnnual()});
    annual->printList();
    annual.reset();
    auto perennial = open<BCPerenForm>({&dm->bcPeren()});
    perennial->printList();
    perennial.reset();
    auto types = open<AnTypeForm>({&dm->anType()});
    types->printList();
    ASSERT_EQ(reportFiles.size(), 3);

    expectReport(0, "List of All Blaney Criddle Annual Crop Curves",
                 "Total Number of Crop Curves:", rowCount("CrpBCAnu"));
    const QString tr21 = reportText(0);
    EXPECT_TRUE(tr21.contains("Corn (grain)"));
    EXPECT_TRUE(tr21.contains("100%"));
    EXPECT_TRUE(tr21.contains("0.850")) << "Corn (grain) at 100 %";
    expectReport(1, "List of All Blaney Criddle Perennial Crop Curves",
                 "Total Number of Crop Curves:", rowCount("CrpBCPer"));
    EXPECT_TRUE(reportText(1).contains("Dec 31"));
    EXPECT_TRUE(reportText(1).contains("1.135")) << "Alfalfa on June 15";
    expectReport(2, "List of All Annual Crop Type Curves",
                 "Total Number of Crop Types:", rowCount("CrpAnTyp"));
    EXPECT_TRUE(reportText(2).contains("Small grains (spring)"));
    EXPECT_TRUE(reportText(2).contains("0.778"));
}

TEST_F(Reports, EachBasalWindowPrintsItsListAndItsMarkedCurves) {
    mark("CrpAnNam", {"Barley AM", "Corn (grain) AM"}, "Crop Curve Name");
    mark("CrpPeren", {"Hops AM"}, "Crop Curve Name");
    mark("CrpForag", {"Alfalfa hay AM"}, "Crop Curve Name");
    auto fieldVeg = open<BasFieldVegForm>({&dm->basFldVeg(), &dm->anType()});
    fieldVeg->printList();
    fieldVeg->printAllMarked();
    fieldVeg.reset();
    auto peren = open<BasPerenForm>({&dm->basPeren()});
    peren->printList();
    peren->printAllMarked();
    peren.reset();
    auto grass = open<BasGrassForm>({&dm->basGrass()});
    grass->printList();
    grass->printAllMarked();
    ASSERT_EQ(reportFiles.size(), 6);

    const QString curves = "Total Number of Crop Curves:";
    expectReport(0, "List of All Field and Vegetable Crop Curves", curves, rowCount("CrpAnNam"));
    expectReport(1, "Selected Field and Vegetable Crop Details", curves, 2);
    EXPECT_TRUE(reportText(1).contains("Small grains (spring)"));
    EXPECT_FALSE(reportText(1).contains("Oats AM"));
    expectReport(2, "List of All Perennial and Special Crop Curves", curves, rowCount("CrpPeren"));
    expectReport(3, "Selected Perennial Crop Curves (Details)", curves, 1);
    EXPECT_TRUE(reportText(3).contains("Hops AM"));
    EXPECT_TRUE(reportText(3).contains("Basal Kc"));
    expectReport(4, "List of All Grass and Forage Legume Crop Curves", curves,
                 rowCount("CrpForag"));
    expectReport(5, "Selected Grass and Forage Legume Crops", curves, 1);
    EXPECT_TRUE(reportText(5).contains("Hay (there are cuttings)"));
    EXPECT_TRUE(reportText(5).contains("FAO-56 T17 alfalfa hay")) << "the notes";
}

TEST_F(Reports, TheCreatedCropsPrintTheirListAndTheDetailsOfTheMarkedCrops) {
    store::Table crops("KovaCrop");
    crops.setIndexName("CropNameIndex");
    ASSERT_TRUE(crops.open());
    ASSERT_TRUE(crops.findKey({"Barley"}));
    ASSERT_TRUE(crops.edit());
    crops.setValue("Cop Name", "Farmer's barley");
    ASSERT_TRUE(crops.post());
    mark("KovaCrop", {"Farmer's barley", "Hops"}, "Cop Name");

    auto form = open<CropForm>({&dm->createCrop(), &dm->crpLastUse()});
    const int shown = dm->createCrop().recordCount();
    form->printCropList();
    form->printAllMarked();
    ASSERT_EQ(reportFiles.size(), 2);
    EXPECT_EQ(dm->createCrop().recordCount(), shown); // the filter is put back
    expectReport(0, "List of All Crop Items", "Total Number of Crops:", rowCount("KovaCrop"));
    EXPECT_TRUE(reportText(0).contains("Farmer's barley"));
    expectReport(1, "Selected Local Crops, Details", "Total Number of Crops:", 2);
    const QString details = reportText(1);
    EXPECT_TRUE(details.contains("Farmer's barley"));
    EXPECT_TRUE(details.contains("Orchard with Cover"));
    EXPECT_TRUE(details.contains("4/1")) << "Barley is planted on April 1";
    EXPECT_FALSE(details.contains("Sweet corn"));

    // Nothing marked: nothing to print, and the user is told.
    form->editor()->clearAllMarksAction()->trigger();
    form->printAllMarked();
    EXPECT_EQ(reportFiles.size(), 2);
    EXPECT_EQ(messageTexts().last(), "There is nothing to print.");
}

} // namespace kova::cropedit::test
