// The declared layout of every table: field order, types, widths, required fields, keys and
// the named indexes that the programs select at run time.

#include "fieldnames.h"
#include "schema.h"

namespace kova::store {

namespace {

using Fields = std::vector<FieldDef>;
using Indexes = std::vector<IndexDef>;

enum class Req { No, Yes };

FieldDef str(const char* name, int width, Req req = Req::No) {
    return {QLatin1String(name), FieldType::String, width, req == Req::Yes};
}

FieldDef memo(const char* name, int width) {
    return {QLatin1String(name), FieldType::Memo, width, false};
}

FieldDef flt(const QString& name, Req req = Req::No) {
    return {name, FieldType::Float, 0, req == Req::Yes};
}

FieldDef flt(const char* name, Req req = Req::No) {
    return flt(QLatin1String(name), req);
}

FieldDef small(const char* name, Req req = Req::No) {
    return {QLatin1String(name), FieldType::Smallint, 0, req == Req::Yes};
}

FieldDef boolean(const char* name, Req req = Req::No) {
    return {QLatin1String(name), FieldType::Boolean, 0, req == Req::Yes};
}

FieldDef autoInc(const char* name) {
    return {QLatin1String(name), FieldType::AutoInc, 0, false};
}

// A field with its valid values declared (see FieldDef::range).
FieldDef ranged(FieldDef field, double min, double max) {
    field.range = ValueRange{min, max};
    return field;
}

// A frost-date text: "MM/DD" or "00/00".
FieldDef monthDay(const char* name, Req req = Req::No) {
    FieldDef field = str(name, 5, req);
    field.rule = TextRule::MonthDay;
    return field;
}

Fields ranged(Fields fields, double min, double max) {
    for (FieldDef& f : fields)
        f = ranged(std::move(f), min, max);
    return fields;
}

void append(Fields& fields, const Fields& more) {
    fields.insert(fields.end(), more.begin(), more.end());
}

// Twelve Float fields 'P Jan' .. 'P Dec'.
Fields series(const char* prefix, Req req = Req::No) {
    Fields out;
    for (const QString& name : monthSeries(QLatin1String(prefix)))
        out.push_back(flt(name, req));
    return out;
}

// Month-first series of the basal perennial curves: 'Jan Kc' .. 'Dec Kc'; only the months
// from `firstRequired` to `lastRequired` must be filled.
Fields monthFirstSeries(const char* suffix, int firstRequired, int lastRequired) {
    Fields out;
    for (int m = 1; m <= 12; ++m) {
        const Req req = (m >= firstRequired && m <= lastRequired) ? Req::Yes : Req::No;
        out.push_back(flt(monthFirstField(m, QLatin1String(suffix)), req));
    }
    return out;
}

// Month abbreviation alone: 'Jan' .. 'Dec'.
Fields monthNameSeries() {
    Fields out;
    for (int m = 1; m <= 12; ++m)
        out.push_back(flt(monthName(m)));
    return out;
}

template <size_t N> Fields floatsNamed(const std::array<const char*, N>& names) {
    Fields out;
    for (const char* name : names)
        out.push_back(flt(name));
    return out;
}

enum class Case { Sensitive, Insensitive };

QStringList names(std::initializer_list<const char*> fields) {
    QStringList out;
    for (const char* f : fields)
        out << QLatin1String(f);
    return out;
}

IndexDef primary(const char* name, std::initializer_list<const char*> fields,
                 Case cs = Case::Sensitive) {
    return {QLatin1String(name), names(fields), true, cs == Case::Insensitive, true};
}

IndexDef unique(const char* name, std::initializer_list<const char*> fields,
                Case cs = Case::Sensitive) {
    return {QLatin1String(name), names(fields), true, cs == Case::Insensitive, false};
}

IndexDef secondary(const char* name, std::initializer_list<const char*> fields,
                   Case cs = Case::Sensitive) {
    return {QLatin1String(name), names(fields), false, cs == Case::Insensitive, false};
}

TableDef table(const char* name, Fields fields, Indexes indexes) {
    return {QLatin1String(name), std::move(fields), std::move(indexes)};
}

// --- database and climate tables -------------------------------------------------------

TableDef climate() {
    Fields f = {str("Station Name", 35, Req::Yes), str("County", 25, Req::Yes),
                str("Station No", 8), autoInc("TP Site No"), str("WHR Location", 40),
                // Packed degrees x 100 + minutes; feet above sea level.
                ranged(flt("Latitude", Req::Yes), 0, 9059),
                ranged(flt("Longitude", Req::Yes), 0, 18059),
                ranged(flt("Elevation", Req::Yes), -1000, 29000),
                monthDay("Spr mo/dy 28", Req::Yes), monthDay("Spr mo/dy 32", Req::Yes),
                monthDay("Fall mo/dy 28", Req::Yes), monthDay("Fall mo/dy 32", Req::Yes)};
    append(f, ranged(series("T", Req::Yes), -80, 130)); // monthly mean, deg F
    append(f, ranged(series("P", Req::Yes), 0, 99.99)); // monthly total, inches
    f.push_back(boolean("Marked"));
    return table("Climate", std::move(f),
                 {primary("ClmTableIndex1", {"Station Name", "County", "Station No"}),
                  unique("StaNameIndex", {"Station Name"}, Case::Insensitive),
                  secondary("StaNumberIndex", {"Station No"}, Case::Insensitive),
                  secondary("CountyIndex", {"County"}, Case::Insensitive)});
}

TableDef county() {
    return table("County", {str("County", 25)}, {primary("Primary", {"County"})});
}

TableDef climWHR() {
    Fields f = {str("WHR Location", 40)};
    append(f, ranged(series("RHa"), 0, 100));   // mean relative humidity, %
    append(f, ranged(series("RHmin"), 0, 100)); // mean minimum relative humidity, %
    append(f, ranged(series("U"), 0, 2000));    // wind run at 2 m, miles/day
    append(f, ranged(series("W/R"), 0, 20));    // day/night wind speed ratio
    append(f, ranged(series("RS"), 0, 2000));   // incoming solar radiation, langleys/day
    append(f, ranged(series("NR"), 0, 1));      // bright sun / possible sun
    f.push_back(memo("Site Description/Notes", 160));
    f.push_back(autoInc("Site Number"));
    f.push_back(boolean("Marked"));
    return table("ClimWHR", std::move(f),
                 {primary("Primary", {"WHR Location"}),
                  secondary("Location Name", {"WHR Location"}, Case::Insensitive)});
}

TableDef pcpChance() {
    return table("PcpChance", {flt("AnPcp"), flt("Pct50"), flt("Pct80")},
                 {secondary("AnPrecip", {"AnPcp"})});
}

TableDef moPctDay() {
    Fields f = {small("Latitude N")};
    append(f, monthNameSeries());
    return table("MoPctDay", std::move(f), {secondary("LatitudeIndex", {"Latitude N"})});
}

// --- crop tables -------------------------------------------------------------------------

// Months are 1-12 and days 1-31 wherever a crop's dates are kept (the month's own length is
// checked where the pair is known); a hay crop is cut 1 to 12 times.
FieldDef month(const char* name, Req req = Req::No) {
    return ranged(small(name, req), 1, 12);
}

FieldDef dayOfMonth(const char* name, Req req = Req::No) {
    return ranged(small(name, req), 1, 31);
}

FieldDef cuttings(const char* name) {
    return ranged(small(name), 1, 12);
}

// Crop coefficients of every curve table: published curves stay well below 2.
Fields kcRange(Fields fields) {
    return ranged(std::move(fields), 0, 2);
}

FieldDef kc(const char* name) {
    return ranged(flt(name), 0, 2);
}

// Days of a season, as the growth-date tool takes them.
FieldDef seasonDays(const char* name) {
    return ranged(small(name), 1, 365);
}

// A mean temperature at which growth begins or ends, degrees F.
FieldDef growthTemperature(const char* name) {
    return ranged(small(name), 0, 120);
}

// Days within a cutting cycle (before or after a harvest).
FieldDef cycleDays(const char* name) {
    return ranged(small(name), 0, 365);
}

TableDef crpBCAnu() {
    Fields f = {str("Crop Curve Name", 30)};
    append(f, kcRange(floatsNamed(kBCAnnualKcFields)));
    f.push_back(boolean("Marked"));
    return table("CrpBCAnu", std::move(f),
                 {primary("Primary", {"Crop Curve Name"}),
                  secondary("CropCurveName", {"Crop Curve Name"}, Case::Insensitive)});
}

TableDef crpBCPer() {
    Fields f = {str("Crop Curve Name", 30)};
    append(f, kcRange(floatsNamed(kBCPerennialKcFields)));
    f.push_back(boolean("Marked"));
    return table("CrpBCPer", std::move(f),
                 {primary("Primary", {"Crop Curve Name"}),
                  secondary("CropCurveName", {"Crop Curve Name"}, Case::Insensitive)});
}

TableDef crpAnNam() {
    return table("CrpAnNam",
                 {str("Crop Curve Name", 30), str("Crop Type", 30), str("Climate/Wind", 2),
                  kc("Kcp"), kc("Kcm"), boolean("Marked"), memo("Notes", 120)},
                 {primary("tblBasFldVegIndex0", {"Crop Curve Name"}),
                  secondary("Crop Curve Name", {"Crop Curve Name"}),
                  secondary("Crop Type", {"Crop Type"}),
                  secondary("CropType", {"Crop Type"}, Case::Insensitive),
                  secondary("HWIndex", {"Climate/Wind"}, Case::Insensitive)});
}

TableDef crpAnTyp() {
    return table("CrpAnTyp",
                 {str("Crop Type", 30), ranged(flt("Fs1"), 0, 1), ranged(flt("Fs2"), 0, 1),
                  ranged(flt("Fs3"), 0, 1), seasonDays("DaysMin"), seasonDays("DaysMax")},
                 {secondary("CropTypeIndex", {"Crop Type"})});
}

TableDef crpPeren() {
    // April to August carry the season of every perennial curve, so they must be filled.
    constexpr int april = 4;
    constexpr int august = 8;
    Fields f = {str("Crop Curve Name", 48, Req::Yes), str("Humidity/Wind", 2, Req::Yes),
                str("Ground Cover", 30), str("Growing Conditions", 30)};
    append(f, kcRange(monthFirstSeries("Kc", april, august)));
    f.push_back(memo("Notes", 120));
    f.push_back(boolean("Marked", Req::Yes));
    // The curve name is kept unique by asking the user, not by a key.
    return table(
        "CrpPeren", std::move(f),
        {secondary("HWIndex", {"Humidity/Wind"}), secondary("CropCurveName", {"Crop Curve Name"})});
}

TableDef crpForag() {
    return table("CrpForag",
                 {str("Crop Curve Name", 30), str("Climate/Wind", 2),
                  ranged(small("Pk % After Harvest (Alf)"), 0, 100),
                  cycleDays("Pk Days Before Harvest"), kc("Low Kc"), kc("High Kc"),
                  memo("Notes", 120), boolean("Marked"), boolean("Hay"),
                  cycleDays("Pk Days After Harvest")},
                 {primary("tblBasGrassIndex0", {"Crop Curve Name"}),
                  secondary("CropCurveName", {"Crop Curve Name"}, Case::Insensitive),
                  secondary("HWIndex", {"Climate/Wind"}, Case::Insensitive)});
}

TableDef kovaCrop() {
    // One name per created crop; letter case does not make a second crop, as a job refuses
    // two crops whose names differ only in case.
    return table("KovaCrop",
                 {str("Cop Name", 40), str("Bas Crop Type", 30), str("Humidity/Wind", 2),
                  str("Bas Crop Curve Name", 40), str("BC Crop Type", 30, Req::Yes),
                  str("BC Crop Curve Name", 30, Req::Yes), month("Plant Mo", Req::Yes),
                  dayOfMonth("Plant Day", Req::Yes), month("Harvest Mo", Req::Yes),
                  dayOfMonth("Harvest Day", Req::Yes), seasonDays("Min Grow Days"),
                  seasonDays("Max Grow Days"), growthTemperature("Spring Av Temp"),
                  growthTemperature("Fall Av Temp"), memo("Notes", 120), boolean("Marked")},
                 {unique("CropNameIndex", {"Cop Name"}, Case::Insensitive)});
}

TableDef crpLastUse() {
    // Wide enough for any curve name of the tables the pickers offer (basal perennial: 48).
    return table("CrpLastUse",
                 {str("BC Curve Name", 40), small("BC Type Index"), str("Basil Curve Name", 48),
                  small("Basil Type Index"), small("Humidity/Wind Index")},
                 {});
}

TableDef wetSoil() {
    return table("WetSoil",
                 {small("Interval Days"), flt("Clay"), flt("Clay Loam"), flt("Silt Loam"),
                  flt("Sandy Loam"), flt("Loamy Sand"), flt("Sand")},
                 {secondary("IntervalDaysIndex", {"Interval Days"})});
}

TableDef etKc() {
    return table("ETKc",
                 {small("JDate"), flt("Kca"), flt("Kcb"), flt("ETo"), flt("ETc"), small("Mo")},
                 {primary("Primary", {"JDate"})});
}

// --- job and defaults tables ---------------------------------------------------------------

FieldDef netIrr() {
    return ranged(flt("Net Irr"), 0.01, 10); // inches per irrigation
}

FieldDef carryOver(const char* name) {
    return ranged(flt(name), 0, 9.99); // inches
}

FieldDef cropStressFactor() {
    return ranged(flt("Stress Factor"), 0, 1);
}

FieldDef fractionWetted() {
    return ranged(flt("Fraction Wetted"), 0.1, 1);
}

FieldDef cropASW() {
    return ranged(flt("ASW"), 0.1, 99); // percent of the available soil water
}

TableDef kovaJob() {
    // Unique, ignoring case: the name check of a new job looks it up that way, and a save
    // must never write over another job's row.
    return table("KovaJob",
                 {str("Job Name", 40), str("Location", 40), str("Planner", 30), str("Job Date", 10),
                  str("Weather Station", 30), flt("Elevation"), small("No of Crops"),
                  flt("EffPcpFact50"), flt("EffPcpFact80"), str("StationNo", 8), str("County", 25),
                  flt("Latitude"), flt("Longitude"), str("ETMethod", 25), small("ETIndex")},
                 {unique("JobNameIndex", {"Job Name"}, Case::Insensitive)});
}

TableDef kovaJobCrop() {
    return table("KovaJobCrop",
                 {autoInc("Job Crop No"),
                  str("Job Name", 40),
                  str("Crop Name", 40),
                  str("Crop Curve Type", 35),
                  small("Curve Index"),
                  netIrr(),
                  month("Plant Mo"),
                  dayOfMonth("Plant Day"),
                  month("Harv Mo"),
                  dayOfMonth("Harv Day"),
                  carryOver("Carry Beg"),
                  carryOver("Carry End"),
                  str("Soil", 20),
                  small("Wetting"),
                  cuttings("Cuttings"),
                  month("Cut1Mo"),
                  dayOfMonth("Cut1Day"),
                  month("CutEndMo"),
                  dayOfMonth("CutEndDay"),
                  small("Dys Wet Developed"),
                  small("Dys Wet Mature"),
                  cropStressFactor(),
                  fractionWetted(),
                  str("Irrigation Type", 40),
                  str("Curve Name", 40),
                  boolean("Sensitive"),
                  cropASW()},
                 {primary("Primary", {"Job Crop No"}),
                  secondary("JobNameIndex", {"Job Name"}, Case::Insensitive),
                  secondary("CropNameIndex", {"Crop Name", "Job Name"}, Case::Insensitive)});
}

TableDef kovaWkCrop() {
    Fields f = {str("Crop Name", 40),
                str("Job Name", 40),
                small("Crop No"),
                str("Crop Curve Type", 35),
                small("Curve Index"),
                netIrr(),
                month("Plant Mo"),
                dayOfMonth("Plant Day"),
                month("Harvest Mo"),
                dayOfMonth("Harvest Day"),
                carryOver("Carry Beg"),
                carryOver("Carry End"),
                str("Soil", 20),
                cuttings("Cuttings"),
                month("Cut1Mo"),
                dayOfMonth("Cut1Day"),
                month("CutEndMo"),
                dayOfMonth("CutEndDay"),
                flt("ETtot"),
                flt("EP80"),
                flt("NI80"),
                flt("EP50"),
                flt("NI50"),
                str("Crop Curve", 25),
                small("Dys Wet Developed"),
                small("Dys Wet Mature"),
                cropStressFactor(),
                fractionWetted(),
                str("Irrigation Type", 40),
                small("ET Index"),
                flt("Wetting")};
    append(f, series("IR"));
    append(f, series("Pk"));
    append(f, {flt("IR Season"), str("Beg Dat", 6), str("End Dat", 6), str("Curve Name", 40),
               boolean("Hay"), boolean("Sensitive"), cropASW()});
    return table("KovaWkCrop", std::move(f),
                 {primary("Primary", {"Crop Name", "Job Name", "Crop No"}),
                  secondary("JobNameIndex", {"Job Name"}, Case::Insensitive),
                  secondary("CropNameIndex", {"Crop Name"}, Case::Insensitive)});
}

TableDef systemDefaults() {
    // The system defaults dialog's ranges: percentages 0-99, the five peak ET procedures.
    return table("SystemDefaults",
                 {str("ET Method", 5), ranged(flt("Spring Carryover %"), 0, 99),
                  ranged(flt("Fall Carryover %"), 0, 99), boolean("Elevation Correction"),
                  str("Password", 25), ranged(small("Peak ET Method"), 0, 4)},
                 {});
}

TableDef localDefaults() {
    // The local defaults dialog's ranges; dates and cuttings as for a job's crops.
    return table(
        "LocalDefaults",
        {ranged(flt("Net Depth of Irrigation"), 0, 12), str("Type of Irrigation", 40),
         str("Surface Soil Type", 15), small("Days Wettings Develop"),
         small("Days Wettings Mature"), month("Hay 1st Cut Mo"), dayOfMonth("Hay 1st Cut Day"),
         month("Hay Last Cut Mo"), dayOfMonth("Hay Last Cut Day"), cuttings("Hay Cuttings Number"),
         ranged(flt("Stress Factor"), 0.1, 1), boolean("Sensitive"), ranged(flt("ASW"), 1, 99)},
        {});
}

TableDef report() {
    return table("Report", {small("Temp")}, {primary("Primary", {"Temp"})});
}

std::vector<TableDef> declareAll() {
    return {climate(),        county(),        climWHR(),  pcpChance(), moPctDay(),    crpBCAnu(),
            crpBCPer(),       crpAnNam(),      crpAnTyp(), crpPeren(),  crpForag(),    kovaCrop(),
            crpLastUse(),     wetSoil(),       etKc(),     kovaJob(),   kovaJobCrop(), kovaWkCrop(),
            systemDefaults(), localDefaults(), report()};
}

} // namespace

const std::vector<TableDef>& allTables() {
    static const std::vector<TableDef> tables = declareAll();
    return tables;
}

} // namespace kova::store
