// The results window over a crop of the sample job: the items of its curve kind, the
// footnotes, the seam of its report and chart buttons, and the grid copied to the clipboard.

#include "qtprinting.h"
#include "windowfixture.h"

#include "main/job/jobsession.h"
#include "results/output/outputdlg.h"
#include "store/table.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace kova::results::test {

namespace {

class OpensTheSample : public job::JobDialogs {
public:
    bool confirm(job::Question, const QString&) override { return false; }
    bool offerSave(const QString&) override { return false; }
    std::optional<QString> pickStation(const QString&) override { return std::nullopt; }
    int chooseMethod(const job::MethodChoices& choices) override {
        return job::chosenMethod(choices);
    }
    std::optional<QString> pickJob() override { return QStringLiteral("Cheyenne sample job"); }
};

class ResultsWindow : public kova::test::WindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(session.start());
        ASSERT_TRUE(session.getPrevJob()) << log.texts().join(" | ").toStdString();
    }
    // The crop named, computed as "Display Crop" computes it.
    void display(const QString& crop) {
        store::Table& wk = session.workingCrops();
        for (wk.first(); !wk.eof() && wk.asString("Crop Name") != crop; wk.next()) {
        }
        ASSERT_FALSE(wk.eof()) << crop.toStdString();
        ASSERT_TRUE(session.displayCrop());
    }
    CropResultsContext context() {
        return {session.calculation(), session.workingCrops(), session.alias()};
    }
    static bool shown(const Outputdlg& w, const char* name) {
        return w.findChild<QLabel*>(name)->isVisibleTo(&w);
    }

    job::JobMessageLog log;
    OpensTheSample dialogs;
    job::JobSession session{log, dialogs};
};

} // namespace

TEST_F(ResultsWindow, ShowsTheItemsOfTheCurveKindAndItsFootnotes) {
    display("Alfalfa hay");
    {
        Outputdlg window(context(), {});
        EXPECT_EQ(window.windowTitle(), "Summary of Current Crop for Current Job");
        EXPECT_TRUE(shown(window, "firstCut")) << "a hay crop shows its cuttings";
        EXPECT_EQ(window.findChild<QLabel*>("firstCut")->text(), session.kova().Cut1Text);
        EXPECT_EQ(window.grid()->item(0, 3)->text(), " (inches)(2)");
        EXPECT_EQ(window.grid()->item(7, 0)->text(), "July");
        EXPECT_EQ(window.findChild<QLabel*>("lblETTot")->text(),
                  QString::number(session.kova().ETTotal, 'f', 2));
        EXPECT_TRUE(window.findChild<QLabel*>("footnote1")->isEnabled());
        EXPECT_FALSE(window.findChild<QLabel*>("footnote3")->isEnabled()) << "not TR21";
        // The crop's own settings come from its working row.
        bool cropShown = false;
        for (auto* label : window.findChildren<QLabel*>())
            cropShown = cropShown || label->text() == "Alfalfa hay";
        EXPECT_TRUE(cropShown);
    }
    calc::TKova& k = session.calculation().kova;
    k.Hay = false;
    k.CarryBeg = k.CarryEnd = 0;
    {
        Outputdlg window(context(), {});
        EXPECT_FALSE(shown(window, "firstCut"));
        EXPECT_FALSE(window.findChild<QLabel*>("footnote2")->isEnabled()) << "no carry-over";
    }
    k.CurveIndex = calc::kCurveTR21Annual;
    k.ETMethodText = "Blaney Criddle (TR21)";
    Outputdlg window(context(), {});
    EXPECT_FALSE(shown(window, "firstCut"));
    bool soilShown = false;
    for (auto* label : window.findChildren<QLabel*>())
        soilShown = soilShown || (label->text() == "Surface Soil:" && label->isVisibleTo(&window));
    EXPECT_FALSE(soilShown) << "a TR21 curve shows no soil, irrigation, wetting or stress";
    EXPECT_TRUE(window.findChild<QLabel*>("footnote3")->isEnabled());
}

TEST_F(ResultsWindow, ReportAndChartButtonsOpenWhatTheProgramHandsThem) {
    display("Barley");
    {
        Outputdlg window(context(), {});
        for (QPushButton* b : {window.summaryReportButton(), window.detailsReportButton(),
                               window.chartButton(), window.curvesButton()})
            EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    }
    QStringList opened;
    CropResultsActions actions;
    actions.barChart = [&](const CropResultsContext& crop, QWidget* parent) {
        opened << crop.workingCrop.asString("Crop Name") + " " + crop.calculation.kova.JobName;
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "run under the busy cursor";
        EXPECT_NE(parent, nullptr);
    };
    Outputdlg window(context(), actions);
    EXPECT_TRUE(window.chartButton()->isEnabled());
    EXPECT_FALSE(window.curvesButton()->isEnabled());
    QTest::mouseClick(window.chartButton(), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{"Barley Cheyenne sample job"});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ResultsWindow, CtrlCCopiesTheSelectedCellsOrTheWholeGridAsTabSeparatedText) {
    display("Barley");
    Outputdlg window(context(), {});
    window.show();
    QTableWidget* grid = window.grid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList all = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(all.size(), 13);
    EXPECT_EQ(all[0].count('\t'), 7);
    EXPECT_TRUE(all[1].startsWith("January\t"));

    grid->setRangeSelected(QTableWidgetSelectionRange(7, 0, 8, 2), true);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const auto& k = session.kova();
    EXPECT_EQ(QApplication::clipboard()->text(), QString("July\t%1\t%2\nAugust\t%3\t%4\n")
                                                     .arg(k.ETMonth[7], 0, 'f', 2)
                                                     .arg(k.EP80[7], 0, 'f', 2)
                                                     .arg(k.ETMonth[8], 0, 'f', 2)
                                                     .arg(k.EP80[8], 0, 'f', 2));
}

} // namespace kova::results::test
