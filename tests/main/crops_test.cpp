// The crops of a job through the windows: a new job to the results of its first crop (with the
// growth-date tool, checked against kova-calc dates), the same with Yes to the site question
// (stored as kova-calc new-job stores it), a duplicate crop, a cancelled "Get Crop Name", and
// "Edit Crop" on the second crop of a job.

#include "mainfixture.h"

#include "main/compphdatesdlg.h"
#include "main/cropcompdlg.h"
#include "main/getcropnamdlg.h"
#include "main/job/jobrecord.h"
#include "results/output/outputdlg.h"
#include "store/alias.h"
#include "store/database.h"
#include "ui/numericfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kova::mainwin::test {

namespace {

using job::CropEntry;
using ui::Answer;

class Crops : public MainWindowFixture {
protected:
    void SetUp() override { commands = programCommands(); }

    // The next "Get Crop Name" picks `crop` and presses OK (an empty name: Cancel).
    void onCropName(const QString& crop) {
        onNextDialog([crop](QDialog& d) {
            auto& dialog = dynamic_cast<GetCropNamDlg&>(d);
            if (crop.isEmpty()) {
                QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
                return d.result();
            }
            EXPECT_TRUE(clickRow(dialog.grid(), crop)) << crop.toStdString();
            EXPECT_EQ(dialog.findChild<QLabel*>("cropName")->text(), crop);
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            return d.result();
        });
    }
    // The next "Job Crop Compute": `edit` as a planner, then "OK".
    void onCropDialog(std::function<void(CropCompDlg&)> edit = {}) {
        onNextDialog([edit](QDialog& d) {
            auto& dialog = dynamic_cast<CropCompDlg&>(d);
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            if (edit)
                edit(dialog);
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            return d.result();
        });
    }
    // The next results window: looked at, then closed.
    void onResults(std::function<void(results::Outputdlg&)> look = {}) {
        onNextDialog([look](QDialog& d) {
            if (look)
                look(dynamic_cast<results::Outputdlg&>(d));
            return int(QDialog::Accepted);
        });
    }
    // Types into an entry of the dialog and leaves it with Tab, as a planner does.
    static void typeAndLeave(QWidget* entry, const QString& text) {
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(entry, text);
        QTest::keyClick(entry, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // kova-calc on the test's database, its standard output.
    QString kovaCalc(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral(KOVA_CALC_BIN), QStringList(args) << "--db" << database.file());
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // A saved job's rows without what names or numbers them.
    static QStringList storedJob(const QString& name) {
        QSqlQuery q(store::Database::open(store::kDefaultAlias, nullptr)->connection());
        QStringList rows;
        const auto read = [&](const char* statement, int firstColumn) {
            q.prepare(QLatin1String(statement));
            q.addBindValue(name);
            q.exec();
            while (q.next())
                for (int i = firstColumn; i < q.record().count(); ++i)
                    rows << q.record().fieldName(i) + "=" + q.value(i).toString();
        };
        read("SELECT * FROM KovaJob WHERE \"Job Name\" = ?", 1);
        read("SELECT * FROM KovaJobCrop WHERE \"Job Name\" = ? ORDER BY \"Crop Name\"", 2);
        return rows;
    }
};

// What the tool window shows, under the keys kova-calc dates prints.
QJsonObject windowValues(const CompPHDatesDlg& tool) {
    const auto date = [&](const QString& name) {
        return tool.shown(name + " month") + "/" + tool.shown(name + " day");
    };
    return {{"default_plant", date("default plant")},
            {"default_harvest", date("default harvest")},
            {"begin_temp", tool.beginTempEntry()->value().value_or(-1)},
            {"end_temp", tool.endTempEntry()->value().value_or(-1)},
            {"min_grow_days", tool.shown("minimum grow days").toInt()},
            {"max_grow_days", tool.shown("maximum grow days").toInt()},
            {"grow_days", tool.growDaysEntry()->value().value_or(-1)},
            {"spring", date("spring")},
            {"fall", date("fall")},
            {"available_days", tool.shown("available days").toInt()},
            {"harvest", date("harvest")}};
}

QJsonObject withoutMessage(QJsonObject printed) {
    printed.remove("message");
    return printed;
}

TEST_F(Crops, ANewJobToTheResultsOfItsFirstCropWithDatesFromTheTool) {
    const QJsonObject opening =
        QJsonDocument::fromJson(kovaCalc({"dates", "--station", "CHEYENNE", "--crop",
                                          "Corn (grain)", "--format", "json"})
                                    .toUtf8())
            .object();
    const QJsonObject recalculated =
        QJsonDocument::fromJson(kovaCalc({"dates", "--station", "CHEYENNE", "--crop",
                                          "Corn (grain)", "--grow-days", "120", "--format", "json"})
                                    .toUtf8())
            .object();
    ASSERT_EQ(recalculated["harvest"].toString(), "9/20");

    open();
    startJob("Windows job");
    onStation("Laramie, WY", "CHEYENNE");
    onMethod();
    responder->queue(Answer::No); // no site edit: Add New Crop follows at once
    onCropName("Corn (grain)");
    onCropDialog([&](CropCompDlg& crop) {
        EXPECT_EQ(crop.windowTitle(), "Job Crop Compute");
        EXPECT_EQ(crop.cropNameLabel()->text(), "Corn (grain)");
        EXPECT_EQ(crop.stationPanel()->text(), "Climate Station: CHEYENNE");
        EXPECT_EQ(crop.methodPanel()->text(), "ET Method: Blaney Criddle (TR21)");
        EXPECT_FALSE(crop.averageKcGroup()->isVisibleTo(&crop) ||
                     crop.hayGroup()->isVisibleTo(&crop))
            << "a TR21 curve needs neither group";
        EXPECT_EQ(crop.focusWidget(), crop.entry(CropEntry::PlantMo));
        EXPECT_EQ(crop.entry(CropEntry::NetIrr)->text(), "1.50") << "the local default";
        EXPECT_EQ(crop.entry(CropEntry::CarryBeg)->text(), "0.75") << "50 % of 1.5 inches";
        EXPECT_EQ(crop.computeDatesButton()->focusPolicy(), Qt::ClickFocus) << "Tab passes it";

        QTest::mouseClick(crop.computeDatesButton(), Qt::LeftButton);
        EXPECT_EQ(crop.entry(CropEntry::PlantDay)->text(), "23");
        EXPECT_EQ(crop.entry(CropEntry::HarvestMo)->text(), "9");
        EXPECT_EQ(crop.entry(CropEntry::HarvestDay)->text(), "20");
        EXPECT_EQ(crop.focusWidget(), crop.entry(CropEntry::PlantMo));
    });
    onNextDialog([&](QDialog& d) {
        auto& tool = dynamic_cast<CompPHDatesDlg&>(d);
        EXPECT_EQ(responder->asked().back().text, "Growing period too long for temperatures used.")
            << "the opening's calculation said so first";
        EXPECT_EQ(windowValues(tool), withoutMessage(opening));
        typeAndLeave(tool.growDaysEntry(), "120");
        QTest::mouseClick(tool.recalculateButton(), Qt::LeftButton);
        EXPECT_EQ(windowValues(tool), withoutMessage(recalculated));
        QTest::mouseClick(tool.okButton(), Qt::LeftButton);
        return d.result();
    });
    onResults([](results::Outputdlg& results) {
        EXPECT_EQ(results.findChild<QLabel*>("job")->text(), "Windows job");
        EXPECT_EQ(results.summary().grid[5][0], "May");
        EXPECT_FALSE(results.summary().grid[5][1].isEmpty()) << "corn grows from May 23";
        EXPECT_TRUE(results.summary().grid[10][1].isEmpty()) << "and is harvested September 20";
    });
    click(panel().getNewClimateButton);
    EXPECT_EQ(dialogsShown,
              QStringList({"kova::mainwin::GetClimDlg", "kova::mainwin::ETMethodDlg",
                           "kova::mainwin::GetCropNamDlg", "kova::mainwin::CropCompDlg",
                           "kova::mainwin::CompPHDatesDlg", "kova::results::Outputdlg"}));
    EXPECT_EQ(columnTexts(panel().cropGrid), QStringList{"Corn (grain)"});
    EXPECT_TRUE(form->saveJobButton()->isEnabled());
    for (QPushButton* b : {panel().displayButton, panel().addCropButton, panel().editCropButton,
                           panel().deleteCropButton})
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();

    click(form->saveJobButton());
    EXPECT_EQ(countWhere("KovaJobCrop", "Job Name", "Windows job"), 1);
    const QStringList stored = storedJob("Windows job");
    EXPECT_TRUE(stored.contains("Plant Day=23") && stored.contains("Harv Mo=9") &&
                stored.contains("Harv Day=20"))
        << stored.join(", ").toStdString();
}

TEST_F(Crops, YesToTheSiteQuestionThenAddNewCropStoresWhatNewJobStores) {
    open();
    startJob("By windows");
    onStation("Laramie, WY", "CHEYENNE");
    onMethod();
    responder->queue(Answer::Yes);
    click(panel().getNewClimateButton);
    EXPECT_EQ(form->focusWidget(), panel().elevationEdit);
    EXPECT_EQ(shown("kova::mainwin::GetCropNamDlg"), 0) << "the planner edits the site first";

    for (const char* crop : {"Sugar beets", "Alfalfa hay"}) {
        onCropName(QLatin1String(crop));
        onCropDialog();
        onResults();
        click(panel().addCropButton);
    }
    EXPECT_EQ(columnTexts(panel().cropGrid), QStringList({"Alfalfa hay", "Sugar beets"}));
    click(form->saveJobButton());

    kovaCalc({"new-job", "By tool", "--station", "CHEYENNE", "--crops", "Sugar beets;Alfalfa hay",
              "--location", "North field", "--planner", "R. Planner", "--date",
              QDate::currentDate().toString("MM/dd/yy"), "--save"});
    const QStringList byWindows = storedJob("By windows");
    ASSERT_EQ(byWindows.size(), 14 + 2 * 25);
    EXPECT_EQ(storedJob("By tool"), byWindows);
}

TEST_F(Crops, ADuplicateCropIsRefusedAndTheJobStaysAsItWas) {
    open();
    openSample();
    onCropName("Barley");
    click(panel().addCropButton);
    EXPECT_EQ(messageTexts().last(), "This crop has already been included. Select another crop");
    EXPECT_EQ(shown("kova::mainwin::CropCompDlg"), 0) << "nothing is added";
    EXPECT_EQ(columnTexts(panel().cropGrid).size(), 5);
    EXPECT_FALSE(form->saveJobButton()->isEnabled()) << "nothing changed: nothing to save";
}

TEST_F(Crops, ACancelledGetCropNameKeepsAChangedJobOfferedForSaving) {
    open();
    openSample();
    type(panel().plannerEdit, "Changed planner");
    leave();
    onCropName({});
    click(panel().addCropButton);
    EXPECT_EQ(shown("kova::mainwin::CropCompDlg"), 0);
    EXPECT_TRUE(form->saveJobButton()->isEnabled());
    EXPECT_EQ(form->session().jobState(), job::kChangedJob);

    // The close box cancels too; then New Job offers the changed job for saving.
    onNextDialog([](QDialog& d) {
        d.close();
        return d.result();
    });
    click(panel().addCropButton);
    EXPECT_EQ(form->session().jobState(), job::kChangedJob);
    onSavePrompt(false);
    click(form->newJobButton());
    EXPECT_EQ(shown("kova::mainwin::SaveForm"), 1);
}

TEST_F(Crops, EditCropOnTheSecondCropOfAJob) {
    open();
    openSample();
    ASSERT_EQ(columnTexts(panel().cropGrid).value(1), "Barley");
    ASSERT_TRUE(clickRow(panel().cropGrid, "Barley"));
    onCropDialog([this](CropCompDlg& crop) {
        EXPECT_EQ(crop.cropNameLabel()->text(), "Barley");
        EXPECT_TRUE(crop.averageKcGroup()->isVisibleTo(&crop)) << "a basal curve (radiation)";
        EXPECT_FALSE(crop.hayGroup()->isVisibleTo(&crop));
        EXPECT_EQ(crop.methodPanel()->text(), "ET Method: Radiation");

        // A day past February's end, left from the harvest month: said so, and corrected.
        typeAndLeave(crop.entry(CropEntry::HarvestDay), "30");
        typeAndLeave(crop.entry(CropEntry::HarvestMo), "2");
        EXPECT_EQ(messageTexts().last(), "Month number 2 has maximum of 28 days.");
        EXPECT_EQ(crop.entry(CropEntry::HarvestDay)->text(), "28");
        EXPECT_EQ(crop.focusWidget(), crop.entry(CropEntry::HarvestDay));
        typeAndLeave(crop.entry(CropEntry::HarvestMo), "8");

        // The irrigation type chosen sets the fraction wetted; Ks follows ASW.
        crop.irrigationList()->setFocus();
        const int trickle = crop.irrigationList()->findText("Trickle irrigation");
        crop.irrigationList()->setCurrentIndex(trickle);
        emit crop.irrigationList()->activated(trickle);
        EXPECT_EQ(crop.entry(CropEntry::FractionWetted)->text(), "0.25");
        QTest::mouseClick(crop.sensitiveBox(), Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_TRUE(crop.sensitiveBox()->isChecked());
        typeAndLeave(crop.entry(CropEntry::ASW), "40");
        EXPECT_EQ(crop.entry(CropEntry::StressFactor)->text(), "0.80");

        // A depth the entry refuses stays red, and OK says what to correct.
        typeAndLeave(crop.entry(CropEntry::NetIrr), "12");
        EXPECT_FALSE(crop.entry(CropEntry::NetIrr)->isValid());
        QTest::mouseClick(crop.okButton(), Qt::LeftButton);
        EXPECT_TRUE(crop.isVisible()) << "the dialog stays open";
        EXPECT_TRUE(messageTexts().last().endsWith(
            "Net irrigation depth applied each irrigation: enter a value from 0.01 to 10."));
        EXPECT_EQ(crop.focusWidget(), crop.entry(CropEntry::NetIrr));
        typeAndLeave(crop.entry(CropEntry::NetIrr), "2");
    });
    onResults([](results::Outputdlg& results) { EXPECT_EQ(results.summary().endGrowth, "8/28"); });
    click(panel().editCropButton);
    EXPECT_EQ(shown("kova::results::Outputdlg"), 1);
    store::Table& wk = form->session().workingCrops();
    EXPECT_EQ(wk.asString("Crop Name"), "Barley");
    EXPECT_EQ(wk.asFloat("Net Irr"), 2.0);
    EXPECT_EQ(wk.asString("End Dat"), "8/28");
    EXPECT_EQ(wk.asFloat("Fraction Wetted"), 0.25);
    EXPECT_EQ(wk.asFloat("Stress Factor"), 0.8);
    EXPECT_TRUE(form->saveJobButton()->isEnabled()) << "the job changed";
}

TEST_F(Crops, EscapeInJobComputeClosesAsOkDoes) {
    open();
    openSample();
    ASSERT_TRUE(clickRow(panel().cropGrid, "Sugar beets"));
    onNextDialog([this](QDialog& d) {
        // The offscreen platform leaves the main window active; a modal dialog would be.
        QApplication::setActiveWindow(&d);
        QTest::keyClick(d.windowHandle(), Qt::Key_Escape); // to the entry with the focus
        EXPECT_FALSE(d.isVisible()) << messageTexts().join(" | ").toStdString();
        return d.result();
    });
    onResults();
    click(panel().editCropButton);
    EXPECT_EQ(shown("kova::results::Outputdlg"), 1) << "there is no Cancel: the crop is computed";
    EXPECT_EQ(form->session().kova().CropName, "Sugar beets");
}

} // namespace

} // namespace kova::mainwin::test
