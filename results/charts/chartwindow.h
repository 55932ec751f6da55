#pragma once
// What the two chart windows share: the report button and "Close" above two charts stacked in
// a scrolling area, their placement on the screen when shown, the arrow cursor while they are
// open, their help, and previewing their report.

#include "results/reports/resultsreport.h"

#include <QDialog>
#include <functional>

class QChart;
class QChartView;
class QPushButton;

namespace kova::results {

using ReportBuilder = std::function<std::unique_ptr<ResultsReport>(const ResultsSource&)>;

struct ChartWindowSetup {
    QString caption;
    QString reportCaption;
    int helpContext = 0;
    QChart* upper = nullptr; // taken over by the window
    QChart* lower = nullptr;
    ReportBuilder report;
};

class ChartWindow : public QDialog {
    Q_OBJECT
public:
    QPushButton* reportButton() const { return reportButton_; }
    QPushButton* closeButton() const { return closeButton_; }

protected:
    ChartWindow(const ResultsSource& source, const ChartWindowSetup& setup, QWidget* parent);
    QChart* upperChart() const;
    QChart* lowerChart() const;
    void showEvent(QShowEvent* event) override;

private slots:
    void reportButtonClick();

private:
    ResultsSource source_;
    ReportBuilder report_;
    QPushButton* reportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QChartView* upper_ = nullptr;
    QChartView* lower_ = nullptr;
};

// Previews a built report from a window (the busy cursor while it is laid out, a message when
// it has nothing to print or could not be read).
void previewResultsReport(const ResultsReport& built, QWidget* parent);

} // namespace kova::results
