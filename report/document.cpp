#include "document.h"

#include "units.h"

#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPainter>

namespace kova::report {

namespace {

// Charts are laid out as if on a 96 dpi screen so their fonts keep their usual proportion to
// the chart, then scaled as a whole to the target.
constexpr qreal kChartPixelsPerMm = 96.0 / kMmPerInch;
// Text in a frame keeps clear of its lines.
constexpr qreal kFrameInsetMm = 0.8;

void paintText(QPainter& painter, const PageItem& item) {
    const TextStyle& style = item.style;
    if (style.isFramed()) {
        painter.setPen(QPen(Qt::black, 0.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.rect);
    }
    painter.save();
    painter.translate(item.rect.topLeft());
    painter.scale(1 / kTextUnitsPerMm, 1 / kTextUnitsPerMm);
    painter.setFont(style.unitFont());
    painter.setPen(style.textColour());
    const qreal inset = style.isFramed() ? kFrameInsetMm : 0;
    const QRectF unitRect(inset * kTextUnitsPerMm, 0,
                          (item.rect.width() - 2 * inset) * kTextUnitsPerMm,
                          item.rect.height() * kTextUnitsPerMm);
    painter.drawText(unitRect, style.drawFlags(), item.text);
    painter.restore();
}

} // namespace

PlacedChart::PlacedChart(QChart* chart, const QSizeF& sizeMm)
    : scene_(std::make_unique<QGraphicsScene>()) {
    chart->setAnimationOptions(QChart::NoAnimation);
    const QSizeF pixels = sizeMm * kChartPixelsPerMm;
    chart->setGeometry(QRectF(QPointF(0, 0), pixels));
    scene_->addItem(chart); // the scene owns the chart from here on
    scene_->setSceneRect(QRectF(QPointF(0, 0), pixels));
}

PlacedChart::~PlacedChart() = default;

void PlacedChart::paint(QPainter& painter, const QRectF& targetMm) const {
    scene_->render(&painter, targetMm, scene_->sceneRect(), Qt::IgnoreAspectRatio);
}

void Page::addText(const QRectF& rect, const QString& text, const TextStyle& style) {
    PageItem item;
    item.kind = PageItem::Kind::Text;
    item.rect = rect;
    item.text = text;
    item.style = style;
    items_.push_back(std::move(item));
}

void Page::addLine(const QPointF& from, const QPointF& to, qreal widthMm) {
    PageItem item;
    item.kind = PageItem::Kind::Line;
    item.rect = QRectF(from, to);
    item.penWidth = widthMm;
    items_.push_back(std::move(item));
}

void Page::addBox(const QRectF& rect, qreal widthMm, const QColor& fill) {
    PageItem item;
    item.kind = PageItem::Kind::Box;
    item.rect = rect;
    item.penWidth = widthMm;
    item.fill = fill;
    items_.push_back(std::move(item));
}

void Page::addChart(const QRectF& rect, std::shared_ptr<const PlacedChart> chart) {
    PageItem item;
    item.kind = PageItem::Kind::Chart;
    item.rect = rect;
    item.chart = std::move(chart);
    items_.push_back(std::move(item));
}

QStringList Page::texts() const {
    QStringList result;
    for (const PageItem& item : items_)
        if (item.kind == PageItem::Kind::Text)
            result << item.text;
    return result;
}

ReportDocument::ReportDocument(const QPageLayout& layout, QString title)
    : layout_(layout), title_(std::move(title)) {}

QSizeF ReportDocument::pageSizeMm() const {
    return layout_.fullRect(QPageLayout::Millimeter).size();
}

Page& ReportDocument::addPage() {
    return pages_.emplace_back();
}

void ReportDocument::paintPage(int index, QPainter& painter, qreal dotsPerMm) const {
    painter.save();
    painter.scale(dotsPerMm, dotsPerMm);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), pageSizeMm()), Qt::white);
    for (const PageItem& item : page(index).items())
        paintItem(painter, item);
    painter.restore();
}

void paintItem(QPainter& painter, const PageItem& item) {
    switch (item.kind) {
    case PageItem::Kind::Text:
        paintText(painter, item);
        break;
    case PageItem::Kind::Line:
        painter.setPen(QPen(Qt::black, item.penWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
        break;
    case PageItem::Kind::Box:
        painter.setPen(item.penWidth > 0 ? QPen(Qt::black, item.penWidth) : QPen(Qt::NoPen));
        painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
        painter.drawRect(item.rect);
        break;
    case PageItem::Kind::Chart:
        if (item.chart)
            item.chart->paint(painter, item.rect);
        break;
    }
}

qreal textHeightMm(const QString& text, const TextStyle& style, qreal widthMm) {
    const QFontMetricsF metrics(style.unitFont());
    const QRectF bounds(0, 0, widthMm * kTextUnitsPerMm, 1e7);
    return metrics.boundingRect(bounds, style.drawFlags(), text).height() / kTextUnitsPerMm;
}

qreal textWidthMm(const QString& text, const TextStyle& style) {
    return QFontMetricsF(style.unitFont()).horizontalAdvance(text) / kTextUnitsPerMm;
}

} // namespace kova::report
