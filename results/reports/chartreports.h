#pragma once
// The printed forms of the two chart windows: "Crop ET and Kc Curves" (TFrmQRGraph, over the
// one row of SystemDefaults) and "Monthly Crop Water Requirements" (TFrmQRBar, over the one
// row of Report). Both export to the picture formats only.

#include "resultsreport.h"

namespace kova::results {

std::unique_ptr<ResultsReport> buildCurvesReport(const ResultsSource& source);
std::unique_ptr<ResultsReport> buildWaterReport(const ResultsSource& source);

} // namespace kova::results
