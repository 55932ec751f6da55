// The main window driven as a planner drives it: a new job from its name to its station and
// method, the station dialog, reopening, displaying and deleting crops, saving, removing jobs
// and the save prompt on each of its occasions.

#include "mainfixture.h"
#include "stationrows.h"

#include "main/removejobsdlg.h"
#include "main/waitdlg.h"
#include "results/output/outputdlg.h"
#include "store/alias.h"
#include "store/database.h"
#include "store/table.h"
#include "ui/numericfield.h"

#include <QAction>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>

namespace kova::mainwin::test {

namespace {

using ui::Answer;

bool panelShown(MainForm& form) {
    return form.findChild<QStackedWidget*>()->currentWidget() == form.panel();
}

void addStation(const QString& name, const QString& county) {
    QString error;
    ASSERT_TRUE(kova::test::addStation({name, county, false, {}}, &error)) << error.toStdString();
}

void addCounty(const QString& county) {
    QString error;
    ASSERT_TRUE(kova::test::addCounty(county, &error)) << error.toStdString();
}

using MainWindow = MainWindowFixture;

} // namespace

// Answers as the scripted responder does, after noting what the window shows when asked.
class WatchingResponder : public ui::MessageResponder {
public:
    WatchingResponder(std::shared_ptr<ui::ScriptedResponder> answers, std::function<void()> watch)
        : answers_(std::move(answers)), watch_(std::move(watch)) {}
    Answer respond(const ui::Message& message, QWidget* parent) override {
        watch_();
        return answers_->respond(message, parent);
    }

private:
    std::shared_ptr<ui::ScriptedResponder> answers_;
    std::function<void()> watch_;
};

TEST_F(MainWindow, ANewJobGetsItsNameStationAndMethodAndCancelDropsIt) {
    open();
    EXPECT_FALSE(panelShown(*form));
    EXPECT_FALSE(form->saveJobButton()->isEnabled() || form->cancelButton()->isEnabled());

    click(form->newJobButton());
    ASSERT_TRUE(panelShown(*form));
    EXPECT_EQ(panel().dateEdit->text(), QDate::currentDate().toString("MM/dd/yy"));
    EXPECT_EQ(panel().elevationEdit->text(), "1");
    EXPECT_TRUE(panel().uniqueLabel->isVisible());
    EXPECT_FALSE(panel().getNewClimateButton->isEnabled()) << "until the name is typed in";
    EXPECT_FALSE(panel().elevationEdit->isEnabled());
    EXPECT_EQ(form->focusWidget(), panel().nameEdit);

    QTest::keyClicks(panel().nameEdit, "O'Neil farm, the \"north\" quarter and more text");
    EXPECT_EQ(panel().nameEdit->text().size(), 40) << "the name takes its column's width";
    EXPECT_TRUE(panel().getNewClimateButton->isEnabled());
    QTest::keyClick(panel().nameEdit, Qt::Key_Return); // Enter moves on, as Tab does
    settle();
    EXPECT_EQ(form->focusWidget(), panel().dateEdit);
    EXPECT_FALSE(form->saveJobButton()->isEnabled()) << "no save before the name is accepted";
    type(panel().locationEdit, "North field");
    leave();

    // The planner is missing: said so, and the focus goes back to the name.
    click(panel().getNewClimateButton);
    EXPECT_EQ(messageTexts().last(), "Please enter the planner's name.");
    EXPECT_EQ(form->focusWidget(), panel().nameEdit);

    type(panel().plannerEdit, "R. Planner");
    leave();
    onStation("Laramie, WY", "CHEYENNE");
    onNextDialog([this](QDialog& d) {
        auto& methods = dynamic_cast<ETMethodDlg&>(d);
        EXPECT_EQ(panel().stationName->text(), "CHEYENNE") << "the window shows the station";
        EXPECT_TRUE(methods.tr21Radio()->isChecked());
        EXPECT_TRUE(methods.radiationRadio()->isEnabled() &&
                    methods.temperatureRadio()->isEnabled());
        QTest::mouseClick(methods.radiationRadio(), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(methods.okButton(), Qt::LeftButton);
        return d.result();
    });
    responder->queue(Answer::Yes); // edit the site first
    QStringList shownWhenAsked;
    {
        // The question is about the station just chosen: the window shows it when asked.
        const ui::ResponderScope watching(std::make_shared<WatchingResponder>(responder, [&] {
            shownWhenAsked << panel().stationName->text() << panel().elevationEdit->text()
                           << form->windowTitle().left(10);
        }));
        click(panel().getNewClimateButton);
    }
    EXPECT_EQ(shownWhenAsked, QStringList({"CHEYENNE", "6128", "Kova Job ["}));
    EXPECT_EQ(dialogsShown,
              QStringList({"kova::mainwin::GetClimDlg", "kova::mainwin::ETMethodDlg"}));
    EXPECT_EQ(responder->asked().back().text, "Edit site elevation or precipitation ratios?");
    EXPECT_EQ(responder->asked().back().buttons, ui::MessageButtons::YesNoHelp);
    EXPECT_EQ(panel().stationName->text(), "CHEYENNE");
    EXPECT_EQ(panel().county->text(), "Laramie, WY");
    EXPECT_EQ(panel().etLabel->text(), "Radiation");
    EXPECT_FALSE(panel().ratio50Edit->text().isEmpty());
    EXPECT_FALSE(panel().uniqueLabel->isVisible());
    EXPECT_FALSE(panel().getNewClimateButton->isEnabled());
    EXPECT_TRUE(form->saveJobButton()->isEnabled());
    EXPECT_EQ(form->focusWidget(), panel().elevationEdit);
    EXPECT_TRUE(form->windowTitle().startsWith("Kova Job [O'Neil farm"));

    // An elevation the field cannot take yet stays red and is not the job's.
    panel().elevationEdit->selectAll();
    QTest::keyClicks(panel().elevationEdit, "-");
    EXPECT_FALSE(panel().elevationEdit->isValid());

    // Esc is Cancel; the new job is offered for saving, "No" drops it.
    onSavePrompt(false);
    const int jobs = rowCount("KovaJob");
    QTest::keyClick(form->windowHandle(), Qt::Key_Escape); // to the field with the focus
    // A shortcut presses its button as a click does, pressed for a moment.
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown("kova::mainwin::SaveForm") > 0; }));
    settle();
    EXPECT_EQ(shown("kova::mainwin::SaveForm"), 1);
    EXPECT_FALSE(panelShown(*form));
    EXPECT_EQ(rowCount("KovaJob"), jobs);
    EXPECT_FALSE(form->session().hasCrops());
    EXPECT_EQ(form->windowTitle(), "Kova");
}

TEST_F(MainWindow, TheStationListFollowsTheCountyAndANeedsAStationToClose) {
    addCounty("O'Brien, IA");
    addStation("SHELDON", "O'Brien, IA");
    addCounty("Nowhere, NV"); // a county without stations
    open();
    startJob("Apostrophes");

    onNextDialog([](QDialog& d) {
        auto& dialog = dynamic_cast<GetClimDlg&>(d);
        EXPECT_TRUE(clickRow(dialog.countyGrid(), "O'Brien, IA"));
        EXPECT_EQ(columnTexts(dialog.stationGrid()), QStringList{"SHELDON"});
        EXPECT_EQ(dialog.findChild<QLabel*>("stationName")->text(), "SHELDON");
        EXPECT_TRUE(clickRow(dialog.countyGrid(), "Laramie, WY"));
        EXPECT_EQ(columnTexts(dialog.stationGrid(), 2).removeDuplicates(),
                  columnTexts(dialog.stationGrid()).size() - 1)
            << "only the county's stations";
        EXPECT_TRUE(dialog.okButton()->isEnabled());
        EXPECT_TRUE(clickRow(dialog.countyGrid(), "Nowhere, NV"));
        EXPECT_EQ(dialog.stationGrid()->model()->rowCount(), 0);
        EXPECT_FALSE(dialog.okButton()->isEnabled()) << "no station to take";
        return int(QDialog::Rejected); // the close box
    });
    click(panel().getNewClimateButton);
    EXPECT_EQ(messageTexts().last(), "The job has no climate station. Select a county with "
                                     "stations and one of its stations.");
    EXPECT_TRUE(panel().stationName->text().isEmpty());
    EXPECT_EQ(shown("kova::mainwin::ETMethodDlg"), 0) << "no method from an empty name";

    // The close box takes the station selected; the dialog opens on the job's own station.
    onStation("O'Brien, IA", "SHELDON");
    responder->queue(Answer::No);
    click(panel().getNewClimateButton);
    EXPECT_EQ(panel().stationName->text(), "SHELDON");
    EXPECT_EQ(panel().etLabel->text(), "Blaney Criddle (TR21)") << "no weather site: TR21";
    EXPECT_EQ(shown("kova::mainwin::ETMethodDlg"), 0) << "decided without asking";
}

TEST_F(MainWindow, ASavedJobReopensDisplaysDeletesSavesAndReopens) {
    open();
    std::vector<int> progress;
    QObject::connect(form->loadingIndicator()->bar(), &QProgressBar::valueChanged,
                     [&](int value) { progress.push_back(value); });
    openSample();
    EXPECT_EQ(progress.back(), 100);
    EXPECT_FALSE(form->loadingIndicator()->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the cursor is back";
    EXPECT_EQ(columnTexts(panel().cropGrid).size(), 5);
    EXPECT_FALSE(form->saveJobButton()->isEnabled());
    EXPECT_FALSE(panel().climateGroup->isEnabled()) << "a loaded job keeps its station";
    EXPECT_EQ(panel().locationEdit->text(), "Laramie County, WY");
    EXPECT_FALSE(panel().addCropButton->isEnabled() || panel().editCropButton->isEnabled())
        << "no crop command wired in this test";
    EXPECT_EQ(form->focusWidget(), panel().cropGrid);

    ASSERT_TRUE(clickRow(panel().cropGrid, "Barley"));
    onNextDialog([](QDialog& d) {
        auto& results = dynamic_cast<results::Outputdlg&>(d);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "busy only while computing";
        EXPECT_EQ(results.findChild<QLabel*>("job")->text(), kSample);
        EXPECT_EQ(results.summary().grid[7][0], "July");
        EXPECT_FALSE(results.summary().grid[7][1].isEmpty()) << "barley grows in July";
        EXPECT_FALSE(results.summaryReportButton()->isEnabled());
        return int(QDialog::Accepted);
    });
    click(panel().displayButton);
    ASSERT_EQ(shown("kova::results::Outputdlg"), 1);

    responder->queue(Answer::Yes);
    click(panel().deleteCropButton);
    EXPECT_EQ(responder->asked().back().text, "Do you really want to delete crop Barley?");
    EXPECT_TRUE(responder->asked().back().destructive);
    EXPECT_EQ(columnTexts(panel().cropGrid).size(), 4);
    ASSERT_TRUE(form->saveJobButton()->isEnabled());
    click(form->saveJobButton());
    EXPECT_EQ(countWhere("KovaJobCrop", "Job Name", kSample), 4);
    EXPECT_FALSE(form->saveJobButton()->isEnabled());

    openSample();
    EXPECT_FALSE(columnTexts(panel().cropGrid).contains("Barley"));
    EXPECT_EQ(columnTexts(panel().cropGrid).size(), 4);
}

TEST_F(MainWindow, RemoveJobsAsksFirstAndTheOpenJobGoesWithIt) {
    open();
    openSample();
    onNextDialog([this](QDialog& d) {
        auto& remove = dynamic_cast<RemoveJobsDlg&>(d);
        EXPECT_EQ(remove.grid()->model()->columnCount(), 15) << "every field of the job";
        EXPECT_TRUE(remove.deleteButton()->isDefault());
        EXPECT_TRUE(clickRow(remove.grid(), kSample));
        responder->queue(Answer::No);
        QTest::mouseClick(remove.deleteButton(), Qt::LeftButton);
        EXPECT_EQ(rowCount("KovaJob"), 1);
        EXPECT_TRUE(responder->asked().back().destructive) << "No is the default";
        EXPECT_EQ(responder->asked().back().text,
                  "Do you really want to delete job Cheyenne sample job?");
        responder->queue(Answer::Yes);
        QTest::mouseClick(remove.deleteButton(), Qt::LeftButton);
        EXPECT_EQ(rowCount("KovaJob"), 0);
        EXPECT_FALSE(remove.deleteButton()->isEnabled()) << "nothing left to delete";
        return int(QDialog::Accepted);
    });
    form->menuItem("&Maintain Job Database...")->trigger();
    settle();
    EXPECT_EQ(countWhere("KovaJobCrop", "Job Name", kSample), 0);
    EXPECT_FALSE(panelShown(*form)) << "the window no longer shows a job that is gone";
    EXPECT_FALSE(form->session().hasCrops());
    EXPECT_FALSE(form->saveJobButton()->isEnabled());
}

TEST_F(MainWindow, TheSavePromptComesOnceOnEachOfItsFiveOccasions) {
    struct Occasion {
        const char* name;
        std::function<void()> run;
        bool jobAfter; // the panel shows a job afterwards
    };
    const Occasion occasions[] = {
        {"New Job", [&] { click(form->newJobButton()); }, true},
        {"Get Prev Job",
         [&] {
             onJobList({}); // then the list is cancelled: no job is open
             click(form->prevJobButton());
         },
         false},
        {"Cancel", [&] { click(form->cancelButton()); }, false},
        {"File, Exit",
         [&] {
             form->menuItem("E&xit")->trigger();
             settle();
         },
         false},
        {"Exit", [&] { click(form->exitButton()); }, false},
    };
    for (const Occasion& occasion : occasions) {
        open();
        openSample();
        type(panel().plannerEdit, "Changed planner");
        leave();
        dialogsShown.clear();
        onSavePrompt(false);
        occasion.run();
        EXPECT_EQ(shown("kova::mainwin::SaveForm"), 1) << occasion.name;
        EXPECT_EQ(countWhere("KovaJob", "Planner", "Changed planner"), 0) << occasion.name;
        EXPECT_EQ(form->isVisible() && panelShown(*form), occasion.jobAfter) << occasion.name;
        EXPECT_EQ(rowCount("KovaWkCrop"), 0) << occasion.name << ": no crops of a dropped job";
        form.reset();
    }

    // "OK" saves before the command goes on.
    open();
    openSample();
    type(panel().plannerEdit, "Saved planner");
    leave();
    onSavePrompt(true);
    click(form->newJobButton());
    EXPECT_EQ(countWhere("KovaJob", "Planner", "Saved planner"), 1);
    EXPECT_TRUE(panelShown(*form));
    EXPECT_TRUE(panel().nameEdit->text().isEmpty()) << "the new job started";

    // Leaving with nothing changed asks nothing.
    dialogsShown.clear();
    click(form->cancelButton());
    EXPECT_TRUE(form->close());
    EXPECT_EQ(shown("kova::mainwin::SaveForm"), 0);
}

TEST_F(MainWindow, WithoutSavedJobsOrWithoutADatabaseTheWindowStaysUsable) {
    {
        store::Table jobs(QStringLiteral("KovaJob"));
        ASSERT_TRUE(jobs.open() && jobs.emptyTable());
    }
    open();
    click(form->prevJobButton());
    EXPECT_EQ(messageTexts().last(), "There are no previous jobs available.");
    EXPECT_FALSE(form->prevJobButton()->isEnabled());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    form.reset();

    store::Database::closeAll();
    store::AliasTarget gone;
    gone.databaseFile = database.dir() + "/gone.sqlite";
    store::AliasRegistry::instance().define(store::kDefaultAlias, gone);
    responder->clear();
    open();
    ASSERT_EQ(responder->asked().size(), 1u);
    EXPECT_TRUE(responder->asked()[0].text.endsWith("cannot be opened: the file does not exist."));
    EXPECT_FALSE(form->newJobButton()->isEnabled() || form->prevJobButton()->isEnabled());
    EXPECT_FALSE(form->menuItem("&System Defaults")->isEnabled());
    EXPECT_TRUE(form->menuItem("&About")->isEnabled());
    EXPECT_TRUE(form->close());
}

TEST_F(MainWindow, CommandsOfOtherWindowsAreDisabledUntilWiredAndThenRunOnce) {
    open();
    const char* reports[] = {"Single Crop &Report", "Single Crop &Details", "Job Crop &Summary",
                             "&List of Jobs"};
    for (const char* item : reports)
        EXPECT_FALSE(form->menuItem(item)->isEnabled()) << item;
    form.reset();

    QStringList ran;
    commands.reports.singleCropReport = [&](job::JobSession& session, QWidget*) {
        ran << "single crop report of " + session.kova().JobName;
    };
    commands.reports.listOfJobs = [&](const QString& alias, QWidget*) {
        ran << "list of jobs of " + alias;
    };
    commands.crops.addNewCrop = [&](job::JobSession& session, const results::CropResultsActions&,
                                    QWidget*) {
        ran << "add crop at state " + QString::number(session.jobState());
        session.cancelAddCrop();
    };
    open();
    EXPECT_TRUE(form->menuItem("&List of Jobs")->isEnabled());
    EXPECT_FALSE(form->menuItem("Job Crop &Summary")->isEnabled());
    form->menuItem("Single Crop &Report")->trigger();
    EXPECT_EQ(messageTexts().last(), "There must be an active job to print a report.");
    EXPECT_TRUE(ran.isEmpty());
    openSample();
    form->menuItem("Single Crop &Report")->trigger();
    form->menuItem("&List of Jobs")->trigger();
    click(panel().addCropButton);
    EXPECT_EQ(ran, QStringList({"single crop report of Cheyenne sample job", "list of jobs of Kova",
                                "add crop at state 2"}));
    EXPECT_EQ(form->session().jobState(), 0) << "a cancelled add puts the state back";
}

TEST_F(MainWindow, TheProgramOpensEveryChartAndReportOfTheCropShownAndOfTheJob) {
    commands = programCommands();
    open();
    openSample();
    for (const char* item :
         {"Single Crop &Report", "Single Crop &Details", "Job Crop &Summary", "&List of Jobs"})
        EXPECT_TRUE(form->menuItem(item)->isEnabled()) << item;

    ASSERT_TRUE(clickRow(panel().cropGrid, "Barley"));
    onNextDialog([this](QDialog& d) {
        auto& results = dynamic_cast<results::Outputdlg&>(d);
        for (QPushButton* b : {results.summaryReportButton(), results.detailsReportButton(),
                               results.chartButton(), results.curvesButton()})
            EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
        QTest::mouseClick(results.summaryReportButton(), Qt::LeftButton);
        onNextDialog([](QDialog& chart) {
            EXPECT_EQ(chart.windowTitle(), "Kc and ET Curves");
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(results.curvesButton(), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    click(panel().displayButton);
    EXPECT_EQ(shown("kova::results::CurvesForm"), 1);
    ASSERT_EQ(reportFiles.size(), 1);
    EXPECT_TRUE(reportText(0).contains("Crop Data Summary"));
    EXPECT_TRUE(reportText(0).contains("Barley"));

    form->menuItem("Job Crop &Summary")->trigger();
    ASSERT_EQ(reportFiles.size(), 2);
    for (const char* crop : {"Barley", "Corn (grain)", "Dry beans"})
        EXPECT_TRUE(reportText(1).contains(crop)) << crop;
    form->menuItem("&List of Jobs")->trigger();
    ASSERT_EQ(reportFiles.size(), 3);
    EXPECT_TRUE(reportText(2).contains(kSample));
}

} // namespace kova::mainwin::test
