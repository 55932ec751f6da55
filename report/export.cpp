#include "export.h"

#include "document.h"
#include "htmlexport.h"
#include "layout.h"
#include "report.h"
#include "units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

namespace kova::report {

namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr int kSvgDotsPerInch = 96;

QString cannotWrite(const QString& path) {
    return QStringLiteral("Cannot write the file \"%1\".").arg(QDir::toNativeSeparators(path));
}

ExportResult failure(const QString& message) {
    return {false, message, {}};
}

QPageLayout withoutMargins(const QPageLayout& layout) {
    return QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF());
}

ExportResult writePdf(const ReportDocument& document, const QString& path) {
    // Tried first, so a path that cannot be written is told in the user's words alone (the
    // writer's painter would also warn on the console).
    if (QFile probe(path); !probe.open(QIODevice::WriteOnly))
        return failure(cannotWrite(path));
    QPdfWriter writer(path);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("Kova"));
    writer.setResolution(kPdfDotsPerInch);
    // The pages carry their own margins; the writer must put the origin at the paper corner.
    writer.setPageLayout(withoutMargins(document.pageLayout()));
    QPainter painter;
    if (!painter.begin(&writer))
        return failure(cannotWrite(path));
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        document.paintPage(i, painter, dotsPerMm(kPdfDotsPerInch));
    }
    painter.end();
    return {true, {}, {path}};
}

const char* imageWriterFormat(ExportFormat format) {
    switch (format) {
    case ExportFormat::Jpeg:
        return "JPEG";
    case ExportFormat::Bmp:
        return "BMP";
    default:
        return "PNG";
    }
}

bool writeImagePage(const ReportDocument& document, int index, ExportFormat format,
                    const QString& file, const ExportOptions& options) {
    const qreal scale = dotsPerMm(options.imageDotsPerInch);
    const QSizeF pageMm = document.pageSizeMm();
    QImage image(qRound(pageMm.width() * scale), qRound(pageMm.height() * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = qRound(scale * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        document.paintPage(index, painter, scale);
    }
    const int quality = format == ExportFormat::Jpeg ? options.jpegQuality : -1;
    return image.save(file, imageWriterFormat(format), quality);
}

bool writeSvgPage(const ReportDocument& document, int index, const QString& file) {
    const QSizeF pageMm = document.pageSizeMm();
    QSvgGenerator generator;
    generator.setFileName(file);
    generator.setTitle(document.title());
    generator.setResolution(kSvgDotsPerInch);
    generator.setSize((pageMm * dotsPerMm(kSvgDotsPerInch)).toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), pageMm)); // user units are millimetres
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    document.paintPage(index, painter, 1.0);
    painter.end();
    return QFileInfo::exists(file);
}

ExportResult writeFilePerPage(const ReportDocument& document, ExportFormat format,
                              const QString& path, const ExportOptions& options) {
    ExportResult result{true, {}, {}};
    for (int i = 0; i < document.pageCount(); ++i) {
        const QString file = pageFileName(path, i + 1);
        const bool written = format == ExportFormat::Svg
                                 ? writeSvgPage(document, i, file)
                                 : writeImagePage(document, i, format, file, options);
        if (!written)
            return {false, cannotWrite(file), result.files};
        result.files << file;
    }
    return result;
}

} // namespace

QList<ExportFormat> allExportFormats() {
    return {ExportFormat::Pdf,  ExportFormat::Html, ExportFormat::Png,
            ExportFormat::Jpeg, ExportFormat::Bmp,  ExportFormat::Svg};
}

QList<ExportFormat> imageExportFormats() {
    return {ExportFormat::Png, ExportFormat::Jpeg, ExportFormat::Bmp, ExportFormat::Svg};
}

QString formatSuffix(ExportFormat format) {
    switch (format) {
    case ExportFormat::Pdf:
        return QStringLiteral("pdf");
    case ExportFormat::Html:
        return QStringLiteral("html");
    case ExportFormat::Png:
        return QStringLiteral("png");
    case ExportFormat::Jpeg:
        return QStringLiteral("jpg");
    case ExportFormat::Bmp:
        return QStringLiteral("bmp");
    case ExportFormat::Svg:
        return QStringLiteral("svg");
    }
    return {};
}

QString formatFilter(ExportFormat format) {
    switch (format) {
    case ExportFormat::Pdf:
        return QStringLiteral("PDF document (*.pdf)");
    case ExportFormat::Html:
        return QStringLiteral("HTML page (*.html *.htm)");
    case ExportFormat::Png:
        return QStringLiteral("PNG images, one per page (*.png)");
    case ExportFormat::Jpeg:
        return QStringLiteral("JPEG images, one per page (*.jpg *.jpeg)");
    case ExportFormat::Bmp:
        return QStringLiteral("BMP images, one per page (*.bmp)");
    case ExportFormat::Svg:
        return QStringLiteral("SVG drawings, one per page (*.svg)");
    }
    return {};
}

std::optional<ExportFormat> formatForSuffix(const QString& suffix) {
    const QString s = suffix.toLower();
    if (s == QLatin1String("htm"))
        return ExportFormat::Html;
    if (s == QLatin1String("jpeg"))
        return ExportFormat::Jpeg;
    for (ExportFormat format : allExportFormats())
        if (formatSuffix(format) == s)
            return format;
    return std::nullopt;
}

namespace {

// ".pdf, .html or .svg"
QString suffixList(const QList<ExportFormat>& formats) {
    QStringList suffixes;
    for (ExportFormat format : formats)
        suffixes << QLatin1Char('.') + formatSuffix(format);
    const QString last = suffixes.isEmpty() ? QString() : suffixes.takeLast();
    return suffixes.isEmpty() ? last
                              : suffixes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace

ExportFile exportFileFor(const QString& typedPath, ExportFormat filterFormat,
                         const QList<ExportFormat>& offered) {
    const QString suffix = QFileInfo(typedPath).suffix();
    if (suffix.isEmpty())
        return {filterFormat, typedPath + QLatin1Char('.') + formatSuffix(filterFormat), {}};
    const std::optional<ExportFormat> typed = formatForSuffix(suffix);
    if (!typed)
        return {filterFormat, typedPath,
                QStringLiteral("Reports cannot be saved as \".%1\" files. End the file name with "
                               "%2, or leave the ending off and choose the type in the list.")
                    .arg(suffix, suffixList(offered))};
    if (!offered.contains(*typed))
        return {*typed, typedPath,
                QStringLiteral("This report cannot be exported as %1.")
                    .arg(formatSuffix(*typed).toUpper())};
    return {*typed, typedPath, {}};
}

bool writesFilePerPage(ExportFormat format) {
    return format != ExportFormat::Pdf && format != ExportFormat::Html;
}

QString pageFileName(const QString& path, int pageNumber) {
    const QFileInfo info(path);
    const QString numbered =
        info.completeBaseName() + QLatin1Char('-') + QString::number(pageNumber);
    const QString name =
        info.suffix().isEmpty() ? numbered : numbered + QLatin1Char('.') + info.suffix();
    return info.path() == QLatin1String(".") && !path.startsWith(QLatin1String("./"))
               ? name
               : info.path() + QLatin1Char('/') + name;
}

ExportResult exportDocument(const ReportDocument& document, ExportFormat format,
                            const QString& path, const ExportOptions& options) {
    if (document.pageCount() == 0)
        return failure(QStringLiteral("The report has no pages to export."));
    switch (format) {
    case ExportFormat::Pdf:
        return writePdf(document, path);
    case ExportFormat::Html:
        return writeHtml(document, path) ? ExportResult{true, {}, {path}}
                                         : failure(cannotWrite(path));
    default:
        return writeFilePerPage(document, format, path, options);
    }
}

ExportResult exportReport(const Report& report, ExportFormat format, const QString& path,
                          const ExportOptions& options) {
    return exportDocument(layoutReport(report), format, path, options);
}

bool printDocument(const ReportDocument& document, QPrinter& printer) {
    if (document.pageCount() == 0)
        return false;
    printer.setDocName(document.title());
    printer.setFullPage(true); // the pages carry their own margins
    printer.setPageLayout(withoutMargins(document.pageLayout()));
    const int from = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int to = printer.toPage() > 0 ? std::min(printer.toPage(), document.pageCount())
                                        : document.pageCount();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const qreal scale = dotsPerMm(printer.resolution());
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer.newPage();
        document.paintPage(page - 1, painter, scale);
    }
    return painter.end();
}

} // namespace kova::report
