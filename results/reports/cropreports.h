#pragma once
// The two single-crop reports of the crop on display: "Crop Data Summary" (the results
// window's table on paper, with its footnotes; the report form TFrmQRJobCrop) and "Crop Data
// Details" (the monthly climate and intermediate values behind the result; TFrmQRCropDetail).
// Both print on Letter paper over the one row of the Report table.

#include "resultsreport.h"

namespace kova::results {

std::unique_ptr<ResultsReport> buildCropSummaryReport(const ResultsSource& source);
std::unique_ptr<ResultsReport> buildCropDetailsReport(const ResultsSource& source);

} // namespace kova::results
