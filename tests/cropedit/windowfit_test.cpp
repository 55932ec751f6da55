// Every window of KovaCropEd is usable on a 1024 x 768 screen.

#include "cropeditfixture.h"
#include "windowfit.h"

#include "cropedit/basalforms.h"
#include "cropedit/cropform.h"
#include "cropedit/cropreports.h"
#include "cropedit/mainform.h"
#include "cropedit/pickers.h"
#include "cropedit/plainforms.h"
#include "cropedit/program.h"
#include "report/layout.h"
#include "report/previewwindow.h"
#include "ui/aboutbox.h"
#include "ui/helpviewer.h"

#include <functional>

namespace kova::cropedit::test {

namespace {

struct WindowMaker {
    const char* name;
    std::function<std::unique_ptr<QWidget>(DataModule& dm)> make;
};

template <class Window> WindowMaker maker(const char* name) {
    return {name, [](DataModule& dm) { return std::make_unique<Window>(dm); }};
}

template <class Picker> WindowMaker picker(const char* name) {
    return {name, [](DataModule& dm) -> std::unique_ptr<QWidget> {
                return std::make_unique<Picker>(dm, false);
            }};
}

struct KovaCropEdWindows : CropEditFixture {
    void openAllTables() {
        ASSERT_TRUE(DataModule::openTables({&dm->createCrop(), &dm->crpLastUse(), &dm->anType(),
                                            &dm->basFldVeg(), &dm->basPeren(), &dm->basGrass(),
                                            &dm->bcAnnual(), &dm->bcPeren()}));
    }
};

} // namespace

TEST_F(KovaCropEdWindows, EveryWindowFitsTheSmallestScreen) {
    openAllTables();
    const WindowMaker windows[] = {
        maker<MainForm>("main window"),
        maker<CropForm>("created crops"),
        maker<BasFieldVegForm>("field and vegetable curves"),
        maker<BasPerenForm>("perennial curves"),
        maker<BasGrassForm>("grass curves"),
        maker<BCAnuForm>("TR21 annual curves"),
        maker<BCPerenForm>("TR21 perennial curves"),
        maker<AnTypeForm>("crop types"),
        picker<GetBCDlg>("TR21 picker"),
        picker<GetBasDlg>("basal picker"),
        {"About box",
         [](DataModule&) {
             return std::make_unique<ui::AboutBox>(kProgramTitle, kProgramVersion);
         }},
        {"report preview",
         [](DataModule& dm) -> std::unique_ptr<QWidget> {
             const auto built = buildCropDetails(dm.createCrop());
             return std::make_unique<report::PreviewWindow>(report::layoutReport(built->report));
         }},
    };
    for (const WindowMaker& window : windows) {
        const auto widget = window.make(*dm);
        const QString problem = kova::test::windowFitsSmallestScreen(*widget);
        EXPECT_TRUE(problem.isEmpty()) << window.name << ": " << problem.toStdString();
    }
}

// F1 and the Help buttons of each window open its own page of the crop editor's help.
TEST_F(KovaCropEdWindows, EveryWindowOpensItsOwnHelpPage) {
    openAllTables();
    ui::Help::setHelpFile(kHelpFile);
    const std::pair<WindowMaker, int> windows[] = {
        {maker<CropForm>("created crops"), 7},
        {maker<BasFieldVegForm>("field and vegetable curves"), 8},
        {maker<AnTypeForm>("crop types"), 9},
        {maker<BasPerenForm>("perennial curves"), 10},
        {maker<BasGrassForm>("grass curves"), 11},
        {maker<BCAnuForm>("TR21 annual curves"), 12},
        {maker<BCPerenForm>("TR21 perennial curves"), 13},
        {picker<GetBasDlg>("basal picker"), 14},
        {picker<GetBCDlg>("TR21 picker"), 15},
    };
    QStringList pages;
    for (const auto& [window, context] : windows) {
        const auto widget = window.make(*dm);
        EXPECT_EQ(ui::Help::contextOf(widget.get()), context) << window.name;
        ui::HelpViewer* viewer = ui::Help::showContext(context);
        ASSERT_NE(viewer, nullptr);
        EXPECT_NE(viewer->currentPage(), viewer->index()->contentsPage()) << window.name;
        pages << viewer->currentPage();
    }
    EXPECT_TRUE(pages.contains(":/help/Kovacrop/createdcrops.html"));
    EXPECT_TRUE(pages.contains(":/help/Kovacrop/basalpicker.html"));
    ui::Help::viewer()->close();
}

} // namespace kova::cropedit::test
