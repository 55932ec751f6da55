// Growth-date tool speed: one calculation ("Re-Calculate") and one opening with its first
// calculation on Cheyenne's means, and, for comparison, the opening with its table reads.

#include "tempdatabase.h"

#include "calc/growthdatestables.h"

#include "store/alias.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace kova::calc;

namespace {

// CHEYENNE as delivered: monthly means and frost dates.
const Monthly kCheyenne = {0,    28.8, 29.6, 35.9, 42.8, 52.4, 62.1,
                           69.4, 67.6, 58.2, 46.3, 35.3, 27.7};
const FrostDates kCheyenneFrost{QStringLiteral("05/02"), QStringLiteral("05/12"),
                                QStringLiteral("10/11"), QStringLiteral("10/01")};

TKova cornRecord() {
    TKova k;
    k.Temp = kCheyenne;
    k.PlantMo = 5;
    k.PlantDay = 1;
    k.HarvestMo = 9;
    k.HarvestDay = 28;
    k.CurveIndex = kCurveTR21Annual;
    return k;
}

GrowthCriteria cornCriteria() {
    GrowthCriteria c;
    c.SpringAvTemp = 55;
    c.FallAvTemp = 50;
    c.MinGrowDays = 150;
    c.MaxGrowDays = 170;
    return c;
}

void BM_GrowthDateCalculation(benchmark::State& state) {
    CompPHDates tool(kCheyenne, kCheyenneFrost);
    tool.open(cornRecord(), cornCriteria());
    // Alternating interpolated temperatures and the 28 F frost-date texts.
    const double begin = state.range(0) == 0 ? 55 : 28;
    const double end = state.range(0) == 0 ? 50 : 28;
    for (auto _ : state)
        benchmark::DoNotOptimize(tool.calculate(150, begin, end));
}
BENCHMARK(BM_GrowthDateCalculation)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_GrowthDateOpening(benchmark::State& state) {
    const TKova k = cornRecord();
    const GrowthCriteria crop = cornCriteria();
    for (auto _ : state) {
        CompPHDates tool(k.Temp, kCheyenneFrost);
        benchmark::DoNotOptimize(tool.open(k, crop));
    }
}
BENCHMARK(BM_GrowthDateOpening)->Unit(benchmark::kMicrosecond);

void BM_GrowthDateOpeningWithTableReads(benchmark::State& state) {
    kova::test::TempDatabase db;
    TKova k = cornRecord();
    k.StationName = QStringLiteral("CHEYENNE");
    k.CropName = QStringLiteral("Corn (grain)");
    k.CurveIndex = kCurveBasalAnnual;
    for (auto _ : state) {
        DateToolInputs in;
        QString error;
        if (!readDateToolInputs(kova::store::kDefaultAlias, k, &in, &error))
            state.SkipWithError(error.toStdString().c_str());
        CompPHDates tool(k.Temp, in.station);
        benchmark::DoNotOptimize(tool.open(k, in.crop));
    }
}
BENCHMARK(BM_GrowthDateOpeningWithTableReads)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // the SQL driver of the table-read case needs one
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
