// The TR21 curve windows and the annual crop types: a full navigator, no read-only mode; the
// irregular field names, refused entries and names, saving on close, and the guard on curves
// and crop types that created crops use.

#include "cropeditfixture.h"

#include "cropedit/plainforms.h"
#include "store/fieldnames.h"
#include "ui/datacontrols.h"
#include "ui/navigator.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace kova::cropedit::test {

namespace {

using store::EditState;

struct PlainForms : CropEditFixture {
    template <class Form> std::unique_ptr<Form> openOn(store::Table& table) {
        return open<Form>({&table});
    }
    static QStringList labels(const QWidget& window) {
        QStringList texts;
        for (const QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        return texts;
    }
    const ui::Message& lastMessage() const { return responder->asked().back(); }
};

} // namespace

TEST_F(PlainForms, TheTR21WindowsBindEveryKcFieldByItsStoredName) {
    auto annual = openOn<BCAnuForm>(dm->bcAnnual());
    EXPECT_EQ(annual->windowTitle(), "Review or Edit BC TR21 Kc Curves for Annual Crops");
    ASSERT_EQ(annual->boxCount(), 21);
    EXPECT_EQ(annual->box(7)->link()->field(), "35 % Kc");
    EXPECT_EQ(annual->box(19)->link()->field(), "95 % Kc");
    EXPECT_EQ(annual->box(20)->link()->field(), "100%Kc");
    EXPECT_TRUE(labels(*annual).contains("35% Kc"));
    EXPECT_TRUE(labels(*annual).contains("100% Kc"));
    EXPECT_EQ(annual->box(0)->toolTip(), "Enter BC Kc value");
    EXPECT_EQ(annual->nameBox()->toolTip(), "Enter unique crop curve name");
    EXPECT_EQ(annual->nameBox()->maxLength(), 30);
    EXPECT_EQ(annual->listButton()->text(), "&List");
    EXPECT_EQ(annual->listButton()->toolTip(), "List of Curves");
    ASSERT_TRUE(dm->bcAnnual().findKey({"Corn (grain)"}));
    EXPECT_EQ(annual->box(20)->text(), "0.850"); // as many decimals as the picture
    for (auto b : {ui::Navigator::Insert, ui::Navigator::Delete, ui::Navigator::Edit,
                   ui::Navigator::Post, ui::Navigator::Cancel})
        EXPECT_NE(annual->navigator()->button(b), nullptr);
    annual.reset();

    auto perennial = openOn<BCPerenForm>(dm->bcPeren());
    ASSERT_EQ(perennial->boxCount(), 25);
    EXPECT_EQ(perennial->box(1)->link()->field(), "Jan 15 Kc");
    EXPECT_EQ(perennial->box(24)->link()->field(), "Dec 31 Kc");
    EXPECT_TRUE(labels(*perennial).contains("Dec 31"));
    EXPECT_EQ(perennial->nameBox()->toolTip(), "Enter crop curve name");
    EXPECT_EQ(perennial->listButton()->toolTip(), "BC Perennial Crop List Report");
}

TEST_F(PlainForms, ANewCurveIsTypedPostedAndANameInOtherLettersIsRefused) {
    auto form = openOn<BCAnuForm>(dm->bcAnnual());
    const int before = rowCount("CrpBCAnu");
    form->navigator()->click(ui::Navigator::Insert);
    EXPECT_EQ(dm->bcAnnual().state(), EditState::Insert);
    QTest::keyClicks(form->nameBox(), "CORN (GRAIN)"); // "Corn (grain)" is delivered
    QTest::keyClicks(form->box(0), "0.45");
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_EQ(dm->bcAnnual().state(), EditState::Insert);
    ASSERT_FALSE(responder->asked().empty());
    EXPECT_EQ(lastMessage().text,
              "Curve 'CORN (GRAIN)' cannot be saved: another curve already has this Crop "
              "Curve Name.");
    EXPECT_TRUE(lastMessage().details.contains("CrpBCAnu")) << "the table's words in the details";

    retype(form->nameBox(), "Farmer's corn");
    // A Kc the range refuses stays red and is never stored.
    QTest::keyClicks(form->box(1), "9");
    EXPECT_FALSE(form->box(1)->isValid());
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_EQ(dm->bcAnnual().state(), EditState::Insert);
    EXPECT_TRUE(lastMessage().text.endsWith("5% Kc must be corrected."))
        << lastMessage().text.toStdString();
    retype(form->box(1), "0.5");
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_EQ(dm->bcAnnual().state(), EditState::Browse);
    EXPECT_EQ(rowCount("CrpBCAnu"), before + 1);
    EXPECT_EQ(storedField("CrpBCAnu", "Crop Curve Name", "Farmer's corn", "5% Kc"), "0.5");
}

TEST_F(PlainForms, ClosingSavesTheRowAndStaysOpenWhenItCannot) {
    auto form = openOn<BCPerenForm>(dm->bcPeren());
    dm->bcPeren().first();
    const QString name = dm->bcPeren().asString("Crop Curve Name");
    retype(form->box(24), "0.61");
    EXPECT_EQ(dm->bcPeren().state(), EditState::Edit);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(storedField("CrpBCPer", "Crop Curve Name", name, "Dec 31 Kc"), "0.61");

    form->show();
    form->navigator()->click(ui::Navigator::Insert);
    QTest::keyClicks(form->box(0), "0.4"); // no name: the row cannot be saved
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dm->bcPeren().state(), EditState::Insert);
    form->navigator()->click(ui::Navigator::Cancel);
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PlainForms, DeletingOrRenamingACurveCreatedCropsUseAsksFirst) {
    auto form = openOn<BCAnuForm>(dm->bcAnnual());
    ASSERT_TRUE(dm->bcAnnual().findKey({"Potatoes"}));
    // Rename answered No: nothing changes, the typed name stays in the box.
    retype(form->nameBox(), "Potatoes (TR21)");
    responder->queue(ui::Answer::No);
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_EQ(lastMessage().text, "Rename the curve 'Potatoes' to 'Potatoes (TR21)'?");
    EXPECT_TRUE(lastMessage().destructive);
    EXPECT_TRUE(lastMessage().informativeText.contains(
        "Created crops that use this curve: Potatoes, Potatoes - humid."));
    EXPECT_EQ(dm->bcAnnual().state(), EditState::Edit);
    EXPECT_EQ(form->nameBox()->text(), "Potatoes (TR21)");
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Potatoes", "BC Crop Curve Name"), "Potatoes");

    // Yes: the curve and its created crops in one go.
    responder->queue(ui::Answer::Yes);
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_EQ(dm->bcAnnual().state(), EditState::Browse);
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Potatoes", "BC Crop Curve Name"),
              "Potatoes (TR21)");
    EXPECT_EQ(storedField("KovaCrop", "Cop Name", "Potatoes - humid", "BC Crop Curve Name"),
              "Potatoes (TR21)");

    // Delete names its crops and the question's default is No.
    form->navigator()->click(ui::Navigator::Delete);
    EXPECT_EQ(lastMessage().text, "Delete record?");
    EXPECT_TRUE(lastMessage().informativeText.contains("Potatoes - humid"));
    EXPECT_TRUE(lastMessage().informativeText.contains("nearest curve"));
    EXPECT_EQ(countWhere("CrpBCAnu", "Crop Curve Name", "Potatoes (TR21)"), 1);

    // A curve nobody uses is asked about plainly.
    form->navigator()->click(ui::Navigator::Insert);
    QTest::keyClicks(form->nameBox(), "Unused");
    form->navigator()->click(ui::Navigator::Post);
    responder->queue(ui::Answer::Yes);
    form->navigator()->click(ui::Navigator::Delete);
    EXPECT_TRUE(lastMessage().informativeText.isEmpty());
    EXPECT_EQ(countWhere("CrpBCAnu", "Crop Curve Name", "Unused"), 0);
}

TEST_F(PlainForms, CropTypesKeepTheirFractionsInOrderAndTheirCurvesOnARename) {
    auto form = openOn<AnTypeForm>(dm->anType());
    EXPECT_EQ(form->windowTitle(), "Annual Basal Crop Type DB Review or Edit");
    ASSERT_EQ(form->boxCount(), 5);
    EXPECT_EQ(form->box(2)->toolTip(), "fraction of season");
    EXPECT_EQ(form->box(3)->toolTip(), "Days from planting until maturity");
    ASSERT_TRUE(dm->anType().findKey({"Small grains (spring)"}));
    retype(form->box(0), "0.9");
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_EQ(lastMessage().text, "Crop type 'Small grains (spring)' cannot be saved: Fs1 must "
                                  "not be more than Fs2.");
    form->navigator()->click(ui::Navigator::Cancel);

    retype(form->nameBox(), "Spring small grains");
    responder->queue(ui::Answer::Yes);
    form->navigator()->click(ui::Navigator::Post);
    EXPECT_TRUE(lastMessage().informativeText.contains("Barley AM"))
        << lastMessage().informativeText.toStdString();
    EXPECT_EQ(dm->anType().state(), EditState::Browse);
    EXPECT_EQ(storedField("CrpAnNam", "Crop Curve Name", "Barley AM", "Crop Type"),
              "Spring small grains");
    EXPECT_EQ(countWhere("CrpAnNam", "Crop Type", "Small grains (spring)"), 0);
}

} // namespace kova::cropedit::test
