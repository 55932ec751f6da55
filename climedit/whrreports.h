#pragma once
// The two reports of the WHR form, over `ClimWHR` as the table shows it.

#include "report/tablereport.h"

#include <memory>

namespace kova::climedit {

using report::TableReport;

// The heading of both WHR reports.
inline const QString kWHRHeading = QStringLiteral("Kova: Wind, Humidity and Radiation Database");

// "List of Data Source Locations": each site with its description.
std::unique_ptr<TableReport> buildWHRLocationList(store::Table& whr);
// "Selected Stations, Details": every monthly series of each site shown (the marked ones).
std::unique_ptr<TableReport> buildWHRDetails(store::Table& whr);

} // namespace kova::climedit
