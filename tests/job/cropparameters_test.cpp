// The crop parameters dialog without its window: the month-day checks, the fraction wetted of
// an irrigation type, the ASW and Ks coupling, the groups of each curve kind, and closing
// (entries to correct, the row written, posted and computed).

#include "jobfixture.h"

#include "main/job/cropparameters.h"
#include "main/job/jobrecord.h"

#include "calc/cropcolumns.h"

using namespace kova::job;
using kova::calc::kETRadiation;
using kova::test::JobTest;

namespace {

class CropDialog : public JobTest {
protected:
    // A radiation job at CHEYENNE with the crop added and its dialog open.
    CropParameters& openOnNewCrop(const QString& crop) {
        dialogs.method = kETRadiation;
        startJob("Crop dialog");
        session.beginAddCrop();
        EXPECT_EQ(session.addCrop(crop), AddCropResult::Added) << messageText();
        return openDialog();
    }
    CropParameters& openDialog() {
        dialog.emplace(session, messages);
        EXPECT_TRUE(dialog->open()) << messageText();
        messages.items.clear();
        return *dialog;
    }
    // Typed into an entry and left, as the window forwards it.
    void enter(CropEntry e, std::optional<double> value, bool valid = true) {
        dialog->typed(e, value, valid);
        dialog->left(e);
    }
    double shown(CropEntry e) const { return dialog->entry(e).value.value_or(-1); }
    QString lastMessage() const { return messages.texts().value(messages.texts().size() - 1); }

    std::optional<CropParameters> dialog;
};

TEST(StressCoupling, KsIsASWOverItsLimitUpToOne) {
    EXPECT_DOUBLE_EQ(stressFactorFromASW(40, true), 0.8);
    EXPECT_DOUBLE_EQ(stressFactorFromASW(60, true), 1.0);
    EXPECT_DOUBLE_EQ(stressFactorFromASW(50, true), 1.0) << "the limit itself is no stress";
    EXPECT_DOUBLE_EQ(stressFactorFromASW(20, false), 0.8);
    EXPECT_DOUBLE_EQ(stressFactorFromASW(40, false), 1.0);
    EXPECT_DOUBLE_EQ(aswFromStressFactor(0.6, true), 30);
    EXPECT_DOUBLE_EQ(aswFromStressFactor(0.8, false), 20);
    EXPECT_DOUBLE_EQ(aswFromStressFactor(1.0, true), 50);
    EXPECT_DOUBLE_EQ(aswFromStressFactor(1.0, false), 25);
}

TEST(CropDialogGroups, EachCurveKindShowsItsGroups) {
    EXPECT_TRUE(groupsForCurve(kova::calc::kCurveGrass).hay);
    EXPECT_TRUE(groupsForCurve(kova::calc::kCurveGrass).averageKc);
    for (int tr21 : {kova::calc::kCurveTR21Annual, kova::calc::kCurveTR21Perennial}) {
        EXPECT_FALSE(groupsForCurve(tr21).hay || groupsForCurve(tr21).averageKc) << tr21;
    }
    for (std::optional<int> basal :
         {std::optional<int>(kova::calc::kCurveBasalAnnual),
          std::optional<int>(kova::calc::kCurveBasalPerennial), std::optional<int>()}) {
        EXPECT_TRUE(groupsForCurve(basal).averageKc);
        EXPECT_FALSE(groupsForCurve(basal).hay);
    }
}

TEST_F(CropDialog, MonthAndDayAreCheckedAsAPairWhenLeft) {
    openOnNewCrop("Alfalfa hay");
    ASSERT_TRUE(dialog->groups().hay);

    // Leaving the harvest month with a day past February's end: said so, corrected, the focus
    // on the day.
    enter(CropEntry::HarvestDay, 30);
    EXPECT_TRUE(messages.items.empty()) << messageText();
    enter(CropEntry::HarvestMo, 2);
    EXPECT_EQ(lastMessage(), "Month number 2 has maximum of 28 days.");
    EXPECT_EQ(shown(CropEntry::HarvestDay), 28);
    EXPECT_TRUE(dialog->entry(CropEntry::HarvestDay).modified);
    EXPECT_EQ(dialog->focus(), CropEntry::HarvestDay);
    EXPECT_EQ(kova().HarvestMo, 2);
    EXPECT_EQ(kova().HarvestDay, 28);

    // The planting date and every day entry correct it without a word.
    messages.items.clear();
    enter(CropEntry::PlantMo, 4);
    enter(CropEntry::PlantDay, 31);
    EXPECT_TRUE(messages.items.empty()) << messageText();
    EXPECT_EQ(shown(CropEntry::PlantDay), 30);
    EXPECT_EQ(kova().PlantDay, 30);
    EXPECT_EQ(dialog->focus(), CropEntry::PlantDay);

    // A cutting month says so as the harvest month does.
    enter(CropEntry::Cut1Mo, 7);
    enter(CropEntry::Cut1Day, 31);
    enter(CropEntry::Cut1Mo, 6);
    EXPECT_EQ(lastMessage(), "Month number 6 has maximum of 30 days.");
    EXPECT_EQ(kova().Cut1Day, 30);

    // A month outside 1..12 and day 0 are refused; the record keeps its date.
    messages.items.clear();
    enter(CropEntry::PlantMo, 13);
    EXPECT_EQ(lastMessage(), "Month number 13 is not between 1 and 12.");
    EXPECT_EQ(dialog->focus(), CropEntry::PlantMo);
    EXPECT_EQ(kova().PlantMo, 4);
    enter(CropEntry::PlantMo, 4);
    enter(CropEntry::PlantDay, 0);
    EXPECT_EQ(lastMessage(), "Day 0 is not a day of month 4.");
    EXPECT_EQ(dialog->focus(), CropEntry::PlantDay);
    EXPECT_EQ(kova().PlantDay, 30);
}

TEST_F(CropDialog, AnIrrigationTypeChosenSetsTheFractionWetted) {
    openOnNewCrop("Sugar beets");
    EXPECT_EQ(dialog->irrigationType(), "Sprinklers- above canopy") << "the local default's text";
    dialog->irrigationChosen("Trickle irrigation");
    EXPECT_EQ(shown(CropEntry::FractionWetted), 0.25);
    EXPECT_TRUE(dialog->entry(CropEntry::FractionWetted).modified);
    EXPECT_EQ(kova().FractionWetted, 0.25);
    dialog->irrigationChosen("Furrow- Every other row irrigated");
    EXPECT_EQ(shown(CropEntry::FractionWetted), 0.5);
    // A typed type is stored as typed and keeps the fraction wetted.
    dialog->irrigationTyped("Subsurface drip");
    EXPECT_EQ(shown(CropEntry::FractionWetted), 0.5);
    dialog->soilChanged("Peat");
    ASSERT_EQ(dialog->close(), CropCloseResult::Computed) << messageText();
    EXPECT_EQ(session.workingCrops().asString("Irrigation Type"), "Subsurface drip");
    EXPECT_EQ(session.workingCrops().asFloat("Fraction Wetted"), 0.5);
    EXPECT_EQ(session.workingCrops().asString("Soil"), "Peat");
}

TEST_F(CropDialog, ASWAndTheStressFactorFollowEachOther) {
    openOnNewCrop("Sugar beets");
    dialog->sensitiveChanged(true);
    enter(CropEntry::ASW, 40);
    EXPECT_EQ(shown(CropEntry::StressFactor), 0.8);
    EXPECT_EQ(kova().StressFactor, 0.8);
    enter(CropEntry::ASW, 60);
    EXPECT_EQ(shown(CropEntry::StressFactor), 1.0);
    dialog->sensitiveChanged(false);
    enter(CropEntry::ASW, 20);
    EXPECT_EQ(shown(CropEntry::StressFactor), 0.8);
    enter(CropEntry::ASW, 40);
    EXPECT_EQ(shown(CropEntry::StressFactor), 1.0);

    enter(CropEntry::ASW, 30);
    dialog->sensitiveChanged(true);
    EXPECT_EQ(shown(CropEntry::StressFactor), 0.6);
    dialog->sensitiveChanged(false);
    EXPECT_EQ(shown(CropEntry::StressFactor), 1.0) << "clearing Sensitive Crop for ASW 30";

    // An ASW typed here stays when Ks is entered.
    enter(CropEntry::StressFactor, 0.5);
    EXPECT_EQ(shown(CropEntry::ASW), 30);
    ASSERT_EQ(dialog->close(), CropCloseResult::Computed) << messageText();
    EXPECT_EQ(session.workingCrops().asFloat("Stress Factor"), 0.5);
    EXPECT_FALSE(session.workingCrops().asBool("Sensitive"));

    // Without an ASW typed, Ks entered sets ASW by the inverse mapping, as shown (one decimal).
    openDialog();
    dialog->sensitiveChanged(true);
    enter(CropEntry::StressFactor, 0.67);
    EXPECT_EQ(shown(CropEntry::ASW), 33.5);
    EXPECT_EQ(kova().ASW, 33.5);
    enter(CropEntry::StressFactor, 1.0);
    EXPECT_EQ(shown(CropEntry::ASW), 50);
}

TEST_F(CropDialog, OkWithoutAnEditPostsTheRowAsItWasAndComputesIt) {
    dialogs.job = "Cheyenne sample job";
    ASSERT_TRUE(session.getPrevJob()) << messageText();
    ASSERT_TRUE(moveToCrop("Barley"));
    kova::store::Table& wk = session.workingCrops();
    const kova::calc::WorkingCrop before = kova::calc::workingCropFrom(wk.record());
    openDialog();
    EXPECT_EQ(session.jobState(), kChangedJob) << "opening marks the job changed";
    EXPECT_TRUE(session.controls().saveJob);
    ASSERT_EQ(dialog->close(), CropCloseResult::Computed) << messageText();
    EXPECT_EQ(wk.state(), kova::store::EditState::Browse);
    const kova::calc::WorkingCrop after = kova::calc::workingCropFrom(wk.record());
    EXPECT_EQ(after.PlantMo, before.PlantMo);
    EXPECT_EQ(after.HarvestDay, before.HarvestDay);
    EXPECT_EQ(after.NetIrr, before.NetIrr);
    EXPECT_EQ(after.StressFactor, before.StressFactor);
    EXPECT_EQ(after.Soil, before.Soil);
    EXPECT_EQ(after.IrrigationType, before.IrrigationType);
    EXPECT_EQ(after.BegDat, QString("%1/%2").arg(*before.PlantMo).arg(*before.PlantDay));
    EXPECT_EQ(kova().CropName, "Barley");
    EXPECT_GT(kova().ETTotal, 0);
    EXPECT_EQ(session.jobState(), kChangedJob);
}

TEST_F(CropDialog, EveryEntryToCorrectIsNamedAtOnceAndTheDialogStaysOpen) {
    openOnNewCrop("Sugar beets");
    enter(CropEntry::NetIrr, std::nullopt);
    enter(CropEntry::StressFactor, std::nullopt, false); // "1.5": red, no value
    enter(CropEntry::HarvestMo, 13);
    messages.items.clear();
    EXPECT_EQ(dialog->close(), CropCloseResult::EntriesRefused);
    ASSERT_EQ(messages.items.size(), 1u) << messageText();
    EXPECT_EQ(lastMessage(),
              "The crop \"Sugar beets\" cannot be computed until these entries are corrected:\n"
              "Net irrigation depth applied each irrigation: enter a value from 0.01 to 10.\n"
              "Stress Factor (Ks): enter a value from 0 to 1.\n"
              "Harvest month: Month number 13 is not between 1 and 12.");
    EXPECT_EQ(dialog->focus(), CropEntry::NetIrr);
    EXPECT_EQ(session.workingCrops().state(), kova::store::EditState::Insert);

    enter(CropEntry::NetIrr, 2.5);
    enter(CropEntry::StressFactor, 0.9);
    enter(CropEntry::HarvestMo, 10);
    ASSERT_EQ(dialog->close(), CropCloseResult::Computed) << messageText();
    EXPECT_EQ(session.workingCrops().asFloat("Net Irr"), 2.5);
    EXPECT_EQ(session.workingCrops().asInt("Harvest Mo"), 10);
}

TEST_F(CropDialog, HiddenGroupsNeverStopTheClose) {
    dialogs.job = "Cheyenne sample job";
    ASSERT_TRUE(session.getPrevJob()) << messageText();
    ASSERT_TRUE(moveToCrop("Barley"));
    kova::store::Table& wk = session.workingCrops();
    ASSERT_TRUE(wk.edit() && wk.setValue("Curve Index", kova::calc::kCurveTR21Annual) &&
                wk.setValue("Cut1Mo", QVariant()) && wk.post());
    openDialog();
    EXPECT_FALSE(dialog->groups().hay || dialog->groups().averageKc);
    enter(CropEntry::Cut1Day, std::nullopt, false); // cannot be typed, but never counts
    EXPECT_NE(dialog->close(), CropCloseResult::EntriesRefused) << messageText();
}

TEST_F(CropDialog, TheDialogTakesItsCropsOwnCurveSensitivityAndASW) {
    dialogs.job = "Cheyenne sample job";
    ASSERT_TRUE(session.getPrevJob()) << messageText();
    ASSERT_TRUE(moveToCrop("Alfalfa hay"));
    ASSERT_TRUE(session.displayCrop());
    ASSERT_EQ(kova().CurveIndex, kova::calc::kCurveGrass);
    ASSERT_TRUE(moveToCrop("Barley"));
    kova::store::Table& wk = session.workingCrops();
    ASSERT_TRUE(wk.edit() && wk.setValue("Sensitive", true) && wk.setValue("ASW", 30.0) &&
                wk.post());
    openDialog();
    EXPECT_FALSE(dialog->groups().hay) << "Barley's groups, not the hay crop computed last";
    EXPECT_EQ(kova().CurveIndex, wk.asInt("Curve Index"));
    EXPECT_TRUE(dialog->sensitive());
    // Ks entered: ASW from Barley's own sensitivity (sensitive: L = 50).
    enter(CropEntry::StressFactor, 0.5);
    EXPECT_EQ(shown(CropEntry::ASW), 25);
}

TEST_F(CropDialog, ComputeDatesForSiteRefusesAStationWithoutSpringFrost) {
    dialogs.method = kova::calc::kETTR21;
    startJob("Warm job", "YUMA MCAS");
    session.beginAddCrop();
    ASSERT_EQ(session.addCrop("Corn (grain)"), AddCropResult::Added) << messageText();
    openDialog();
    EXPECT_FALSE(dialog->computeDatesForSite());
    EXPECT_EQ(lastMessage(), "It's too warm!  This procedure won't work. Enter start and end "
                             "growth dates directly.");
    EXPECT_EQ(dialog->focus(), CropEntry::PlantMo);

    // At CHEYENNE the tool's inputs are read for the crop; its OK comes back into the entries.
    dialog->close();
    startJob("Cool job");
    session.beginAddCrop();
    ASSERT_EQ(session.addCrop("Corn (grain)"), AddCropResult::Added) << messageText();
    openDialog();
    const auto inputs = dialog->computeDatesForSite();
    ASSERT_TRUE(inputs);
    EXPECT_EQ(inputs->crop.SpringAvTemp, 55);
    kova().PlantMo = 5, kova().PlantDay = 23;
    dialog->datesReturned();
    EXPECT_EQ(shown(CropEntry::PlantDay), 23);
    EXPECT_TRUE(dialog->entry(CropEntry::PlantDay).modified);
    EXPECT_FALSE(dialog->entry(CropEntry::HarvestDay).modified)
        << "unchanged dates stay as they are";
}

} // namespace
