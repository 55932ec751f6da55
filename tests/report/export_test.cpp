// Writing laid-out reports to files and printers.
#include "report/document.h"
#include "report/export.h"
#include "report/layout.h"
#include "samplereports.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kova::report;
using kova::report::test::ListReport;

namespace {

QString readAll(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool hasInk(const QImage& image) {
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ExportTest, ThreePageReportToPdfHasItsPagesAndTexts) {
    ListReport list;
    const ExportResult result = exportReport(list.report, ExportFormat::Pdf, path("list.pdf"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.files, QStringList{path("list.pdf")});
    ASSERT_TRUE(test::havePoppler()) << "pdfinfo/pdftotext missing: run scripts/setup.sh";

    EXPECT_EQ(test::pdfPageCount(path("list.pdf")), 3);
    EXPECT_TRUE(test::pdfInfo(path("list.pdf")).contains("612 x 792 pts"));
    const QString first = test::pdfPageText(path("list.pdf"), 1);
    EXPECT_TRUE(first.contains("Kova Sample Database")) << first.toStdString();
    EXPECT_TRUE(first.contains("Row 35"));
    EXPECT_FALSE(first.contains("Row 36"));
    EXPECT_TRUE(first.contains("Page 1 of 3"));
    EXPECT_TRUE(first.contains("Date: 3/14/2026"));
    const QString third = test::pdfPageText(path("list.pdf"), 3);
    EXPECT_TRUE(third.contains("Row 83"));
    EXPECT_TRUE(third.contains("Page 3 of 3"));
    // 0.5 + 1.0 + ... + 41.5 = 0.5 * 83 * 84 / 2
    EXPECT_TRUE(third.contains("1743.00")) << third.toStdString();
}

TEST_F(ExportTest, ImageFormatsWriteOneFilePerPage) {
    ListReport list;
    const ReportDocument document = layoutReport(list.report);
    for (ExportFormat format : {ExportFormat::Png, ExportFormat::Jpeg, ExportFormat::Bmp}) {
        const QString target = path("list." + formatSuffix(format));
        const ExportResult result = exportDocument(document, format, target);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        ASSERT_EQ(result.files.size(), 3);
        for (int page = 1; page <= 3; ++page) {
            const QString file = pageFileName(target, page);
            EXPECT_EQ(result.files[page - 1], file);
            QImage image(file);
            ASSERT_FALSE(image.isNull()) << file.toStdString();
            EXPECT_EQ(image.size(), QSize(1275, 1650)); // Letter at 150 dpi
            EXPECT_TRUE(hasInk(image)) << file.toStdString();
        }
        EXPECT_FALSE(QFile::exists(target));
    }
}

TEST_F(ExportTest, SvgPagesCarryTheirTexts) {
    ListReport list;
    const ExportResult result = exportReport(list.report, ExportFormat::Svg, path("list.svg"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_EQ(result.files.size(), 3);
    const QString second = readAll(result.files[1]);
    EXPECT_TRUE(second.startsWith("<?xml") || second.contains("<svg"));
    EXPECT_TRUE(second.contains("Row 36"));
    EXPECT_TRUE(second.contains("Page 2 of 3"));
    EXPECT_FALSE(second.contains("Row 35<"));
}

TEST_F(ExportTest, HtmlIsOneFileWithAPageSectionPerPage) {
    ListReport list;
    list.data.addRow({"Smith & <Sons>", 1.0});
    const ExportResult result = exportReport(list.report, ExportFormat::Html, path("list.html"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const QString html = readAll(path("list.html"));
    EXPECT_EQ(html.count("<section class=\"page\""), 3);
    EXPECT_TRUE(html.contains("Page 3 of 3"));
    EXPECT_TRUE(html.contains("Smith &amp; &lt;Sons&gt;"));
    EXPECT_TRUE(html.contains("<title>Sample List</title>"));
}

TEST_F(ExportTest, FailuresAreReportedNotHidden) {
    ListReport list;
    const QString missingDir = path("no/such/dir/list");
    for (ExportFormat format : allExportFormats()) {
        const ExportResult result =
            exportReport(list.report, format, missingDir + "." + formatSuffix(format));
        EXPECT_FALSE(result.ok) << formatSuffix(format).toStdString();
        EXPECT_TRUE(result.error.startsWith("Cannot write the file")) << result.error.toStdString();
    }

    MemoryDataSet empty({"Name"});
    list.report.setDataSet(&empty);
    const ExportResult none = exportReport(list.report, ExportFormat::Pdf, path("empty.pdf"));
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.error, "The report has no pages to export.");
    EXPECT_FALSE(QFile::exists(path("empty.pdf")));
}

TEST_F(ExportTest, PrinterGetsTheChosenPageRange) {
    ListReport list;
    const ReportDocument document = layoutReport(list.report);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    printer.setFromTo(2, 3);
    ASSERT_TRUE(printDocument(document, printer));
    ASSERT_TRUE(test::havePoppler()) << "pdfinfo/pdftotext missing: run scripts/setup.sh";
    EXPECT_EQ(test::pdfPageCount(path("printed.pdf")), 2);
    EXPECT_TRUE(test::pdfPageText(path("printed.pdf"), 1).contains("Page 2 of 3"));
}

TEST(ExportNames, PageFilesAndSuffixes) {
    EXPECT_EQ(pageFileName("/tmp/out/report.png", 2), "/tmp/out/report-2.png");
    EXPECT_EQ(pageFileName("crop.detail.svg", 1), "crop.detail-1.svg");
    EXPECT_EQ(pageFileName("noext", 3), "noext-3");
    EXPECT_EQ(formatForSuffix("JPEG"), ExportFormat::Jpeg);
    EXPECT_EQ(formatForSuffix("htm"), ExportFormat::Html);
    EXPECT_EQ(formatForSuffix("rtf"), std::nullopt);
    for (ExportFormat format : allExportFormats())
        EXPECT_EQ(formatForSuffix(formatSuffix(format)), format);
}
