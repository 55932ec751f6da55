// The chart windows, the crop report dialog and the one call per results button and Reports
// menu command, driven offscreen on a job session as the main program drives them.

#include "jobfixture.h"
#include "windowfit.h"
#include "windowfixture.h"

#include "results/charts/barchart.h"
#include "results/charts/curvesform.h"
#include "results/reports/cropreportdlg.h"
#include "results/reports/resultscommands.h"

#include "ui/datagrid.h"

#include <QAbstractItemModel>
#include <QChart>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace kova::test {

namespace {

using namespace kova::results;

const QString kNoJob = QStringLiteral("There must be an active job to print a report.");

class ResultsWindows : public WindowFixture {
protected:
    void SetUp() override { ASSERT_TRUE(session.start()); }

    void openSampleJob() {
        dialogs.job = QStringLiteral("Cheyenne sample job");
        ASSERT_TRUE(session.getPrevJob());
    }
    void displayCrop(const QString& name) {
        store::Table& wk = session.workingCrops();
        for (wk.first(); !wk.eof(); wk.next())
            if (wk.asString(QStringLiteral("Crop Name")) == name)
                break;
        ASSERT_TRUE(session.displayCrop());
    }
    ResultsSource source() {
        return {session.kova(), session.calculation().curve, session.alias()};
    }
    // "Print Crop Report" answered by choosing `crop` and pressing OK (or double-clicking it).
    void chooseInCropReportDialog(const QString& crop, bool doubleClick = false) {
        onNextDialog([crop, doubleClick](QDialog& dialog) {
            auto& choice = static_cast<CropReportDlg&>(dialog);
            EXPECT_EQ(choice.windowTitle(), "Print Crop Report");
            EXPECT_TRUE(choice.okButton()->isDefault());
            ui::DataGrid* grid = choice.grid();
            QModelIndex row;
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                if (grid->model()->index(r, 0).data().toString() == crop)
                    row = grid->model()->index(r, 0);
            EXPECT_TRUE(row.isValid());
            grid->setCurrentIndex(row);
            if (doubleClick)
                emit grid->doubleClicked(row);
            else
                choice.okButton()->click();
            return dialog.result();
        });
    }

    job::JobMessageLog jobMessages;
    ScriptedDialogs dialogs;
    job::JobSession session{jobMessages, dialogs};
};

TEST_F(ResultsWindows, CurveWindowDrawsTheCropOnDisplayAndPreviewsItsReport) {
    openSampleJob();
    displayCrop("Corn (grain)");
    onNextDialog([this](QDialog& dialog) {
        auto& curves = static_cast<CurvesForm&>(dialog);
        EXPECT_EQ(curves.windowTitle(), "Kc and ET Curves");
        EXPECT_EQ(curves.reportButton()->text(), "ET Kc Graph Report");
        EXPECT_EQ(windowFitsSmallestScreen(curves), "");
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
        auto* etc = qobject_cast<QLineSeries*>(curves.etChart()->series().value(0));
        EXPECT_EQ(etc->name(), "ETc (Crop)");
        EXPECT_EQ(etc->count(), int(session.calculation().curve.Days.size()));
        EXPECT_EQ(curves.kcChart()->title(), "Crop Coefficient Chart");
        curves.reportButton()->click();
        return int(QDialog::Accepted);
    });
    etKcCurvesClick(nullptr, resultsSourceOf(session));
    EXPECT_EQ(dialogsShown, QStringList{"kova::results::CurvesForm"});
    ASSERT_EQ(reportFiles.size(), 1);
    EXPECT_TRUE(reportText(0).contains("Crop ET and Kc Curves"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ResultsWindows, BarChartWindowShowsBothYearsAndPreviewsTheWaterReportAsPicturesOnly) {
    openSampleJob();
    displayCrop("Barley");
    QList<report::ExportFormat> offered;
    const auto previous = report::setPreviewPresenter(
        [&offered](report::PreviewWindow& preview) { offered = preview.exportFormats(); });
    onNextDialog([](QDialog& dialog) {
        auto& bars = static_cast<BarChart&>(dialog);
        EXPECT_EQ(bars.windowTitle(), "Kova Chart");
        EXPECT_EQ(bars.reportButton()->text(), "WR Report");
        EXPECT_EQ(bars.normalYearChart()->title(),
                  "<center>Kova<br>Normal Year (50%chance)</center>");
        EXPECT_EQ(bars.dryYearChart()->title(), "<center>Kova<br>Dry Year (80% chance)</center>");
        EXPECT_EQ(windowFitsSmallestScreen(bars), "");
        bars.reportButton()->click();
        return int(QDialog::Accepted);
    });
    kovaChartClick(nullptr, resultsSourceOf(session));
    report::setPreviewPresenter(previous);
    EXPECT_EQ(dialogsShown, QStringList{"kova::results::BarChart"});
    EXPECT_EQ(offered, report::imageExportFormats());
}

TEST_F(ResultsWindows, ResultsButtonsPrintTheCropOnDisplayWithoutComputingAgain) {
    openSampleJob();
    displayCrop("Corn (grain)");
    session.workingCrops().first(); // the grid moved on; the record still holds the corn
    summaryReportClick(nullptr, resultsSourceOf(session));
    detailsReportClick(nullptr, resultsSourceOf(session));
    ASSERT_EQ(reportFiles.size(), 2);
    EXPECT_TRUE(reportText(0).contains("Crop Data Summary"));
    EXPECT_TRUE(reportText(0).contains("Corn (grain)"));
    EXPECT_TRUE(reportText(1).contains("Crop Data Details"));
    EXPECT_EQ(session.kova().CropName, "Corn (grain)");
}

TEST_F(ResultsWindows, SingleCropReportsAskForTheCropAndComputeItFirst) {
    EXPECT_FALSE(singleCropReportClick(nullptr, session));
    EXPECT_EQ(messageTexts(), QStringList{kNoJob});
    EXPECT_TRUE(dialogsShown.isEmpty());

    openSampleJob();
    displayCrop("Corn (grain)");
    chooseInCropReportDialog("Barley");
    EXPECT_TRUE(singleCropReportClick(nullptr, session));
    EXPECT_EQ(session.kova().CropName, "Barley");
    EXPECT_EQ(session.workingCrops().asString("Crop Name"), "Barley");
    ASSERT_EQ(reportFiles.size(), 1);
    EXPECT_TRUE(reportText(0).contains("Barley"));

    chooseInCropReportDialog("Dry beans", true);
    EXPECT_TRUE(singleCropDetailsClick(nullptr, session));
    EXPECT_EQ(session.kova().CropName, "Dry beans");
    ASSERT_EQ(reportFiles.size(), 2);
    EXPECT_TRUE(reportText(1).contains("Crop Data Details"));

    // Cancel: nothing computed, nothing printed.
    onNextDialog([](QDialog& dialog) {
        static_cast<CropReportDlg&>(dialog).cancelButton()->click();
        return dialog.result();
    });
    EXPECT_FALSE(singleCropReportClick(nullptr, session));
    EXPECT_EQ(session.kova().CropName, "Dry beans");
    EXPECT_EQ(reportFiles.size(), 2);
}

TEST_F(ResultsWindows, JobReportsNeedAJobOrASavedJob) {
    EXPECT_FALSE(jobCropSummaryClick(nullptr, session));
    EXPECT_EQ(messageTexts(), QStringList{kNoJob});
    listOfJobsClick(nullptr, session.alias());
    ASSERT_EQ(reportFiles.size(), 1);
    EXPECT_TRUE(reportText(0).contains("Cheyenne sample job"));

    openSampleJob();
    displayCrop("Barley");
    EXPECT_TRUE(jobCropSummaryClick(nullptr, session));
    ASSERT_EQ(reportFiles.size(), 2);
    EXPECT_EQ(reportText(1).count("Mo. Net Irrig. Req. (In)"), 5);
    EXPECT_EQ(session.kova().CropName, "Barley"); // nothing recomputed

    dialogs.answers.push_back(true); // Yes to "Do you really want to delete job ...?"
    ASSERT_TRUE(session.removeJob("Cheyenne sample job"));
    responder->clear();
    listOfJobsClick(nullptr, session.alias());
    EXPECT_EQ(messageTexts(), QStringList{"There is nothing to print."});
    EXPECT_EQ(reportFiles.size(), 2);
}

TEST_F(ResultsWindows, EveryWindowFitsTheSmallestScreen) {
    openSampleJob();
    displayCrop("Alfalfa hay");
    CurvesForm curves(source());
    BarChart bars(source());
    CropReportDlg choice(session.workingCrops());
    for (QWidget* window : std::initializer_list<QWidget*>{&curves, &bars, &choice})
        EXPECT_EQ(windowFitsSmallestScreen(*window), "") << window->windowTitle().toStdString();
}

} // namespace

} // namespace kova::test
