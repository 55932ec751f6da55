#include "band.h"

#include "printcontext.h"

namespace kova::report {

template <typename T> T& Band::add(std::unique_ptr<T> element) {
    T& ref = *element;
    elements_.push_back(std::move(element));
    return ref;
}

Label& Band::addLabel(const QRectF& rect, const QString& text, const TextStyle& style) {
    return add(std::make_unique<Label>(
        rect, [text](const PrintContext&) { return text; }, style));
}

Label& Band::addField(const QRectF& rect, const QString& field, const TextStyle& style,
                      Formatter format) {
    auto source = [field, format](const PrintContext& context) {
        const QVariant v = context.value(field);
        return format ? format(v) : v.toString();
    };
    return add(std::make_unique<Label>(rect, source, style));
}

Label& Band::addComputed(const QRectF& rect, TextSource source, const TextStyle& style) {
    return add(std::make_unique<Label>(rect, std::move(source), style));
}

Label& Band::addTotal(const QRectF& rect, const QString& totalName, const TextStyle& style,
                      Formatter format) {
    auto source = [totalName, format](const PrintContext& context) {
        const double total = context.total(totalName);
        return format ? format(total) : QString::number(total, 'g', 15);
    };
    return add(std::make_unique<Label>(rect, source, style));
}

Label& Band::addPageNumber(const QRectF& rect, const QString& format, const TextStyle& style) {
    auto source = [format](const PrintContext& context) {
        QString text = format.arg(context.pageNumber());
        return format.contains(QLatin1String("%2")) ? text.arg(pageCountPlaceholder()) : text;
    };
    return add(std::make_unique<Label>(rect, source, style));
}

Label& Band::addPrintDate(const QRectF& rect, const QString& prefix, const TextStyle& style,
                          const QString& dateFormat) {
    auto source = [prefix, dateFormat](const PrintContext& context) {
        return prefix + context.printDate().toString(dateFormat);
    };
    return add(std::make_unique<Label>(rect, source, style));
}

Line& Band::addLine(const QPointF& from, const QPointF& to, qreal widthMm) {
    return add(std::make_unique<Line>(QLineF(from, to), widthMm));
}

Box& Band::addBox(const QRectF& rect, qreal widthMm, const QColor& fill) {
    return add(std::make_unique<Box>(rect, widthMm, fill));
}

ChartElement& Band::addChart(const QRectF& rect, ChartFactory factory) {
    return add(std::make_unique<ChartElement>(rect, std::move(factory)));
}

bool Band::runBeforePrint(const PrintContext& context) const {
    return !beforePrint_ || beforePrint_(context);
}

qreal Band::heightFor(const PrintContext& context) const {
    qreal height = height_;
    for (const auto& element : elements_)
        if (element->printsFor(context))
            height = std::max(height, element->bottomFor(context));
    return height;
}

void Band::placeOn(Page& page, const QPointF& origin, const PrintContext& context) const {
    for (const auto& element : elements_)
        if (element->printsFor(context))
            element->placeOn(page, origin, context);
}

QString pageCountPlaceholder() {
    return QStringLiteral(u"\uE000pages\uE000");
}

} // namespace kova::report
