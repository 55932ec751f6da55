// The crop editor's main window: its seven table buttons open their windows with their tables
// and close the tables after them; help and About.

#include "cropeditfixture.h"

#include "cropedit/mainform.h"
#include "cropedit/program.h"
#include "ui/aboutbox.h"
#include "ui/helpviewer.h"

#include <QPushButton>

namespace kova::cropedit::test {

namespace {

struct MainWindow : CropEditFixture {
    std::vector<store::Table*> allTables() {
        return {&dm->basFldVeg(), &dm->basPeren(),   &dm->basGrass(), &dm->bcAnnual(),
                &dm->bcPeren(),   &dm->createCrop(), &dm->anType(),   &dm->crpLastUse()};
    }
};

} // namespace

TEST_F(MainWindow, EachButtonOpensItsWindowWithItsTablesAndClosesThemAfter) {
    MainForm window(*dm);
    EXPECT_EQ(window.windowTitle(), "Kova Crops Databases");
    struct Expected {
        const char* caption;
        const char* hint;
        const char* window;
        std::vector<store::Table*> tables;
    };
    const std::vector<Expected> expected = {
        {"Create or Edit Local Crop Database",
         "Review or edit local crop database",
         "kova::cropedit::CropForm",
         {&dm->createCrop(), &dm->crpLastUse()}},
        {"Basal Kc - Field and Vegetable Crops",
         "",
         "kova::cropedit::BasFieldVegForm",
         {&dm->basFldVeg(), &dm->anType()}},
        {"Basal Kc - Perennial  and Specialty Crops",
         "Review or edit Kc curve",
         "kova::cropedit::BasPerenForm",
         {&dm->basPeren()}},
        {"Basal Kc - Grasses and Forage Legumes",
         "review or edit crop Kc curve",
         "kova::cropedit::BasGrassForm",
         {&dm->basGrass()}},
        {"BC TR21 Kc - Annual Crops",
         "Review or edit crop Kc curve",
         "kova::cropedit::BCAnuForm",
         {&dm->bcAnnual()}},
        {"BC TR21 Kc - Perennial Crops", "", "kova::cropedit::BCPerenForm", {&dm->bcPeren()}},
        {"Basal - Crop Type (Field && Veg)",
         "Review or edit field/veg crop type",
         "kova::cropedit::AnTypeForm",
         {&dm->anType()}},
    };
    ASSERT_EQ(window.tableButtons().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        QPushButton* button = window.tableButtons()[i];
        EXPECT_EQ(button->text(), expected[i].caption);
        EXPECT_EQ(button->toolTip(), expected[i].hint);
        std::vector<bool> openWhileShown;
        onNextDialog([&](QDialog&) {
            for (store::Table* t : allTables())
                openWhileShown.push_back(t->isOpen());
            return int(QDialog::Rejected);
        });
        button->click();
        ASSERT_EQ(dialogsShown.size(), int(i) + 1);
        EXPECT_EQ(dialogsShown.back(), expected[i].window);
        const auto tables = allTables();
        for (size_t t = 0; t < tables.size(); ++t) {
            const bool listed = std::find(expected[i].tables.begin(), expected[i].tables.end(),
                                          tables[t]) != expected[i].tables.end();
            EXPECT_EQ(openWhileShown.at(t), listed) << expected[i].window << " table " << t;
            EXPECT_FALSE(tables[t]->isOpen()) << expected[i].window << " table " << t;
        }
    }
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(" | ").toStdString();
}

TEST_F(MainWindow, AboutNamesTheProgramAndActivationMakesItsHelpCurrent) {
    MainForm window(*dm);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(ui::Help::folderOf(ui::Help::helpFile()), ui::Help::folderOf(kHelpFile));
    EXPECT_FALSE(ui::Help::folderOf(kHelpFile).isEmpty()) << "the crop editor ships its help";
    onNextDialog([](QDialog& about) {
        EXPECT_EQ(static_cast<ui::AboutBox&>(about).programName(),
                  "Kova Crop database program (KovaCrop)");
        return int(QDialog::Accepted);
    });
    window.aboutButton()->click();
    EXPECT_EQ(dialogsShown, QStringList{"kova::ui::AboutBox"});
    EXPECT_EQ(window.closeButton()->text(), "Close");
    EXPECT_EQ(window.helpButton()->text(), "&Help");
}

} // namespace kova::cropedit::test
