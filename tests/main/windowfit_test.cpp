// Every window of Kova is usable on a 1024 x 768 screen.

#include "mainfixture.h"
#include "windowfit.h"

#include "main/compphdatesdlg.h"
#include "main/cropcompdlg.h"
#include "main/deflocdlg.h"
#include "main/defsysdlg.h"
#include "main/getcropnamdlg.h"
#include "main/passworddlg.h"
#include "main/removejobsdlg.h"
#include "main/waitdlg.h"
#include "results/output/outputdlg.h"
#include "store/alias.h"
#include "ui/aboutbox.h"
#include "ui/helpviewer.h"

#include "calc/growthdatestables.h"

namespace kova::mainwin::test {

using KovaWindows = MainWindowFixture;

TEST_F(KovaWindows, EveryWindowFitsTheSmallestScreen) {
    open();
    openSample();
    ASSERT_TRUE(form->session().displayCrop());
    job::JobSession& session = form->session();
    ASSERT_EQ(session.workingCrops().asString("Crop Name"), "Alfalfa hay");
    std::optional<calc::CompPHDates> tool;
    const QString alias = store::kDefaultAlias;
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"main window", [&] { return std::make_unique<MainForm>(); }},
        {"station",
         [&] { return std::make_unique<GetClimDlg>(alias, QStringLiteral("CHEYENNE")); }},
        {"ET method", [] { return std::make_unique<ETMethodDlg>(job::methodChoices(4)); }},
        {"save prompt", [] { return std::make_unique<SaveForm>(QString(40, QLatin1Char('W'))); }},
        {"job list", [&] { return std::make_unique<JobListForm>(alias); }},
        {"loading", [] { return std::make_unique<WaitDlg>(); }},
        {"remove jobs", [&] { return std::make_unique<RemoveJobsDlg>(session); }},
        {"system defaults", [&] { return std::make_unique<DefSysDlg>(alias); }},
        {"password", [] { return std::make_unique<PasswordDlg>(QString()); }},
        {"local defaults", [&] { return std::make_unique<DefLocDlg>(alias); }},
        {"About box",
         [] { return std::make_unique<ui::AboutBox>(kProgramTitle, kProgramVersion); }},
        {"help viewer", [] { return std::make_unique<ui::HelpViewer>(); }},
        {"results",
         [&] {
             return std::make_unique<results::Outputdlg>(
                 results::CropResultsContext{session.calculation(), session.workingCrops(), alias},
                 results::CropResultsActions{});
         }},
        {"Get Crop Name", [&] { return std::make_unique<GetCropNamDlg>(session); }},
        // On the sample's hay crop: every group shown.
        {"Job Crop Compute", [&] { return std::make_unique<CropCompDlg>(session); }},
        {"growth-date tool",
         [&] {
             calc::TKova& k = session.calculation().kova;
             calc::DateToolInputs in;
             QString error;
             EXPECT_TRUE(calc::readDateToolInputs(alias, k, &in, &error));
             tool.emplace(k.Temp, in.station);
             tool->open(k, in.crop);
             return std::make_unique<CompPHDatesDlg>(*tool, k, session.workingCrops());
         }},
    };
    for (const auto& [name, make] : windows) {
        const auto widget = make();
        const QString problem = kova::test::windowFitsSmallestScreen(*widget);
        EXPECT_TRUE(problem.isEmpty()) << name << ": " << problem.toStdString();
    }
    // The main window with its job panel, the larger of its two faces.
    const QString problem = kova::test::windowFitsSmallestScreen(*form);
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
}

} // namespace kova::mainwin::test
