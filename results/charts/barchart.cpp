#include "barchart.h"

#include "chartwindow.h"
#include "waterchart.h"

#include "results/reports/chartreports.h"

#include "ui/busycursor.h"
#include "ui/helpviewer.h"
#include "ui/placement.h"

#include <QChartView>
#include <QPushButton>

namespace kova::results {

namespace {
constexpr int kBarChartHelp = 19402;
}

BarChart::BarChart(const ResultsSource& source, QWidget* parent)
    : QDialog(parent), source_(source) {
    setWindowTitle(QStringLiteral("Kova Chart"));
    const ChartWindowParts parts =
        buildChartWindow(*this, QStringLiteral("WR Report"),
                         buildWaterChart(source.kova, ChanceYear::Normal50, ChartVariant::Window),
                         buildWaterChart(source.kova, ChanceYear::Dry80, ChartVariant::Window));
    normalView_ = parts.upper;
    dryView_ = parts.lower;
    reportButton_ = parts.report;
    closeButton_ = parts.close;
    connect(reportButton_, &QPushButton::clicked, this, &BarChart::reportButtonClick);
    ui::Help::setContext(this, kBarChartHelp);
    ui::Help::installF1(this);
}

QChart* BarChart::normalYearChart() const {
    return normalView_->chart();
}

QChart* BarChart::dryYearChart() const {
    return dryView_->chart();
}

void BarChart::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::applyKeepOnScreen(this);
}

void BarChart::reportButtonClick() {
    std::unique_ptr<ResultsReport> built;
    {
        const ui::BusyCursor busy;
        built = buildWaterReport(source_);
    }
    previewResultsReport(*built, this);
}

} // namespace kova::results
