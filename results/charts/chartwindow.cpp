#include "chartwindow.h"

#include "report/previewwindow.h"

#include "ui/busycursor.h"
#include "ui/helpviewer.h"
#include "ui/messages.h"
#include "ui/placement.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kova::results {

namespace {

constexpr int kChartHeight = 420;
constexpr int kChartMinimumWidth = 640;

QChartView* chartView(QChart* chart, QWidget* parent) {
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(kChartMinimumWidth, kChartHeight);
    return view;
}

} // namespace

ChartWindow::ChartWindow(const ResultsSource& source, const ChartWindowSetup& setup,
                         QWidget* parent)
    : QDialog(parent), source_(source), report_(setup.report) {
    setWindowTitle(setup.caption);
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    reportButton_ = new QPushButton(setup.reportCaption, this);
    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    closeButton_->setDefault(true);
    buttons->addWidget(reportButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    auto* charts = new QWidget(scroll);
    auto* stack = new QVBoxLayout(charts);
    stack->setContentsMargins(0, 0, 0, 0);
    upper_ = chartView(setup.upper, charts);
    lower_ = chartView(setup.lower, charts);
    stack->addWidget(upper_);
    stack->addWidget(lower_);
    scroll->setWidget(charts);
    layout->addWidget(scroll);

    connect(reportButton_, &QPushButton::clicked, this, &ChartWindow::reportButtonClick);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    resize(980, 720);
    setMinimumSize(480, 360);
    // The filling is done: whatever the opener shows, this window is for reading.
    ui::showArrowWhileShown(*this);
    ui::Help::setContext(this, setup.helpContext);
    ui::Help::installF1(this);
}

QChart* ChartWindow::upperChart() const {
    return upper_->chart();
}

QChart* ChartWindow::lowerChart() const {
    return lower_->chart();
}

void ChartWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::applyKeepOnScreen(this);
}

void ChartWindow::reportButtonClick() {
    std::unique_ptr<ResultsReport> built;
    {
        const ui::BusyCursor busy;
        built = report_(source_);
    }
    previewResultsReport(*built, this);
}

void previewResultsReport(const ResultsReport& built, QWidget* parent) {
    if (!built.error.isEmpty()) {
        ui::Messages::error(QStringLiteral("The report cannot be printed."), built.error, parent);
        return;
    }
    report::showReport(built.report, parent, built.exportFormats);
}

} // namespace kova::results
