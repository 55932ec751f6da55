// The job workflow without windows, on a copy of the delivered database on disk: reopening a
// saved 20-crop job with every crop computed, saving it, and building and saving a 10-crop job
// the way kova-calc new-job --save does.

#include "tempdatabase.h"

#include "main/job/cropparameters.h"
#include "main/job/jobsession.h"

#include "store/table.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace kova::job;

namespace {

// The answers of a planner who picks the station and job given and accepts the rest.
class Answers : public JobDialogs {
public:
    bool confirm(Question, const QString&) override { return false; }
    bool offerSave(const QString&) override { return false; }
    std::optional<QString> pickStation(const QString&) override {
        return QStringLiteral("CHEYENNE");
    }
    int chooseMethod(const MethodChoices& choices) override { return chosenMethod(choices); }
    std::optional<QString> pickJob() override { return job; }
    QString job;
};

QStringList createdCrops(int count) {
    kova::store::Table crops(QStringLiteral("KovaCrop"));
    QStringList names;
    if (crops.open())
        for (crops.first(); !crops.eof() && names.size() < count; crops.next())
            names << crops.asString(QStringLiteral("Cop Name"));
    return names;
}

// New Job, its texts, Get New Climate, the crops added and computed ("OK" of the crop
// parameters dialog at once, as kova-calc new-job does), Save Job.
bool buildJob(JobSession& session, JobMessages& messages, const QString& name,
              const QStringList& crops) {
    session.newJob();
    const std::pair<HeaderField, QString> texts[] = {{HeaderField::Name, name},
                                                     {HeaderField::Location, QStringLiteral("B")},
                                                     {HeaderField::Planner, QStringLiteral("C")}};
    for (const auto& [field, text] : texts) {
        session.fieldTyped(field, text);
        session.fieldLeft(field);
    }
    if (session.getNewClimate() == ClimateResult::Stopped)
        return false;
    for (const QString& crop : crops) {
        session.beginAddCrop();
        if (session.addCrop(crop) != AddCropResult::Added)
            return false;
        CropParameters parameters(session, messages);
        if (!parameters.open() || parameters.close() != CropCloseResult::Computed)
            return false;
    }
    const SaveResult saved = session.saveJob();
    return saved == SaveResult::Saved;
}

struct Workbench {
    kova::test::TempDatabase db;
    JobMessageLog messages;
    Answers answers;
    JobSession session{messages, answers};
    bool ready = false;

    explicit Workbench(int crops) {
        answers.job = QStringLiteral("Twenty crops");
        ready = session.start() && buildJob(session, messages, answers.job, createdCrops(crops)) &&
                session.getPrevJob();
    }
};

void BM_ReopenTwentyCropJob(benchmark::State& state) {
    Workbench bench(20);
    if (!bench.ready) {
        state.SkipWithError(
            bench.messages.texts().join(QStringLiteral(" | ")).toStdString().c_str());
        return;
    }
    for (auto _ : state)
        if (!bench.session.getPrevJob() || bench.session.workingCrops().recordCount() != 20)
            state.SkipWithError("the job did not reopen");
}
BENCHMARK(BM_ReopenTwentyCropJob)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_SaveTwentyCropJob(benchmark::State& state) {
    Workbench bench(20);
    if (!bench.ready) {
        state.SkipWithError(
            bench.messages.texts().join(QStringLiteral(" | ")).toStdString().c_str());
        return;
    }
    double elevation = 6000;
    for (auto _ : state) {
        bench.session.siteTyped(SiteField::Elevation, ++elevation);
        if (bench.session.saveJob() != SaveResult::Saved)
            state.SkipWithError("the job was not saved");
    }
}
BENCHMARK(BM_SaveTwentyCropJob)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What kova-calc new-job --save does once its options are read: start the session on the
// database, build the job, compute its crops, save it, leave.
void BM_NewJobTenCropsSaved(benchmark::State& state) {
    kova::test::TempDatabase db;
    const QStringList crops = createdCrops(10);
    int n = 0;
    for (auto _ : state) {
        JobMessageLog messages;
        Answers answers;
        JobSession session(messages, answers);
        if (!session.start() ||
            !buildJob(session, messages, QStringLiteral("New job %1").arg(++n), crops) ||
            !session.exitProgram())
            state.SkipWithError(messages.texts().join(QStringLiteral(" | ")).toStdString().c_str());
    }
}
BENCHMARK(BM_NewJobTenCropsSaved)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
