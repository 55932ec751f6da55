#include "chartmarks.h"

#include <QAbstractSeries>
#include <QChart>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace kova::results {

namespace {

constexpr qreal kArrowLength = 18; // chart pixels from the text down to the point
constexpr qreal kArrowHead = 4;
constexpr qreal kGap = 2;
constexpr qreal kMarksZ = 10; // over the series

} // namespace

ChartMarks::ChartMarks(QChart& chart, QAbstractSeries& series, const QString& name,
                       const QColor& colour, MarkPlacement placement)
    : QGraphicsObject(&chart), chart_(&chart), series_(&series), colour_(colour),
      placement_(placement) {
    setObjectName(name);
    setZValue(kMarksZ);
    connect(&chart, &QChart::plotAreaChanged, this, [this] {
        prepareGeometryChange();
        update();
    });
}

QRectF ChartMarks::boundingRect() const {
    return chart_ ? chart_->rect() : QRectF();
}

void ChartMarks::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (!chart_ || !series_)
        return;
    painter->save();
    // Sized in the chart's own pixels, so the marks keep their size on paper and screen alike.
    QFont font = chart_->font();
    font.setPixelSize(10);
    painter->setFont(font);
    painter->setPen(colour_);
    painter->setBrush(colour_);
    const QFontMetricsF metrics(font);
    const QRectF plot = chart_->plotArea();
    for (const ChartMark& mark : marks_) {
        const QPointF at = chart_->mapToPosition(mark.value, series_);
        if (at.x() < plot.left() - 1 || at.x() > plot.right() + 1)
            continue;
        const qreal width = metrics.horizontalAdvance(mark.text);
        qreal baseline = at.y() - kGap - metrics.descent();
        if (placement_ == MarkPlacement::Arrow) {
            const QPointF tail(at.x(), at.y() - kArrowLength);
            painter->drawLine(tail, at);
            painter->drawPolygon(QPolygonF({at, at + QPointF(-kArrowHead / 2, -kArrowHead),
                                            at + QPointF(kArrowHead / 2, -kArrowHead)}));
            baseline = tail.y() - kGap - metrics.descent();
        }
        // Kept inside the plot so a mark at the year's edge stays readable.
        const qreal left =
            std::max(plot.left(), std::min(at.x() - width / 2, plot.right() - width));
        painter->drawText(QPointF(left, baseline), mark.text);
    }
    painter->restore();
}

const ChartMarks* findMarks(const QChart& chart, const QString& name) {
    const auto children = chart.childItems();
    for (QGraphicsItem* item : children)
        if (auto* marks = dynamic_cast<const ChartMarks*>(item); marks && marks->name() == name)
            return marks;
    return nullptr;
}

} // namespace kova::results
