#include "tablereport.h"

#include "format.h"
#include "printcontext.h"
#include "store/table.h"

namespace kova::report {

namespace {
const QString kCountTotal = QStringLiteral("rows");
}

TextStyle plainStyle() {
    return TextStyle().size(9);
}

TextStyle boldStyle() {
    return plainStyle().bold();
}

void addHeadingAndTitle(Report& report, const QString& heading, const QString& title) {
    const qreal width = report.bodyWidth();
    report.setDocumentName(title);
    Band& header = report.pageHeader();
    header.setHeight(12);
    header.addPrintDate({0, 0, 36, 6}, QStringLiteral("Date: "), plainStyle());
    header.addLabel({36, 0, width - 66, 6}, heading, boldStyle().size(12).centred());
    header.addPageNumber({width - 30, 0, 30, 6}, QStringLiteral("Page %1"), plainStyle().right());
    header.addLine({0, 8}, {width, 8}, 0.3);
    report.title().setHeight(12);
    report.title().addLabel({0, 1, width, 9}, title, boldStyle().size(14).centred());
}

void addRowCount(Report& report, const QString& caption) {
    report.addTotal(kCountTotal, TotalKind::Count);
    Band& summary = report.summary();
    summary.setHeight(10);
    summary.addLine({0, 1.5}, {report.bodyWidth(), 1.5});
    summary.addLabel({0, 3, 80, 6}, caption, boldStyle());
    summary.addTotal({80, 3, 30, 6}, kCountTotal, boldStyle(), format::integer());
}

void addTable(Report& report, const Columns& columns, const std::vector<TableColumn>& list) {
    report.columnHeader().setHeight(kLineHeight + 2);
    report.columnHeader().addLine({0, kLineHeight + 1}, {columns.right(), kLineHeight + 1});
    report.detail().setHeight(kLineHeight);
    for (int i = 0; i < columns.count() && i < int(list.size()); ++i) {
        const TableColumn& c = list[size_t(i)];
        if (c.field.isEmpty())
            continue; // a gap between columns
        report.columnHeader().addLabel(columns.rect(i, 0, kLineHeight), c.caption,
                                       c.right ? boldStyle().right() : boldStyle());
        report.detail().addField(columns.rect(i, 0, kLineHeight), c.field,
                                 c.right ? plainStyle().right() : plainStyle(), c.format);
    }
}

void addRowBlock(Report& report, qreal height, const QString& nameField,
                 const TextStyle& nameStyle) {
    Band& detail = report.detail();
    const qreal width = report.bodyWidth();
    detail.setHeight(height);
    detail.addLine({0, 1}, {width, 1}, 0.1).setPrintIf([](const PrintContext& c) {
        return c.rowNumber() > 1;
    });
    detail.addField({0, 2, width, kLineHeight}, nameField, nameStyle);
}

void addPair(Band& band, qreal left, qreal top, qreal captionWidth, qreal valueWidth,
             const QString& caption, const QString& field, Formatter format) {
    band.addLabel({left, top, captionWidth, kLineHeight}, caption, boldStyle());
    band.addField({left + captionWidth, top, valueWidth, kLineHeight}, field, plainStyle(),
                  std::move(format));
}

void withMarkedRowsOnly(store::Table& table, const std::function<void()>& print) {
    const bool wasFiltered = table.filtered();
    table.setRecordFilter(
        [](const store::Record& row) { return row.asBool(QStringLiteral("Marked")); });
    table.setFiltered(true);
    print();
    table.setFiltered(wasFiltered);
}

} // namespace kova::report
