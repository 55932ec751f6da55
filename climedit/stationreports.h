#pragma once
// The three reports of the climate station form, built over `Climate` as the table shows it.
// Each builder leaves the table as it found it; the caller sets order and filter first.

#include "report/tablereport.h"

#include <memory>

namespace kova::climedit {

using report::TableReport;

// The heading of every climate station report.
inline const QString kStationHeading = QStringLiteral("Kova Climate Database");

// "Station List, By County": the stations grouped by county (the table must be ordered by
// 'CountyIndex').
std::unique_ptr<TableReport> buildStationListByCounty(store::Table& climate);
// "List of All Stations": in the table's current order.
std::unique_ptr<TableReport> buildStationList(store::Table& climate);
// "Selected Station Details": every field of each station shown (the marked ones).
std::unique_ptr<TableReport> buildStationDetails(store::Table& climate);

} // namespace kova::climedit
