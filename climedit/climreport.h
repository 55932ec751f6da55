#pragma once
// What the five climate editor reports share: a report over a table of the database, its
// heading (database name, print date, page number) and title, and showing it as a preview
// under the busy cursor.

#include "report/report.h"
#include "report/tabledataset.h"
#include "report/textstyle.h"

#include <functional>

class QWidget;

namespace kova::climedit {

struct TableReport {
    explicit TableReport(store::Table& table) : data(table) { report.setDataSet(&data); }
    report::TableDataSet data;
    report::Report report;
};

inline const QString kStationHeading = QStringLiteral("Kova Climate Database");
inline const QString kWHRHeading = QStringLiteral("Kova: Wind, Humidity and Radiation Database");

// Page header with `heading`, the print date and the page number on every page; the title
// band with `title` on the first page.
void addHeadingAndTitle(report::Report& report, const QString& heading, const QString& title);
// The summary line: `caption` and the number of rows printed.
void addRowCount(report::Report& report, const QString& caption);

// Shows the report as a print preview; the hourglass stays up meanwhile and goes whichever
// way the preview ends.
void showReport(const report::Report& report, QWidget* parent);

// Runs `print` with the table showing its marked rows only, then puts its filter back.
void withMarkedRowsOnly(store::Table& table, const std::function<void()>& print);

// Text styles of the reports.
report::TextStyle plainStyle();
report::TextStyle boldStyle();

} // namespace kova::climedit
