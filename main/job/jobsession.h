#pragma once
// The job in work and its whole life, without windows: the main window's commands and field
// events, in the order the window runs them, with the window's state as values. The window
// calls a command, then shows `fields()`, `controls()` and `focus()`; messages, questions and
// modal choices go through JobMessages and JobDialogs, so tools and tests drive the same path.

#include "etmethod.h"
#include "jobfeedback.h"
#include "jobstore.h"

#include "calc/compute.h"

#include "store/alias.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace kova::store {
class Database;
class Table;
} // namespace kova::store

namespace kova::job {

// The job panel's text fields, and its number fields (empty shows an empty field).
enum class HeaderField { Name, Date, Location, Planner };
enum class SiteField { Elevation, Ratio50, Ratio80 };

// What the job panel shows.
struct JobFields {
    QString name, date, location, planner;
    QString stationName = QStringLiteral("(Station Name)");
    QString county = QStringLiteral("(County Name)");
    QString stationNo = QStringLiteral("(Sta No)");
    QString latitude, longitude;
    std::optional<double> elevation, ratio50, ratio80;
    QString etMethod = QStringLiteral("ET Method");
};

// The main window's enabled and visible states ("Get New Climate" is usable only while both
// it and its group are enabled).
struct MainControls {
    QString caption = QStringLiteral("Kova");
    bool jobPanel = false;   // else the start picture
    bool uniqueNote = false; // "(NEW JOB Enter a unique name)"
    bool newJob = true, prevJob = true, saveJob = false, cancel = false;
    bool headerFields = false; // name, date, location, planner
    bool climateGroup = false; // "Climate Database Site"
    bool getNewClimate = false;
    bool siteFields = false; // elevation and the two ratios
    bool displayCrop = false, addCrop = false, editCrop = false, deleteCrop = false;
    bool cropGrid = false;
};

// Where a command leaves the focus.
enum class Focus { Unchanged, NewJobButton, NameField, ElevationField, CropGrid };

enum class ClimateResult {
    Stopped,  // a message said why (name, location, planner, no station)
    EditSite, // Yes to "Edit site elevation or precipitation ratios?": focus in the elevation
    AddCrop,  // No: run Add New Crop now
};

enum class AddCropResult {
    Added,
    Refused, // said why: already in the job, or no curve for the job's method
    Unknown, // not a created crop
    Failed,
};
enum class CropCloseResult {
    Computed,
    EntriesRefused, // the crop parameters dialog named what to correct
    SeasonRefused,
    Failed,
};

class JobSession {
public:
    JobSession(JobMessages& messages, JobDialogs& dialogs);
    ~JobSession();
    JobSession(const JobSession&) = delete;
    JobSession& operator=(const JobSession&) = delete;

    // Start-up: the database of `alias`, this program's working rows private and empty. False
    // (with one message) when the database cannot be used.
    bool start(const QString& alias = store::kDefaultAlias);
    QString alias() const { return alias_; }
    bool hasDatabase() const { return db_ != nullptr; }

    // The calculation record (`kova`) and curve workspace (`curve`) the results window and
    // the reports read, and the crops of the job (the crop grid; its current row is the crop
    // selected). The working crops exist from start() on, also when the database failed.
    calc::Calculation& calculation() { return calc_; }
    const calc::TKova& kova() const { return calc_.kova; }
    store::Table& workingCrops() { return *wkCrop_; }
    bool hasCrops() const; // else "There must be an active job to print a report."

    const JobFields& fields() const { return fields_; }
    const MainControls& controls() const;
    // Where the last command or field event leaves the focus (Unchanged: where it is).
    Focus focus() const { return focus_; }
    int jobState() const { return calc_.kova.JobState; }
    // The methods the last method choice offered (one when it was decided without asking).
    const std::vector<int>& offeredMethods() const { return offered_; }

    // --- commands ------------------------------------------------------------------------
    bool newJob();
    bool getPrevJob(); // true when a job was loaded
    SaveResult saveJob();
    bool cancelJob();
    bool exitProgram(); // true: the window may close
    ClimateResult getNewClimate();
    bool displayCrop(); // computes the selected crop for the results window
    bool deleteCrop();
    bool removeJob(const QString& jobName); // "Remove Jobs" > "&Delete" on that job

    // Add New Crop: begin, then the crop picked in "Get Crop Name" (a new unposted row for the
    // crop parameters dialog) or Cancel, which puts the job's state back.
    void beginAddCrop();
    AddCropResult addCrop(const QString& createdCropName);
    void cancelAddCrop();
    // The crop parameters dialog on the current crop: opening marks the job changed; closing
    // refuses a season its curve cannot use, else posts the row and computes the crop.
    bool openCropParameters();
    CropCloseResult closeCropParameters();

    // --- field events --------------------------------------------------------------------
    void fieldTyped(HeaderField field, const QString& text);
    void fieldLeft(HeaderField field);
    void siteTyped(SiteField field, std::optional<double> value);
    void siteLeft(SiteField field);

private:
    class Relay;
    struct AddCropMemo {
        int jobState = 0;
        bool saveEnabled = false;
    };

    bool askToSave();
    bool leaveName();
    bool nameAccepted(const QString& name);
    bool checkHeaderTexts();
    bool chooseStation();
    bool chooseMethod();
    bool keepsMethodAt(const QString& stationName);
    bool reopen(const QString& jobName);
    void showLoadedJob();
    void showStation();
    bool dropWorkingRows();
    void noJob();
    void afterSave();
    bool compute();
    bool fail(const QString& what, const QString& technical);
    std::optional<double>& siteValue(SiteField field);
    QString& headerText(HeaderField field);

    JobMessages& messages_;
    JobDialogs& dialogs_;
    std::unique_ptr<Relay> relay_;
    calc::Calculation calc_;
    QString alias_;
    std::shared_ptr<store::Database> db_;
    std::unique_ptr<store::Table> wkCrop_;

    JobFields fields_;
    MainControls controls_;
    bool saveEnabled_ = false; // the Save Job state; shown only once the job has a name
    mutable MainControls shown_;
    Focus focus_ = Focus::NewJobButton;
    bool jobCancelled_ = false;
    bool nameModified_ = false, locationModified_ = false, plannerModified_ = false;
    std::vector<int> offered_;
    AddCropMemo beforeAddCrop_;
};

} // namespace kova::job
