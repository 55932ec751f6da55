#pragma once
// Writing laid-out reports to files and to printers, without any window.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace kova::report {

class Report;
class ReportDocument;

enum class ExportFormat { Pdf, Html, Png, Jpeg, Bmp, Svg };

struct ExportResult {
    bool ok = false;
    QString error;     // a sentence for the user when not ok
    QStringList files; // the files written
};

struct ExportOptions {
    int imageDotsPerInch = 150; // PNG, JPEG, BMP
    int jpegQuality = 90;
};

QList<ExportFormat> allExportFormats();
QList<ExportFormat> imageExportFormats();  // the picture formats, for chart reports
QString formatSuffix(ExportFormat format); // "pdf", "png", ...
QString formatFilter(ExportFormat format); // "PDF document (*.pdf)"
std::optional<ExportFormat> formatForSuffix(const QString& suffix);
// What a file name typed in the export dialog asks for. A known extension decides the format
// (any case); without one the format of the chosen filter decides and its extension is added.
// An unknown extension, or a format the report does not offer, leaves `error` set to a
// sentence for the user.
struct ExportFile {
    ExportFormat format = ExportFormat::Pdf;
    QString path;
    QString error;
};
ExportFile exportFileFor(const QString& typedPath, ExportFormat filterFormat,
                         const QList<ExportFormat>& offered);

// Formats that write one file per page: the name gets "-1", "-2", ... before its suffix.
bool writesFilePerPage(ExportFormat format);
QString pageFileName(const QString& path, int pageNumber);

ExportResult exportDocument(const ReportDocument& document, ExportFormat format,
                            const QString& path, const ExportOptions& options = {});
// Lays the report out and writes it. A report with no pages writes nothing and fails with a
// message saying so.
ExportResult exportReport(const Report& report, ExportFormat format, const QString& path,
                          const ExportOptions& options = {});

// Prints every page in the printer's page range (all pages when none is set).
bool printDocument(const ReportDocument& document, QPrinter& printer);

} // namespace kova::report
