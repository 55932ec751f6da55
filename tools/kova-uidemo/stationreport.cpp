#include "stationreport.h"

#include "report/previewwindow.h"
#include "report/printcontext.h"
#include "report/report.h"
#include "report/tabledataset.h"
#include "store/fieldnames.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace kova::uidemo {

using report::TextStyle;

namespace {

QString monthTotal(int month) {
    return QStringLiteral("avgT%1").arg(month);
}

QChart* temperatureChart(const report::PrintContext& context) {
    auto* series = new QLineSeries;
    series->setName(QStringLiteral("Average of the listed stations"));
    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        series->append(month - 1, context.total(monthTotal(month)));
        months << store::monthName(month);
    }
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(QStringLiteral("Mean Monthly Temperature"));
    auto* x = new QBarCategoryAxis;
    x->append(months);
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Degrees F"));
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    y->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace

int previewStationReport(store::Table& stations, QWidget* parent) {
    report::TableDataSet data(stations);
    report::Report form;
    form.setDocumentName(QStringLiteral("List of Stations"));
    form.setDataSet(&data);
    for (int month = 1; month <= 12; ++month)
        form.addTotal(monthTotal(month), report::TotalKind::Average,
                      store::monthField(QStringLiteral("T"), month));

    const qreal width = form.bodyWidth();
    const report::Columns columns(0, {62, 44, 20, 22, 18, 18});
    const TextStyle heading = TextStyle().bold();

    form.pageHeader().setHeight(16);
    form.pageHeader().addLabel({0, 0, width, 8}, QStringLiteral("Kova Climate Database"),
                               TextStyle().size(14).bold().centred());
    form.pageHeader().addComputed(
        {0, 8, width, 6},
        [](const report::PrintContext& c) {
            return QStringLiteral("%1    Page %2")
                .arg(c.printDate().toString(QStringLiteral("M/d/yyyy")))
                .arg(c.pageNumber());
        },
        TextStyle().right());

    form.columnHeader().setHeight(8);
    const QStringList captions = {QStringLiteral("Station Name"), QStringLiteral("County"),
                                  QStringLiteral("Sta No"),       QStringLiteral("Elevation"),
                                  QStringLiteral("T Jan"),        QStringLiteral("T Jul")};
    for (int c = 0; c < columns.count(); ++c)
        form.columnHeader().addLabel(columns.rect(c, 0, 7), captions[c],
                                     c >= 3 ? heading.right() : heading);
    form.columnHeader().addLine({0, 7.5}, {columns.right(), 7.5});

    report::Band& detail = form.detail();
    detail.setHeight(5.5);
    const QStringList fields = {QStringLiteral("Station Name"), QStringLiteral("County"),
                                QStringLiteral("Station No"),   QStringLiteral("Elevation"),
                                QStringLiteral("T Jan"),        QStringLiteral("T Jul")};
    for (int c = 0; c < columns.count(); ++c)
        detail.addField(columns.rect(c, 0, 5.5), fields[c],
                        c >= 3 ? TextStyle().right() : TextStyle());

    report::Band& summary = form.summary();
    summary.setHeight(95);
    summary.addLine({0, 1}, {columns.right(), 1});
    summary.addComputed(
        {0, 2, width, 6},
        [](const report::PrintContext& c) {
            return QStringLiteral("Stations listed: %1").arg(c.rowNumber());
        },
        heading);
    summary.addChart({0, 10, width, 84}, temperatureChart);

    return report::previewReport(form, parent);
}

} // namespace kova::uidemo
