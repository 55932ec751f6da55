#include "curvesform.h"

#include "curvecharts.h"
#include "curvepoints.h"

#include "results/reports/chartreports.h"

namespace kova::results {

namespace {

constexpr int kCurvesHelp = 19401;

ChartWindowSetup curvesSetup(const ResultsSource& source) {
    const CurvePoints points = curvePoints(source.kova, source.curve);
    return {QStringLiteral("Kc and ET Curves"),
            QStringLiteral("ET Kc Graph Report"),
            kCurvesHelp,
            buildETChart(points, ChartVariant::Window),
            buildKcChart(points, ChartVariant::Window),
            buildCurvesReport};
}

} // namespace

CurvesForm::CurvesForm(const ResultsSource& source, QWidget* parent)
    : ChartWindow(source, curvesSetup(source), parent) {}

} // namespace kova::results
