#pragma once
// The demo's report: one detail band per station of the table's current view and a summary
// band with the average monthly temperature of the listed stations drawn as a chart.

class QWidget;

namespace kova::store {
class Table;
}

namespace kova::uidemo {

// Lays the report out and opens its preview; returns the number of pages (0: no rows).
int previewStationReport(kova::store::Table& stations, QWidget* parent);

} // namespace kova::uidemo
