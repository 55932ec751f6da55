// The main program's reports and charts on the sample job of a copy of the delivered database
// on disk: a single-crop summary written to PDF, the job summary of a 20-crop job written to
// PDF, and the curve window filled and shown.

#include "tempdatabase.h"

#include "results/charts/curvesform.h"
#include "results/reports/cropreports.h"
#include "results/reports/jobreports.h"

#include "main/job/jobsession.h"

#include "calc/cropcolumns.h"

#include "report/export.h"

#include "store/table.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace kova;

namespace {

class Answers : public job::JobDialogs {
public:
    bool confirm(job::Question, const QString&) override { return false; }
    bool offerSave(const QString&) override { return false; }
    std::optional<QString> pickStation(const QString&) override { return {}; }
    int chooseMethod(const job::MethodChoices& choices) override {
        return job::chosenMethod(choices);
    }
    std::optional<QString> pickJob() override { return QStringLiteral("Cheyenne sample job"); }
};

// The sample job reopened, its corn on display; `crops` working crops in all (copies of the
// corn under other names beyond the job's five).
struct Workbench {
    test::TempDatabase db;
    job::JobMessageLog messages;
    Answers answers;
    job::JobSession session{messages, answers};
    QTemporaryDir out;
    bool ready = false;

    explicit Workbench(int crops = 5) {
        ready = session.start() && session.getPrevJob() && showCorn() && addCopies(crops - 5);
    }
    results::ResultsSource source() {
        return {session.kova(), session.calculation().curve, session.alias()};
    }

private:
    bool showCorn() {
        store::Table& wk = session.workingCrops();
        for (wk.first(); !wk.eof(); wk.next())
            if (wk.asString(QStringLiteral("Crop Name")) == QStringLiteral("Corn (grain)"))
                return session.displayCrop();
        return false;
    }
    bool addCopies(int count) {
        store::Table& wk = session.workingCrops();
        calc::WorkingCrop crop = calc::workingCropFrom(wk.record());
        QString error;
        for (int i = 1; i <= count; ++i) {
            crop.CropName = QStringLiteral("Corn field %1").arg(i);
            if (!wk.append() || !calc::writeWorkingCrop(crop, wk, &error) || !wk.post())
                return false;
        }
        return true;
    }
};

void exportPdf(benchmark::State& state, const results::ResultsReport& built, const QString& path) {
    const report::ExportResult result =
        report::exportReport(built.report, report::ExportFormat::Pdf, path);
    if (!result.ok)
        state.SkipWithError(result.error.toStdString().c_str());
}

void BM_CropSummaryToPdf(benchmark::State& state) {
    Workbench bench;
    if (!bench.ready) {
        state.SkipWithError("the sample job did not open");
        return;
    }
    const QString path = bench.out.filePath(QStringLiteral("summary.pdf"));
    for (auto _ : state)
        exportPdf(state, *results::buildCropSummaryReport(bench.source()), path);
}
BENCHMARK(BM_CropSummaryToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_JobSummaryTwentyCropsToPdf(benchmark::State& state) {
    Workbench bench(20);
    if (!bench.ready || bench.session.workingCrops().recordCount() != 20) {
        state.SkipWithError("the 20-crop job could not be made");
        return;
    }
    const QString path = bench.out.filePath(QStringLiteral("job.pdf"));
    for (auto _ : state) {
        bench.session.workingCrops().first();
        exportPdf(
            state,
            *results::buildJobSummaryReport(bench.session.kova(), bench.session.workingCrops()),
            path);
    }
}
BENCHMARK(BM_JobSummaryTwentyCropsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// "ET Kc Curves": the window built over the crop on display, shown and painted once.
void BM_CurveWindowFilledAndShown(benchmark::State& state) {
    Workbench bench;
    if (!bench.ready) {
        state.SkipWithError("the sample job did not open");
        return;
    }
    for (auto _ : state) {
        results::CurvesForm window(bench.source());
        window.show();
        window.repaint();
        QApplication::processEvents();
        window.close();
    }
}
BENCHMARK(BM_CurveWindowFilledAndShown)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
