#pragma once
// The bar chart window (TBarChart): the monthly water use of the crop on display for a normal
// and a dry year, one chart above the other in a scrolling area, and "WR Report", which
// previews the monthly crop water requirements report.

#include "results/reports/resultsreport.h"

#include <QDialog>

class QChart;
class QChartView;
class QPushButton;

namespace kova::results {

class BarChart : public QDialog {
    Q_OBJECT
public:
    explicit BarChart(const ResultsSource& source, QWidget* parent = nullptr);

    QChart* normalYearChart() const;
    QChart* dryYearChart() const;
    QPushButton* reportButton() const { return reportButton_; }
    QPushButton* closeButton() const { return closeButton_; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void reportButtonClick();

private:
    ResultsSource source_;
    QChartView* normalView_ = nullptr;
    QChartView* dryView_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace kova::results
