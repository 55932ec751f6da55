#include "chartreports.h"

#include "cropheader.h"
#include "reportparts.h"

#include "results/charts/curvecharts.h"
#include "results/charts/curvepoints.h"
#include "results/charts/waterchart.h"

namespace kova::results {

namespace {

constexpr qreal kChartGap = 2;

std::unique_ptr<ResultsReport> newChartReport(const ResultsSource& source, const QString& subtitle,
                                              const QString& footerSpace,
                                              const QString& dataTable) {
    auto built = std::make_unique<ResultsReport>();
    report::Report& r = built->report;
    r.setDocumentName(subtitle);
    built->exportFormats = report::imageExportFormats();
    addProductTitle(r.title(), r.bodyWidth(), subtitle);
    addFooter(r, QStringLiteral("Date:") + footerSpace, QStringLiteral("Page:") + footerSpace);
    walkOneRowTable(*built, source.alias, dataTable);
    return built;
}

// Two charts one above the other, filling the rest of the page under the header.
void addTwoCharts(report::Report& r, qreal top, report::ChartFactory upper,
                  report::ChartFactory lower) {
    const qreal width = r.bodyWidth();
    const qreal body = r.pageLayout().paintRect(QPageLayout::Millimeter).height() -
                       r.title().height() - r.pageFooter().height();
    const qreal height = (body - top - kChartGap) / 2 - 1;
    r.detail().addChart({0, top, width, height}, std::move(upper));
    r.detail().addChart({0, top + height + kChartGap, width, height}, std::move(lower));
    r.detail().setHeight(top + 2 * height + kChartGap);
}

// Title, footer, the header of `kind` and the two charts the factories build.
std::unique_ptr<ResultsReport> chartReport(const ResultsSource& source, const QString& subtitle,
                                           const QString& footerSpace, const QString& dataTable,
                                           CropHeaderKind kind, report::ChartFactory upper,
                                           report::ChartFactory lower) {
    auto built = newChartReport(source, subtitle, footerSpace, dataTable);
    report::Report& r = built->report;
    const qreal top = addCropHeader(r.detail(), source.kova, kind) + 1;
    addTwoCharts(r, top, std::move(upper), std::move(lower));
    return built;
}

} // namespace

std::unique_ptr<ResultsReport> buildCurvesReport(const ResultsSource& source) {
    const calc::TKova& k = source.kova;
    const calc::TCropCurve& curve = source.curve;
    return chartReport(
        source, QStringLiteral("Crop ET and Kc Curves"), QStringLiteral(" "),
        QStringLiteral("SystemDefaults"), CropHeaderKind::Curves,
        [&k, &curve](const report::PrintContext&) {
            return buildETChart(curvePoints(k, curve), ChartVariant::Report);
        },
        [&k, &curve](const report::PrintContext&) {
            return buildKcChart(curvePoints(k, curve), ChartVariant::Report);
        });
}

std::unique_ptr<ResultsReport> buildWaterReport(const ResultsSource& source) {
    const calc::TKova& k = source.kova;
    return chartReport(
        source, QStringLiteral("Monthly Crop Water Requirements"), QStringLiteral("  "),
        QStringLiteral("Report"), CropHeaderKind::Bars,
        [&k](const report::PrintContext&) {
            return buildWaterChart(k, ChanceYear::Normal50, ChartVariant::Report);
        },
        [&k](const report::PrintContext&) {
            return buildWaterChart(k, ChanceYear::Dry80, ChartVariant::Report);
        });
}

} // namespace kova::results
