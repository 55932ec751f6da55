#include "climreport.h"

#include "report/format.h"
#include "report/previewwindow.h"
#include "store/table.h"
#include "ui/busycursor.h"
#include "ui/messages.h"

namespace kova::climedit {

namespace {
const QString kCountTotal = QStringLiteral("rows");
}

report::TextStyle plainStyle() {
    return report::TextStyle().size(9);
}

report::TextStyle boldStyle() {
    return plainStyle().bold();
}

void addHeadingAndTitle(report::Report& report, const QString& heading, const QString& title) {
    const qreal width = report.bodyWidth();
    report.setDocumentName(title);
    report::Band& header = report.pageHeader();
    header.setHeight(12);
    header.addPrintDate({0, 0, 36, 6}, QStringLiteral("Date: "), plainStyle());
    header.addLabel({36, 0, width - 66, 6}, heading, boldStyle().size(12).centred());
    header.addPageNumber({width - 30, 0, 30, 6}, QStringLiteral("Page %1"), plainStyle().right());
    header.addLine({0, 8}, {width, 8}, 0.3);
    report.title().setHeight(12);
    report.title().addLabel({0, 1, width, 9}, title, boldStyle().size(14).centred());
}

void addRowCount(report::Report& report, const QString& caption) {
    report.addTotal(kCountTotal, report::TotalKind::Count);
    report::Band& summary = report.summary();
    summary.setHeight(10);
    summary.addLine({0, 1.5}, {report.bodyWidth(), 1.5});
    summary.addLabel({0, 3, 80, 6}, caption, boldStyle());
    summary.addTotal({80, 3, 30, 6}, kCountTotal, boldStyle(), report::format::integer());
}

void withMarkedRowsOnly(store::Table& table, const std::function<void()>& print) {
    const bool wasFiltered = table.filtered();
    table.setRecordFilter(
        [](const store::Record& row) { return row.asBool(QStringLiteral("Marked")); });
    table.setFiltered(true);
    print();
    table.setFiltered(wasFiltered);
}

void showReport(const report::Report& report, QWidget* parent) {
    int pages = 0;
    {
        const ui::BusyCursor busy;
        pages = report::previewReport(report, parent);
    }
    if (pages == 0)
        ui::Messages::information(QStringLiteral("There is nothing to print."), parent);
}

} // namespace kova::climedit
