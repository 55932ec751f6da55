#include "jobsession.h"

#include "croprules.h"
#include "jobdatabase.h"
#include "jobrecord.h"

#include "calc/cropcolumns.h"
#include "calc/jobload.h"
#include "calc/newcrop.h"
#include "calc/rowreaders.h"

#include "store/database.h"
#include "store/table.h"

#include <QDate>
#include <algorithm>

namespace kova::job {

using calc::MessageList;
using calc::TKova;
using store::Table;

namespace {

const QString kCropNameIndex = QStringLiteral("CropNameIndex");
const QString kCropName = QStringLiteral("Crop Name");
constexpr double kNewJobElevation = 1;
constexpr int kFullBar = 100;

QString caption(const QString& jobName) {
    return QStringLiteral("Kova Job [") + jobName + QLatin1Char(']');
}

store::Record firstRow(const QString& alias, const QString& table) {
    Table t(table, alias);
    if (!t.open() || t.isEmpty())
        return store::Record(&t.def());
    t.first();
    return t.record();
}

} // namespace

// The calculation's messages go straight to the window, except while a job is reopened: its
// crops are computed one after another, and each distinct message is shown once at the end.
class JobSession::Relay : public calc::CalcMessages {
public:
    explicit Relay(JobMessages& target) : target_(target) {}
    void show(MessageKind kind, const QString& text) override {
        if (held_)
            held_->items.push_back({kind, text});
        else
            target_.show(kind, text);
    }
    void hold() { held_.emplace(); }
    void release() {
        if (!held_)
            return;
        std::vector<calc::CalcMessage> shown;
        for (const calc::CalcMessage& m : held_->items)
            if (std::find(shown.begin(), shown.end(), m) == shown.end()) {
                shown.push_back(m);
                target_.show(m.kind, m.text);
            }
        held_.reset();
    }

private:
    JobMessages& target_;
    std::optional<MessageList> held_;
};

JobSession::JobSession(JobMessages& messages, JobDialogs& dialogs)
    : messages_(messages), dialogs_(dialogs), relay_(std::make_unique<Relay>(messages)),
      calc_(*relay_) {}

JobSession::~JobSession() = default;

bool JobSession::start(const QString& alias) {
    alias_ = alias;
    // The crop grid binds to the working crops whether or not the database opens.
    wkCrop_ = std::make_unique<Table>(QStringLiteral("KovaWkCrop"), alias);
    wkCrop_->setIndexName(kCropNameIndex);
    db_ = openJobDatabase(alias, messages_);
    if (!db_) {
        noJob();
        return false;
    }
    // A table of this program's own: empty unless this process already worked on a job.
    if (!wkCrop_->open() || !dropWorkingRows())
        return fail(QStringLiteral("The working crops cannot be opened"), wkCrop_->errorString());
    clearJobRecord(calc_.kova);
    noJob();
    focus_ = Focus::NewJobButton;
    return true;
}

bool JobSession::hasCrops() const {
    return wkCrop_ && wkCrop_->isOpen() && !wkCrop_->isEmpty();
}

const MainControls& JobSession::controls() const {
    shown_ = controls_;
    // No job is ever stored under an empty name: Save Job waits for an accepted name.
    shown_.saveJob = saveEnabled_ && !calc_.kova.JobName.isEmpty();
    // Without a database there is no job to start or open.
    if (!db_)
        shown_.newJob = shown_.prevJob = false;
    return shown_;
}

// --- commands ----------------------------------------------------------------------------

bool JobSession::askToSave() {
    TKova& k = calc_.kova;
    // A job without an accepted name has nothing that could be stored.
    if (k.JobState == kNothingToSave || k.JobName.isEmpty())
        return true;
    if (!dialogs_.offerSave(k.JobName))
        return true;
    const SaveResult result = saveJob();
    // A save that failed keeps the job in work: the command that asked stops.
    return result != SaveResult::Failed && result != SaveResult::Refused;
}

bool JobSession::newJob() {
    focus_ = Focus::Unchanged;
    if (!askToSave())
        return false;
    jobCancelled_ = false;
    TKova& k = calc_.kova;
    clearJobRecord(k);
    k.JobState = kNewJob;
    if (!dropWorkingRows())
        return fail(QStringLiteral("The new job cannot be started"), wkCrop_->errorString());
    fields_ = JobFields{};
    fields_.stationName.clear();
    fields_.county.clear();
    fields_.stationNo.clear();
    fields_.elevation = kNewJobElevation;
    fields_.etMethod.clear();
    fields_.date = QDate::currentDate().toString(QStringLiteral("MM/dd/yy"));
    nameModified_ = locationModified_ = plannerModified_ = false;
    MainControls& c = controls_;
    c = MainControls{};
    c.jobPanel = true;
    c.uniqueNote = true;
    c.climateGroup = c.cancel = c.headerFields = true;
    c.newJob = c.prevJob = false;
    saveEnabled_ = false;
    focus_ = Focus::NameField;
    return true;
}

bool JobSession::getPrevJob() {
    focus_ = Focus::Unchanged;
    jobCancelled_ = false;
    bool any = false;
    QString error;
    if (!hasSavedJobs(alias_, &any, &error))
        return fail(QStringLiteral("The saved jobs cannot be listed"), error);
    if (!any) {
        messages_.report({MessageKind::Information, text::kNoPreviousJobs, {}});
        controls_.prevJob = false;
        return false;
    }
    if (!askToSave())
        return false;
    clearJobRecord(calc_.kova);
    const std::optional<QString> chosen = dialogs_.pickJob();
    if (!chosen || chosen->isEmpty()) {
        dropWorkingRows();
        noJob();
        return false;
    }
    return reopen(*chosen);
}

bool JobSession::reopen(const QString& jobName) {
    int percent = 0;
    dialogs_.loading(jobName, percent);
    const calc::LoadProgress progress = [&](int advance) {
        percent =
            advance == calc::kProgressComplete ? kFullBar : std::min(kFullBar, percent + advance);
        dialogs_.loading(jobName, percent);
    };
    relay_->hold();
    QString error;
    const calc::LoadJobResult result =
        calc::loadSavedJob(calc_, jobName, *wkCrop_, progress, &error);
    dialogs_.loadingClosed();
    relay_->release();
    // The loader orders the crops by its own key; the grid keeps the crop name order.
    wkCrop_->close();
    wkCrop_->setIndexName(kCropNameIndex);
    wkCrop_->open();
    if (result != calc::LoadJobResult::Loaded) {
        if (result == calc::LoadJobResult::NoSuchJob)
            messages_.report({MessageKind::Error,
                              QStringLiteral("The job %1 is no longer in the job database.")
                                  .arg(text::quoted(jobName)),
                              {}});
        else
            fail(QStringLiteral("The job %1 could not be opened").arg(text::quoted(jobName)),
                 error);
        clearJobRecord(calc_.kova);
        dropWorkingRows();
        noJob();
        return false;
    }
    showLoadedJob();
    return true;
}

void JobSession::showLoadedJob() {
    const TKova& k = calc_.kova;
    fields_.name = k.JobName;
    fields_.location = k.Location;
    fields_.planner = k.Planner;
    fields_.date = k.JobDate;
    showStation();
    fields_.elevation = k.Elevation;
    fields_.ratio50 = k.PrecipRatio50;
    fields_.ratio80 = k.PrecipRatio80;
    fields_.etMethod = k.ETMethodText;
    nameModified_ = locationModified_ = plannerModified_ = false;
    MainControls& c = controls_;
    c = MainControls{};
    c.caption = caption(k.JobName);
    c.jobPanel = c.cancel = c.headerFields = c.siteFields = true;
    c.climateGroup = false; // a loaded job keeps its station
    c.getNewClimate = true;
    c.addCrop = true;
    // A job stored without crops has none to display, edit or delete.
    c.displayCrop = c.editCrop = c.deleteCrop = c.cropGrid = hasCrops();
    saveEnabled_ = false;
    calc_.kova.JobState = kNothingToSave;
    wkCrop_->first();
    focus_ = Focus::CropGrid;
}

void JobSession::showStation() {
    const TKova& k = calc_.kova;
    fields_.stationName = k.StationName;
    fields_.county = k.County;
    fields_.stationNo = k.StationNo;
    fields_.latitude = QString::number(k.Latitude);
    fields_.longitude = QString::number(k.Longitude);
}

SaveResult JobSession::saveJob() {
    focus_ = Focus::Unchanged;
    const SaveResult result = job::saveJob(calc_.kova, *wkCrop_, messages_);
    if (result == SaveResult::Saved || result == SaveResult::SavedAsNew)
        afterSave();
    return result;
}

void JobSession::afterSave() {
    MainControls& c = controls_;
    c.getNewClimate = c.prevJob = c.newJob = c.addCrop = true;
    c.displayCrop = c.deleteCrop = c.cropGrid = hasCrops();
    c.uniqueNote = false;
    saveEnabled_ = false;
}

bool JobSession::cancelJob() {
    focus_ = Focus::Unchanged;
    if (!askToSave())
        return false;
    clearJobRecord(calc_.kova);
    jobCancelled_ = true;
    dropWorkingRows();
    noJob();
    return true;
}

bool JobSession::exitProgram() {
    focus_ = Focus::Unchanged;
    if (!askToSave())
        return false;
    dropWorkingRows();
    return true;
}

bool JobSession::removeJob(const QString& jobName) {
    focus_ = Focus::Unchanged;
    if (!dialogs_.confirm(Question::DeleteJob, text::deleteJob(jobName)))
        return false;
    if (job::removeJob(alias_, jobName, messages_) != RemoveResult::Removed)
        return false;
    // The job in work is no longer stored: the window must not go on showing it.
    if (jobName == calc_.kova.JobName) {
        clearJobRecord(calc_.kova);
        dropWorkingRows();
        noJob();
    }
    return true;
}

bool JobSession::dropWorkingRows() {
    return !wkCrop_ || wkCrop_->emptyTable();
}

void JobSession::noJob() {
    controls_ = MainControls{};
    saveEnabled_ = false;
    calc_.kova.JobState = kNothingToSave;
    focus_ = Focus::NewJobButton;
}

// --- station and method ----------------------------------------------------------------

ClimateResult JobSession::getNewClimate() {
    focus_ = Focus::Unchanged;
    TKova& k = calc_.kova;
    saveEnabled_ = true;
    markChanged(k);
    if (!checkHeaderTexts()) {
        focus_ = Focus::NameField;
        return ClimateResult::Stopped;
    }
    if (locationModified_)
        k.Location = fields_.location;
    if (plannerModified_)
        k.Planner = fields_.planner;
    k.JobDate = fields_.date;
    controls_.siteFields = true;
    controls_.uniqueNote = false;
    if (!chooseStation())
        return ClimateResult::Stopped;
    if (k.CropCount == 0 && !chooseMethod())
        return ClimateResult::Stopped;
    MainControls& c = controls_;
    c.addCrop = true;
    c.displayCrop = c.editCrop = c.deleteCrop = c.getNewClimate = false;
    fields_.ratio50 = k.PrecipRatio50;
    fields_.ratio80 = k.PrecipRatio80;
    c.caption = caption(k.JobName);
    focus_ = Focus::ElevationField;
    if (dialogs_.confirm(Question::EditSite, text::kEditSite))
        return ClimateResult::EditSite;
    k.Elevation = fields_.elevation.value_or(k.Elevation);
    k.PrecipRatio50 = fields_.ratio50.value_or(k.PrecipRatio50);
    k.PrecipRatio80 = fields_.ratio80.value_or(k.PrecipRatio80);
    return ClimateResult::AddCrop;
}

// The name, location and planner a job needs before its station, each with its message.
bool JobSession::checkHeaderTexts() {
    TKova& k = calc_.kova;
    // A name equal to the job's own is never looked up; a refused one leaves the job's name
    // as it was.
    if (nameModified_ && fields_.name != k.JobName) {
        if (!nameAccepted(fields_.name))
            return false;
        k.JobName = fields_.name;
        // Accepted: leaving the field again is no renaming ("Save job as: ...?").
        nameModified_ = false;
    }
    const std::pair<bool, const QString&> checks[] = {
        {k.JobName.isEmpty(), text::kEnterJobName},
        {fields_.location.isEmpty(), text::kEnterLocation},
        {fields_.planner.isEmpty(), text::kEnterPlanner},
    };
    for (const auto& [missing, message] : checks)
        if (missing) {
            messages_.report({MessageKind::Error, message, {}});
            return false;
        }
    return true;
}

// The name is no other stored job's (letter case ignored); said so when it is.
bool JobSession::nameAccepted(const QString& name) {
    bool taken = false;
    QString error;
    if (!jobNameTaken(alias_, name, &taken, &error))
        return fail(QStringLiteral("The job names cannot be looked up"), error);
    if (taken)
        messages_.report({MessageKind::Error, text::kJobNameUsed, {}});
    return !taken;
}

bool JobSession::chooseStation() {
    TKova& k = calc_.kova;
    const std::optional<QString> chosen = dialogs_.pickStation(k.StationName);
    if (!chosen || chosen->isEmpty()) {
        // A county without stations: the job keeps its station; a job without one stops.
        if (k.StationName.isEmpty()) {
            messages_.report({MessageKind::Error,
                              QStringLiteral("The job has no climate station. Select a county "
                                             "with stations and one of its stations."),
                              {}});
            return false;
        }
        return true;
    }
    Table climate(QStringLiteral("Climate"), alias_);
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    if (!climate.open())
        return fail(QStringLiteral("The climate stations cannot be read"), climate.errorString());
    if (!climate.findKey({*chosen})) {
        messages_.report(
            {MessageKind::Error,
             QStringLiteral("The climate station %1 was not found.").arg(text::quoted(*chosen)),
             {}});
        return false;
    }
    const calc::StationClimate station = calc::stationFrom(climate.record());
    if (k.CropCount > 0 && !keepsMethodAt(station.StationName))
        return false;
    copyStation(station, k);
    showStation();
    // The field and the record agree from the start: a job saved without leaving the field
    // keeps the elevation it shows.
    fields_.elevation = k.Elevation = station.Elevation;
    return true;
}

// A job with crops keeps its method: a station whose weather data cannot compute it is refused
// and the job keeps its station.
bool JobSession::keepsMethodAt(const QString& stationName) {
    StationWeather weather;
    QString error;
    if (!readStationWeather(alias_, stationName, &weather, &error))
        return fail(QStringLiteral("The station's weather data cannot be read"), error);
    if (methodComputable(calc_.kova.ETIndex, weather.july))
        return true;
    messages_.report({MessageKind::Error,
                      QStringLiteral("The job's ET method, %1, cannot be computed at %2: its "
                                     "weather site lacks the values the method needs. Select "
                                     "another station.")
                          .arg(calc_.kova.ETMethodText, stationName),
                      {}});
    return false;
}

bool JobSession::chooseMethod() {
    TKova& k = calc_.kova;
    StationWeather weather;
    QString error;
    if (!readStationWeather(alias_, k.StationName, &weather, &error))
        return fail(QStringLiteral("The ET method cannot be chosen"), error);
    const int decision = decideMethod(weather.systemDefault, weather.july);
    const MethodChoices choices = methodChoices(decision);
    offered_ = job::offeredMethods(choices);
    int method = decision;
    if (decision >= kAskAnyMethod) {
        k.ETIndex = decision;
        method = dialogs_.chooseMethod(choices);
        if (std::find(offered_.begin(), offered_.end(), method) == offered_.end())
            method = chosenMethod(choices);
    }
    k.ETIndex = method;
    k.ETMethodText = methodText(method);
    fields_.etMethod = k.ETMethodText;
    return true;
}

// --- crops -------------------------------------------------------------------------------

void JobSession::beginAddCrop() {
    focus_ = Focus::Unchanged;
    beforeAddCrop_ = {calc_.kova.JobState, saveEnabled_};
    saveEnabled_ = true;
    markChanged(calc_.kova);
    MainControls& c = controls_;
    c.displayCrop = c.cropGrid = c.deleteCrop = c.addCrop = c.editCrop = true;
}

AddCropResult JobSession::addCrop(const QString& createdCropName) {
    TKova& k = calc_.kova;
    Table crops(QStringLiteral("KovaCrop"), alias_);
    crops.setIndexName(kCropNameIndex);
    if (!crops.open()) {
        fail(QStringLiteral("The created crops cannot be read"), crops.errorString());
        return AddCropResult::Failed;
    }
    if (!crops.findKey({createdCropName}) ||
        crops.asString(QStringLiteral("Cop Name")) != createdCropName) {
        messages_.report({MessageKind::Error,
                          QStringLiteral("The crop %1 is not among the created crops.")
                              .arg(text::quoted(createdCropName)),
                          {}});
        cancelAddCrop();
        return AddCropResult::Unknown;
    }
    const calc::CreatedCrop crop = calc::createdCropFrom(crops.record());
    // A crop the job's method has no curve for would compute a season of zeros.
    if (!hasCurveForMethod(crop, k.ETIndex)) {
        messages_.report({MessageKind::Error, text::kNoCurveForMethod, {}});
        cancelAddCrop();
        return AddCropResult::Refused;
    }
    const calc::CropDefaults defaults =
        calc::cropDefaultsFrom(firstRow(alias_, QStringLiteral("SystemDefaults")),
                               firstRow(alias_, QStringLiteral("LocalDefaults")));
    QString error;
    switch (calc::appendNewWorkingCrop(*wkCrop_, crop, defaults, k, *relay_, &error)) {
    case calc::AddCropResult::Added:
        return AddCropResult::Added;
    case calc::AddCropResult::AlreadyIncluded:
        cancelAddCrop();
        return AddCropResult::Refused;
    case calc::AddCropResult::Failed:
        break;
    }
    fail(QStringLiteral("The crop %1 could not be added").arg(text::quoted(createdCropName)),
         error);
    cancelAddCrop();
    return AddCropResult::Failed;
}

void JobSession::cancelAddCrop() {
    calc_.kova.JobState = beforeAddCrop_.jobState;
    saveEnabled_ = beforeAddCrop_.saveEnabled;
    MainControls& c = controls_;
    c.addCrop = true;
    if (!hasCrops())
        c.displayCrop = c.cropGrid = c.deleteCrop = c.editCrop = false;
}

bool JobSession::openCropParameters() {
    Table& wk = *wkCrop_;
    if (wk.state() != store::EditState::Edit && wk.state() != store::EditState::Insert &&
        !wk.edit())
        return fail(QStringLiteral("The crop cannot be edited"), wk.errorString());
    saveEnabled_ = true;
    markChanged(calc_.kova);
    return true;
}

CropCloseResult JobSession::closeCropParameters() {
    Table& wk = *wkCrop_;
    calc::WorkingCrop crop = calc::workingCropFrom(wk.record());
    if (const std::optional<QString> refusal = seasonRefusal(crop)) {
        messages_.report({MessageKind::Error, *refusal, {}});
        return CropCloseResult::SeasonRefused;
    }
    const QString begDat = calc::monthDayText(crop.PlantMo.value_or(0), crop.PlantDay.value_or(0));
    const QString endDat =
        calc::monthDayText(crop.HarvestMo.value_or(0), crop.HarvestDay.value_or(0));
    if (!wk.setValue(calc::workingFieldOf(&calc::WorkingCrop::BegDat), begDat) ||
        !wk.setValue(calc::workingFieldOf(&calc::WorkingCrop::EndDat), endDat) || !wk.post()) {
        fail(QStringLiteral("The crop %1 could not be stored").arg(text::quoted(crop.CropName)),
             wk.errorString());
        // The dialog closes: no half-stored row stays behind in edit.
        wk.cancel();
        return CropCloseResult::Failed;
    }
    calc_.kova.CropName = crop.CropName;
    return compute() ? CropCloseResult::Computed : CropCloseResult::Failed;
}

bool JobSession::displayCrop() {
    focus_ = Focus::Unchanged;
    Table& wk = *wkCrop_;
    if (!hasCrops())
        return false;
    calc_.kova.CropName = wk.asString(kCropName);
    wk.findNearest({calc_.kova.CropName});
    return compute();
}

bool JobSession::compute() {
    if (calc_.Compute(*wkCrop_))
        return true;
    return fail(
        QStringLiteral("The crop %1 could not be computed").arg(text::quoted(calc_.kova.CropName)),
        calc_.errorString());
}

bool JobSession::deleteCrop() {
    focus_ = Focus::Unchanged;
    Table& wk = *wkCrop_;
    if (!hasCrops())
        return false;
    if (!dialogs_.confirm(Question::DeleteCrop, text::deleteCrop(wk.asString(kCropName))))
        return false;
    if (!wk.remove())
        return fail(QStringLiteral("The crop could not be deleted"), wk.errorString());
    saveEnabled_ = true;
    if (wk.isEmpty())
        controls_.deleteCrop = controls_.editCrop = controls_.displayCrop = false;
    markChanged(calc_.kova);
    return true;
}

// --- field events ------------------------------------------------------------------------

QString& JobSession::headerText(HeaderField field) {
    switch (field) {
    case HeaderField::Name:
        return fields_.name;
    case HeaderField::Date:
        return fields_.date;
    case HeaderField::Location:
        return fields_.location;
    default:
        return fields_.planner;
    }
}

std::optional<double>& JobSession::siteValue(SiteField field) {
    switch (field) {
    case SiteField::Elevation:
        return fields_.elevation;
    case SiteField::Ratio50:
        return fields_.ratio50;
    default:
        return fields_.ratio80;
    }
}

void JobSession::fieldTyped(HeaderField field, const QString& text) {
    focus_ = Focus::Unchanged;
    static const HeaderText stored[] = {HeaderText::JobName, HeaderText::JobDate,
                                        HeaderText::Location, HeaderText::Planner};
    // What is typed is what will be stored (and what a name is checked as).
    headerText(field) = cutToWidth(stored[static_cast<int>(field)], text);
    switch (field) {
    case HeaderField::Name:
        nameModified_ = true;
        controls_.getNewClimate = true;
        return;
    case HeaderField::Location:
        locationModified_ = true;
        break;
    case HeaderField::Planner:
        plannerModified_ = true;
        break;
    case HeaderField::Date:
        break;
    }
    markChanged(calc_.kova);
}

void JobSession::fieldLeft(HeaderField field) {
    focus_ = Focus::Unchanged;
    TKova& k = calc_.kova;
    switch (field) {
    case HeaderField::Name:
        if (!jobCancelled_)
            leaveName();
        return;
    case HeaderField::Date:
        k.JobDate = fields_.date;
        break;
    case HeaderField::Location:
        k.Location = fields_.location;
        locationModified_ = true;
        break;
    case HeaderField::Planner:
        k.Planner = fields_.planner;
        plannerModified_ = true;
        break;
    }
    saveEnabled_ = true;
}

// Leaving the name field: an empty name is refused; a job that has a name is asked whether
// it is to be saved under the one typed (only when the name was typed in).
bool JobSession::leaveName() {
    TKova& k = calc_.kova;
    saveEnabled_ = true;
    if (fields_.name.isEmpty()) {
        messages_.report({MessageKind::Error, text::kEnterJobName, {}});
        focus_ = Focus::NameField;
        return false;
    }
    if (k.JobName.isEmpty() || !nameModified_)
        return true;
    if (!dialogs_.confirm(Question::SaveJobAs, text::saveJobAs(fields_.name)))
        return true;
    if (fields_.name == k.JobName) {
        k.JobState = kChangedJob;
    } else {
        if (!nameAccepted(fields_.name)) {
            focus_ = Focus::NameField;
            return false;
        }
        k.JobName = fields_.name;
        k.JobState = kNewJob; // stored as a new job; the one it was loaded as stays
        controls_.caption = caption(k.JobName);
    }
    nameModified_ = false;
    return true;
}

void JobSession::siteTyped(SiteField field, std::optional<double> value) {
    focus_ = Focus::Unchanged;
    siteValue(field) = value;
    markChanged(calc_.kova);
    if (field != SiteField::Elevation)
        saveEnabled_ = true;
}

void JobSession::siteLeft(SiteField field) {
    focus_ = Focus::Unchanged;
    const std::optional<double> value = siteValue(field);
    TKova& k = calc_.kova;
    double& member = field == SiteField::Elevation ? k.Elevation
                     : field == SiteField::Ratio50 ? k.PrecipRatio50
                                                   : k.PrecipRatio80;
    if (value)
        member = *value;
    saveEnabled_ = true;
}

bool JobSession::fail(const QString& what, const QString& technical) {
    messages_.report(
        {MessageKind::Error, what + failureReason(technical) + QLatin1Char('.'), technical});
    return false;
}

} // namespace kova::job
