#pragma once
// The bar chart window (TBarChart): the monthly water use of the crop on display for a normal
// and a dry year, and "WR Report", which previews the monthly crop water requirements report.

#include "chartwindow.h"

namespace kova::results {

class BarChart : public ChartWindow {
    Q_OBJECT
public:
    explicit BarChart(const ResultsSource& source, QWidget* parent = nullptr);

    QChart* normalYearChart() const { return upperChart(); }
    QChart* dryYearChart() const { return lowerChart(); }
};

} // namespace kova::results
