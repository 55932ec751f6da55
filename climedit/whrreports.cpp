#include "whrreports.h"

#include "whrseries.h"

#include "report/format.h"
#include "report/printcontext.h"
#include "store/fieldnames.h"

namespace kova::climedit {

using report::Band;
using report::boldStyle;
using report::Columns;
using report::plainStyle;

namespace {
const QString kLocation = QStringLiteral("WHR Location");
const QString kNotes = QStringLiteral("Site Description/Notes");
constexpr qreal kRow = report::kLineHeight;
} // namespace

std::unique_ptr<TableReport> buildWHRLocationList(store::Table& whr) {
    auto built = std::make_unique<TableReport>(whr);
    report::Report& report = built->report;
    report::addHeadingAndTitle(report, kWHRHeading,
                               QStringLiteral("List of Data Source Locations"));
    // A 40-character location name needs about 72 mm; a gap keeps it off the notes.
    const Columns columns(0, {72, 3, report.bodyWidth() - 75});
    report.columnHeader().setHeight(kRow + 2);
    report.columnHeader().addLabel(columns.rect(0, 0, kRow), QStringLiteral("Location"),
                                   boldStyle());
    report.columnHeader().addLabel(columns.rect(2, 0, kRow),
                                   QStringLiteral("Site Description and Notes"), boldStyle());
    report.columnHeader().addLine({0, kRow + 1}, {columns.right(), kRow + 1});
    // Notes run over several lines: a hairline and a little air between sites.
    Band& detail = report.detail();
    detail.setHeight(kRow + 2);
    detail.addLine({0, 0.5}, {columns.right(), 0.5}, 0.1)
        .setPrintIf([](const report::PrintContext& c) { return c.rowNumber() > 1; });
    detail.addField(columns.rect(0, 1.5, kRow), kLocation, plainStyle().top());
    detail.addField(columns.rect(2, 1.5, kRow), kNotes, plainStyle().wrapped().top());
    report::addRowCount(report, QStringLiteral("Total Number of Locations:"));
    return built;
}

std::unique_ptr<TableReport> buildWHRDetails(store::Table& whr) {
    auto built = std::make_unique<TableReport>(whr);
    report::Report& report = built->report;
    report::addHeadingAndTitle(report, kWHRHeading, QStringLiteral("Selected Stations, Details"));
    const Columns months(0, {46, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12});
    Band& detail = report.detail();
    const auto& series = whrSeries();
    detail.setHeight(kRow * qreal(series.size() + 2) + 4);
    detail.addLine({0, 1}, {months.right(), 1});
    detail.addField({0, 2, months.right(), kRow}, kLocation, boldStyle());
    const qreal table = 2 + kRow;
    for (int m = 1; m <= 12; ++m)
        detail.addLabel(months.rect(m, table, kRow), store::monthName(m), boldStyle().right());
    qreal top = table + kRow;
    for (const WHRSeries& s : series) {
        detail.addLabel(months.rect(0, top, kRow), s.reportCaption, boldStyle());
        for (int m = 1; m <= 12; ++m)
            detail.addField(months.rect(m, top, kRow), store::monthField(s.prefix, m),
                            plainStyle().right(), report::format::fixed(s.decimals()));
        top += kRow;
    }
    report::addRowCount(report, QStringLiteral("Total Number of Locations:"));
    return built;
}

} // namespace kova::climedit
