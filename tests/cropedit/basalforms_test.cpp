// The three basal curve windows under the managed editor: modes and captions, new curves,
// refused rows, the categories (click and "Show By"), marks, deleting and renaming curves that
// created crops use.

#include "cropeditfixture.h"

#include "cropedit/basalforms.h"
#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/managededitor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace kova::cropedit::test {

namespace {

using store::EditState;

struct BasalForms : CropEditFixture {
    std::unique_ptr<BasFieldVegForm> fieldVeg() {
        return open<BasFieldVegForm>({&dm->basFldVeg(), &dm->anType()});
    }
    std::unique_ptr<BasPerenForm> perennial() { return open<BasPerenForm>({&dm->basPeren()}); }
    std::unique_ptr<BasGrassForm> grass() { return open<BasGrassForm>({&dm->basGrass()}); }
    static QAction* menuAction(QWidget& window, const QString& menu, const QString& item) {
        for (QAction* top : window.findChild<QMenuBar*>()->actions())
            if (top->text() == menu)
                for (QAction* action : top->menu()->actions())
                    if (action->text() == item)
                        return action;
        return nullptr;
    }
    static QStringList namesShown(store::Table& table) {
        QStringList names;
        for (table.first(); !table.eof(); table.next())
            names << table.asString("Crop Curve Name");
        return names;
    }
    const ui::Message& lastMessage() const { return responder->asked().back(); }
};

} // namespace

TEST_F(BasalForms, OpenReadOnlyOnCloseAndEditModeTogglesCaptionsAndCommands) {
    auto form = fieldVeg();
    const QString caption = "Review or Edit Basal Kc Curves for Field and Vegetable Crops";
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(QApplication::focusWidget(), form->closeButton());
    EXPECT_TRUE(form->nameBox()->isReadOnly());
    ui::ManagedEditor* editor = form->editor();
    EXPECT_FALSE(editor->insertAction()->isEnabled());
    EXPECT_EQ(dm->basFldVeg().indexName(), "Crop Curve Name");

    ASSERT_TRUE(editor->toggleEditMode());
    EXPECT_EQ(form->windowTitle(), caption + " [Edit Mode]");
    EXPECT_EQ(editor->gotoEditAction()->text(), "Stop Edit");
    EXPECT_TRUE(editor->deleteAction()->isEnabled());
    EXPECT_FALSE(form->nameBox()->isReadOnly());
    ASSERT_TRUE(editor->toggleEditMode());
    EXPECT_EQ(form->windowTitle(), caption + " [Read Only Mode]");

    for (const char* item : {"Print Curve Name List", "Print All Marked", "Close"})
        EXPECT_NE(menuAction(*form, "&File", item), nullptr) << item;
    for (const char* item : {"Humid - Mod Wind", "Humid - Strong Wind", "Arid - Mod Wind",
                             "Arid - Strong Wind", "Show All"})
        EXPECT_NE(menuAction(*form, "Show By", item), nullptr) << item;
    for (const char* item : {"&Contents", "&Search for Help on...", "&About..."})
        EXPECT_NE(menuAction(*form, "&Help", item), nullptr) << item;
}

TEST_F(BasalForms, TheFieldAndVegetableWindowShowsTheCurvesCropTypeAndMovesFromTheCategory) {
    auto form = fieldVeg();
    ASSERT_TRUE(dm->basFldVeg().findKey({"Barley AM"}));
    // Small grains (spring): 0.148, 0.333, 0.778, 135, 150 days.
    EXPECT_EQ(form->cropTypeValues(), QStringList({"0.148", "0.333", "0.778", "135", "150"}));
    EXPECT_EQ(form->cropTypeBox()->currentText(), "Small grains (spring)");
    EXPECT_EQ(form->categoryGroup()->currentIndex(), 2);

    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->categoryGroup()->choose(3);
    EXPECT_EQ(dm->basFldVeg().asString("Climate/Wind"), "AS");
    EXPECT_EQ(QApplication::focusWidget(), form->kcpBox());
    const int winterWheat = form->cropTypeBox()->findText("Winter wheat");
    ASSERT_GE(winterWheat, 0);
    form->cropTypeBox()->setCurrentIndex(winterWheat);
    emit form->cropTypeBox()->activated(winterWheat);
    EXPECT_EQ(form->cropTypeValues().at(3), "180");
    form->cropTypeOk()->click(); // "Post selection"
    EXPECT_EQ(dm->basFldVeg().state(), EditState::Browse);
    EXPECT_EQ(storedField("CrpAnNam", "Crop Curve Name", "Barley AM", "Crop Type"), "Winter wheat");
    EXPECT_EQ(storedField("CrpAnNam", "Crop Curve Name", "Barley AM", "Climate/Wind"), "AS");
}

TEST_F(BasalForms, ANewPerennialCurveIsUnmarkedAndNeedsItsSeasonMonths) {
    auto form = perennial();
    EXPECT_EQ(form->nameBox()->maxLength(), 40); // what created crops and jobs keep
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->insertAction()->trigger();
    EXPECT_EQ(QApplication::focusWidget(), form->nameBox());
    EXPECT_FALSE(dm->basPeren().isNull("Marked"));
    QTest::keyClicks(form->nameBox(), QString(45, 'x'));
    EXPECT_EQ(form->nameBox()->text().size(), 40);
    retype(form->nameBox(), "Jujube's orchard HM");
    form->categoryGroup()->choose(0);
    EXPECT_EQ(QApplication::focusWidget(), form->groundCoverBox());
    QTest::keyClicks(form->monthBox(4), "0.4");
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_EQ(lastMessage().text, "Curve 'Jujube's orchard HM' cannot be saved: May Kc, Jun Kc, "
                                  "Jul Kc, Aug Kc must have a value.");
    EXPECT_EQ(QApplication::focusWidget(), form->monthBox(5));
    for (int m = 5; m <= 8; ++m)
        QTest::keyClicks(form->monthBox(m), "0.9");
    QTest::keyClicks(form->monthBox(1), "2.5"); // the range ends at 2
    EXPECT_FALSE(form->editor()->toggleEditMode());
    retype(form->monthBox(1), "");
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(storedField("CrpPeren", "Crop Curve Name", "Jujube's orchard HM", "Marked"), "false");
    EXPECT_EQ(storedField("CrpPeren", "Crop Curve Name", "Jujube's orchard HM", "Jan Kc"), "");

    // A second curve of that name, in other letters, is refused: the table has no key for it.
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->insertAction()->trigger();
    QTest::keyClicks(form->nameBox(), "JUJUBE'S ORCHARD HM");
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_TRUE(lastMessage().text.endsWith("another curve already has this Crop Curve Name."));
    EXPECT_EQ(dm->basPeren().state(), EditState::Insert);
}

TEST_F(BasalForms, ShowByShowsOneCategoryAndShowAllEveryCurveWhateverItsName) {
    store::Table curves("CrpForag");
    ASSERT_TRUE(curves.open());
    for (const char* name : {"1st cut hay AM", "bluegrass AM"}) {
        ASSERT_TRUE(curves.append());
        curves.setValue("Crop Curve Name", name);
        curves.setValue("Climate/Wind", "AM");
        ASSERT_TRUE(curves.post());
    }
    auto form = grass();
    store::Table& table = dm->basGrass();
    const int all = table.recordCount();
    menuAction(*form, "Show By", "Humid - Strong Wind")->trigger();
    EXPECT_GT(table.recordCount(), 0);
    EXPECT_LT(table.recordCount(), all);
    for (table.first(); !table.eof(); table.next())
        EXPECT_EQ(table.asString("Climate/Wind"), "HS");
    EXPECT_EQ(form->grid()->model()->rowCount(), table.recordCount());

    // "Mark All" marks every curve, the hidden ones too.
    form->editor()->markAllAction()->trigger();
    EXPECT_EQ(markedRows("CrpForag"), all);
    form->editor()->clearAllMarksAction()->trigger();
    EXPECT_EQ(markedRows("CrpForag"), 0);

    menuAction(*form, "Show By", "Show All")->trigger();
    EXPECT_EQ(table.recordCount(), all);
    const QStringList names = namesShown(table);
    EXPECT_TRUE(names.contains("1st cut hay AM"));
    EXPECT_TRUE(names.contains("bluegrass AM"));
    EXPECT_EQ(names.first(), "1st cut hay AM");
    EXPECT_EQ(table.indexName(), "CropCurveName");
}

TEST_F(BasalForms, MarksShowAllMarkedAndTheHayChoice) {
    auto form = grass();
    store::Table& table = dm->basGrass();
    form->editor()->clearAllMarksAction()->trigger();
    ASSERT_TRUE(table.findKey({"Alfalfa hay AM"}));
    form->editor()->markAction()->trigger(); // in read-only mode too
    EXPECT_EQ(markedRows("CrpForag"), 1);
    form->editor()->showMarkedAction()->trigger();
    EXPECT_EQ(table.recordCount(), 1);
    form->editor()->showMarkedAction()->trigger();
    EXPECT_GT(table.recordCount(), 1);

    EXPECT_EQ(form->hayGroup()->currentIndex(), 0);
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->hayGroup()->choose(1);
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(storedField("CrpForag", "Crop Curve Name", "Alfalfa hay AM", "Hay"), "false");
}

TEST_F(BasalForms, DeletingOrRenamingACurveCropsUseNamesThemAndARenameCarriesOver) {
    auto form = fieldVeg();
    store::Table& table = dm->basFldVeg();
    ASSERT_TRUE(form->editor()->toggleEditMode());
    ASSERT_TRUE(table.findKey({"Winter wheat AM"}));
    form->editor()->deleteAction()->trigger(); // answered No by default
    EXPECT_EQ(lastMessage().text, "Delete?");
    EXPECT_EQ(lastMessage().title, "Winter wheat AM");
    EXPECT_TRUE(lastMessage().destructive);
    EXPECT_TRUE(lastMessage().informativeText.startsWith(
        "Winter wheat AM\n\nCreated crops that use this curve: Winter wheat, Winter wheat - fall "
        "part, Winter wheat - spring part."))
        << lastMessage().informativeText.toStdString();
    EXPECT_EQ(countWhere("CrpAnNam", "Crop Curve Name", "Winter wheat AM"), 1);

    retype(form->nameBox(), "Winter wheat, arid AM");
    responder->queue(ui::Answer::Yes);
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_EQ(lastMessage().text, "Rename the curve 'Winter wheat AM' to 'Winter wheat, arid AM'?");
    EXPECT_EQ(countWhere("KovaCrop", "Bas Crop Curve Name", "Winter wheat, arid AM"), 3);
    EXPECT_EQ(countWhere("KovaCrop", "Bas Crop Curve Name", "Winter wheat AM"), 0);

    // The sample job's barley is named in a saved job: the question says so.
    ASSERT_TRUE(form->editor()->toggleEditMode());
    ASSERT_TRUE(table.findKey({"Barley AM"}));
    responder->queue(ui::Answer::Yes);
    form->editor()->deleteAction()->trigger();
    EXPECT_TRUE(lastMessage().informativeText.contains("Crops of saved jobs that use it: 1."));
    EXPECT_EQ(countWhere("CrpAnNam", "Crop Curve Name", "Barley AM"), 0);
}

} // namespace kova::cropedit::test
