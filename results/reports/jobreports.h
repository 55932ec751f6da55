#pragma once
// The reports of more than one crop or job: the job crop summary (TFrmQRSumRpt: the station
// block once, one band per crop of the job in work with its monthly net irrigation and peak
// requirements) and the list of saved jobs (TFrmQRJobList).

#include "resultsreport.h"

namespace kova::results {

// Over `workingCrops` in its current order; the station block reads the calculation record
// as the crop computed last left it. The table must outlive the report.
std::unique_ptr<ResultsReport> buildJobSummaryReport(const calc::TKova& kova,
                                                     store::Table& workingCrops);
// Over the saved jobs of the database behind `alias`; prints nothing when there is none.
std::unique_ptr<ResultsReport> buildJobListReport(const QString& alias);

} // namespace kova::results
