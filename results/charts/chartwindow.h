#pragma once
// What the two chart windows share: a button bar over two charts stacked in a scrolling area,
// the windows' placement on the screen, and previewing their report.

#include "results/reports/resultsreport.h"

#include <QString>

class QChart;
class QChartView;
class QDialog;
class QPushButton;

namespace kova::results {

struct ChartWindowParts {
    QPushButton* report = nullptr;
    QPushButton* close = nullptr;
    QChartView* upper = nullptr;
    QChartView* lower = nullptr;
};

// Lays out `window`: the report button and "Close" above the two charts, which it takes over.
ChartWindowParts buildChartWindow(QDialog& window, const QString& reportCaption, QChart* upper,
                                  QChart* lower);

// Previews a built report from a window (the busy cursor while it is laid out, a message when
// it has nothing to print or could not be read).
void previewResultsReport(const ResultsReport& built, QWidget* parent);

} // namespace kova::results
