#pragma once
// Reports shared by the report tests.

#include "pdftext.h"
#include "report/dataset.h"
#include "report/report.h"

#include <QDate>
#include <QStringList>
#include <memory>
#include <ostream>

namespace kova::report::test {

// A list report over `rows` rows ("Row 1", ...) with page header, a title on the first page,
// a column header, detail rows of 6 mm, a summary with the sum of "Amount" and a footer
// "Page N of M". With the default 83 rows it takes exactly three pages: 35 rows on the first
// page (the title takes room) and 38 on each further page.
struct ListReport {
    explicit ListReport(int rows = 83);
    MemoryDataSet data{{QStringLiteral("Name"), QStringLiteral("Amount")}};
    Report report;
};

inline const QDate kPrintDate(2026, 3, 14);

using kova::test::havePoppler;
using kova::test::pdfInfo;
using kova::test::pdfPageCount;
using kova::test::pdfPageText;

} // namespace kova::report::test

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}
QT_END_NAMESPACE
