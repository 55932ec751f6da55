#include "resultscommands.h"

#include "chartreports.h"
#include "cropreportdlg.h"
#include "cropreports.h"
#include "jobreports.h"

#include "results/charts/barchart.h"
#include "results/charts/chartwindow.h"
#include "results/charts/curvesform.h"

#include "main/job/jobfeedback.h"
#include "main/job/jobsession.h"

#include "ui/busycursor.h"
#include "ui/messages.h"
#include "ui/modal.h"

#include "store/table.h"

#include <functional>

namespace kova::results {

ResultsSource resultsSourceOf(job::JobSession& session) {
    return {session.kova(), session.calculation().curve, session.alias()};
}

namespace {

void preview(QWidget* parent, const ReportBuilder& build, const ResultsSource& source) {
    std::unique_ptr<ResultsReport> built;
    {
        const ui::BusyCursor busy;
        built = build(source);
    }
    previewResultsReport(*built, parent);
}

template <class Window> void showChartWindow(QWidget* parent, const ResultsSource& source) {
    std::unique_ptr<Window> window;
    {
        const ui::BusyCursor busy;
        window = std::make_unique<Window>(source, parent);
    }
    ui::showModal(*window);
}

bool hasActiveJob(QWidget* parent, job::JobSession& session) {
    if (session.hasCrops())
        return true;
    ui::Messages::information(job::text::kNoActiveJob, parent);
    return false;
}

// "Print Crop Report", then the chosen crop computed as "Display Crop" computes it.
bool chooseAndComputeCrop(QWidget* parent, job::JobSession& session) {
    if (!hasActiveJob(parent, session))
        return false;
    CropReportDlg dialog(session.workingCrops(), parent);
    ui::showModal(dialog);
    if (dialog.reportCancelled())
        return false;
    const ui::BusyCursor busy;
    return session.displayCrop();
}

} // namespace

void summaryReportClick(QWidget* parent, const ResultsSource& crop) {
    preview(parent, buildCropSummaryReport, crop);
}

void detailsReportClick(QWidget* parent, const ResultsSource& crop) {
    preview(parent, buildCropDetailsReport, crop);
}

void kovaChartClick(QWidget* parent, const ResultsSource& crop) {
    showChartWindow<BarChart>(parent, crop);
}

void etKcCurvesClick(QWidget* parent, const ResultsSource& crop) {
    showChartWindow<CurvesForm>(parent, crop);
}

bool singleCropReportClick(QWidget* parent, job::JobSession& session) {
    if (!chooseAndComputeCrop(parent, session))
        return false;
    preview(parent, buildCropSummaryReport, resultsSourceOf(session));
    return true;
}

bool singleCropDetailsClick(QWidget* parent, job::JobSession& session) {
    if (!chooseAndComputeCrop(parent, session))
        return false;
    preview(parent, buildCropDetailsReport, resultsSourceOf(session));
    return true;
}

bool jobCropSummaryClick(QWidget* parent, job::JobSession& session) {
    if (!hasActiveJob(parent, session))
        return false;
    session.workingCrops().first();
    preview(
        parent,
        [&session](const ResultsSource& source) {
            return buildJobSummaryReport(source.kova, session.workingCrops());
        },
        resultsSourceOf(session));
    return true;
}

void listOfJobsClick(QWidget* parent, const QString& alias) {
    std::unique_ptr<ResultsReport> built;
    {
        const ui::BusyCursor busy;
        built = buildJobListReport(alias);
    }
    previewResultsReport(*built, parent);
}

} // namespace kova::results
