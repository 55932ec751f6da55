#include "waterchart.h"

#include "chartmarks.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace kova::results {

namespace {

size_t ix(int m) {
    return static_cast<size_t>(m);
}

struct YearSeries {
    const calc::Monthly& carryUsed;
    const calc::Monthly& ep;
    const calc::Monthly& ni;
};

YearSeries seriesOf(const calc::TKova& k, ChanceYear year) {
    if (year == ChanceYear::Normal50)
        return {k.CarryUsed50, k.EP50, k.NI50};
    return {k.CarryUsed80, k.EP80, k.NI80};
}

QBarSet* monthlySet(const QString& name, const QColor& colour, const calc::Monthly& values) {
    auto* set = new QBarSet(name);
    set->setColor(colour);
    set->setBorderColor(QColor(Qt::darkGray));
    for (int m = 1; m <= 12; ++m)
        set->append(values[ix(m)]);
    return set;
}

// Bars stand at 0 (January) to 11 (December), labelled with their month number; the range
// reaches half a bar beyond each end so the outer bars show whole.
void addMonthAxis(QChart& chart) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(QStringLiteral("Month"));
    axis->setRange(-0.5, 11.5);
    axis->setStartValue(-0.5);
    for (int m = 1; m <= 12; ++m)
        axis->append(QString::number(m), m - 0.5);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    axis->setGridLineVisible(false);
    chart.addAxis(axis, Qt::AlignBottom);
}

void addInchesAxis(QChart& chart, const YearSeries& s) {
    // Automatic: from the lowest to the highest stack, with room above for the value marks.
    double low = 0;
    double high = 0;
    for (int m = 1; m <= 12; ++m) {
        double up = 0;
        double down = 0;
        for (double v : {s.carryUsed[ix(m)], s.ep[ix(m)], s.ni[ix(m)]})
            (v >= 0 ? up : down) += v;
        high = std::max(high, up);
        low = std::min(low, down);
    }
    auto* axis = new QValueAxis;
    axis->setTitleText(QStringLiteral("inches"));
    axis->setRange(low, high > 0 ? high * 1.12 : 1.0);
    axis->applyNiceNumbers();
    chart.addAxis(axis, Qt::AlignLeft);
}

// The irrigation required of each month that has one, over the top of its stack.
void addValueMarks(QChart& chart, QStackedBarSeries& bars, const YearSeries& s,
                   const QString& name) {
    auto* marks = new ChartMarks(chart, bars, name, Qt::black, MarkPlacement::Above);
    for (int m = 1; m <= 12; ++m) {
        const double ni = s.ni[ix(m)];
        if (ni == 0)
            continue;
        double top = 0;
        for (double v : {s.carryUsed[ix(m)], s.ep[ix(m)], ni})
            top += std::max(v, 0.0);
        marks->add({QPointF(m - 1, top), QString::number(ni, 'f', 2)});
    }
}

} // namespace

QString waterChartTitle(ChanceYear year, ChartVariant variant) {
    if (year == ChanceYear::Dry80)
        return QStringLiteral("Kova\nDry Year (80% chance)");
    return variant == ChartVariant::Window ? QStringLiteral("Kova\nNormal Year (50%chance)")
                                           : QStringLiteral("Kova\nNormal Year (50% chance)");
}

QChart* buildWaterChart(const calc::TKova& k, ChanceYear year, ChartVariant variant) {
    const WaterNames names;
    const YearSeries s = seriesOf(k, year);
    QChart* chart = newResultsChart(waterChartTitle(year, variant));
    addMonthAxis(*chart);
    addInchesAxis(*chart, s);
    auto* bars = new QStackedBarSeries;
    bars->append(monthlySet(names.carryOver, kChartYellow, s.carryUsed));
    bars->append(monthlySet(names.precipitation, kChartBlue, s.ep));
    bars->append(monthlySet(names.irrigation, kChartRed, s.ni));
    bars->setBarWidth(0.6);
    addSeries(*chart, bars);
    addValueMarks(*chart, *bars, s, names.valueMarks);
    return chart;
}

} // namespace kova::results
