#include "cropparameters.h"

#include "defaults.h"
#include "jobstore.h"

#include "calc/cropcolumns.h"
#include "calc/newcrop.h"

#include "store/table.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace kova::job {

using calc::TKova;

namespace {

// The record member an entry mirrors when it is left.
using KovaMember = std::variant<int TKova::*, double TKova::*>;

struct EntryLink {
    const char* field;
    const char* picture;
    const char* label;
    KovaMember member;
    bool checkedAsPair; // a month or day: no range of its own
};

// In the order of CropEntry.
const EntryLink kLinks[kCropEntryCount] = {
    {"Plant Mo", "ii", "Planting month", &TKova::PlantMo, true},
    {"Plant Day", "ii", "Planting day", &TKova::PlantDay, true},
    {"Harvest Mo", "ii", "Harvest month", &TKova::HarvestMo, true},
    {"Harvest Day", "ii", "Harvest day", &TKova::HarvestDay, true},
    {"Net Irr", "##.##", "Net irrigation depth applied each irrigation", &TKova::NetIrr, false},
    {"Carry Beg", "#.##", "Carryover used at beginning of each season", &TKova::CarryBeg, false},
    {"Carry End", "#.##", "Carryover used at end of each season", &TKova::CarryEnd, false},
    {"Fraction Wetted", "#.##", "Fraction wetted (Fw)", &TKova::FractionWetted, false},
    {"Dys Wet Developed", "ii", "Wetting interval, Development", &TKova::DaysWetDeveloped, false},
    {"Dys Wet Mature", "ii", "Wetting interval, Maturation", &TKova::DaysWetMature, false},
    {"ASW", "##.#", "Percent total available water (ASW)", &TKova::ASW, false},
    {"Stress Factor", "#.##", "Stress Factor (Ks)", &TKova::StressFactor, false},
    {"Cut1Mo", "ii", "First cutting month", &TKova::Cut1Mo, true},
    {"Cut1Day", "ii", "First cutting day", &TKova::Cut1Day, true},
    {"CutEndMo", "ii", "Last cutting month", &TKova::CutEndMo, true},
    {"CutEndDay", "ii", "Last cutting day", &TKova::CutEndDay, true},
    {"Cuttings", "ii", "Number of cuttings", &TKova::Cuttings, false},
};

const EntryLink& linkOf(CropEntry e) {
    return kLinks[static_cast<size_t>(e)];
}

// A crop is not computed without its season and its irrigation depth (a blank depth would
// compute with 0).
constexpr CropEntry kRequired[] = {CropEntry::PlantMo, CropEntry::PlantDay, CropEntry::HarvestMo,
                                   CropEntry::HarvestDay, CropEntry::NetIrr};

constexpr CropEntry kAverageKcEntries[] = {CropEntry::FractionWetted, CropEntry::DaysWetDeveloped,
                                           CropEntry::DaysWetMature, CropEntry::ASW,
                                           CropEntry::StressFactor};
constexpr CropEntry kHayEntries[] = {CropEntry::Cut1Mo, CropEntry::Cut1Day, CropEntry::CutEndMo,
                                     CropEntry::CutEndDay, CropEntry::Cuttings};

constexpr double kSensitiveLimit = 50; // percent ASW from which a sensitive crop has no stress
constexpr double kTolerantLimit = 25;

double stressLimit(bool sensitive) {
    return sensitive ? kSensitiveLimit : kTolerantLimit;
}

// A value the dialog sets, held to the decimals its entry shows, so what is stored is what
// the planner saw.
double asShown(CropEntry e, double value) {
    const QString picture = QString::fromLatin1(linkOf(e).picture);
    const qsizetype point = picture.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(picture.size() - point - 1);
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

// A day past the month's end is said so only when the month was left, and never for the
// planting date.
struct CropDatePair {
    CropEntry month, day;
    bool toldOnMonth;
};

namespace {

const CropDatePair kPairs[] = {
    {CropEntry::PlantMo, CropEntry::PlantDay, false},
    {CropEntry::HarvestMo, CropEntry::HarvestDay, true},
    {CropEntry::Cut1Mo, CropEntry::Cut1Day, true},
    {CropEntry::CutEndMo, CropEntry::CutEndDay, true},
};

const CropDatePair* pairOfEntry(CropEntry e) {
    for (const CropDatePair& pair : kPairs)
        if (pair.month == e || pair.day == e)
            return &pair;
    return nullptr;
}

// The field's declared values, named in the message that asks for a value.
QString enterValue(CropEntry e) {
    const std::optional<store::ValueRange> range =
        store::findTable(QStringLiteral("KovaWkCrop"))->field(cropEntryDef(e).field)->range;
    if (!range)
        return QStringLiteral("enter a value.");
    return QStringLiteral("enter a value from %1 to %2.")
        .arg(numberText(range->min), numberText(range->max));
}

} // namespace

const CropEntryDef& cropEntryDef(CropEntry entry) {
    static const std::array<CropEntryDef, kCropEntryCount> defs = [] {
        std::array<CropEntryDef, kCropEntryCount> out;
        const store::TableDef* wk = store::findTable(QStringLiteral("KovaWkCrop"));
        for (size_t i = 0; i < out.size(); ++i) {
            const EntryLink& link = kLinks[i];
            out[i].field = QString::fromLatin1(link.field);
            out[i].picture = QString::fromLatin1(link.picture);
            out[i].label = QString::fromLatin1(link.label);
            if (!link.checkedAsPair)
                out[i].range = wk->field(out[i].field)->range;
        }
        return out;
    }();
    return defs[static_cast<size_t>(entry)];
}

double stressFactorFromASW(double asw, bool sensitive) {
    const double limit = stressLimit(sensitive);
    return asw >= limit ? 1.0 : asw / limit;
}

double aswFromStressFactor(double ks, bool sensitive) {
    const double limit = stressLimit(sensitive);
    return ks >= 1.0 ? limit : ks * limit;
}

CropGroups groupsForCurve(std::optional<int> curveIndex) {
    if (curveIndex == calc::kCurveGrass)
        return {true, true};
    if (curveIndex == calc::kCurveTR21Annual || curveIndex == calc::kCurveTR21Perennial)
        return {false, false};
    return {true, false};
}

CropParameters::CropParameters(JobSession& session, JobMessages& messages)
    : session_(session), messages_(messages), k_(session.calculation().kova) {}

bool CropParameters::open() {
    focus_ = CropEntry::PlantMo;
    if (!session_.openCropParameters())
        return false;
    load(session_.workingCrops());
    return true;
}

void CropParameters::load(const store::Table& row) {
    const calc::WorkingCrop crop = calc::workingCropFrom(row.record());
    cropName_ = k_.CropName = crop.CropName;
    // The crop's own curve kind, sensitivity and ASW, not those of the crop computed last.
    k_.CurveIndex = crop.CurveIndex.value_or(-1);
    groups_ = groupsForCurve(crop.CurveIndex);
    k_.Sensitive = sensitive_ = crop.Sensitive;
    k_.ASW = crop.ASW;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const QString field = QString::fromLatin1(kLinks[i].field);
        entries_[i] = {};
        if (!row.isNull(field))
            entries_[i].value = row.asFloat(field);
    }
    k_.PlantMo = crop.PlantMo.value_or(0);
    k_.PlantDay = crop.PlantDay.value_or(0);
    k_.HarvestMo = crop.HarvestMo.value_or(0);
    k_.HarvestDay = crop.HarvestDay.value_or(0);
    soil_ = crop.Soil;
    irrigationType_ = crop.IrrigationType;
    aswTyped_ = false;
}

QString CropParameters::stationStatus() const {
    return QStringLiteral("Climate Station: ") + k_.StationName;
}

QString CropParameters::methodStatus() const {
    return QStringLiteral("ET Method: ") + k_.ETMethodText;
}

void CropParameters::setEntry(CropEntry e, double value) {
    entries_[index(e)] = {value, true, true};
}

void CropParameters::mirror(CropEntry e) {
    const CropEntryState& s = entry(e);
    if (!s.valid || !s.value)
        return;
    const double value = *s.value;
    std::visit(
        [&](auto member) {
            using Member = std::remove_reference_t<decltype(k_.*member)>;
            if constexpr (std::is_same_v<Member, int>)
                k_.*member = static_cast<int>(std::lround(value));
            else
                k_.*member = value;
        },
        linkOf(e).member);
}

void CropParameters::typed(CropEntry e, std::optional<double> value, bool valid) {
    focus_.reset();
    CropEntryState& s = entries_[index(e)];
    s.value = valid ? value : std::nullopt;
    s.valid = valid;
    if (e == CropEntry::ASW)
        aswTyped_ = true;
    if (e == CropEntry::FractionWetted) {
        mirror(e);
        s.modified = true;
    }
}

void CropParameters::left(CropEntry e) {
    focus_.reset();
    if (const CropDatePair* pair = pairOfEntry(e))
        leaveDate(*pair, e);
    else if (e == CropEntry::ASW)
        leaveASW();
    else if (e == CropEntry::StressFactor)
        leaveStressFactor();
    else
        mirror(e);
    entries_[index(e)].modified = true;
}

void CropParameters::leaveDate(const CropDatePair& pair, CropEntry left) {
    const std::optional<double> m = entry(pair.month).value, d = entry(pair.day).value;
    if (!m || !d) {
        mirror(left);
        return;
    }
    const int month = static_cast<int>(*m), day = static_cast<int>(*d);
    const DayCheck check = checkDayOfMonth(month, day);
    if (check.message.isEmpty()) {
        mirror(left);
        return;
    }
    if (check.day == day) {
        // A month outside 1..12 or day 0: refused, and the focus goes back to the number at
        // fault; the record keeps its date.
        tell(check.message);
        focus_ = store::daysInMonth(month) == 0 ? pair.month : pair.day;
        return;
    }
    // A day past the month's end becomes its last day.
    setEntry(pair.day, check.day);
    mirror(pair.day);
    if (left == pair.month) {
        mirror(pair.month);
        if (pair.toldOnMonth)
            tell(check.message);
    }
    focus_ = pair.day;
}

void CropParameters::leaveASW() {
    const CropEntryState& s = entry(CropEntry::ASW);
    if (!s.valid || !s.value)
        return;
    k_.ASW = *s.value;
    stressFromASW();
}

void CropParameters::sensitiveChanged(bool ticked) {
    focus_.reset();
    k_.Sensitive = sensitive_ = ticked;
    stressFromASW();
}

void CropParameters::stressFromASW() {
    k_.StressFactor = asShown(CropEntry::StressFactor, stressFactorFromASW(k_.ASW, k_.Sensitive));
    setEntry(CropEntry::StressFactor, k_.StressFactor);
    setEntry(CropEntry::ASW, k_.ASW);
}

// Ks entered: ASW follows by the inverse mapping unless the planner typed an ASW here.
void CropParameters::leaveStressFactor() {
    const CropEntryState& s = entry(CropEntry::StressFactor);
    if (!s.valid || !s.value)
        return;
    k_.StressFactor = *s.value;
    if (!aswTyped_)
        k_.ASW = asShown(CropEntry::ASW, aswFromStressFactor(k_.StressFactor, k_.Sensitive));
    setEntry(CropEntry::ASW, k_.ASW);
}

void CropParameters::soilChanged(const QString& text) {
    soil_ = k_.Soil = text;
}

void CropParameters::irrigationChosen(const QString& entry) {
    irrigationType_ = k_.IrrigationType = entry;
    k_.FractionWetted = calc::fractionWettedFor(entry);
    setEntry(CropEntry::FractionWetted, k_.FractionWetted);
}

void CropParameters::irrigationTyped(const QString& text) {
    irrigationType_ = k_.IrrigationType = text;
}

std::optional<calc::DateToolInputs> CropParameters::computeDatesForSite() {
    focus_ = CropEntry::PlantMo;
    calc::DateToolInputs in;
    QString error;
    if (!calc::readDateToolInputs(session_.alias(), k_, &in, &error)) {
        tell(QStringLiteral("The station's frost dates or the crop's temperatures cannot be "
                            "read") +
                 failureReason(error) + QLatin1Char('.'),
             error);
        return std::nullopt;
    }
    if (const auto tooWarm = calc::tooWarmForDates(in.station)) {
        messages_.report({tooWarm->kind, tooWarm->text, {}});
        return std::nullopt;
    }
    return in;
}

void CropParameters::datesReturned() {
    const std::pair<CropEntry, int> dates[] = {{CropEntry::PlantMo, k_.PlantMo},
                                               {CropEntry::PlantDay, k_.PlantDay},
                                               {CropEntry::HarvestMo, k_.HarvestMo},
                                               {CropEntry::HarvestDay, k_.HarvestDay}};
    for (const auto& [e, value] : dates)
        if (entry(e).value != double(value))
            setEntry(e, value);
    focus_ = CropEntry::PlantMo;
}

CropCloseResult CropParameters::close() {
    focus_.reset();
    if (!entriesUsable())
        return CropCloseResult::EntriesRefused;
    if (!writeRow())
        return CropCloseResult::Failed;
    const CropCloseResult result = session_.closeCropParameters();
    if (result == CropCloseResult::SeasonRefused)
        focus_ = CropEntry::PlantMo;
    return result;
}

bool CropParameters::shown(CropEntry e) const {
    const auto in = [e](const auto& entries) {
        return std::find(std::begin(entries), std::end(entries), e) != std::end(entries);
    };
    return !(in(kAverageKcEntries) && !groups_.averageKc) && !(in(kHayEntries) && !groups_.hay);
}

// Every entry of the groups shown that the crop cannot be computed with, in one message.
bool CropParameters::entriesUsable() {
    QStringList problems;
    std::optional<CropEntry> first;
    const auto refuse = [&](CropEntry e, const QString& what) {
        problems << cropEntryDef(e).label + QStringLiteral(": ") + what;
        if (!first)
            first = e;
    };
    for (int i = 0; i < kCropEntryCount; ++i) {
        const auto e = static_cast<CropEntry>(i);
        const CropEntryState& s = entry(e);
        const bool required =
            std::find(std::begin(kRequired), std::end(kRequired), e) != std::end(kRequired);
        if (shown(e) && (!s.valid || (required && !s.value)))
            refuse(e, enterValue(e));
    }
    for (const CropDatePair& pair : kPairs) {
        const std::optional<double> m = entry(pair.month).value, d = entry(pair.day).value;
        if (!shown(pair.month) || !m || !d)
            continue;
        const int month = static_cast<int>(*m);
        const DayCheck check = checkDayOfMonth(month, static_cast<int>(*d));
        if (!check.message.isEmpty())
            refuse(store::daysInMonth(month) == 0 ? pair.month : pair.day, check.message);
    }
    if (problems.isEmpty())
        return true;
    tell(QStringLiteral("The crop %1 cannot be computed until these entries are corrected:\n")
             .arg(text::quoted(cropName_)) +
         problems.join(QLatin1Char('\n')));
    focus_ = first;
    return false;
}

bool CropParameters::writeRow() {
    store::Table& wk = session_.workingCrops();
    bool written = true;
    for (size_t i = 0; i < entries_.size() && written; ++i) {
        if (!entries_[i].modified)
            continue;
        const std::optional<double> v = entries_[i].value;
        const bool whole = std::holds_alternative<int TKova::*>(kLinks[i].member);
        const QVariant value = !v      ? QVariant()
                               : whole ? QVariant(int(std::lround(*v)))
                                       : QVariant(*v);
        written = wk.setValue(QString::fromLatin1(kLinks[i].field), value);
    }
    k_.Soil = soil_;
    k_.IrrigationType = irrigationType_;
    written = written && wk.setValue(QStringLiteral("Sensitive"), sensitive_) &&
              wk.setValue(QStringLiteral("Soil"), soil_) &&
              wk.setValue(QStringLiteral("Irrigation Type"), irrigationType_);
    if (!written)
        tell(QStringLiteral("The crop %1 could not be stored").arg(text::quoted(cropName_)) +
                 failureReason(wk.errorString()) + QLatin1Char('.'),
             wk.errorString());
    return written;
}

void CropParameters::tell(const QString& text, const QString& details) {
    messages_.report({MessageKind::Error, text, details});
}

} // namespace kova::job
