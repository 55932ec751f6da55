#include "curvecharts.h"

#include "chartmarks.h"
#include "curvepoints.h"

#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

namespace kova::results {

namespace {

constexpr qreal kThickLine = 2;
constexpr qreal kRateCircle = 6;  // pixels across
constexpr qreal kMonthSquare = 6; // pixels across
constexpr qreal kSeasonDot = 4;
constexpr qreal kDayLabelPoints = 6.5;

struct LineLook {
    QColor colour;
    qreal width = 1;
};

// One line series per stretch; the legend names the first only.
void addLine(QChart& chart, const CurveLine& line, const QString& name, const LineLook& look) {
    bool first = true;
    for (const QList<QPointF>& stretch : line.stretches) {
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPen(QPen(look.colour, look.width));
        series->append(stretch);
        addSeries(chart, series);
        if (!first)
            hideFromLegend(chart, series);
        first = false;
    }
}

QScatterSeries* addPoints(QChart& chart, const QList<QPointF>& points, const QString& name,
                          QScatterSeries::MarkerShape shape, qreal size, const QColor& colour) {
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setMarkerShape(shape);
    series->setMarkerSize(size);
    series->setColor(colour);
    series->setBorderColor(shape == QScatterSeries::MarkerShapeRectangle ? QColor(Qt::darkGray)
                                                                         : colour);
    series->append(points);
    addSeries(chart, series);
    return series;
}

// Spans the off-season gap of a season across the year end in the paper's colour, so the
// two stretches of a line stay apart on screen and on white paper.
void addBridge(QChart& chart, const CurvePoints& p, const QString& name, ChartVariant variant) {
    if (p.bridge.isEmpty())
        return;
    auto* series = new QLineSeries;
    series->setName(name);
    const QColor paper =
        variant == ChartVariant::Report ? kPaperWhite : chart.backgroundBrush().color();
    series->setPen(QPen(paper, kThickLine));
    series->append(p.bridge);
    addSeries(chart, series);
    hideFromLegend(chart, series);
}

void addMonthStarts(QChart& chart, const CurvePoints& p, const QString& name) {
    QScatterSeries* series =
        addPoints(chart, p.monthStarts, name, QScatterSeries::MarkerShapeRectangle, kMonthSquare,
                  kChartYellow);
    hideFromLegend(chart, series);
    auto* marks = new ChartMarks(chart, *series, name, Qt::black, MarkPlacement::Above);
    for (int i = 0; i < p.monthStarts.size(); ++i)
        marks->add({p.monthStarts[i], p.monthStartTexts.value(i)});
}

void addSeasonLabels(QChart& chart, const CurvePoints& p, const QString& name) {
    QScatterSeries* series = addPoints(chart, {p.start.at, p.end.at}, name,
                                       QScatterSeries::MarkerShapeCircle, kSeasonDot, kChartGreen);
    hideFromLegend(chart, series);
    auto* marks = new ChartMarks(chart, *series, name, kChartGreen, MarkPlacement::Arrow);
    marks->add({p.start.at, p.start.text});
    marks->add({p.end.at, p.end.text});
}

// The day-of-year axis: one label every week, turned so 53 of them fit across the chart.
void addDayAxis(QChart& chart, double min, bool dotted) {
    QValueAxis* axis = addAxis(chart, Qt::AlignBottom, {QStringLiteral("Date"), min, 366, 7});
    axis->setLabelsAngle(-90);
    axis->setTruncateLabels(false);
    QFont font = axis->labelsFont();
    font.setPointSizeF(kDayLabelPoints);
    axis->setLabelsFont(font);
    if (dotted) {
        QPen grid = axis->gridLinePen();
        grid.setStyle(Qt::DotLine);
        axis->setGridLinePen(grid);
    }
}

} // namespace

CurveNames curveNames(ChartVariant variant) {
    CurveNames n;
    if (variant == ChartVariant::Window) {
        n.kca = QStringLiteral("Kca (Average)   ");
        n.kcb = QStringLiteral("Kcb (Basal)");
        n.seasonLabels = QStringLiteral("Start-End labels");
    } else {
        n.kca = QStringLiteral("Kca (Average)     ");
        n.kcb = QStringLiteral("Kcb (Basil)");
        n.seasonLabels = QStringLiteral("Start-End Labels");
    }
    return n;
}

QChart* buildETChart(const CurvePoints& p, ChartVariant variant) {
    const CurveNames names = curveNames(variant);
    QChart* chart = newResultsChart(QStringLiteral("Evapotranspiration Chart"));
    // The whole year shows, 31 December included.
    addDayAxis(*chart, variant == ChartVariant::Window ? 0 : 1, variant == ChartVariant::Window);
    addAxis(*chart, Qt::AlignLeft, {QStringLiteral("ET (inches per day)"), 0, 0.7, 0.1, 4, 1});
    addLine(*chart, p.etc, names.etc, {kChartRed, kThickLine});
    addLine(*chart, p.etoInterpolated, names.etoInterpolated, {kChartGreen, 1});
    addPoints(*chart, p.etoCalculated, names.etoCalculated, QScatterSeries::MarkerShapeCircle,
              kRateCircle, kChartGreen);
    addBridge(*chart, p, names.bridge, variant);
    addMonthStarts(*chart, p, names.monthStarts);
    addSeasonLabels(*chart, p, names.seasonLabels);
    return chart;
}

QChart* buildKcChart(const CurvePoints& p, ChartVariant variant) {
    const CurveNames names = curveNames(variant);
    QChart* chart = newResultsChart(QStringLiteral("Crop Coefficient Chart"));
    const bool window = variant == ChartVariant::Window;
    addDayAxis(*chart, window ? 1 : 0, false);
    addAxis(
        *chart, Qt::AlignLeft,
        {QStringLiteral("Crop Coefficient (Kc)"), 0, 1.4, window ? 0.1 : 0.2, window ? 4 : 0, 1});
    addLine(*chart, p.kca, names.kca, {kChartRed, kThickLine});
    addLine(*chart, p.kcb, names.kcb, {kChartGreen, 1});
    addBridge(*chart, p, names.bridge, variant);
    addMonthStarts(*chart, p, names.monthStarts);
    return chart;
}

} // namespace kova::results
