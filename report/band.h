#pragma once
// One horizontal strip of a report page and what it holds. Which band it is (title, detail,
// ...) is decided by where the report keeps it; the band itself only knows its height, its
// elements and the callback that runs just before each printing.

#include "elements.h"

#include <QDate>
#include <functional>
#include <memory>
#include <vector>

namespace kova::report {

class Band {
public:
    // Runs just before the band prints, after the current row is in place. Labels may be
    // changed here; returning false skips this printing of the band.
    using BeforePrint = std::function<bool(const PrintContext&)>;

    Band() = default;
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    void setHeight(qreal mm) { height_ = mm; }
    qreal height() const { return height_; }
    void setBeforePrint(BeforePrint callback) { beforePrint_ = std::move(callback); }
    // A band is printed only once it has a height or something in it.
    bool isUsed() const { return height_ > 0 || !elements_.empty(); }

    Label& addLabel(const QRectF& rect, const QString& text, const TextStyle& style = {});
    // The field of the data set's current row, shown through `format` (plain text without).
    Label& addField(const QRectF& rect, const QString& field, const TextStyle& style = {},
                    Formatter format = {});
    Label& addComputed(const QRectF& rect, TextSource source, const TextStyle& style = {});
    // A total declared with Report::addTotal.
    Label& addTotal(const QRectF& rect, const QString& totalName, const TextStyle& style = {},
                    Formatter format = {});
    // `format` takes %1 for the page number and optionally %2 for the page count
    // ("Page %1 of %2").
    Label& addPageNumber(const QRectF& rect, const QString& format = QStringLiteral("Page %1"),
                         const TextStyle& style = {});
    // `prefix` followed by the print date in `dateFormat`.
    Label& addPrintDate(const QRectF& rect, const QString& prefix = QStringLiteral("Date: "),
                        const TextStyle& style = {},
                        const QString& dateFormat = QStringLiteral("M/d/yyyy"));
    Line& addLine(const QPointF& from, const QPointF& to, qreal widthMm = 0.25);
    Box& addBox(const QRectF& rect, qreal widthMm = 0.25, const QColor& fill = {});
    ChartElement& addChart(const QRectF& rect, ChartFactory factory);

    // --- used by the engine ----------------------------------------------------------------
    bool runBeforePrint(const PrintContext& context) const;
    // The height of this printing: the band's height, or more where wrapped text needs it.
    qreal heightFor(const PrintContext& context) const;
    void placeOn(Page& page, const QPointF& origin, const PrintContext& context) const;

private:
    template <typename T> T& add(std::unique_ptr<T> element);

    qreal height_ = 0;
    BeforePrint beforePrint_;
    std::vector<std::unique_ptr<BandElement>> elements_;
};

// Marks the page count in a text until the count is known; the engine replaces it when the
// last page is done.
QString pageCountPlaceholder();

} // namespace kova::report
