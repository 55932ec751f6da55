#pragma once
// The main program's name, help and the commands other windows carry out for its main window:
// the crop dialogs, the reports and the results window's charts and reports. A command this
// build does not have yet is left unset: its button or menu item stays disabled.

#include "results/output/resultsactions.h"

#include <QString>
#include <functional>

class QWidget;

namespace kova::job {
class JobSession;
}

namespace kova::mainwin {

inline const QString kProgramTitle = QStringLiteral("Kova");
inline const QString kProgramVersion = QStringLiteral("1.0");
// The help file as the program names it at start, and as its windows name it.
inline const QString kStartHelpFile =
    QStringLiteral("c:\\Program Files\\Verdane\\Kova\\Kovamain.Hlp");
inline const QString kHelpFile = QStringLiteral("Kovamain.Hlp");

using JobCommand = std::function<void(job::JobSession& session, QWidget* parent)>;
// A crop dialog ends in the results window of the crop it computed, with its actions.
using CropCommand = std::function<void(
    job::JobSession& session, const results::CropResultsActions& results, QWidget* parent)>;

struct CropCommands {
    // "Add New Crop", after the session's beginAddCrop(): "Get Crop Name", then the crop
    // parameters dialog and the results; Cancel in "Get Crop Name" calls cancelAddCrop().
    CropCommand addNewCrop;
    // "Edit Crop": the crop parameters dialog on the selected crop, then the results.
    CropCommand editCrop;
};

struct ReportCommands {
    // Called only while the job has crops (else "There must be an active job to print a
    // report."): choose the crop, compute it and preview its report.
    JobCommand singleCropReport;
    JobCommand singleCropDetails;
    // The summary of every crop of the job, from the first working crop.
    JobCommand jobCropSummary;
    // The saved jobs of the database behind `alias`.
    std::function<void(const QString& alias, QWidget* parent)> listOfJobs;
};

struct ProgramCommands {
    CropCommands crops;
    ReportCommands reports;
    results::CropResultsActions results;
};

// What this build of the program offers.
ProgramCommands programCommands();

// The program's name and help file, set at start before any window.
void setUpProgram();

void showAboutBox(QWidget* parent);

} // namespace kova::mainwin
