#pragma once
// "Job Crop Compute" without widgets: one crop of the job in work as the dialog holds it. Each
// entry keeps its value, whether what is typed is a value, and its modified mark; leaving an
// entry mirrors it into the calculation record, checks a month and day as a pair and couples
// ASW with the stress factor; choosing an irrigation type sets the fraction wetted. Closing
// writes the modified entries into the working row and has the job session post and compute
// it. The window forwards its events here and shows `entry()`, `groups()` and `focus()`;
// kova-calc new-job closes it without edits, as a planner pressing "OK" at once.

#include "jobfeedback.h"
#include "jobsession.h"

#include "calc/growthdatestables.h"
#include "store/schema.h"

#include <QString>
#include <array>
#include <optional>

namespace kova::job {

// The dialog's numeric entries, in its tab order.
enum class CropEntry {
    PlantMo,
    PlantDay,
    HarvestMo,
    HarvestDay,
    NetIrr,
    CarryBeg,
    CarryEnd,
    FractionWetted,
    DaysWetDeveloped,
    DaysWetMature,
    ASW,
    StressFactor,
    Cut1Mo,
    Cut1Day,
    CutEndMo,
    CutEndDay,
    Cuttings,
};
inline constexpr int kCropEntryCount = 17;

struct CropEntryDef {
    QString field;   // of KovaWkCrop
    QString picture; // "ii", "##.##", ...
    QString label;   // the entry as messages name it
    // The values the entry takes: the field's declared range; months and days take what
    // their picture allows and are checked as a pair when left.
    std::optional<store::ValueRange> range;
};
const CropEntryDef& cropEntryDef(CropEntry entry);

// The stress factor Ks from the percent of total available water, and back: Ks = ASW / L up
// to 1.0, with L = 50 for a sensitive crop and 25 otherwise.
double stressFactorFromASW(double asw, bool sensitive);
double aswFromStressFactor(double ks, bool sensitive);

// The groups a curve kind shows: TR21 curves need neither the soil and irrigation data nor
// the hay cuttings; grass and forage curves need both; basal curves the soil and irrigation.
struct CropGroups {
    bool averageKc = true; // "Data for average crop coefficient computations"
    bool hay = false;      // "Hay Cuttings"
};
CropGroups groupsForCurve(std::optional<int> curveIndex);

// A month and day entered as two entries.
struct CropDatePair;

struct CropEntryState {
    std::optional<double> value; // none: empty, or not a value of the entry
    bool valid = true;           // empty or a value the entry takes
    bool modified = false;
};

class CropParameters {
public:
    CropParameters(JobSession& session, JobMessages& messages);

    // Opening on the working crop the session's table stands on: the row goes into edit and
    // the job is marked changed; the entries, lists, groups and the record's crop name, curve
    // kind, dates, sensitivity and ASW come from the row. False when the row cannot be edited.
    bool open();

    const QString& cropName() const { return cropName_; }
    CropGroups groups() const { return groups_; }
    QString stationStatus() const;
    QString methodStatus() const;

    const CropEntryState& entry(CropEntry e) const { return entries_[index(e)]; }
    bool sensitive() const { return sensitive_; }
    const QString& soil() const { return soil_; }
    const QString& irrigationType() const { return irrigationType_; }
    // The entry the last event sends the focus to; nothing: it stays where it is.
    std::optional<CropEntry> focus() const { return focus_; }

    // --- the window's events ---------------------------------------------------------
    void typed(CropEntry e, std::optional<double> value, bool valid);
    void left(CropEntry e);
    void sensitiveChanged(bool ticked);
    void soilChanged(const QString& text); // chosen or typed
    // An entry chosen from the list sets the fraction wetted; a typed text keeps it.
    void irrigationChosen(const QString& entry);
    void irrigationTyped(const QString& text);

    // "Compute Dates for Site": the growth-date tool's inputs, or nothing when the station is
    // too warm for it (said so) or its tables cannot be read.
    std::optional<calc::DateToolInputs> computeDatesForSite();
    // The tool changed the record's dates (OK, or a message that put the defaults back): the
    // date entries show them.
    void datesReturned();

    // "OK" or the close box: entries the crop cannot be computed with are named in one message
    // (the dialog stays open), else the modified entries, 'Sensitive', 'Soil' and 'Irrigation
    // Type' go into the row and the session posts and computes it.
    CropCloseResult close();

private:
    static constexpr size_t index(CropEntry e) { return static_cast<size_t>(e); }
    void load(const store::Table& row);
    void setEntry(CropEntry e, double value);
    void mirror(CropEntry e);
    void leaveDate(const CropDatePair& pair, CropEntry left);
    void leaveASW();
    void leaveStressFactor();
    void stressFromASW();
    bool shown(CropEntry e) const;
    bool entriesUsable();
    bool writeRow();
    void tell(const QString& text, const QString& details = {});

    JobSession& session_;
    JobMessages& messages_;
    calc::TKova& k_;
    QString cropName_;
    CropGroups groups_;
    std::array<CropEntryState, kCropEntryCount> entries_{};
    bool sensitive_ = false;
    QString soil_, irrigationType_;
    bool aswTyped_ = false;
    std::optional<CropEntry> focus_;
};

} // namespace kova::job
