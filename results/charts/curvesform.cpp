#include "curvesform.h"

#include "chartwindow.h"
#include "curvecharts.h"
#include "curvepoints.h"

#include "results/reports/chartreports.h"

#include "ui/busycursor.h"
#include "ui/helpviewer.h"
#include "ui/placement.h"

#include <QChartView>
#include <QPushButton>

namespace kova::results {

namespace {
constexpr int kCurvesHelp = 19401;
}

CurvesForm::CurvesForm(const ResultsSource& source, QWidget* parent)
    : QDialog(parent), source_(source) {
    setWindowTitle(QStringLiteral("Kc and ET Curves"));
    const CurvePoints points = curvePoints(source.kova, source.curve);
    const ChartWindowParts parts = buildChartWindow(*this, QStringLiteral("ET Kc Graph Report"),
                                                    buildETChart(points, ChartVariant::Window),
                                                    buildKcChart(points, ChartVariant::Window));
    etView_ = parts.upper;
    kcView_ = parts.lower;
    reportButton_ = parts.report;
    closeButton_ = parts.close;
    connect(reportButton_, &QPushButton::clicked, this, &CurvesForm::reportButtonClick);
    ui::Help::setContext(this, kCurvesHelp);
    ui::Help::installF1(this);
}

QChart* CurvesForm::etChart() const {
    return etView_->chart();
}

QChart* CurvesForm::kcChart() const {
    return kcView_->chart();
}

void CurvesForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::applyKeepOnScreen(this);
}

void CurvesForm::reportButtonClick() {
    std::unique_ptr<ResultsReport> built;
    {
        const ui::BusyCursor busy;
        built = buildCurvesReport(source_);
    }
    previewResultsReport(*built, this);
}

} // namespace kova::results
