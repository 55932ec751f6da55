#include "chartwindow.h"

#include "report/previewwindow.h"

#include "ui/busycursor.h"
#include "ui/messages.h"

#include <QChart>
#include <QChartView>
#include <QDialog>
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

ChartWindowParts buildChartWindow(QDialog& window, const QString& reportCaption, QChart* upper,
                                  QChart* lower) {
    ChartWindowParts parts;
    auto* layout = new QVBoxLayout(&window);
    auto* buttons = new QHBoxLayout;
    parts.report = new QPushButton(reportCaption, &window);
    parts.close = new QPushButton(QStringLiteral("&Close"), &window);
    parts.close->setDefault(true);
    buttons->addWidget(parts.report);
    buttons->addStretch();
    buttons->addWidget(parts.close);
    layout->addLayout(buttons);

    auto* scroll = new QScrollArea(&window);
    scroll->setWidgetResizable(true);
    auto* charts = new QWidget(scroll);
    auto* stack = new QVBoxLayout(charts);
    stack->setContentsMargins(0, 0, 0, 0);
    parts.upper = chartView(upper, charts);
    parts.lower = chartView(lower, charts);
    stack->addWidget(parts.upper);
    stack->addWidget(parts.lower);
    scroll->setWidget(charts);
    layout->addWidget(scroll);

    QObject::connect(parts.close, &QPushButton::clicked, &window, &QDialog::accept);
    window.resize(980, 720);
    window.setMinimumSize(480, 360);
    // The filling is done: whatever the opener shows, this window is for reading.
    ui::showArrowWhileShown(window);
    return parts;
}

void previewResultsReport(const ResultsReport& built, QWidget* parent) {
    if (!built.error.isEmpty()) {
        ui::Messages::error(QStringLiteral("The report cannot be printed."), built.error, parent);
        return;
    }
    report::showReport(built.report, parent, built.exportFormats);
}

} // namespace kova::results
