#pragma once
// The main window's crop commands: "Add New Crop" ("Get Crop Name", then the crop parameters
// dialog and the results window) and "Edit Crop" (the crop parameters dialog on the selected
// crop, then the results window).

#include "results/output/resultsactions.h"

class QWidget;

namespace kova::job {
class JobSession;
}

namespace kova::mainwin {

// After the session's beginAddCrop().
void addNewCrop(job::JobSession& session, const results::CropResultsActions& results,
                QWidget* parent);
void editCrop(job::JobSession& session, const results::CropResultsActions& results,
              QWidget* parent);

} // namespace kova::mainwin
