// The preview window: how it opens, page navigation, zoom, and printing and export through
// its responders (no dialog ever waits for a person here).
#include "report/layout.h"
#include "report/previewwindow.h"
#include "samplereports.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kova::report;
using kova::report::test::ListReport;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        preview.setMessageResponder([this](const QString& text) { messages << text; });
    }

    void trigger(const char* command) {
        auto* action = preview.findChild<QAction*>(command);
        ASSERT_NE(action, nullptr) << command;
        action->trigger();
    }
    bool enabled(const char* command) {
        auto* action = preview.findChild<QAction*>(command);
        return action && action->isEnabled();
    }
    QString shownCaption() { return preview.findChild<QLabel*>("pageLabel")->text(); }
    QSize paperViewSize() { return preview.findChild<QScrollArea*>()->widget()->size(); }

    QTemporaryDir dir;
    ListReport list;
    PreviewWindow preview{layoutReport(list.report)};
    QStringList messages;
};

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.read(64)) : QString();
}

} // namespace

TEST_F(PreviewTest, OpensMaximizedWithTheArrowCursorAndRestoresTheCallersCursor) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    preview.show();
    EXPECT_TRUE(preview.windowState() & Qt::WindowMaximized);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    EXPECT_EQ(preview.cursor().shape(), Qt::ArrowCursor);
    preview.close();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PreviewTest, NavigatesPagesAndEnablesOnlyTheUsefulMoves) {
    EXPECT_EQ(shownCaption(), "Page 1 of 3");
    EXPECT_FALSE(enabled("firstPage"));
    EXPECT_FALSE(enabled("priorPage"));
    EXPECT_TRUE(enabled("nextPage"));

    trigger("nextPage");
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(shownCaption(), "Page 2 of 3");
    EXPECT_TRUE(enabled("priorPage"));
    EXPECT_TRUE(enabled("nextPage"));

    trigger("lastPage");
    EXPECT_EQ(shownCaption(), "Page 3 of 3");
    EXPECT_FALSE(enabled("nextPage"));
    EXPECT_FALSE(enabled("lastPage"));
    preview.nextPage(); // a key press past the end stays on the last page
    EXPECT_EQ(preview.currentPage(), 2);

    trigger("priorPage");
    EXPECT_EQ(shownCaption(), "Page 2 of 3");
    trigger("firstPage");
    EXPECT_EQ(preview.currentPage(), 0);
}

TEST_F(PreviewTest, ZoomGrowsAndShrinksThePageWithinLimits) {
    preview.resize(1000, 800);
    preview.show();
    const QSize start = paperViewSize();
    trigger("zoomIn");
    EXPECT_GT(paperViewSize().width(), start.width());
    trigger("zoomOut");
    trigger("zoomOut");
    EXPECT_LT(paperViewSize().width(), start.width());
    for (int i = 0; i < 30; ++i)
        preview.zoomOut();
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.25);

    trigger("fitWidth");
    const int viewport = preview.findChild<QScrollArea*>()->viewport()->width();
    EXPECT_LE(paperViewSize().width(), viewport);
    EXPECT_GT(paperViewSize().width(), viewport - 40);
    trigger("fitPage");
    EXPECT_LE(paperViewSize().height(), preview.findChild<QScrollArea*>()->viewport()->height());
}

TEST_F(PreviewTest, PrintsThroughTheAnsweredPrintDialog) {
    const QString target = dir.filePath("printed.pdf");
    int offeredPages = 0;
    preview.setPrintDialogResponder([&](QPrinter& printer, int pageCount) {
        offeredPages = pageCount;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return true;
    });
    trigger("print");
    EXPECT_EQ(offeredPages, 3);
    ASSERT_TRUE(QFile::exists(target));
    ASSERT_TRUE(test::havePoppler()) << "pdfinfo/pdftotext missing: run scripts/setup.sh";
    EXPECT_EQ(test::pdfPageCount(target), 3);

    // Cancelled: nothing printed, nothing said.
    QFile::remove(target);
    preview.setPrintDialogResponder([](QPrinter&, int) { return false; });
    EXPECT_FALSE(preview.print());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PreviewTest, ExportsTheChosenFormatAndReportsFailures) {
    QList<ExportFormat> offered;
    ExportChoice choice{ExportFormat::Png, dir.filePath("pages.png")};
    preview.setExportDialogResponder([&](const QList<ExportFormat>& formats) {
        offered = formats;
        return std::optional<ExportChoice>(choice);
    });
    trigger("export");
    EXPECT_EQ(offered, allExportFormats());
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(QFile::exists(dir.filePath(QString("pages-%1.png").arg(page))));
    EXPECT_TRUE(messages.isEmpty());

    choice = {ExportFormat::Pdf, dir.filePath("missing/dir/pages.pdf")};
    EXPECT_FALSE(preview.exportPages());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Cannot write the file")) << messages[0].toStdString();

    // Chart reports offer pictures only; a format outside the list is refused.
    preview.setExportFormats(imageExportFormats());
    EXPECT_FALSE(preview.exportPages());
    EXPECT_EQ(messages.value(1), "This report cannot be exported as PDF.");
    EXPECT_FALSE(QFile::exists(dir.filePath("missing/dir/pages.pdf")));

    preview.setExportDialogResponder([](const QList<ExportFormat>&) { return std::nullopt; });
    EXPECT_FALSE(preview.exportPages());
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(PreviewTest, ATypedExtensionDecidesTheFormatAndTheFilterOnlyWithoutOne) {
    ExportChoice typed{ExportFormat::Pdf, dir.filePath("report.html")}; // PDF filter chosen
    preview.setExportDialogResponder([&](const QList<ExportFormat>&) { return typed; });
    EXPECT_TRUE(preview.exportPages());
    EXPECT_TRUE(readText(dir.filePath("report.html")).startsWith("<!DOCTYPE html"));
    EXPECT_FALSE(QFile::exists(dir.filePath("report.pdf")));

    typed = {ExportFormat::Html, dir.filePath("Report.PDF")};
    EXPECT_TRUE(preview.exportPages());
    EXPECT_TRUE(readText(dir.filePath("Report.PDF")).startsWith("%PDF"));

    typed = {ExportFormat::Svg, dir.filePath("pages")}; // no extension: the filter's, added
    EXPECT_TRUE(preview.exportPages());
    EXPECT_TRUE(QFile::exists(dir.filePath("pages-3.svg")));
    EXPECT_TRUE(messages.isEmpty());

    typed = {ExportFormat::Pdf, dir.filePath("report.docx")};
    EXPECT_FALSE(preview.exportPages());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Reports cannot be saved as \".docx\" files. End the file name with "
                           ".pdf, .html, .png, .jpg, .bmp or .svg, or leave the ending off and "
                           "choose the type in the list.");
    EXPECT_FALSE(QFile::exists(dir.filePath("report.docx")));
    EXPECT_FALSE(QFile::exists(dir.filePath("report.docx.pdf")));
}

TEST_F(PreviewTest, HelpButtonAppearsOnlyWithAHandler) {
    auto* help = preview.findChild<QAction*>("help");
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
    int asked = 0;
    preview.setHelpHandler([&] { ++asked; });
    EXPECT_TRUE(help->isVisible());
    help->trigger();
    EXPECT_EQ(asked, 1);
}

TEST(PreviewReport, ShowsThePreviewThroughThePresenterUnlessNothingPrints) {
    ListReport list;
    int shown = 0;
    const PreviewPresenter previous = setPreviewPresenter([&](PreviewWindow& preview) {
        ++shown;
        EXPECT_EQ(preview.pageCaption(), "Page 1 of 3");
        EXPECT_EQ(preview.exportFormats(), imageExportFormats());
        EXPECT_EQ(preview.windowTitle(), "Print Preview - Sample List");
    });
    EXPECT_EQ(previewReport(list.report, nullptr, imageExportFormats()), 3);
    EXPECT_EQ(shown, 1);

    MemoryDataSet empty({"Name"});
    list.report.setDataSet(&empty);
    EXPECT_EQ(previewReport(list.report), 0);
    EXPECT_EQ(shown, 1);
    setPreviewPresenter(previous);
}
