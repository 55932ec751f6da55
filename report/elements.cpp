#include "elements.h"

#include "document.h"
#include "printcontext.h"

#include <QChart>

namespace kova::report {

bool BandElement::printsFor(const PrintContext& context) const {
    return !printIf_ || printIf_(context);
}

Label::Label(const QRectF& rect, TextSource source, const TextStyle& style)
    : BandElement(rect), source_(std::move(source)), style_(style) {}

void Label::setText(const QString& text) {
    source_ = [text](const PrintContext&) { return text; };
}

QString Label::textFor(const PrintContext& context) const {
    return source_ ? source_(context) : QString();
}

qreal Label::bottomFor(const PrintContext& context) const {
    if (!style_.isWrapped())
        return rect_.bottom();
    const qreal needed = textHeightMm(textFor(context), style_, rect_.width());
    return rect_.top() + std::max(rect_.height(), needed);
}

void Label::placeOn(Page& page, const QPointF& origin, const PrintContext& context) const {
    QRectF placed = rect_.translated(origin);
    placed.setBottom(origin.y() + bottomFor(context));
    page.addText(placed, textFor(context), style_);
}

Line::Line(const QLineF& line, qreal widthMm)
    : BandElement(QRectF(line.p1(), line.p2()).normalized()), line_(line), width_(widthMm) {}

void Line::placeOn(Page& page, const QPointF& origin, const PrintContext&) const {
    const QLineF placed = line_.translated(origin);
    page.addLine(placed.p1(), placed.p2(), width_);
}

Box::Box(const QRectF& rect, qreal widthMm, const QColor& fill)
    : BandElement(rect), width_(widthMm), fill_(fill) {}

void Box::placeOn(Page& page, const QPointF& origin, const PrintContext&) const {
    page.addBox(rect_.translated(origin), width_, fill_);
}

ChartElement::ChartElement(const QRectF& rect, ChartFactory factory)
    : BandElement(rect), factory_(std::move(factory)) {}

void ChartElement::placeOn(Page& page, const QPointF& origin, const PrintContext& context) const {
    QChart* chart = factory_ ? factory_(context) : nullptr;
    if (!chart)
        return;
    page.addChart(rect_.translated(origin), std::make_shared<PlacedChart>(chart, rect_.size()));
}

} // namespace kova::report
