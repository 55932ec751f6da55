#include "chartstyle.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFont>
#include <QLegend>
#include <QLegendMarker>
#include <QValueAxis>

namespace kova::results {

QChart* newResultsChart(const QString& title) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    // The title is rich text: its lines break at <br>, and each is centred.
    chart->setTitle(
        title.contains(QLatin1Char('\n'))
            ? QStringLiteral("<center>%1</center>")
                  .arg(title.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")))
            : title);
    QFont font = chart->titleFont();
    font.setBold(true);
    font.setPointSizeF(11);
    chart->setTitleFont(font);
    chart->setTitleBrush(kChartBlue);
    // White as on paper, so what is drawn in the background's colour vanishes in both.
    chart->setBackgroundBrush(kPaperWhite);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QValueAxis* addAxis(QChart& chart, Qt::Alignment alignment, const AxisScale& scale) {
    auto* axis = new QValueAxis;
    axis->setTitleText(scale.title);
    // A hair above the maximum, so the tick that lands on it in floating point (14 x 0.1)
    // still gets its label.
    axis->setRange(scale.min, scale.max + scale.step * 1e-9);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(scale.min);
    axis->setTickInterval(scale.step);
    axis->setMinorTickCount(scale.minorTicks);
    axis->setLabelFormat(scale.decimals > 0 ? QStringLiteral("%.%1f").arg(scale.decimals)
                                            : QStringLiteral("%d"));
    chart.addAxis(axis, alignment);
    return axis;
}

void addSeries(QChart& chart, QAbstractSeries* series) {
    chart.addSeries(series);
    const auto axes = chart.axes();
    for (QAbstractAxis* axis : axes)
        series->attachAxis(axis);
}

void hideFromLegend(QChart& chart, QAbstractSeries* series) {
    const auto markers = chart.legend()->markers(series);
    for (QLegendMarker* marker : markers)
        marker->setVisible(false);
}

} // namespace kova::results
