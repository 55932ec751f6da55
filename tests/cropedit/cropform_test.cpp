// The created-crop window and its two pickers: composing a new crop from the last-used
// choices, the new-crop state's end, the pickers on existing crops and on an empty table, OK
// and Cancel, the delete question and the crops whose curves are gone.

#include "cropeditfixture.h"

#include "cropedit/cropform.h"
#include "cropedit/pickers.h"
#include "ui/datacontrols.h"
#include "ui/datagrid.h"
#include "ui/managededitor.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QPushButton>

namespace kova::cropedit::test {

namespace {

using store::EditState;

struct CreatedCrops : CropEditFixture {
    explicit CreatedCrops(Contents contents = Contents::Delivered) : CropEditFixture(contents) {}
    void openForm() { form = open<CropForm>({&dm->createCrop(), &dm->crpLastUse()}); }
    store::Table& crops() { return dm->createCrop(); }
    QString field(const char* name) { return crops().asString(name); }
    void goTo(const QString& crop) { ASSERT_TRUE(crops().findKey({crop})) << crop.toStdString(); }
    // The next picker: `steps` drive it, then OK (accepted) or Cancel.
    template <class Picker> void nextPicker(std::function<void(Picker&)> steps, bool ok) {
        onNextDialog([steps, ok](QDialog& dialog) {
            auto* picker = dynamic_cast<Picker*>(&dialog);
            EXPECT_NE(picker, nullptr) << dialog.metaObject()->className();
            if (!picker)
                return int(QDialog::Rejected);
            if (steps)
                steps(*picker);
            if (ok)
                picker->accept();
            else
                picker->reject();
            return picker->result();
        });
    }
    static void chooseCurve(CurvePickerDialog& picker, const QString& name) {
        ui::DataLookupList* list = picker.curveList();
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text() == name) {
                ASSERT_TRUE(list->choose(i));
                return;
            }
        FAIL() << "not listed: " << name.toStdString();
    }
    const ui::Message& lastMessage() const { return responder->asked().back(); }

    std::unique_ptr<CropForm> form;
};

struct EmptyCropTable : CreatedCrops {
    EmptyCropTable() {
        store::Table all("KovaCrop");
        EXPECT_TRUE(all.open() && all.emptyTable());
    }
};

} // namespace

TEST_F(CreatedCrops, ANewCropStartsFromTheLastUsedCurvesAndTheStateEndsWithTheRow) {
    openForm();
    EXPECT_EQ(form->windowTitle(), "Review or Edit Local Crop Database");
    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->insertAction()->trigger();
    EXPECT_TRUE(form->newCropState());
    QTest::keyClicks(form->nameBox(), "Farmer's corn");

    // Basal picker, then the TR21 picker follows because the new crop has no TR21 type yet.
    nextPicker<GetBasDlg>(
        [this](GetBasDlg& picker) {
            EXPECT_EQ(picker.typeButtons()->checkedId(), 0);
            EXPECT_EQ(picker.categoryButtons()->checkedId(), 2);
            EXPECT_EQ(picker.curveList()->currentItem()->text(), "Corn (grain) AM");
            EXPECT_EQ(picker.detailPanel(), 0);
            chooseCurve(picker, "Corn (sweet) AM");
            EXPECT_EQ(field("Bas Crop Curve Name"), "Corn (sweet) AM");
        },
        true);
    nextPicker<GetBCDlg>(
        [this](GetBCDlg& picker) {
            EXPECT_EQ(picker.typeButtons()->checkedId(), 0);
            EXPECT_EQ(field("BC Crop Curve Name"), "Corn (grain)");
            chooseCurve(picker, "Corn (sweet)");
        },
        true);
    form->basalButton()->click();
    EXPECT_EQ(dialogsShown, QStringList({"kova::cropedit::GetBasDlg", "kova::cropedit::GetBCDlg"}));
    EXPECT_EQ(crops().state(), EditState::Insert); // the pickers leave posting to the window
    EXPECT_EQ(field("Humidity/Wind"), "AM");

    // The dates are required: Stop Edit names every one, the row stays.
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_EQ(lastMessage().text, "Crop 'Farmer's corn' cannot be saved: Plant Mo, Plant Day, "
                                  "Harvest Mo, Harvest Day must have a value.");
    form->pages()->setCurrentIndex(1);
    for (auto [fieldName, value] : {std::pair{"Plant Mo", "5"},
                                    {"Plant Day", "20"},
                                    {"Harvest Mo", "8"},
                                    {"Harvest Day", "17"}})
        for (auto* box : form->findChildren<ui::DataNumericEdit*>())
            if (box->link()->field() == fieldName)
                QTest::keyClicks(box, value);
    ASSERT_TRUE(form->editor()->toggleEditMode());
    EXPECT_FALSE(form->newCropState());
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Farmer's corn", "BC Crop Curve Name"),
              "Corn (sweet)");
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Farmer's corn", "Marked"), "false");

    // A picker on the crop now shows its own choices, not the last-used ones.
    nextPicker<GetBCDlg>(
        [](GetBCDlg& picker) {
            EXPECT_EQ(picker.curveList()->currentItem()->text(), "Corn (sweet)");
        },
        false);
    form->tr21Button()->click();
    EXPECT_EQ(field("BC Crop Curve Name"), "Corn (sweet)");
}

TEST_F(CreatedCrops, CancelLeavesAnExistingCropAsItWasAndOKPostsIt) {
    openForm();
    goTo("Hops");
    nextPicker<GetBasDlg>(
        [](GetBasDlg& picker) {
            EXPECT_EQ(picker.typeButtons()->checkedId(), 1);
            picker.typeButtons()->button(0)->click();
            picker.categoryButtons()->button(0)->click();
            chooseCurve(picker, "Barley HM");
        },
        false);
    form->basalButton()->click(); // read-only mode: the picker edits anyway
    EXPECT_EQ(crops().state(), EditState::Browse);
    EXPECT_EQ(field("Bas Crop Curve Name"), "Hops AM");
    EXPECT_EQ(field("Bas Crop Type"), "Perennial and specialty crops");
    EXPECT_EQ(field("Humidity/Wind"), "AM");
    EXPECT_EQ(dialogsShown.size(), 1) << "no TR21 picker for an existing crop";

    nextPicker<GetBCDlg>(
        [](GetBCDlg& picker) {
            picker.typeButtons()->button(0)->click();
            chooseCurve(picker, "Grain Sorghum");
        },
        true);
    form->tr21Button()->click();
    EXPECT_EQ(crops().state(), EditState::Browse);
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Hops", "BC Crop Curve Name"), "Grain Sorghum");
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Hops", "BC Crop Type"),
              "Blaney Criddle Annual Crop");
}

TEST_F(CreatedCrops, OKWarnsWhileTheCropNamesACurveTheListDoesNotOffer) {
    openForm();
    goTo("Alfalfa hay");
    nextPicker<GetBCDlg>(
        [this](GetBCDlg& picker) {
            picker.typeButtons()->button(0)->click(); // annual: "Alfalfa" is a perennial curve
            EXPECT_EQ(field("BC Crop Type"), "Blaney Criddle Annual Crop");
            EXPECT_EQ(field("BC Crop Curve Name"), "Alfalfa");
            picker.accept();
            EXPECT_TRUE(picker.isVisible());
            EXPECT_EQ(lastMessage().kind, ui::MessageKind::Warning);
            EXPECT_TRUE(lastMessage().text.startsWith("The BC Kc crop curve 'Alfalfa' is not one "
                                                      "of the Blaney Criddle Annual Crop curves."));
        },
        false);
    form->tr21Button()->click();
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Alfalfa hay", "BC Crop Type"),
              "Blaney Criddle Perennial Crop");
    EXPECT_EQ(crops().state(), EditState::Browse);
}

TEST_F(CreatedCrops, AnExistingCropWithoutABasalTypeIsToldAndShowsNoDetails) {
    openForm();
    goTo("Pasture");
    ASSERT_TRUE(crops().edit());
    crops().setValue("Bas Crop Type", QVariant());
    ASSERT_TRUE(crops().post());
    nextPicker<GetBasDlg>(
        [](GetBasDlg& picker) {
            EXPECT_EQ(picker.detailPanel(), -1);
            EXPECT_EQ(picker.typeButtons()->checkedId(), -1);
        },
        false);
    form->basalButton()->click();
    EXPECT_EQ(messageTexts(), QStringList{"On activate Bas Crop Type not found."});
}

TEST_F(CreatedCrops, DeleteAsksAndACropWhoseCurveIsGoneShowsIt) {
    store::Table curves("CrpBCPer");
    ASSERT_TRUE(curves.open());
    for (curves.first(); curves.asString("Crop Curve Name") != "Orchard with Cover";)
        ASSERT_TRUE(curves.next());
    ASSERT_TRUE(curves.remove());
    openForm();
    goTo("Hops");
    EXPECT_TRUE(form->missingCurvesShown().contains(
        "BC TR21 curve 'Orchard with Cover' (Blaney Criddle Perennial Crop)"));
    const QModelIndex hops = form->grid()->model()->index(crops().recNo(), 0);
    EXPECT_EQ(hops.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_FALSE(hops.data(Qt::ToolTipRole).toString().isEmpty());
    goTo("Barley");
    EXPECT_TRUE(form->missingCurvesShown().isEmpty());

    ASSERT_TRUE(form->editor()->toggleEditMode());
    form->editor()->deleteAction()->trigger();
    EXPECT_EQ(lastMessage().text, "DELETE THIS CROP RECORD?");
    EXPECT_EQ(lastMessage().title, "Barley");
    EXPECT_EQ(countWhere("KovaCrop", "Cop Name", "Barley"), 1);
    responder->queue(ui::Answer::Yes);
    form->editor()->deleteAction()->trigger();
    EXPECT_EQ(countWhere("KovaCrop", "Cop Name", "Barley"), 0);
}

TEST_F(CreatedCrops, DatesOutsideTheirMonthAreRefusedWithTheFieldsToFix) {
    openForm();
    goTo("Barley");
    ASSERT_TRUE(form->editor()->toggleEditMode());
    for (auto* box : form->findChildren<ui::DataNumericEdit*>()) {
        if (box->link()->field() == "Plant Mo")
            retype(box, "2");
        if (box->link()->field() == "Plant Day")
            retype(box, "30");
        if (box->link()->field() == "Harvest Mo")
            QTest::keyClicks(box, "3"); // "83": not a month
    }
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_TRUE(lastMessage().text.endsWith("Harvest Mo must be corrected."));
    for (auto* box : form->findChildren<ui::DataNumericEdit*>())
        if (box->link()->field() == "Harvest Mo")
            retype(box, "8");
    EXPECT_FALSE(form->editor()->toggleEditMode());
    EXPECT_EQ(lastMessage().text,
              "Crop 'Barley' cannot be saved: Plant Day 30 is past the end of month 2 (28 days).");
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Barley", "Plant Mo"), "4");
}

TEST_F(EmptyCropTable, APickerOnAnEmptyTableComposesANewCrop) {
    openForm();
    EXPECT_FALSE(form->editor()->editMode());
    nextPicker<GetBasDlg>(
        [this](GetBasDlg&) { EXPECT_EQ(field("Bas Crop Curve Name"), "Corn (grain) AM"); }, false);
    nextPicker<GetBCDlg>(
        [this](GetBCDlg& picker) {
            EXPECT_EQ(picker.typeButtons()->checkedId(), 0);
            EXPECT_EQ(field("BC Crop Curve Name"), "Corn (grain)");
        },
        false);
    form->basalButton()->click();
    EXPECT_EQ(dialogsShown, QStringList({"kova::cropedit::GetBasDlg", "kova::cropedit::GetBCDlg"}));
    EXPECT_TRUE(form->editor()->editMode());
    EXPECT_TRUE(form->newCropState());
    EXPECT_EQ(crops().state(), EditState::Insert);
    // Cancel keeps a new crop's first choices.
    EXPECT_EQ(field("Bas Crop Type"), "Field and vegetable crops");
    EXPECT_EQ(field("BC Crop Type"), "Blaney Criddle Annual Crop");
    // The category only shows here: clicking it changes nothing.
    form->categoryGroup()->choose(0);
    EXPECT_EQ(field("Humidity/Wind"), "AM");
    form->editor()->cancelAction()->trigger();
    EXPECT_FALSE(form->newCropState());
    EXPECT_EQ(rowCount("KovaCrop"), 0);
}

} // namespace kova::cropedit::test
