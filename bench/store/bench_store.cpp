// Table layer on a Climate table of 10,000 generated stations: opening on a named index,
// nearest-key seek, and 10,000 appends in one transaction.

#include "store/fieldnames.h"
#include "store/table.h"
#include "tempdatabase.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace kova::store;

namespace {

constexpr int kStations = 10000;

QString stationName(int i) {
    return QStringLiteral("STATION %1").arg(i * 7919 % 100000, 5, 10, QLatin1Char('0'));
}

void appendStation(Table& t, int i) {
    t.append();
    t.setValue(QStringLiteral("Station Name"), stationName(i));
    t.setValue(QStringLiteral("County"), QStringLiteral("County %1, ST").arg(i % 300));
    t.setValue(QStringLiteral("Station No"), QString::number(i));
    t.setValue(QStringLiteral("Latitude"), 4000 + i % 900);
    t.setValue(QStringLiteral("Longitude"), 10000 + i % 900);
    t.setValue(QStringLiteral("Elevation"), 1000 + i % 5000);
    for (const char* f : {"Spr mo/dy 28", "Spr mo/dy 32", "Fall mo/dy 28", "Fall mo/dy 32"})
        t.setValue(QLatin1String(f), QStringLiteral("05/01"));
    static const auto temperatures = monthSeries(QStringLiteral("T"));
    static const auto precipitation = monthSeries(QStringLiteral("P"));
    for (int m = 0; m < 12; ++m) {
        t.setValue(temperatures[static_cast<size_t>(m)], 31.0 + m);
        t.setValue(precipitation[static_cast<size_t>(m)], 1.0);
    }
    if (!t.post())
        qFatal("%s", qPrintable(t.errorString()));
}

// One database with 10,000 stations shared by the open and seek cases.
kova::test::TempDatabase& filledDatabase() {
    static auto* db = [] {
        auto* d = new kova::test::TempDatabase(kova::test::TempDatabase::Contents::EmptySchema);
        Table t(QStringLiteral("Climate"));
        t.open();
        Transaction tx(*t.database());
        for (int i = 0; i < kStations; ++i)
            appendStation(t, i);
        tx.commit();
        return d;
    }();
    return *db;
}

void BM_OpenOnNamedIndex(benchmark::State& state) {
    filledDatabase();
    for (auto _ : state) {
        Table t(QStringLiteral("Climate"));
        t.setIndexName(QStringLiteral("StaNameIndex"));
        if (!t.open())
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(t.recordCount());
    }
}
BENCHMARK(BM_OpenOnNamedIndex)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_NearestKeySeek(benchmark::State& state) {
    filledDatabase();
    Table t(QStringLiteral("Climate"));
    t.setIndexName(QStringLiteral("StaNameIndex"));
    t.open();
    int i = 0;
    for (auto _ : state) {
        t.findNearest({stationName(i++ % kStations)});
        benchmark::DoNotOptimize(t.recNo());
    }
}
BENCHMARK(BM_NearestKeySeek)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_Append10000InOneTransaction(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<kova::test::TempDatabase>(
            kova::test::TempDatabase::Contents::EmptySchema);
        Table t(QStringLiteral("Climate"));
        t.setIndexName(QStringLiteral("StaNameIndex"));
        t.open();
        state.ResumeTiming();
        Transaction tx(*t.database());
        for (int i = 0; i < kStations; ++i)
            appendStation(t, i);
        tx.commit();
        state.PauseTiming();
        t.close();
        db.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Append10000InOneTransaction)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
