#include "program.h"

#include "cropcommands.h"

#include "results/reports/resultscommands.h"

#include "ui/aboutbox.h"
#include "ui/helpviewer.h"
#include "ui/modal.h"

#include <QApplication>

namespace kova::mainwin {

namespace {

// A results window button opens its chart or report on the crop the window shows.
results::CropResultsAction onCropShown(void (*open)(QWidget*, const results::ResultsSource&)) {
    return [open](const results::CropResultsContext& crop, QWidget* parent) {
        open(parent, {crop.calculation.kova, crop.calculation.curve, crop.alias});
    };
}

// A Reports menu command; whether it previewed anything is its own business.
JobCommand onJob(bool (*run)(QWidget*, job::JobSession&)) {
    return [run](job::JobSession& session, QWidget* parent) { run(parent, session); };
}

} // namespace

ProgramCommands programCommands() {
    ProgramCommands commands;
    commands.crops.addNewCrop = addNewCrop;
    commands.crops.editCrop = editCrop;
    commands.reports.singleCropReport = onJob(results::singleCropReportClick);
    commands.reports.singleCropDetails = onJob(results::singleCropDetailsClick);
    commands.reports.jobCropSummary = onJob(results::jobCropSummaryClick);
    commands.reports.listOfJobs = [](const QString& alias, QWidget* parent) {
        results::listOfJobsClick(parent, alias);
    };
    commands.results.summaryReport = onCropShown(results::summaryReportClick);
    commands.results.detailsReport = onCropShown(results::detailsReportClick);
    commands.results.barChart = onCropShown(results::kovaChartClick);
    commands.results.curves = onCropShown(results::etKcCurvesClick);
    return commands;
}

void setUpProgram() {
    QApplication::setApplicationName(kProgramTitle);
    ui::Help::setHelpFile(kStartHelpFile);
}

void showAboutBox(QWidget* parent) {
    ui::AboutBox box(kProgramTitle, kProgramVersion, parent);
    ui::showModal(box);
}

} // namespace kova::mainwin
