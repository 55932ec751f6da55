// Kova from the start of its process to its main window shown, on a copy of the delivered
// database on disk: each iteration starts this program again as the main program would start
// (`--child`: the application, the program's set-up, the main window opening its database and
// making its working tables private, shown) and stops the clock when the window says it is
// shown. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "tempdatabase.h"

#include "main/mainform.h"
#include "main/program.h"
#include "store/alias.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstring>
#include <iostream>

namespace {

const char* const kChild = "--child";
QString theProgram;

// The main program's start on the database file given, then "shown" once the window is.
int runChild(int argc, char** argv, const QString& databaseFile) {
    QApplication app(argc, argv);
    kova::store::AliasTarget target;
    target.databaseFile = databaseFile;
    kova::store::AliasRegistry::instance().define(kova::store::kDefaultAlias, target);
    kova::mainwin::setUpProgram();
    kova::mainwin::MainForm window;
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::cout << "shown" << std::endl;
    return 0;
}

void BM_StartToMainWindowShown(benchmark::State& state) {
    kova::test::TempDatabase db;
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(theProgram, {QString::fromLatin1(kChild), db.file()});
        bool shown = false;
        while (!shown && child.waitForReadyRead(5000))
            shown = child.readAll().contains("shown");
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        child.waitForFinished(5000);
        if (!shown)
            state.SkipWithError("the main window was not shown");
    }
}
BENCHMARK(BM_StartToMainWindowShown)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kChild) == 0)
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QCoreApplication app(argc, argv);
    theProgram = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
