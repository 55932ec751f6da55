#include "report.h"

#include "calc/compute.h"
#include "calc/cropcolumns.h"
#include "calc/jobload.h"

#include "results/reports/chartreports.h"
#include "results/reports/cropreports.h"
#include "results/reports/jobreports.h"

#include "report/export.h"
#include "report/layout.h"

#include "store/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace kova::tools {

using results::ResultsReport;
using results::ResultsSource;

namespace {

const QString kSummary = QStringLiteral("summary");
const QString kDetails = QStringLiteral("details");
const QString kCurves = QStringLiteral("curves");
const QString kBars = QStringLiteral("bars");
const QString kJobSummary = QStringLiteral("job-summary");
const QString kJobList = QStringLiteral("job-list");

[[noreturn]] void badInput(const QString& message) {
    throw InputError{message};
}

bool isSingleCrop(const QString& kind) {
    return kind == kSummary || kind == kDetails || kind == kCurves || kind == kBars;
}

QList<report::ExportFormat> offeredFormats(const QString& kind) {
    return kind == kCurves || kind == kBars ? report::imageExportFormats()
                                            : report::allExportFormats();
}

// The format the file's extension names, if the report offers it.
report::ExportFormat formatOf(const ReportRequest& r) {
    if (QFileInfo(r.out).suffix().isEmpty())
        badInput(QStringLiteral("the report file '%1' needs an extension that names its format "
                                "(.pdf, .html, .png, .jpg, .bmp or .svg)")
                     .arg(r.out));
    const report::ExportFile file =
        report::exportFileFor(r.out, report::ExportFormat::Pdf, offeredFormats(r.kind));
    if (!file.error.isEmpty())
        badInput(file.error);
    return file.format;
}

class JobInWork {
public:
    JobInWork(const Options& options, const QString& jobName)
        : calc_(messages_), wk_(QStringLiteral("KovaWkCrop"), options.alias), name_(jobName) {
        calc_.setWindForm(options.wind);
        QString error;
        switch (calc::loadSavedJob(
            calc_, jobName, wk_, [](int) {}, &error)) {
        case calc::LoadJobResult::NoSuchJob:
            badInput(QStringLiteral("unknown job '%1'").arg(jobName));
        case calc::LoadJobResult::Failed:
            throw std::runtime_error(error.toStdString());
        case calc::LoadJobResult::Loaded:
            break;
        }
    }

    // The crop chosen in "Print Crop Report", computed again.
    void computeCrop(const QString& cropName) {
        if (!findCrop(cropName))
            badInput(QStringLiteral("unknown crop '%1' in job '%2'").arg(cropName, name_));
        calc_.kova.CropName = cropName;
        if (!calc_.Compute(wk_))
            throw std::runtime_error(calc_.errorString().toStdString());
        refuseReplacedDates(calc_.replacedInputs(), jobCropText(cropName, name_),
                            calc::savedFieldOf);
    }

    ResultsSource source() const { return {calc_.kova, calc_.curve, wk_.database()->alias()}; }
    const calc::TKova& kova() const { return calc_.kova; }
    store::Table& workingCrops() { return wk_; }

private:
    bool findCrop(const QString& name) {
        for (wk_.first(); !wk_.eof(); wk_.next())
            if (wk_.asString(QStringLiteral("Crop Name")) == name)
                return true;
        return false;
    }

    calc::MessageList messages_;
    calc::Calculation calc_;
    store::Table wk_;
    QString name_;
};

std::unique_ptr<ResultsReport> singleCropReport(const QString& kind, const ResultsSource& source) {
    if (kind == kSummary)
        return results::buildCropSummaryReport(source);
    if (kind == kDetails)
        return results::buildCropDetailsReport(source);
    if (kind == kCurves)
        return results::buildCurvesReport(source);
    return results::buildWaterReport(source);
}

// One page in a picture format is the file named; more pages are NAME-1.png, NAME-2.png, ...
QStringList write(const ResultsReport& built, report::ExportFormat format, const QString& path) {
    if (!built.error.isEmpty())
        throw std::runtime_error(built.error.toStdString());
    const report::ReportDocument document = report::layoutReport(built.report);
    if (document.pageCount() == 0)
        badInput(QStringLiteral("There is nothing to print."));
    const bool onePicture = report::writesFilePerPage(format) && document.pageCount() == 1;
    const report::ExportResult result = report::exportDocument(document, format, path);
    if (!result.ok && onePicture) // name the file asked for, not the page file
        badInput(QString(result.error)
                     .replace(QDir::toNativeSeparators(report::pageFileName(path, 1)),
                              QDir::toNativeSeparators(path)));
    if (!result.ok)
        badInput(result.error);
    if (!onePicture)
        return result.files;
    QFile::remove(path);
    if (!QFile::rename(result.files.front(), path))
        badInput(QStringLiteral("Cannot write the file \"%1\".").arg(path));
    return {path};
}

} // namespace

QStringList reportKinds() {
    return {kSummary, kDetails, kCurves, kBars, kJobSummary, kJobList};
}

QStringList runReport(const Options& options, const ReportRequest& r) {
    if (!reportKinds().contains(r.kind))
        badInput(QStringLiteral("unknown report kind '%1' (%2)")
                     .arg(r.kind, reportKinds().join(QStringLiteral(", "))));
    if (r.out.isEmpty())
        badInput(QStringLiteral("report needs --out FILE"));
    if (isSingleCrop(r.kind) && r.crop.isEmpty())
        badInput(QStringLiteral("a %1 report needs --crop NAME").arg(r.kind));
    if (r.job.isEmpty() && r.kind != kJobList)
        badInput(QStringLiteral("report needs a job name"));
    const report::ExportFormat format = formatOf(r);
    if (r.job.isEmpty())
        return write(*results::buildJobListReport(options.alias), format, r.out);

    JobInWork job(options, r.job);
    if (r.kind == kJobList)
        return write(*results::buildJobListReport(options.alias), format, r.out);
    if (r.kind == kJobSummary) {
        job.workingCrops().first();
        return write(*results::buildJobSummaryReport(job.kova(), job.workingCrops()), format,
                     r.out);
    }
    job.computeCrop(r.crop);
    return write(*singleCropReport(r.kind, job.source()), format, r.out);
}

} // namespace kova::tools
