// Every window of KovaClim is usable on a 1024 x 768 screen.

#include "climeditfixture.h"
#include "windowfit.h"

#include "climedit/climdbform.h"
#include "climedit/countyfilterdialog.h"
#include "climedit/mainform.h"
#include "climedit/program.h"
#include "climedit/selcoform.h"
#include "climedit/seldirform.h"
#include "climedit/stationreports.h"
#include "climedit/whrform.h"
#include "report/layout.h"
#include "report/previewwindow.h"
#include "ui/aboutbox.h"
#include "ui/helpviewer.h"

#include <functional>

namespace kova::climedit::test {

namespace {

struct WindowMaker {
    const char* name;
    std::function<std::unique_ptr<QWidget>(DataModule& dm)> make;
};

const WindowMaker kWindows[] = {
    {"main window", [](DataModule& dm) { return std::make_unique<MainForm>(dm); }},
    {"station form", [](DataModule& dm) { return std::make_unique<ClimDBForm>(dm); }},
    {"WHR form", [](DataModule& dm) { return std::make_unique<WHRForm>(dm); }},
    {"directory window", [](DataModule& dm) { return std::make_unique<SelDirForm>(dm); }},
    {"county selection",
     [](DataModule& dm) -> std::unique_ptr<QWidget> {
         QString error;
         const auto work = climimport::WorkFiles::locate(&error);
         return std::make_unique<SelCoForm>(dm, *work, QStringList{QStringLiteral("Laramie, WY")});
     }},
    {"county choice",
     [](DataModule& dm) -> std::unique_ptr<QWidget> {
         ui::openTable(dm.cntyListTable());
         return std::make_unique<CountyFilterDialog>(dm.cntyListData());
     }},
    {"About box",
     [](DataModule&) { return std::make_unique<ui::AboutBox>(kProgramTitle, kProgramVersion); }},
    {"help viewer", [](DataModule&) { return std::make_unique<ui::HelpViewer>(); }},
    {"report preview",
     [](DataModule& dm) -> std::unique_ptr<QWidget> {
         ui::openTable(dm.clmTable());
         const auto built = buildStationDetails(dm.clmTable());
         return std::make_unique<report::PreviewWindow>(report::layoutReport(built->report));
     }},
};

using KovaClimWindows = ClimEditFixture;

} // namespace

TEST_F(KovaClimWindows, EveryWindowFitsTheSmallestScreen) {
    for (const WindowMaker& window : kWindows) {
        const auto widget = window.make(*dm);
        const QString problem = kova::test::windowFitsSmallestScreen(*widget);
        EXPECT_TRUE(problem.isEmpty()) << window.name << ": " << problem.toStdString();
    }
}

} // namespace kova::climedit::test
