#include "stationreports.h"

#include "report/format.h"
#include "report/printcontext.h"
#include "store/fieldnames.h"

#include <memory>

namespace kova::climedit {

using report::Band;
using report::boldStyle;
using report::Columns;
using report::plainStyle;

namespace {

const QString kName = QStringLiteral("Station Name");
const QString kNumber = QStringLiteral("Station No");
const QString kCounty = QStringLiteral("County");
const QString kWHR = QStringLiteral("WHR Location");
const QString kLatitude = QStringLiteral("Latitude");
const QString kLongitude = QStringLiteral("Longitude");
const QString kElevation = QStringLiteral("Elevation");
const QString kCountyCaption = QStringLiteral("County: ");
constexpr qreal kRow = report::kLineHeight;

void addMonthRow(Band& band, const Columns& months, qreal top, const QString& caption,
                 const QString& prefix, int decimals) {
    band.addLabel(months.rect(0, top, kRow), caption, boldStyle());
    for (int m = 1; m <= 12; ++m)
        band.addField(months.rect(m, top, kRow), store::monthField(prefix, m), plainStyle().right(),
                      report::format::fixed(decimals));
}

// A county whose stations run onto a new page is named again under the column headings of
// that page.
void addCountyContinuation(report::Report& report, Band& countyHeader) {
    auto firstRowOfCounty = std::make_shared<int>(0);
    countyHeader.setBeforePrint([firstRowOfCounty](const report::PrintContext& c) {
        *firstRowOfCounty = c.rowNumber();
        return true;
    });
    const auto continued = [firstRowOfCounty](const report::PrintContext& c) {
        return !c.value(kCounty).isNull() && c.rowNumber() > *firstRowOfCounty;
    };
    const auto text = [](const report::PrintContext& c) {
        return QStringLiteral("%1 (continued)").arg(c.value(kCounty).toString());
    };
    Band& header = report.columnHeader();
    header.addLabel({0, kRow + 4, 16, kRow + 1}, kCountyCaption, boldStyle()).setPrintIf(continued);
    header.addComputed({16, kRow + 4, 120, kRow + 1}, text, boldStyle()).setPrintIf(continued);
}

} // namespace

std::unique_ptr<TableReport> buildStationListByCounty(store::Table& climate) {
    auto built = std::make_unique<TableReport>(climate);
    report::Report& report = built->report;
    report::addHeadingAndTitle(report, kStationHeading, QStringLiteral("Station List, By County"));
    const Columns columns(4, {60, 14, 12, 14, 13, 3, 70});
    report::addTable(report, columns,
                     {{QStringLiteral("Station Name"), kName, {}},
                      {QStringLiteral("Number"), kNumber, {}},
                      {QStringLiteral("Lat."), kLatitude, report::format::general(), true},
                      {QStringLiteral("Long."), kLongitude, report::format::general(), true},
                      {QStringLiteral("Elev."), kElevation, report::format::general(), true},
                      {},
                      {QStringLiteral("Wind, Humidity & Rad. Sta. Loc."), kWHR, {}}});
    Band& group = report.addGroupHeader(kCounty);
    group.setHeight(kRow + 3);
    group.addLabel({0, 2, 16, kRow}, kCountyCaption, boldStyle());
    group.addField({16, 2, 120, kRow}, kCounty, boldStyle());
    addCountyContinuation(report, group);
    report::addRowCount(report, QStringLiteral("TOTAL NUMBER OF STATIONS:"));
    return built;
}

std::unique_ptr<TableReport> buildStationList(store::Table& climate) {
    auto built = std::make_unique<TableReport>(climate);
    report::Report& report = built->report;
    report::addHeadingAndTitle(report, kStationHeading, QStringLiteral("List of All Stations"));
    const Columns columns(0, {70, 18, 44, 19, 20, 19});
    report::addTable(report, columns,
                     {{QStringLiteral("Station Name"), kName, {}},
                      {QStringLiteral("Number"), kNumber, {}},
                      {QStringLiteral("County"), kCounty, {}},
                      {QStringLiteral("Latitude"), kLatitude, report::format::general(), true},
                      {QStringLiteral("Longitude"), kLongitude, report::format::general(), true},
                      {QStringLiteral("Elevation"), kElevation, report::format::general(), true}});
    report::addRowCount(report, QStringLiteral("Total Number of Stations:"));
    return built;
}

std::unique_ptr<TableReport> buildStationDetails(store::Table& climate) {
    auto built = std::make_unique<TableReport>(climate);
    report::Report& report = built->report;
    report::addHeadingAndTitle(report, kStationHeading, QStringLiteral("Selected Station Details"));
    const qreal width = report.bodyWidth();
    Band& detail = report.detail();
    detail.setHeight(8 * kRow + 4);
    detail.addLine({0, 1}, {width, 1});
    // The right-hand values get the room a 40-character WHR site name needs.
    report::addPair(detail, 0, 2, 28, 62, QStringLiteral("Station Name:"), kName);
    report::addPair(detail, 90, 2, 29, width - 119, QStringLiteral("Station No:"), kNumber);
    report::addPair(detail, 0, 2 + kRow, 28, 62, QStringLiteral("County, State:"), kCounty);
    report::addPair(detail, 90, 2 + kRow, 29, width - 119, QStringLiteral("WHR Location:"), kWHR);
    const qreal place = 2 + 2 * kRow;
    report::addPair(detail, 0, place, 28, 30, QStringLiteral("Latitude:"), kLatitude,
                    report::format::general());
    report::addPair(detail, 60, place, 22, 30, QStringLiteral("Longitude:"), kLongitude,
                    report::format::general());
    report::addPair(detail, 120, place, 22, 40, QStringLiteral("Elevation:"), kElevation,
                    report::format::general());
    const qreal frost = 2 + 3 * kRow;
    report::addPair(detail, 0, frost, 28, 18, QStringLiteral("Spr 28F:"),
                    QStringLiteral("Spr mo/dy 28"));
    report::addPair(detail, 48, frost, 22, 18, QStringLiteral("Spr 32F:"),
                    QStringLiteral("Spr mo/dy 32"));
    report::addPair(detail, 94, frost, 22, 18, QStringLiteral("Fall 28F:"),
                    QStringLiteral("Fall mo/dy 28"));
    report::addPair(detail, 140, frost, 22, 18, QStringLiteral("Fall 32F:"),
                    QStringLiteral("Fall mo/dy 32"));
    const Columns months(0, {34, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13});
    const qreal table = 2 + 4 * kRow + 1;
    for (int m = 1; m <= 12; ++m)
        detail.addLabel(months.rect(m, table, kRow), store::monthName(m), boldStyle().right());
    // Means of the published maximum and minimum carry two decimals.
    addMonthRow(detail, months, table + kRow, QStringLiteral("Temperature F"), QStringLiteral("T"),
                2);
    addMonthRow(detail, months, table + 2 * kRow, QStringLiteral("Precipitation in."),
                QStringLiteral("P"), 2);
    report::addRowCount(report, QStringLiteral("Total Number of Stations:"));
    return built;
}

} // namespace kova::climedit
