#pragma once
// The pieces the results reports share: the product title, the footers, captioned values
// read from the calculation when their band prints, month tables and the one-row data sets.

#include "resultsreport.h"

#include "report/band.h"
#include "report/printcontext.h"
#include "report/textstyle.h"

#include <functional>

namespace kova::results {

inline constexpr qreal kLine = 5;        // one line of report text, mm
inline constexpr qreal kHeadingLine = 4; // one line of a column heading, mm

report::TextStyle plainText();
report::TextStyle boldText();
report::TextStyle largeText(); // the job and crop names

// Number forms of the reports: two decimals ("2.50"), the shortest general form ("41.19",
// "6128"), a whole number.
QString fixed2(double value);
QString general(double value);
QString integer(int value);

// "Kova" (bold, large) with the subtitle below; on the first page, or on every page.
void addProductTitle(report::Band& title, qreal width, const QString& subtitle);
// The page footer: the print date after `datePrefix`, and the page number after `pagePrefix`
// at the right when one is given.
void addFooter(report::Report& report, const QString& datePrefix, const QString& pagePrefix = {});

// A caption, its value read when the band prints (from the calculation, or from the row of
// the data set), and a unit after the value ("inches", "days"). The three print together or
// not at all.
struct Item {
    QString caption;
    report::TextSource value;
    QString unit = {};
};
struct ItemPlace {
    qreal left = 0;
    qreal top = 0;
    qreal valueWidth = 30;
    qreal captionWidth = 0; // 0: as wide as the caption's text
};
// The room a bold caption takes, with the gap before its value.
qreal captionWidthMm(const QString& caption);
// An item without a caption places its value at `left`. Returns where the item ends.
qreal addItem(report::Band& band, const ItemPlace& place, const Item& item,
              report::Condition printIf = {}, const report::TextStyle& valueStyle = plainText());

// A value of the calculation record, read when its band prints.
report::TextSource fromKova(const calc::TKova& kova,
                            std::function<QString(const calc::TKova&)> read);

// Labels in fixed columns: one heading line per entry of `lines` over each column.
struct HeadingColumn {
    qreal left = 0;
    qreal width = 0;
    QStringList lines; // top to bottom; an empty entry leaves its line empty
};
void addHeadings(report::Band& band, qreal top, const std::vector<HeadingColumn>& columns);

// The report walks the one row of `tableName` (Report, SystemDefaults): it prints its detail
// band once per row, and once when the table is empty or cannot be opened.
void walkOneRowTable(ResultsReport& built, const QString& alias, const QString& tableName);

} // namespace kova::results
