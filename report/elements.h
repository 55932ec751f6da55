#pragma once
// The things a band holds: text labels (fixed, bound to a field, or computed just before the
// band prints), lines, boxes and charts. Positions are in millimetres from the band's top-left
// corner, which is the left page margin.

#include "textstyle.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

class QChart;

namespace kova::report {

class PrintContext;
class Page;

using Formatter = std::function<QString(const QVariant&)>;
using TextSource = std::function<QString(const PrintContext&)>;
using Condition = std::function<bool(const PrintContext&)>;
// Builds the chart for one printing of its band; the engine takes ownership of it.
using ChartFactory = std::function<QChart*(const PrintContext&)>;

class BandElement {
public:
    explicit BandElement(const QRectF& rect) : rect_(rect) {}
    virtual ~BandElement() = default;
    BandElement(const BandElement&) = delete;
    BandElement& operator=(const BandElement&) = delete;

    QRectF rect() const { return rect_; }
    // The element prints only where the condition holds (for example items that depend on
    // the crop's curve kind).
    void setPrintIf(Condition condition) { printIf_ = std::move(condition); }
    bool printsFor(const PrintContext& context) const;
    // Lowest point of the element in this printing; wrapped text may reach below its rect.
    virtual qreal bottomFor(const PrintContext&) const { return rect_.bottom(); }
    virtual void placeOn(Page& page, const QPointF& origin, const PrintContext& context) const = 0;

protected:
    QRectF rect_;

private:
    Condition printIf_;
};

class Label : public BandElement {
public:
    Label(const QRectF& rect, TextSource source, const TextStyle& style);

    void setText(const QString& text); // replaces the source by a fixed text
    void setStyle(const TextStyle& style) { style_ = style; }
    const TextStyle& style() const { return style_; }
    QString textFor(const PrintContext& context) const;

    qreal bottomFor(const PrintContext& context) const override;
    void placeOn(Page& page, const QPointF& origin, const PrintContext& context) const override;

private:
    TextSource source_;
    TextStyle style_;
};

class Line : public BandElement {
public:
    Line(const QLineF& line, qreal widthMm);
    void placeOn(Page& page, const QPointF& origin, const PrintContext& context) const override;

private:
    QLineF line_;
    qreal width_;
};

class Box : public BandElement {
public:
    Box(const QRectF& rect, qreal widthMm, const QColor& fill);
    void placeOn(Page& page, const QPointF& origin, const PrintContext& context) const override;

private:
    qreal width_;
    QColor fill_;
};

class ChartElement : public BandElement {
public:
    ChartElement(const QRectF& rect, ChartFactory factory);
    void placeOn(Page& page, const QPointF& origin, const PrintContext& context) const override;

private:
    ChartFactory factory_;
};

} // namespace kova::report
