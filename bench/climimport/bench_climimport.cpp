// Import of many generated county files without windows: scan (conversion into "TmpTP.txt")
// and load into an empty `Climate`, as Continue does in replace mode. Goal: 3,000 files with
// 8,000 stations in at most 5 s, memory flat with the number of files.

#include "climedit/import/climateloader.h"
#include "climedit/import/climatescan.h"
#include "tempdatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace kova::climimport;

namespace {

// One station section in the county-file layout, values varied by the station's number.
QByteArray stationSection(int county, int station) {
    QByteArray s;
    auto line = [&s](const QByteArray& text) { s += text + "\r\n"; };
    line("WEATHER RECORDS Station : STATION " + QByteArray::number(station) + ", WY" +
         QByteArray::number(10000 + station) + "  1981-2010");
    char buf[128];
    std::snprintf(buf, sizeof buf, "  Latitude: %04d      Longitude: %05d        Elevation: %05d",
                  3000 + station % 1900, 9000 + station % 3000, station % 9000);
    line(buf);
    line("  State FIPS/County(FIPS): " + QByteArray::number(10000 + county) +
         "    County Name: County " + QByteArray::number(county));
    line("  Temperature and precipitation: generated normals.");
    for (int i = 0; i < 7; ++i)
        line("-----------|----------------------|------------");
    for (int i = 0; i < 4; ++i)
        line("");
    for (int m = 0; m < 12; ++m) {
        std::snprintf(buf, sizeof buf, "  Month %-5d%4.1f    %4.1f   %5.1f   %6.2f", m + 1,
                      40.0 + m, 20.0 + m, 30.0 + (station + m) % 50 / 2.0,
                      (station + m) % 300 / 100.0);
        line(buf);
    }
    for (int i = 0; i < 20; ++i)
        line(i % 4 == 0 ? "-------------------------------------------" : "");
    line("  50 percent *)           -   to   -       5/ 2 to 10/11     5/12 to 10/ 1");
    for (int i = 0; i < 4; ++i)
        line("-------------------------------------------------------------------------------");
    s += "\f\r\n";
    return s;
}

// `stations` spread over `files` county files, one county per file.
void writeCountyFiles(const QString& dir, int files, int stations) {
    int station = 1;
    for (int f = 0; f < files; ++f) {
        const int inFile = stations / files + (f < stations % files ? 1 : 0);
        QByteArray text;
        for (int k = 0; k < inFile; ++k)
            text += stationSection(f, station++);
        QFile file(QDir(dir).filePath(QString::asprintf("%05d.txt", f)));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
}

long residentKiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class NoQuestions : public ImportAnswerer {
public:
    bool confirm(const QString&) override { return true; }
};

void BM_ScanConvertLoad(benchmark::State& state) {
    const int files = int(state.range(0));
    const int stations = int(state.range(1));
    QTemporaryDir countyDir, workDir;
    writeCountyFiles(countyDir.path(), files, stations);
    WorkFiles work(workDir.path());
    long growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<kova::test::TempDatabase>(
            kova::test::TempDatabase::Contents::EmptySchema);
        MessageLog log;
        NoQuestions answers;
        RunningNumber numbers;
        const long before = residentKiB();
        state.ResumeTiming();

        const ScanResult scanned = ClimateScan(work, numbers, log).run(countyDir.path());
        const LoadResult loaded = ClimateLoader(work, log, answers).load(scanned.counties, false);

        state.PauseTiming();
        growth = std::max(growth, residentKiB() - before);
        if (loaded.outcome != LoadOutcome::Loaded || loaded.stations != stations)
            state.SkipWithError("import incomplete");
        db.reset();
        state.ResumeTiming();
    }
    state.counters["files"] = files;
    state.counters["stations"] = stations;
    state.counters["rss_growth_MiB"] = double(growth) / 1024.0;
}

// The conversion alone, to tell its share from the load's.
void BM_ScanOnly(benchmark::State& state) {
    QTemporaryDir countyDir, workDir;
    writeCountyFiles(countyDir.path(), int(state.range(0)), int(state.range(1)));
    WorkFiles work(workDir.path());
    long growth = 0;
    for (auto _ : state) {
        MessageLog log;
        RunningNumber numbers;
        const long before = residentKiB();
        const ScanResult scanned = ClimateScan(work, numbers, log).run(countyDir.path());
        growth = std::max(growth, residentKiB() - before);
        if (scanned.stations != state.range(1))
            state.SkipWithError("conversion incomplete");
    }
    state.counters["rss_growth_MiB"] = double(growth) / 1024.0;
}

} // namespace

BENCHMARK(BM_ScanOnly)
    ->Args({1000, 2667})
    ->Args({3000, 8000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_ScanConvertLoad)
    ->Args({1000, 2667})
    ->Args({3000, 8000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK_MAIN();
