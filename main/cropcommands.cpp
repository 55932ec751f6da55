#include "cropcommands.h"

#include "cropcompdlg.h"
#include "getcropnamdlg.h"

#include "main/job/jobsession.h"
#include "ui/modal.h"

namespace kova::mainwin {

void addNewCrop(job::JobSession& session, const results::CropResultsActions& results,
                QWidget* parent) {
    bool added = false;
    {
        GetCropNamDlg crops(session, parent);
        ui::showModal(crops);
        added = crops.added();
    }
    if (added)
        runCropParameters(session, results, parent);
}

void editCrop(job::JobSession& session, const results::CropResultsActions& results,
              QWidget* parent) {
    if (session.hasCrops())
        runCropParameters(session, results, parent);
}

} // namespace kova::mainwin
