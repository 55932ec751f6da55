#pragma once
// One call for each chart and report the main program opens, as its windows run them (each
// with the busy cursor while it works; the charts and previews show the arrow while they are
// open). The results window's buttons show the crop on display and compute nothing; the
// Reports menu's single-crop commands ask for the crop and compute it first.

#include "resultsreport.h"

#include <QString>

class QWidget;

namespace kova::job {
class JobSession;
}

namespace kova::results {

// What the charts and reports read of the job in work: the crop it computed last.
ResultsSource resultsSourceOf(job::JobSession& session);

// --- results window: the crop on display -------------------------------------------------------
void summaryReportClick(QWidget* parent, const ResultsSource& crop); // "Summary Report"
void detailsReportClick(QWidget* parent, const ResultsSource& crop); // "Details Report"
void kovaChartClick(QWidget* parent, const ResultsSource& crop);     // "Kova Chart"
void etKcCurvesClick(QWidget* parent, const ResultsSource& crop);    // "ET Kc Curves"

// --- main window, "Reports" menu -------------------------------------------------------------
// "There must be an active job to print a report." without working crops; then "Print Crop
// Report", and for the crop chosen the calculation and the preview. False when nothing was
// previewed (no job, "Cancel", a computation that failed).
bool singleCropReportClick(QWidget* parent, job::JobSession& session);  // "Single Crop &Report"
bool singleCropDetailsClick(QWidget* parent, job::JobSession& session); // "Single Crop &Details"
// Every crop of the job in work as computed; nothing is recomputed.
bool jobCropSummaryClick(QWidget* parent, job::JobSession& session); // "Job Crop &Summary"
// The saved jobs of the database behind `alias`; "There is nothing to print." when there is none.
void listOfJobsClick(QWidget* parent, const QString& alias); // "&List of Jobs"

} // namespace kova::results
