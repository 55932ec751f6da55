// Calculation speed: one Compute on an on-disk database (curve table refill and write-back
// included), and the batch path over 5,000 generated stations x every created crop.

#include "tempdatabase.h"

#include "calc/batch.h"
#include "calc/compute.h"
#include "calc/jobload.h"

#include "store/database.h"
#include "store/table.h"

#include <QSqlQuery>

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace kova::calc;

namespace {

// range(0) = 1: the database in write-ahead-log mode with normal syncing, to show what the
// store's journal settings cost (the delivered database uses the SQLite defaults).
void BM_ComputeOneWorkingRow(benchmark::State& state) {
    kova::test::TempDatabase db; // a file on disk, not in memory
    if (state.range(0) == 1) {
        QString error;
        auto database = kova::store::Database::open(kova::store::kDefaultAlias, &error);
        QSqlQuery q(database->connection());
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    MessageList messages;
    Calculation calc(messages);
    kova::store::Table wk(QStringLiteral("KovaWkCrop"));
    QString error;
    if (loadSavedJob(
            calc, QStringLiteral("Cheyenne sample job"), wk, [](int) {}, &error) !=
        LoadJobResult::Loaded) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    for (wk.first(); !wk.eof(); wk.next())
        if (wk.asString(QStringLiteral("Crop Name")) == QStringLiteral("Corn (grain)"))
            break;
    for (auto _ : state)
        if (!calc.Compute(wk))
            state.SkipWithError(calc.errorString().toStdString().c_str());
}
BENCHMARK(BM_ComputeOneWorkingRow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// 5,000 stations made from the delivered ones: shifted latitude, temperatures and rain.
std::vector<StationClimate> generatedStations(const std::vector<StationClimate>& delivered) {
    std::vector<StationClimate> out;
    out.reserve(5000);
    for (int i = 0; out.size() < 5000; ++i) {
        StationClimate s = delivered[static_cast<size_t>(i) % delivered.size()];
        const int shift = i / static_cast<int>(delivered.size());
        s.StationName += QStringLiteral(" %1").arg(shift);
        s.Latitude = std::min(6400.0, s.Latitude + (shift % 7) * 13);
        for (int m = 1; m <= 12; ++m) {
            s.T[static_cast<size_t>(m)] += (shift % 5) - 2;
            s.P[static_cast<size_t>(m)] *= 0.8 + (shift % 9) * 0.05;
        }
        out.push_back(std::move(s));
    }
    return out;
}

void BM_BatchGeneratedStations(benchmark::State& state) {
    kova::test::TempDatabase db;
    BatchData data;
    QString error;
    if (!BatchData::load(kova::store::kDefaultAlias, &data, &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    const std::vector<StationClimate> stations = generatedStations(data.stations);
    const int method = static_cast<int>(state.range(0));
    TKova k;
    TCropCurve curve;
    MessageList messages;
    int64_t crops = 0;
    for (auto _ : state) {
        for (const StationClimate& station : stations)
            for (const CreatedCrop& crop : data.crops) {
                messages.clear();
                benchmark::DoNotOptimize(computeStationCrop(data, station, crop, method,
                                                            WindForm::Driver, k, curve, messages));
                ++crops;
            }
    }
    state.counters["crops_per_second"] =
        benchmark::Counter(static_cast<double>(crops), benchmark::Counter::kIsRate);
    state.counters["crops_per_run"] = static_cast<double>(stations.size() * data.crops.size());
}
BENCHMARK(BM_BatchGeneratedStations)
    ->Arg(kETTR21)
    ->Arg(kETRadiation)
    ->Arg(kETTemperature)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
