#pragma once
// What the crop charts share: which of the two variants is built (the window's or the printed
// report's, which differ in a few titles, ranges and steps), the colours of the series, and
// the axes, titles and legend entries as every chart of the results sets them.

#include <QColor>
#include <QString>

class QAbstractSeries;
class QChart;
class QValueAxis;

namespace kova::results {

enum class ChartVariant { Window, Report };

inline const QColor kChartRed = QColor(Qt::red);
inline const QColor kChartGreen = QColor(Qt::darkGreen);
inline const QColor kChartYellow = QColor(Qt::yellow);
inline const QColor kChartBlue = QColor(Qt::blue);
inline const QColor kPaperWhite = QColor(Qt::white);

// A numeric axis with a fixed range, a tick every `step` from its minimum and `minorTicks`
// between two ticks; whole numbers are labelled without decimals.
struct AxisScale {
    QString title;
    double min = 0;
    double max = 1;
    double step = 1;
    int minorTicks = 0;
    int decimals = 0;
};

// A new chart with the results' look: the title (lines separated by "\n") in bold blue, no
// animation, legend below.
QChart* newResultsChart(const QString& title);
QValueAxis* addAxis(QChart& chart, Qt::Alignment alignment, const AxisScale& scale);
// Adds the series to the chart and attaches it to every axis the chart has.
void addSeries(QChart& chart, QAbstractSeries* series);
// The series draws but has no entry in the legend (marks, month starts, continuations).
void hideFromLegend(QChart& chart, QAbstractSeries* series);

} // namespace kova::results
