// Layout of bands on pages: order, page breaks, groups, totals, computed labels.
#include "report/format.h"
#include "report/layout.h"
#include "report/printcontext.h"
#include "samplereports.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace kova::report;
using kova::report::test::ListReport;

namespace {

QStringList allTexts(const ReportDocument& document) {
    QStringList texts;
    for (int i = 0; i < document.pageCount(); ++i)
        texts << document.page(i).texts();
    return texts;
}

const PageItem* findText(const Page& page, const QString& text) {
    for (const PageItem& item : page.items())
        if (item.kind == PageItem::Kind::Text && item.text == text)
            return &item;
    return nullptr;
}

// Rows of (County, Station) for group tests.
MemoryDataSet stations(const QList<QPair<QString, QString>>& rows) {
    MemoryDataSet data({QStringLiteral("County"), QStringLiteral("Station")});
    for (const auto& row : rows)
        data.addRow({row.first, row.second});
    return data;
}

} // namespace

TEST(ReportLayout, ListReportBreaksIntoThreePagesWithHeadersRepeated) {
    ListReport list;
    const ReportDocument document = layoutReport(list.report);
    ASSERT_EQ(document.pageCount(), 3);

    const QStringList first = document.page(0).texts();
    const QStringList second = document.page(1).texts();
    const QStringList third = document.page(2).texts();
    // Title on the first page only; page header and column header on every page.
    EXPECT_TRUE(first.contains("Sample List"));
    EXPECT_FALSE(second.contains("Sample List"));
    for (const QStringList& page : {first, second, third}) {
        EXPECT_EQ(page.count("Kova Sample Database"), 1);
        EXPECT_EQ(page.count("Name"), 1);
    }
    // Rows in data set order, each exactly once, broken where the page is full.
    EXPECT_TRUE(first.contains("Row 35"));
    EXPECT_FALSE(first.contains("Row 36"));
    EXPECT_TRUE(second.contains("Row 36"));
    EXPECT_TRUE(second.contains("Row 73"));
    EXPECT_TRUE(third.contains("Row 74"));
    EXPECT_TRUE(third.contains("Row 83"));
    const QStringList texts = allTexts(document);
    for (int i = 1; i <= 83; ++i)
        EXPECT_EQ(texts.count(QStringLiteral("Row %1").arg(i)), 1) << i;
    // The summary follows the last row.
    EXPECT_TRUE(third.contains("TOTAL"));
    EXPECT_GT(findText(document.page(2), "TOTAL")->rect.top(),
              findText(document.page(2), "Row 83")->rect.top());
}

TEST(ReportLayout, BandsStayInsideTheMarginsAndAboveTheFooter) {
    ListReport list;
    const ReportDocument document = layoutReport(list.report);
    const QSizeF paper = document.pageSizeMm();
    EXPECT_NEAR(paper.width(), 215.9, 0.1); // US Letter, portrait
    EXPECT_NEAR(paper.height(), 279.4, 0.1);
    for (int i = 0; i < document.pageCount(); ++i) {
        const PageItem* footer = findText(document.page(i), QStringLiteral("Date: 3/14/2026"));
        ASSERT_NE(footer, nullptr) << "page " << i + 1;
        EXPECT_NEAR(footer->rect.bottom(), 279.4 - 12.7, 0.01);
        for (const PageItem& item : document.page(i).items()) {
            EXPECT_GE(item.rect.left(), 12.7 - 0.01);
            EXPECT_LE(item.rect.right(), 215.9 - 12.7 + 0.01);
            EXPECT_GE(item.rect.top(), 12.7 - 0.01);
            if (item.text.startsWith("Row")) {
                EXPECT_LE(item.rect.bottom(), footer->rect.top() - 2 + 0.01)
                    << item.text.toStdString();
            }
        }
    }
}

TEST(ReportLayout, PageFooterNumbersEveryPageWithTheFinalCount) {
    ListReport list;
    const ReportDocument document = layoutReport(list.report);
    for (int i = 0; i < 3; ++i) {
        const QStringList texts = document.page(i).texts();
        EXPECT_TRUE(texts.contains(QStringLiteral("Page %1 of 3").arg(i + 1)))
            << texts.join('|').toStdString();
    }

    Report plain;
    plain.pageFooter().addPageNumber({0, 0, 50, 5}, QStringLiteral("Pagr:  %1"));
    EXPECT_EQ(layoutReport(plain).page(0).texts(), QStringList{"Pagr:  1"});
}

TEST(ReportLayout, SummaryTotalsCoverEveryDetailRow) {
    MemoryDataSet data({"Value"});
    for (const QVariant& v : QVariantList{2.5, QVariant(), -1.0, 4.0})
        data.addRow({v});
    Report report;
    report.setDataSet(&data);
    report.addTotal("count", TotalKind::Count);
    report.addTotal("sum", TotalKind::Sum, "Value");
    report.addTotal("avg", TotalKind::Average, "Value");
    report.addTotal("min", TotalKind::Minimum, "Value");
    report.addTotal("max", TotalKind::Maximum, "Value");
    report.detail().setHeight(5);
    QList<double> runningSums;
    report.detail().setBeforePrint([&](const PrintContext& context) {
        runningSums << context.total("sum");
        return true;
    });
    for (const char* name : {"count", "sum", "avg", "min", "max"})
        report.summary().addTotal({0, 0, 40, 5}, name, {}, format::general());

    const ReportDocument document = layoutReport(report);
    // Null values count as rows but not as values.
    EXPECT_EQ(document.page(0).texts(), (QStringList{"4", "5.5", "1.83333333333333", "-1", "4"}));
    EXPECT_EQ(runningSums, (QList<double>{2.5, 2.5, 1.5, 5.5}));
}

TEST(ReportLayout, GroupHeaderPrintsOnEachChangeOfItsField) {
    MemoryDataSet data = stations({{"Adams", "A1"},
                                   {"Adams", "A2"},
                                   {"Boone", "B1"},
                                   {"Clay", "C1"},
                                   {"Clay", "C2"},
                                   {"Adams", "A3"}});
    Report report;
    report.setDataSet(&data);
    Band& header = report.addGroupHeader("County");
    header.addField({0, 0, 80, 6}, "County");
    header.setHeight(6);
    report.detail().addField({10, 0, 80, 5}, "Station");

    const QStringList texts = layoutReport(report).page(0).texts();
    EXPECT_EQ(texts,
              (QStringList{"Adams", "A1", "A2", "Boone", "B1", "Clay", "C1", "C2", "Adams", "A3"}));
}

TEST(ReportLayout, OuterGroupChangeReprintsInnerGroupHeaders) {
    MemoryDataSet data({"State", "County", "Station"});
    data.addRow({"IA", "Adams", "1"});
    data.addRow({"IA", "Adams", "2"});
    data.addRow({"NE", "Adams", "3"}); // same county name, other state
    Report report;
    report.setDataSet(&data);
    report.addGroupHeader("State").addField({0, 0, 50, 5}, "State");
    report.addGroupHeader("County").addField({0, 0, 50, 5}, "County");
    report.detail().addField({0, 0, 50, 5}, "Station");

    EXPECT_EQ(layoutReport(report).page(0).texts(),
              (QStringList{"IA", "Adams", "1", "2", "NE", "Adams", "3"}));
}

TEST(ReportLayout, GroupHeaderIsNotLeftAloneAtThePageBottom) {
    // 40 one-group rows of 6 mm fill a page body of 254 - 6 = 248 mm up to 240 mm; the second
    // group header (5 mm) would still fit, but its first row would not.
    MemoryDataSet data({"County", "Station"});
    for (int i = 0; i < 40; ++i)
        data.addRow({"Adams", QString::number(i)});
    data.addRow({"Boone", "B1"});
    Report report;
    report.setDataSet(&data);
    report.addGroupHeader("County").addField({0, 0, 50, 5}, "County");
    report.detail().setHeight(6);
    report.detail().addField({0, 0, 50, 6}, "Station");

    const ReportDocument document = layoutReport(report);
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.page(1).texts(), (QStringList{"Boone", "B1"}));
}

TEST(ReportLayout, EmptyDataSetPrintsNothingUnlessAskedTo) {
    MemoryDataSet empty({"Name"});
    Report report;
    report.setDataSet(&empty);
    report.title().addLabel({0, 0, 50, 5}, "Kova");
    report.detail().addField({0, 0, 50, 5}, "Name");
    report.detail().addLabel({60, 0, 50, 5}, "detail");
    EXPECT_EQ(layoutReport(report).pageCount(), 0);

    // Reports of computed values print their detail band once even over an empty table.
    report.setPrintIfEmpty(true);
    const ReportDocument document = layoutReport(report);
    ASSERT_EQ(document.pageCount(), 1);
    EXPECT_EQ(document.page(0).texts(), (QStringList{"Kova", "", "detail"}));

    Report noData;
    noData.detail().addLabel({0, 0, 50, 5}, "once");
    EXPECT_EQ(allTexts(layoutReport(noData)), QStringList{"once"});
}

TEST(ReportLayout, LabelsAreComputedJustBeforeTheirBandPrints) {
    MemoryDataSet data({"Crop", "Hay"});
    data.addRow({"Alfalfa", true});
    data.addRow({"Corn", false});
    Report report;
    report.setDataSet(&data);
    Label& name = report.detail().addLabel({0, 0, 50, 5}, "");
    report.detail().setBeforePrint([&](const PrintContext& context) {
        name.setText("Crop: " + context.value("Crop").toString());
        return true;
    });
    report.detail().addComputed(
        {60, 0, 50, 5}, [](const PrintContext& c) { return QString("row %1").arg(c.rowNumber()); });
    report.detail().addLabel({120, 0, 50, 5}, "cuttings").setPrintIf([](const PrintContext& c) {
        return c.value("Hay").toBool();
    });

    EXPECT_EQ(layoutReport(report).page(0).texts(),
              (QStringList{"Crop: Alfalfa", "row 1", "cuttings", "Crop: Corn", "row 2"}));
}

TEST(ReportLayout, BeforePrintCanSkipABand) {
    MemoryDataSet data({"N"});
    for (int i = 1; i <= 4; ++i)
        data.addRow({i});
    Report report;
    report.setDataSet(&data);
    report.detail().addField({0, 0, 20, 5}, "N");
    report.detail().setBeforePrint([](const PrintContext& c) { return c.value("N").toInt() % 2; });
    report.summary().addLabel({0, 0, 20, 5}, "end");
    report.summary().setBeforePrint([](const PrintContext&) { return false; });
    EXPECT_EQ(layoutReport(report).page(0).texts(), (QStringList{"1", "3"}));
}

TEST(ReportLayout, WrappedTextStretchesItsBand) {
    Report report;
    const QString footnote = QString("(1) For 80 percent occurrence, growing season effective "
                                     "precipitation will be equaled or exceeded 8 out of 10 "
                                     "years. ")
                                 .repeated(3);
    report.detail().setHeight(5);
    report.detail().addLabel({0, 0, 100, 5}, footnote, TextStyle().wrapped().top());
    report.summary().addLabel({0, 0, 100, 5}, "after");

    const ReportDocument document = layoutReport(report);
    const PageItem* note = findText(document.page(0), footnote);
    const PageItem* after = findText(document.page(0), "after");
    ASSERT_TRUE(note && after);
    EXPECT_GT(note->rect.height(), 15); // several lines at 10 pt
    EXPECT_NEAR(after->rect.top(), note->rect.bottom(), 0.01);
}

TEST(ReportLayout, BandTallerThanAPagePrintsOnceInsteadOfLooping) {
    MemoryDataSet data({"N"});
    data.addRow({1});
    data.addRow({2});
    Report report;
    report.setDataSet(&data);
    report.detail().setHeight(400);
    report.detail().addField({0, 0, 20, 5}, "N");
    const ReportDocument document = layoutReport(report);
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.page(1).texts(), QStringList{"2"});
}

TEST(ReportLayout, TitleOnEveryPageAndLandscapePaper) {
    ListReport list(60);
    list.report.setTitleOnEveryPage(true);
    list.report.setLandscape(true);
    const ReportDocument document = layoutReport(list.report);
    EXPECT_NEAR(document.pageSizeMm().width(), 279.4, 0.1);
    // Landscape body: 215.9 - 25.4 - 10 - 20 - 6 - 8 = 146.5 mm, 24 rows of 6 mm a page.
    ASSERT_EQ(document.pageCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(document.page(i).texts().contains("Sample List"));
    EXPECT_TRUE(document.page(1).texts().contains("Row 25"));
}

namespace {

class SpyDataSet : public MemoryDataSet {
public:
    SpyDataSet() : MemoryDataSet({"N"}) { addRow({1}); }
    void beginReport() override { ++begun; }
    void endReport() override { ++ended; }
    int begun = 0;
    int ended = 0;
};

} // namespace

TEST(ReportLayout, DataSetIsHandedBackEvenWhenACallbackThrows) {
    SpyDataSet data;
    Report report;
    report.setDataSet(&data);
    report.detail().addField({0, 0, 20, 5}, "N");
    layoutReport(report);
    EXPECT_EQ(data.begun, 1);
    EXPECT_EQ(data.ended, 1);

    report.detail().setBeforePrint(
        [](const PrintContext&) -> bool { throw std::runtime_error("bad row"); });
    EXPECT_THROW(layoutReport(report), std::runtime_error);
    EXPECT_EQ(data.ended, 2);
}

TEST(ReportLayout, ChartIsBuiltPerPrintingAndDrawnInItsRectangle) {
    MemoryDataSet data({"Value"});
    data.addRow({3.0});
    data.addRow({5.0});
    Report report;
    report.setDataSet(&data);
    int built = 0;
    report.detail().addChart({0, 0, 120, 80}, [&](const PrintContext& context) {
        ++built;
        auto* set = new QBarSet("inches");
        *set << context.value("Value").toDouble();
        auto* series = new QBarSeries;
        series->append(set);
        auto* chart = new QChart;
        chart->addSeries(series);
        chart->setTitle("Normal Year (50% chance)");
        return chart;
    });
    const ReportDocument document = layoutReport(report);
    EXPECT_EQ(built, 2);
    ASSERT_EQ(document.page(0).items().size(), 2u);
    const PageItem& second = document.page(0).items()[1];
    EXPECT_EQ(second.kind, PageItem::Kind::Chart);
    EXPECT_NEAR(second.rect.top(), 12.7 + 80, 0.01);

    // Painted at 2 dots/mm: something dark inside the chart, nothing outside it.
    QImage image((document.pageSizeMm() * 2).toSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    document.paintPage(0, painter, 2);
    painter.end();
    int darkInside = 0, darkOutside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++(y < 2 * (12.7 + 160) && x < 2 * (12.7 + 120) ? darkInside : darkOutside);
    EXPECT_GT(darkInside, 100);
    EXPECT_EQ(darkOutside, 0);
}
