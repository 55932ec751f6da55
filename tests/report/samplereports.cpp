#include "samplereports.h"

#include "report/format.h"

namespace kova::report::test {

ListReport::ListReport(int rows) {
    for (int i = 1; i <= rows; ++i)
        data.addRow({QStringLiteral("Row %1").arg(i), i * 0.5});

    report.setDocumentName(QStringLiteral("Sample List"));
    report.setDataSet(&data);
    report.setPrintDate(kPrintDate);
    report.addTotal(QStringLiteral("amount"), TotalKind::Sum, QStringLiteral("Amount"));

    const qreal width = report.bodyWidth();
    const TextStyle plain;
    report.pageHeader().setHeight(10);
    report.pageHeader().addLabel({0, 0, width, 10}, QStringLiteral("Kova Sample Database"),
                                 plain.size(12).bold().centred());
    report.title().setHeight(20);
    report.title().addLabel({0, 0, width, 12}, QStringLiteral("Kova"),
                            plain.size(18).bold().centred());
    report.title().addLabel({0, 12, width, 8}, QStringLiteral("Sample List"), plain.centred());

    const Columns columns(0, {100, 40});
    report.columnHeader().setHeight(6);
    report.columnHeader().addLabel(columns.rect(0, 0, 6), QStringLiteral("Name"), plain.bold());
    report.columnHeader().addLabel(columns.rect(1, 0, 6), QStringLiteral("Amount"),
                                   plain.bold().right());

    report.detail().setHeight(6);
    report.detail().addField(columns.rect(0, 0, 6), QStringLiteral("Name"));
    report.detail().addField(columns.rect(1, 0, 6), QStringLiteral("Amount"), plain.right(),
                             format::fixed(2));

    report.summary().setHeight(8);
    report.summary().addLine({0, 1}, {columns.right(), 1});
    report.summary().addLabel(columns.rect(0, 2, 6), QStringLiteral("TOTAL"), plain.bold());
    report.summary().addTotal(columns.rect(1, 2, 6), QStringLiteral("amount"), plain.bold().right(),
                              format::fixed(2));

    report.pageFooter().setHeight(8);
    report.pageFooter().addPrintDate({0, 2, 60, 6}, QStringLiteral("Date: "));
    report.pageFooter().addPageNumber({width - 60, 2, 60, 6}, QStringLiteral("Page %1 of %2"),
                                      plain.right());
}

} // namespace kova::report::test
