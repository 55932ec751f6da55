#pragma once
// The monthly water chart of a computed crop for a normal or a dry year: per month, stacked
// from the bottom, the carry-over used, the effective precipitation and the irrigation
// required (its value marked above the bar). The bar chart window and the monthly crop water
// requirements report build it here.

#include "chartstyle.h"

#include "calc/tkova.h"

class QChart;

namespace kova::results {

enum class ChanceYear { Normal50, Dry80 };

struct WaterNames {
    QString carryOver = QStringLiteral("Carryover Used");
    QString precipitation = QStringLiteral("Effective Precipitation");
    QString irrigation = QStringLiteral("Irrigation Required");
    QString valueMarks = QStringLiteral("Irrigation Required values");
};

// "Kova" over the year's line: "Normal Year (50%chance)" in the window,
// "Normal Year (50% chance)" on paper, "Dry Year (80% chance)" in both.
QString waterChartTitle(ChanceYear year, ChartVariant variant);

// A new chart, owned by the caller.
QChart* buildWaterChart(const calc::TKova& kova, ChanceYear year, ChartVariant variant);

} // namespace kova::results
