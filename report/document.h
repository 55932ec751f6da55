#pragma once
// A laid-out report: its pages as display lists in millimetres, ready to be painted on any
// device (preview, printer, PDF, images, SVG) or written as HTML.

#include "textstyle.h"

#include <QColor>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QChart;
class QGraphicsScene;
class QPainter;

namespace kova::report {

// A chart placed on a page. The chart lives in its own scene for as long as a page shows it,
// so every painting is vector drawing at the target's resolution.
class PlacedChart {
public:
    PlacedChart(QChart* chart, const QSizeF& sizeMm);
    ~PlacedChart();
    PlacedChart(const PlacedChart&) = delete;
    PlacedChart& operator=(const PlacedChart&) = delete;

    void paint(QPainter& painter, const QRectF& targetMm) const;

private:
    std::unique_ptr<QGraphicsScene> scene_;
};

struct PageItem {
    enum class Kind { Text, Line, Box, Chart };
    Kind kind = Kind::Text;
    QRectF rect; // for a line: from its top-left to its bottom-right corner
    QString text;
    TextStyle style;
    qreal penWidth = 0; // mm; 0 draws no outline
    QColor fill;        // invalid: not filled
    std::shared_ptr<const PlacedChart> chart;
};

class Page {
public:
    void addText(const QRectF& rect, const QString& text, const TextStyle& style);
    void addLine(const QPointF& from, const QPointF& to, qreal widthMm);
    void addBox(const QRectF& rect, qreal widthMm, const QColor& fill);
    void addChart(const QRectF& rect, std::shared_ptr<const PlacedChart> chart);

    const std::vector<PageItem>& items() const { return items_; }
    std::vector<PageItem>& items() { return items_; }
    QStringList texts() const;

private:
    std::vector<PageItem> items_;
};

class ReportDocument {
public:
    ReportDocument() = default;
    ReportDocument(const QPageLayout& layout, QString title);

    QPageLayout pageLayout() const { return layout_; }
    QSizeF pageSizeMm() const;
    QString title() const { return title_; }

    int pageCount() const { return int(pages_.size()); }
    const Page& page(int index) const { return pages_.at(size_t(index)); }
    Page& addPage();
    Page& page(int index) { return pages_.at(size_t(index)); }

    // Paints a page with its top-left paper corner at the painter's origin, `dotsPerMm` device
    // pixels to the millimetre, on white paper.
    void paintPage(int index, QPainter& painter, qreal dotsPerMm) const;

private:
    QPageLayout layout_;
    QString title_;
    std::vector<Page> pages_;
};

// Draws one display-list item on a painter already scaled to millimetres.
void paintItem(QPainter& painter, const PageItem& item);
// Height in mm the text needs at the given width (wrapped when the style wraps).
qreal textHeightMm(const QString& text, const TextStyle& style, qreal widthMm);
// Width in mm of the text on one line.
qreal textWidthMm(const QString& text, const TextStyle& style);

} // namespace kova::report
