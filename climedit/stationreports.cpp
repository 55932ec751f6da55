#include "stationreports.h"

#include "report/format.h"
#include "store/fieldnames.h"

namespace kova::climedit {

using report::Band;
using report::Columns;

namespace {

const QString kName = QStringLiteral("Station Name");
const QString kNumber = QStringLiteral("Station No");
const QString kCounty = QStringLiteral("County");
const QString kWHR = QStringLiteral("WHR Location");
const QString kLatitude = QStringLiteral("Latitude");
const QString kLongitude = QStringLiteral("Longitude");
const QString kElevation = QStringLiteral("Elevation");
constexpr qreal kRow = 5;

struct Column {
    QString caption;
    QString field;
    report::Formatter format;
    bool right = false;
};

// A column header and a detail line of one label per column.
void addTable(report::Report& report, const Columns& columns, const std::vector<Column>& list) {
    report.columnHeader().setHeight(kRow + 2);
    report.columnHeader().addLine({0, kRow + 1}, {columns.right(), kRow + 1});
    report.detail().setHeight(kRow);
    for (int i = 0; i < columns.count(); ++i) {
        const Column& c = list[size_t(i)];
        if (c.field.isEmpty())
            continue; // a gap between columns
        const auto style = c.right ? plainStyle().right() : plainStyle();
        report.columnHeader().addLabel(columns.rect(i, 0, kRow), c.caption,
                                       c.right ? boldStyle().right() : boldStyle());
        report.detail().addField(columns.rect(i, 0, kRow), c.field, style, c.format);
    }
}

// One labelled value of the details report: caption in bold, value after it.
void addPair(Band& band, qreal left, qreal top, qreal captionWidth, qreal valueWidth,
             const QString& caption, const QString& field, report::Formatter format = {}) {
    band.addLabel({left, top, captionWidth, kRow}, caption, boldStyle());
    band.addField({left + captionWidth, top, valueWidth, kRow}, field, plainStyle(),
                  std::move(format));
}

void addMonthRow(Band& band, const Columns& months, qreal top, const QString& caption,
                 const QString& prefix, int decimals) {
    band.addLabel(months.rect(0, top, kRow), caption, boldStyle());
    for (int m = 1; m <= 12; ++m)
        band.addField(months.rect(m, top, kRow), store::monthField(prefix, m), plainStyle().right(),
                      report::format::fixed(decimals));
}

} // namespace

std::unique_ptr<TableReport> buildStationListByCounty(store::Table& climate) {
    auto built = std::make_unique<TableReport>(climate);
    report::Report& report = built->report;
    addHeadingAndTitle(report, kStationHeading, QStringLiteral("Station List, By County"));
    const Columns columns(4, {52, 16, 14, 16, 15, 3, 70});
    addTable(report, columns,
             {{QStringLiteral("Station Name"), kName, {}},
              {QStringLiteral("Number"), kNumber, {}},
              {QStringLiteral("Lat."), kLatitude, report::format::general(), true},
              {QStringLiteral("Long."), kLongitude, report::format::general(), true},
              {QStringLiteral("Elev."), kElevation, report::format::general(), true},
              {},
              {QStringLiteral("Wind, Humidity & Rad. Sta. Loc."), kWHR, {}}});
    Band& group = report.addGroupHeader(kCounty);
    group.setHeight(kRow + 3);
    group.addLabel({0, 2, 16, kRow}, QStringLiteral("County: "), boldStyle());
    group.addField({16, 2, 120, kRow}, kCounty, boldStyle());
    addRowCount(report, QStringLiteral("TOTAL NUMBER OF STATIONS:"));
    return built;
}

std::unique_ptr<TableReport> buildStationList(store::Table& climate) {
    auto built = std::make_unique<TableReport>(climate);
    report::Report& report = built->report;
    addHeadingAndTitle(report, kStationHeading, QStringLiteral("List of All Stations"));
    const Columns columns(0, {58, 20, 52, 19, 21, 20});
    addTable(report, columns,
             {{QStringLiteral("Station Name"), kName, {}},
              {QStringLiteral("Number"), kNumber, {}},
              {QStringLiteral("County"), kCounty, {}},
              {QStringLiteral("Latitude"), kLatitude, report::format::general(), true},
              {QStringLiteral("Longitude"), kLongitude, report::format::general(), true},
              {QStringLiteral("Elevation"), kElevation, report::format::general(), true}});
    addRowCount(report, QStringLiteral("Total Number of Stations:"));
    return built;
}

std::unique_ptr<TableReport> buildStationDetails(store::Table& climate) {
    auto built = std::make_unique<TableReport>(climate);
    report::Report& report = built->report;
    addHeadingAndTitle(report, kStationHeading, QStringLiteral("Selected Station Details"));
    const qreal width = report.bodyWidth();
    Band& detail = report.detail();
    detail.setHeight(8 * kRow + 4);
    detail.addLine({0, 1}, {width, 1});
    addPair(detail, 0, 2, 28, 68, QStringLiteral("Station Name:"), kName);
    addPair(detail, 100, 2, 28, 60, QStringLiteral("Station No:"), kNumber);
    addPair(detail, 0, 2 + kRow, 28, 68, QStringLiteral("County, State:"), kCounty);
    addPair(detail, 100, 2 + kRow, 28, 62, QStringLiteral("WHR Location:"), kWHR);
    const qreal place = 2 + 2 * kRow;
    addPair(detail, 0, place, 28, 30, QStringLiteral("Latitude:"), kLatitude,
            report::format::general());
    addPair(detail, 60, place, 22, 30, QStringLiteral("Longitude:"), kLongitude,
            report::format::general());
    addPair(detail, 120, place, 22, 40, QStringLiteral("Elevation:"), kElevation,
            report::format::general());
    const qreal frost = 2 + 3 * kRow;
    addPair(detail, 0, frost, 28, 18, QStringLiteral("Spr 28F:"), QStringLiteral("Spr mo/dy 28"));
    addPair(detail, 48, frost, 22, 18, QStringLiteral("Spr 32F:"), QStringLiteral("Spr mo/dy 32"));
    addPair(detail, 94, frost, 22, 18, QStringLiteral("Fall 28F:"),
            QStringLiteral("Fall mo/dy 28"));
    addPair(detail, 140, frost, 22, 18, QStringLiteral("Fall 32F:"),
            QStringLiteral("Fall mo/dy 32"));
    const Columns months(0, {34, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13});
    const qreal table = 2 + 4 * kRow + 1;
    for (int m = 1; m <= 12; ++m)
        detail.addLabel(months.rect(m, table, kRow), store::monthName(m), boldStyle().right());
    addMonthRow(detail, months, table + kRow, QStringLiteral("Temperature F"), QStringLiteral("T"),
                1);
    addMonthRow(detail, months, table + 2 * kRow, QStringLiteral("Precipitation in."),
                QStringLiteral("P"), 2);
    addRowCount(report, QStringLiteral("Total Number of Stations:"));
    return built;
}

} // namespace kova::climedit
