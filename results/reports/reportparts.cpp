#include "reportparts.h"

#include "calc/tkova.h"

#include "report/document.h"
#include "report/format.h"
#include "report/tablereport.h"

namespace kova::results {

using report::Band;
using report::TextStyle;

namespace {
constexpr qreal kCaptionGap = 1.5;
}

report::TextStyle plainText() {
    return report::plainStyle();
}

report::TextStyle boldText() {
    return report::boldStyle();
}

report::TextStyle largeText() {
    return boldText().size(12);
}

QString fixed2(double value) {
    return report::format::fixed(2)(value);
}

QString general(double value) {
    return report::format::general()(value);
}

QString integer(int value) {
    return QString::number(value);
}

void addProductTitle(Band& title, qreal width, const QString& subtitle) {
    title.setHeight(18);
    title.addLabel({0, 0, width, 9}, QStringLiteral("Kova"), boldText().size(18).centred());
    title.addLabel({0, 10, width, 7}, subtitle, boldText().size(12).centred());
}

void addFooter(report::Report& report, const QString& datePrefix, const QString& pagePrefix) {
    const qreal width = report.bodyWidth();
    Band& footer = report.pageFooter();
    footer.setHeight(8);
    footer.addLine({0, 1}, {width, 1}, 0.2);
    // Each caption exactly as written, its value after it.
    const qreal dateLeft = report::textWidthMm(datePrefix, plainText()) + kCaptionGap;
    footer.addLabel({0, 2, dateLeft, kLine}, datePrefix, plainText());
    footer.addPrintDate({dateLeft, 2, 40, kLine}, QString(), plainText());
    if (pagePrefix.isEmpty())
        return;
    const qreal pageWidth = report::textWidthMm(pagePrefix, plainText()) + kCaptionGap;
    footer.addLabel({width - 15 - pageWidth, 2, pageWidth, kLine}, pagePrefix, plainText());
    footer.addPageNumber({width - 15, 2, 15, kLine}, QStringLiteral("%1"), plainText());
}

qreal captionWidthMm(const QString& caption) {
    return report::textWidthMm(caption, boldText()) + kCaptionGap;
}

qreal addItem(Band& band, const ItemPlace& at, const Item& item, report::Condition printIf,
              const TextStyle& valueStyle) {
    const qreal captionWidth = at.captionWidth > 0 || item.caption.isEmpty()
                                   ? at.captionWidth
                                   : captionWidthMm(item.caption);
    const qreal valueLeft = at.left + captionWidth;
    if (!item.caption.isEmpty())
        band.addLabel({at.left, at.top, captionWidth, kLine}, item.caption, boldText())
            .setPrintIf(printIf);
    // The unit follows the value on the same label, so it stays next to a short value.
    const qreal unitWidth =
        item.unit.isEmpty() ? 0 : report::textWidthMm(QLatin1Char(' ') + item.unit, valueStyle);
    report::TextSource text = item.value;
    if (!item.unit.isEmpty())
        text = [value = item.value, unit = item.unit](const report::PrintContext& c) {
            return value(c) + QLatin1Char(' ') + unit;
        };
    band.addComputed({valueLeft, at.top, at.valueWidth + unitWidth, kLine}, text, valueStyle)
        .setPrintIf(printIf);
    return valueLeft + at.valueWidth + unitWidth;
}

report::TextSource fromKova(const calc::TKova& kova,
                            std::function<QString(const calc::TKova&)> read) {
    return [&kova, read](const report::PrintContext&) { return read(kova); };
}

void addHeadings(Band& band, qreal top, const std::vector<HeadingColumn>& columns) {
    for (const HeadingColumn& c : columns)
        for (int i = 0; i < c.lines.size(); ++i)
            if (!c.lines[i].isEmpty())
                band.addLabel({c.left, top + i * kHeadingLine, c.width, kHeadingLine}, c.lines[i],
                              boldText().size(8).centred());
}

void walkOneRowTable(ResultsReport& built, const QString& alias, const QString& tableName) {
    auto table = std::make_unique<store::Table>(tableName, alias);
    // An empty or missing one-row table must not hide the report: it prints once anyway.
    built.report.setPrintIfEmpty(true);
    if (!table->open())
        return;
    built.table = std::move(table);
    built.data = std::make_unique<report::TableDataSet>(*built.table);
    built.report.setDataSet(built.data.get());
}

} // namespace kova::results
