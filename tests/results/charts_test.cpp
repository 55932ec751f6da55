// The chart builders, checked on the chart objects: series, points, colours, names, axes and
// the marks, for the window and for paper.

#include "results/charts/chartmarks.h"
#include "results/charts/curvecharts.h"
#include "results/charts/curvepoints.h"
#include "results/charts/waterchart.h"

#include "calc/calendar.h"
#include "calc/dailyet.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <memory>

using namespace kova::results;
using kova::calc::dayOfYear;
using kova::calc::TCropCurve;
using kova::calc::TKova;

namespace {

// A crop from 10 April to 20 September: rates for its months, the month before planting and
// the month after harvest; Kcb 0 on its first five days, as a TR21 curve has everywhere.
struct Crop {
    TKova k;
    TCropCurve curve;

    static Crop season(int plantMo, int plantDay, int harvestMo, int harvestDay) {
        Crop c;
        c.k.PlantMo = plantMo;
        c.k.PlantDay = plantDay;
        c.k.HarvestMo = harvestMo;
        c.k.HarvestDay = harvestDay;
        c.k.BegDateText = QStringLiteral("%1/%2").arg(plantMo).arg(plantDay);
        c.k.EndDateText = QStringLiteral("%1/%2").arg(harvestMo).arg(harvestDay);
        c.curve.StartDay = dayOfYear(plantMo, plantDay);
        c.curve.EndDay = dayOfYear(harvestMo, harvestDay);
        return c;
    }
    static Crop aprilToSeptember() {
        Crop c = season(4, 10, 9, 20);
        for (int m = 4; m <= 9; ++m)
            c.k.EToRate[size_t(m)] = 0.05 * (m - 2);
        c.k.EToAdjacent[3] = 0.05;
        c.k.EToAdjacent[10] = 0.08;
        for (int d = c.curve.StartDay; d <= c.curve.EndDay; ++d)
            c.curve.Days.push_back({d, 0.8, d < c.curve.StartDay + 5 ? 0.0 : 0.5});
        kova::calc::fillDailyET(c.k, c.curve);
        return c;
    }
    // 1 October to 31 March: the days are built from October on, as the builders write them.
    static Crop octoberToMarch() {
        Crop c = season(10, 1, 3, 31);
        c.k.EToRate.fill(0.1);
        for (int d = c.curve.StartDay; d <= kova::calc::kDaysInYear; ++d)
            c.curve.Days.push_back({d, 1.0, 0.0});
        for (int d = 1; d <= c.curve.EndDay; ++d)
            c.curve.Days.push_back({d, 1.0, 0.0});
        kova::calc::fillDailyET(c.k, c.curve);
        return c;
    }
};

std::unique_ptr<QChart> etChart(const Crop& c, ChartVariant v) {
    return std::unique_ptr<QChart>(buildETChart(curvePoints(c.k, c.curve), v));
}
std::unique_ptr<QChart> kcChart(const Crop& c, ChartVariant v) {
    return std::unique_ptr<QChart>(buildKcChart(curvePoints(c.k, c.curve), v));
}

std::vector<QXYSeries*> named(const QChart& chart, const QString& name) {
    std::vector<QXYSeries*> out;
    for (QAbstractSeries* s : chart.series())
        if (auto* xy = qobject_cast<QXYSeries*>(s); xy && s->name() == name)
            out.push_back(xy);
    return out;
}

QList<QPointF> pointsOf(const QChart& chart, const QString& name) {
    QList<QPointF> all;
    for (QXYSeries* s : named(chart, name))
        all += s->points();
    return all;
}

// Legend entries are laid out once the chart is in a scene, which then owns the chart. (Shown
// in views one after another instead, charts leave items of Qt's behind.)
class ShownChart {
public:
    explicit ShownChart(std::unique_ptr<QChart> chart) {
        chart_ = chart.release();
        scene_.addItem(chart_);
        chart_->resize(800, 600);
        QCoreApplication::processEvents();
    }
    QChart& operator*() const { return *chart_; }
    QChart* operator->() const { return chart_; }
    bool inLegend(QAbstractSeries* series) const {
        const auto markers = chart_->legend()->markers(series);
        return !markers.isEmpty() && markers.front()->isVisible();
    }

private:
    QGraphicsScene scene_;
    QChart* chart_ = nullptr;
};

QValueAxis* axisOf(const QChart& chart, Qt::Alignment where) {
    const auto axes = chart.axes(where == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
}

void expectAxis(const QChart& chart, Qt::Alignment where, const QString& title, double min,
                double max, double step, int minorTicks) {
    QValueAxis* axis = axisOf(chart, where);
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->titleText(), title);
    EXPECT_DOUBLE_EQ(axis->min(), min);
    EXPECT_NEAR(axis->max(), max, 1e-6);
    EXPECT_EQ(axis->tickType(), QValueAxis::TicksDynamic);
    EXPECT_DOUBLE_EQ(axis->tickAnchor(), min);
    EXPECT_DOUBLE_EQ(axis->tickInterval(), step);
    EXPECT_EQ(axis->minorTickCount(), minorTicks);
}

TEST(CurveCharts, EvapotranspirationChartInTheWindowAndOnPaper) {
    const Crop c = Crop::aprilToSeptember();
    const ShownChart window(etChart(c, ChartVariant::Window));
    EXPECT_EQ(window->title(), "Evapotranspiration Chart");
    EXPECT_EQ(window->titleBrush().color(), QColor(Qt::blue));
    EXPECT_TRUE(window->titleFont().bold());
    // The whole year shows: 31 December is day 365.
    expectAxis(*window, Qt::AlignBottom, "Date", 0, 366, 7, 0);
    EXPECT_EQ(axisOf(*window, Qt::AlignBottom)->gridLinePen().style(), Qt::DotLine);
    expectAxis(*window, Qt::AlignLeft, "ET (inches per day)", 0, 0.7, 0.1, 4);
    expectAxis(*etChart(c, ChartVariant::Report), Qt::AlignBottom, "Date", 1, 366, 7, 0);

    const auto etc = named(*window, "ETc (Crop)");
    ASSERT_EQ(etc.size(), 1u);
    EXPECT_EQ(etc[0]->pen().color(), QColor(Qt::red));
    EXPECT_EQ(etc[0]->pen().widthF(), 2.0);
    EXPECT_TRUE(window.inLegend(etc[0]));
    const QList<QPointF> crop = etc[0]->points();
    ASSERT_EQ(crop.size(), c.curve.EndDay - c.curve.StartDay + 1);
    EXPECT_EQ(crop.front().x(), c.curve.StartDay);
    EXPECT_EQ(crop.back().x(), c.curve.EndDay);
    const QList<QPointF> reference = pointsOf(*window, "ETo (Interpolated)");
    ASSERT_EQ(reference.size(), crop.size());
    for (int i = 0; i < crop.size(); ++i)
        ASSERT_NEAR(crop[i].y(), 0.8 * reference[i].y(), 1e-12) << i;
    EXPECT_EQ(named(*window, "ETo (Interpolated)")[0]->pen().color(), QColor(Qt::darkGreen));

    // The monthly rates on the 15th: the adjacent rate where there is one, else the season's.
    auto* calculated = qobject_cast<QScatterSeries*>(named(*window, "ETo (Calculated)")[0]);
    ASSERT_NE(calculated, nullptr);
    EXPECT_EQ(calculated->markerShape(), QScatterSeries::MarkerShapeCircle);
    EXPECT_EQ(calculated->color(), QColor(Qt::darkGreen));
    const QList<QPointF> rates = calculated->points();
    ASSERT_EQ(rates.size(), 8); // March to October
    EXPECT_EQ(rates.front(), QPointF(dayOfYear(3, 15), 0.05));
    EXPECT_EQ(rates[1], QPointF(dayOfYear(4, 15), 0.1));
    EXPECT_EQ(rates.back(), QPointF(dayOfYear(10, 15), 0.08));
    EXPECT_TRUE(window.inLegend(calculated));
}

TEST(CurveCharts, CropCoefficientChartNamesKeepTheirBlanksAndDrawOnlyValuesAboveZero) {
    const Crop c = Crop::aprilToSeptember();
    const auto window = kcChart(c, ChartVariant::Window);
    EXPECT_EQ(window->title(), "Crop Coefficient Chart");
    expectAxis(*window, Qt::AlignBottom, "Date", 1, 366, 7, 0);
    expectAxis(*window, Qt::AlignLeft, "Crop Coefficient (Kc)", 0, 1.4, 0.1, 4);
    const auto kca = named(*window, "Kca (Average)   ");
    ASSERT_EQ(kca.size(), 1u);
    EXPECT_EQ(kca[0]->pen().color(), QColor(Qt::red));
    EXPECT_EQ(kca[0]->pen().widthF(), 2.0);
    EXPECT_EQ(kca[0]->count(), c.curve.EndDay - c.curve.StartDay + 1);
    // Within one year a day whose basal Kc is 0 is not drawn.
    const QList<QPointF> kcb = pointsOf(*window, "Kcb (Basal)");
    ASSERT_EQ(kcb.size(), c.curve.EndDay - c.curve.StartDay + 1 - 5);
    EXPECT_EQ(kcb.front(), QPointF(c.curve.StartDay + 5, 0.5));

    const auto paper = kcChart(c, ChartVariant::Report);
    expectAxis(*paper, Qt::AlignBottom, "Date", 0, 366, 7, 0);
    expectAxis(*paper, Qt::AlignLeft, "Crop Coefficient (Kc)", 0, 1.4, 0.2, 0);
    EXPECT_EQ(named(*paper, "Kca (Average)     ").size(), 1u);
    EXPECT_EQ(named(*paper, "Kcb (Basil)").size(), 1u);
    EXPECT_TRUE(named(*paper, "Kca (Average)   ").empty());
}

TEST(CurveCharts, SeasonAcrossTheYearEndDrawsTwoStretchesBridgedInThePapersColour) {
    const Crop c = Crop::octoberToMarch();
    for (const ChartVariant variant : {ChartVariant::Window, ChartVariant::Report}) {
        const ShownChart chart(kcChart(c, variant));
        const CurveNames names = curveNames(variant);
        const auto kca = named(*chart, names.kca);
        ASSERT_EQ(kca.size(), 2u);
        EXPECT_EQ(kca[0]->points().front().x(), 1);
        EXPECT_EQ(kca[0]->points().back().x(), c.curve.EndDay);
        EXPECT_EQ(kca[1]->points().front().x(), c.curve.StartDay);
        EXPECT_EQ(kca[1]->points().back().x(), 365);
        EXPECT_TRUE(chart.inLegend(kca[0]));
        EXPECT_FALSE(chart.inLegend(kca[1]));
        // Across the year end every day is drawn, a basal Kc of 0 too.
        EXPECT_EQ(pointsOf(*chart, names.kcb).size(), 182);

        const auto bridge = named(*chart, names.bridge);
        ASSERT_EQ(bridge.size(), 1u);
        EXPECT_EQ(bridge[0]->points(),
                  (QList<QPointF>{{c.curve.EndDay + 1.0, 0.01}, {double(c.curve.StartDay), 0.01}}));
        EXPECT_FALSE(chart.inLegend(bridge[0]));
        const QColor paper =
            variant == ChartVariant::Report ? QColor(Qt::white) : chart->backgroundBrush().color();
        EXPECT_EQ(bridge[0]->pen().color(), paper);
    }
    const auto et = etChart(c, ChartVariant::Report);
    EXPECT_EQ(named(*et, "ETc (Crop)").size(), 2u);
    EXPECT_EQ(named(*et, "Off-season")[0]->pen().color(), QColor(Qt::white));
}

TEST(CurveCharts, MonthStartsAndSeasonLabelsAreMarkedAtTheirDays) {
    const Crop c = Crop::aprilToSeptember();
    const ShownChart window(etChart(c, ChartVariant::Window));
    const ChartMarks* months = findMarks(*window, "Month starts");
    ASSERT_NE(months, nullptr);
    ASSERT_EQ(months->marks().size(), 12);
    EXPECT_EQ(months->marks()[0].text, "1/1");
    EXPECT_EQ(months->marks()[4].value, QPointF(dayOfYear(5, 1), 0));
    EXPECT_EQ(months->marks()[11].text, "12/1");
    EXPECT_FALSE(window.inLegend(named(*window, "Month starts")[0]));

    const ChartMarks* season = findMarks(*window, "Start-End labels");
    ASSERT_NE(season, nullptr);
    EXPECT_EQ(season->colour(), QColor(Qt::darkGreen));
    ASSERT_EQ(season->marks().size(), 2);
    EXPECT_EQ(season->marks()[0].text, "4/10 Start grow");
    EXPECT_EQ(season->marks()[0].value, QPointF(c.curve.StartDay, 0.5));
    EXPECT_EQ(season->marks()[1].text, "9/20 End grow");
    EXPECT_FALSE(window.inLegend(named(*window, "Start-End labels")[0]));

    EXPECT_NE(findMarks(*etChart(c, ChartVariant::Report), "Start-End Labels"), nullptr);
    const auto kc = kcChart(c, ChartVariant::Window);
    auto* squares = qobject_cast<QScatterSeries*>(named(*kc, "Month starts")[0]);
    ASSERT_NE(squares, nullptr);
    EXPECT_EQ(squares->markerShape(), QScatterSeries::MarkerShapeRectangle);
    EXPECT_EQ(squares->color(), QColor(Qt::yellow));
}

TEST(CurveCharts, CropWithoutDailyRowsStillShowsRatesMonthStartsAndSeasonLabels) {
    Crop c = Crop::aprilToSeptember();
    c.curve.Days.clear();
    const auto chart = etChart(c, ChartVariant::Window);
    EXPECT_TRUE(pointsOf(*chart, "ETc (Crop)").isEmpty());
    EXPECT_TRUE(pointsOf(*chart, "ETo (Interpolated)").isEmpty());
    EXPECT_EQ(pointsOf(*chart, "ETo (Calculated)").size(), 8);
    EXPECT_EQ(findMarks(*chart, "Month starts")->marks().size(), 12);
    EXPECT_EQ(findMarks(*chart, "Start-End labels")->marks().size(), 2);
}

TEST(WaterChart, StacksCarryOverPrecipitationAndRequirementPerMonthWithValueMarks) {
    TKova k;
    for (int m = 5; m <= 9; ++m) {
        k.CarryUsed50[size_t(m)] = m == 5 ? 0.5 : 0;
        k.EP50[size_t(m)] = 1.0;
        k.NI50[size_t(m)] = 0.25 * m;
        k.EP80[size_t(m)] = 0.6;
        k.NI80[size_t(m)] = 0.3 * m;
    }
    k.EP50[1] = -0.05; // a dry winter month
    const std::unique_ptr<QChart> normal(
        buildWaterChart(k, ChanceYear::Normal50, ChartVariant::Window));
    EXPECT_EQ(normal->title(), "<center>Kova<br>Normal Year (50%chance)</center>");
    EXPECT_EQ(waterChartTitle(ChanceYear::Normal50, ChartVariant::Report),
              "Kova\nNormal Year (50% chance)");
    EXPECT_EQ(waterChartTitle(ChanceYear::Dry80, ChartVariant::Window),
              "Kova\nDry Year (80% chance)");

    auto* bars = qobject_cast<QStackedBarSeries*>(normal->series().value(0));
    ASSERT_NE(bars, nullptr);
    const QList<QBarSet*> sets = bars->barSets();
    ASSERT_EQ(sets.size(), 3);
    EXPECT_EQ(sets[0]->label(), "Carryover Used");
    EXPECT_EQ(sets[0]->color(), QColor(Qt::yellow));
    EXPECT_EQ(sets[1]->label(), "Effective Precipitation");
    EXPECT_EQ(sets[1]->color(), QColor(Qt::blue));
    EXPECT_EQ(sets[2]->label(), "Irrigation Required");
    EXPECT_EQ(sets[2]->color(), QColor(Qt::red));
    for (QBarSet* set : sets)
        ASSERT_EQ(set->count(), 12);
    EXPECT_EQ(sets[0]->at(4), 0.5); // May, at position 4
    EXPECT_EQ(sets[1]->at(0), -0.05);
    EXPECT_EQ(sets[2]->at(8), 2.25);

    // The outer bars show whole; each bar is labelled with its month number.
    auto* months = qobject_cast<QCategoryAxis*>(normal->axes(Qt::Horizontal).value(0));
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->titleText(), "Month");
    EXPECT_DOUBLE_EQ(months->min(), -0.5);
    EXPECT_DOUBLE_EQ(months->max(), 11.5);
    EXPECT_EQ(months->categoriesLabels().front(), "1");
    EXPECT_EQ(months->categoriesLabels().back(), "12");
    EXPECT_EQ(normal->axes(Qt::Vertical).value(0)->titleText(), "inches");

    const ChartMarks* values = findMarks(*normal, "Irrigation Required values");
    ASSERT_NE(values, nullptr);
    ASSERT_EQ(values->marks().size(), 5);
    EXPECT_EQ(values->marks()[0].text, "1.25");
    EXPECT_EQ(values->marks()[0].value, QPointF(4, 0.5 + 1.0 + 1.25));

    const std::unique_ptr<QChart> dry(buildWaterChart(k, ChanceYear::Dry80, ChartVariant::Report));
    const auto drySets = qobject_cast<QStackedBarSeries*>(dry->series().value(0))->barSets();
    EXPECT_EQ(drySets[1]->at(5), 0.6);
    EXPECT_EQ(findMarks(*dry, "Irrigation Required values")->marks()[0].text, "1.50");
}

} // namespace
