#pragma once
// What the results window's report and chart buttons open. The charts and reports are built
// apart from the window; a button whose action is not set stays disabled.

#include "calc/compute.h"

#include <QString>
#include <functional>

class QWidget;

namespace kova::store {
class Table;
}

namespace kova::results {

// What a report or chart of the crop shown reads: the calculation the crop was just computed
// in (`kova`, `curve`), the working crop row the table stands on, and the database alias
// (the daily curve in 'ETKc', the defaults).
struct CropResultsContext {
    const calc::Calculation& calculation;
    store::Table& workingCrop;
    QString alias;
};

// Builds and shows its report preview or chart window modally over `parent`; the results
// window runs it under the busy cursor.
using CropResultsAction = std::function<void(const CropResultsContext& crop, QWidget* parent)>;

struct CropResultsActions {
    CropResultsAction summaryReport; // "Summary Report": the single crop report
    CropResultsAction detailsReport; // "Details Report": the crop details report
    CropResultsAction barChart;      // "Kova Chart"
    CropResultsAction curves;        // "ET Kc Curves"
};

} // namespace kova::results
