#include "report.h"

#include <QPageSize>

namespace kova::report {

namespace {
constexpr qreal kMarginMm = 12.7;
}

Report::Report()
    : layout_(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
              QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter),
      printDate_(QDate::currentDate()) {}

void Report::setLandscape(bool landscape) {
    layout_.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

qreal Report::bodyWidth() const {
    return layout_.paintRect(QPageLayout::Millimeter).width();
}

void Report::addTotal(const QString& name, TotalKind kind, const QString& field) {
    totals_.push_back({name, kind, field});
}

Band& Report::addGroupHeader(const QString& field) {
    groups_.push_back({field, std::make_unique<Band>()});
    return *groups_.back().header;
}

Columns::Columns(qreal left, std::initializer_list<qreal> widths) : widths_(widths) {
    for (qreal width : widths_) {
        lefts_.push_back(left);
        left += width;
    }
}

qreal Columns::right() const {
    return lefts_.empty() ? 0 : lefts_.back() + widths_.back();
}

QRectF Columns::rect(int column, qreal top, qreal height) const {
    return QRectF(left(column), top, width(column), height);
}

} // namespace kova::report
