#include "barchart.h"

#include "waterchart.h"

#include "results/reports/chartreports.h"

namespace kova::results {

namespace {

constexpr int kBarChartHelp = 19402;

ChartWindowSetup barSetup(const ResultsSource& source) {
    return {QStringLiteral("Kova Chart"),
            QStringLiteral("WR Report"),
            kBarChartHelp,
            buildWaterChart(source.kova, ChanceYear::Normal50, ChartVariant::Window),
            buildWaterChart(source.kova, ChanceYear::Dry80, ChartVariant::Window),
            buildWaterReport};
}

} // namespace

BarChart::BarChart(const ResultsSource& source, QWidget* parent)
    : ChartWindow(source, barSetup(source), parent) {}

} // namespace kova::results
