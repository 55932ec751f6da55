#pragma once
// What the editors' reports over a table share: the report and its data set in one object,
// the heading (database name, print date, page number) and title, the summary line with the
// number of rows printed, a table of columns, labelled values, the text styles, and printing
// the marked rows only.

#include "report.h"
#include "tabledataset.h"
#include "textstyle.h"

#include <functional>

namespace kova::store {
class Table;
}

namespace kova::report {

struct TableReport {
    explicit TableReport(store::Table& table) : data(table) { report.setDataSet(&data); }
    TableDataSet data;
    Report report;
};

// The height of one line of report text, in mm.
inline constexpr qreal kLineHeight = 5;

// Text styles of the editors' reports.
TextStyle plainStyle();
TextStyle boldStyle();

// Page header with `heading`, the print date and the page number on every page; the title
// band with `title` on the first page.
void addHeadingAndTitle(Report& report, const QString& heading, const QString& title);
// The summary line: `caption` and the number of rows printed.
void addRowCount(Report& report, const QString& caption);

// One column of a table: its heading and the field printed under it. A column without a
// field is a gap.
struct TableColumn {
    QString caption;
    QString field;
    Formatter format = {};
    bool right = false;
};
// A column header and a detail line of one label per column.
void addTable(Report& report, const Columns& columns, const std::vector<TableColumn>& list);

// A detail band of `height` that prints each row as a block: a rule above every block but the
// first, then `nameField` in bold across the page; the row's values go below (from kLineHeight
// + 2).
void addRowBlock(Report& report, qreal height, const QString& nameField,
                 const TextStyle& nameStyle = boldStyle());

// One labelled value: the caption in bold, the field's value after it.
void addPair(Band& band, qreal left, qreal top, qreal captionWidth, qreal valueWidth,
             const QString& caption, const QString& field, Formatter format = {});

// Runs `print` with the table showing its marked rows only, then puts its filter back.
void withMarkedRowsOnly(store::Table& table, const std::function<void()>& print);

} // namespace kova::report
