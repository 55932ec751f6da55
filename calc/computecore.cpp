#include "computecore.h"

#include "calendar.h"
#include "cropcolumns.h"
#include "curves.h"
#include "etmethods.h"
#include "numeric.h"
#include "precipitation.h"

#include "store/fieldnames.h"

#include <algorithm>

namespace kova::calc {

namespace {

size_t ix(int m) {
    return static_cast<size_t>(m);
}

const QString kNotANumber = QStringLiteral("A result that was not a finite number was set to 0.");

const QString kWorkingCropTable = QStringLiteral("KovaWkCrop");

using DatePart = std::optional<int> WorkingCrop::*;

// A date of the crop as the computation uses it: an empty or impossible month becomes the
// nearest month (an empty one January), the day the nearest day of that month.
MonthDay checkedDate(const WorkingCrop& c, DatePart month, DatePart day, ReplacedInputs& replaced) {
    auto note = [&](DatePart part, const QString& why, int used) {
        const std::optional<int>& stored = c.*part;
        replaced.add(
            {kWorkingCropTable, c.CropName, workingFieldOf(part), 0,
             stored ? QStringLiteral("%1 %2").arg(*stored).arg(why) : QStringLiteral("empty"),
             QString::number(used), true});
    };
    const int m = clampMonth((c.*month).value_or(1));
    if (c.*month != m)
        note(month, QStringLiteral("is not a month"), m);
    const int d = std::clamp((c.*day).value_or(1), 1, monthLength(m));
    if (c.*day != d)
        note(day, QStringLiteral("is not a day of %1").arg(fullMonthName(m)), d);
    return {m, d};
}

MonthDay uncheckedDate(const WorkingCrop& c, DatePart month, DatePart day) {
    return {(c.*month).value_or(0), (c.*day).value_or(0)};
}

void readCropMembers(const WorkingCrop& c, const CropDates& dates, TKova& k) {
    copyCropMembers(c, k);
    k.PlantMo = dates.plant.month;
    k.PlantDay = dates.plant.day;
    k.HarvestMo = dates.harvest.month;
    k.HarvestDay = dates.harvest.day;
    k.Cut1Mo = dates.firstCut.month;
    k.Cut1Day = dates.firstCut.day;
    k.CutEndMo = dates.lastCut.month;
    k.CutEndDay = dates.lastCut.day;
    k.Cut1Text = monthDayText(k.Cut1Mo, k.Cut1Day);
    k.CutEndText = monthDayText(k.CutEndMo, k.CutEndDay);
    k.CurveIndex = c.CurveIndex.value_or(-1);
}

void clearResults(TKova& k) {
    for (Monthly* series : {&k.EP50, &k.EP80, &k.NI50, &k.NI80, &k.ETcRate, &k.EToRate, &k.Kc,
                            &k.ETMonth, &k.EToAdjacent, &k.CarryUsed50, &k.CarryUsed80, &k.PeakET})
        series->fill(0.0);
}

int methodOf(int etIndex) {
    return etIndex == kETRadiation || etIndex == kETTemperature ? etIndex : kETTR21;
}

// Reference ET rate of month m by the job's method.
class ReferenceET {
public:
    ReferenceET(const ComputeInputs& in, const ReferenceTables& ref, const TKova& k,
                CalcMessages& messages)
        : in_(in), k_(k), method_(methodOf(k.ETIndex)) {
        if (method_ != kETRadiation)
            daylight_ = daylightYear(ref, in.station.Latitude, messages);
    }

    int method() const { return method_; }

    double rate(int m) const {
        const StationClimate& st = in_.station;
        const WhrSite& w = in_.whr;
        const double T = st.T[ix(m)];
        switch (method_) {
        case kETRadiation:
            return radiationRate(st.Elevation, T, w.RHa[ix(m)], wind(m), w.RS[ix(m)]);
        case kETTemperature:
            return temperatureRate(daylight_.dailyOf(m), T, w.RHmin[ix(m)], wind(m), st.Elevation,
                                   w.NR[ix(m)]);
        default:
            return tr21Rate(tr21Month(m));
        }
    }

private:
    double wind(int m) const { return daytimeWind(in_.whr.U[ix(m)], in_.whr.WR[ix(m)], in_.wind); }

    TR21Month tr21Month(int m) const {
        const Monthly& T = in_.station.T;
        TR21Month t;
        t.month = m;
        t.T = T[ix(m)];
        t.TPrev = T[ix(previousMonth(m))];
        t.TNext = T[ix(nextMonth(m))];
        t.p = daylight_.of(m);
        t.pPrev = daylight_.of(previousMonth(m));
        t.pNext = daylight_.of(nextMonth(m));
        t.PlantMo = k_.PlantMo;
        t.PlantDay = k_.PlantDay;
        t.HarvestMo = k_.HarvestMo;
        t.HarvestDay = k_.HarvestDay;
        t.E = in_.station.Elevation;
        t.elevationCorrection = in_.settings.ElevationCorrection;
        t.inSeason = k_.InSeason[ix(m)];
        return t;
    }

    const ComputeInputs& in_;
    const TKova& k_;
    int method_;
    DaylightYear daylight_;
};

void computeReferenceET(const ReferenceET& et, TKova& k) {
    // The adjacent rates of December (planting in January) and January (harvest in
    // December) are computed first and kept: the loop below leaves them alone.
    const bool keepDecember = k.PlantMo == 1;
    const bool keepJanuary = k.HarvestMo == 12;
    if (keepDecember)
        k.EToAdjacent[12] = et.rate(12);
    if (keepJanuary)
        k.EToAdjacent[1] = et.rate(1);
    for (int m = 1; m <= 12; ++m) {
        const bool kept = (m == 12 && keepDecember) || (m == 1 && keepJanuary);
        if (!kept) {
            k.EToAdjacent[ix(m)] = 0;
            const bool adjacent = m == k.PlantMo - 1 || m == k.HarvestMo + 1;
            const bool allowed = et.method() != kETTR21 || (m >= 2 && m <= 11);
            if (adjacent && allowed)
                k.EToAdjacent[ix(m)] = et.rate(m);
        }
        if (k.InSeason[ix(m)]) {
            k.EToRate[ix(m)] = et.rate(m);
            k.ETcRate[ix(m)] = k.EToRate[ix(m)] * k.Kc[ix(m)];
        }
    }
}

void computeMonth(TKova& k, int m, int peakETMethod, CarryOverBalances& balances) {
    const int length = monthLength(m);
    const double etc = k.ETcRate[ix(m)];
    const double P = k.Precip[ix(m)];
    const int plantMonthDays = length + 1 - k.PlantDay;
    double x = 0;
    if (!k.InSeason[ix(m)])
        k.ETMonth[ix(m)] = 0;
    else if (m == k.PlantMo)
        k.ETMonth[ix(m)] = plantMonthDays * etc;
    else if (m == k.HarvestMo)
        k.ETMonth[ix(m)] = k.HarvestDay * etc;
    else
        k.ETMonth[ix(m)] = length * etc;

    if (m == k.PlantMo)
        x = effectivePrecipitation(P, length * etc, k.NetIrr) * (length - k.PlantDay) / length;
    else if (m == k.HarvestMo)
        x = effectivePrecipitation(P, length * etc, k.NetIrr) * k.HarvestDay / length;
    else
        x = effectivePrecipitation(P, k.ETMonth[ix(m)], k.NetIrr);
    k.EP50[ix(m)] = x * k.EPFactor50;
    k.EP80[ix(m)] = x * k.EPFactor80;

    netIrrigation(k, m, balances);
    k.PeakET[ix(m)] = peakET(k, m, peakETMethod);
}

double sum(const Monthly& series) {
    double total = 0;
    for (int m = 1; m <= 12; ++m)
        total += series[ix(m)];
    return total;
}

// Last guard: no NaN or infinity may reach the results window, a report or a table.
void guardResults(TKova& k, CalcMessages& messages) {
    bool replaced = false;
    auto guard = [&](double& v) {
        const double g = finiteOrZero(v);
        replaced = replaced || g != v;
        v = g;
    };
    for (Monthly* series : {&k.Kc, &k.EToRate, &k.ETcRate, &k.EToAdjacent, &k.ETMonth, &k.EP50,
                            &k.EP80, &k.NI50, &k.NI80, &k.CarryUsed50, &k.CarryUsed80, &k.PeakET})
        for (int m = 1; m <= 12; ++m)
            guard((*series)[ix(m)]);
    for (double* total : {&k.ETTotal, &k.EP50Total, &k.EP80Total, &k.NI50Total, &k.NI80Total})
        guard(*total);
    if (replaced)
        messages.show(MessageKind::Warning, kNotANumber);
}

} // namespace

void setStationMembers(TKova& k, const StationClimate& s) {
    k.StationName = s.StationName;
    k.StationNo = s.StationNo;
    k.County = s.County;
    k.Latitude = s.Latitude;
    k.Longitude = s.Longitude;
    setStationClimate(k, s);
}

void setStationClimate(TKova& k, const StationClimate& s) {
    k.AnnualPrecip = 0;
    for (int m = 1; m <= 12; ++m) {
        k.Precip[ix(m)] = s.P[ix(m)];
        k.AnnualPrecip += s.P[ix(m)];
        k.Temp[ix(m)] = s.T[ix(m)];
    }
}

MonthFlags seasonMonths(int plantMo, int harvestMo) {
    MonthFlags in{};
    for (int m = 1; m <= 12; ++m)
        in[ix(m)] = harvestMo <= plantMo ? (m >= plantMo || m <= harvestMo)
                                         : (m >= plantMo && m <= harvestMo);
    return in;
}

double daytimeWind(double U, double R, WindForm form) {
    if (form == WindForm::Published)
        return ratioOrZero(2.0 * U * R, 1.0 + R);
    return ratioOrZero(U * R, 12.0 * (1.0 + R));
}

CropDates cropDates(const ComputeInputs& in, ReplacedInputs& replaced) {
    using W = WorkingCrop;
    const WorkingCrop& c = in.crop;
    CropDates dates;
    dates.plant = checkedDate(c, &W::PlantMo, &W::PlantDay, replaced);
    dates.harvest = checkedDate(c, &W::HarvestMo, &W::HarvestDay, replaced);
    const auto* grass = std::get_if<GrassCurve>(&in.curve);
    const bool cutForHay = grass && grass->Hay;
    dates.firstCut = cutForHay ? checkedDate(c, &W::Cut1Mo, &W::Cut1Day, replaced)
                               : uncheckedDate(c, &W::Cut1Mo, &W::Cut1Day);
    dates.lastCut = cutForHay && c.Cuttings > 1
                        ? checkedDate(c, &W::CutEndMo, &W::CutEndDay, replaced)
                        : uncheckedDate(c, &W::CutEndMo, &W::CutEndDay);
    return dates;
}

namespace {

const QString kClimateTable = QStringLiteral("Climate");
const QString kWeatherTable = QStringLiteral("ClimWHR");

void noteEmptyMonths(const QString& table, const QString& row, const char* prefix,
                     const MonthMask& empty, const MonthFlags& months, ReplacedInputs& replaced) {
    for (int m = 1; m <= 12; ++m)
        if (empty[ix(m)] && months[ix(m)])
            replaced.addEmpty(table, row, store::monthField(QString::fromLatin1(prefix), m), m);
}

// Every month of 'T' and 'P' fills the station members; latitude and elevation count where
// the method uses them.
void noteStationGaps(const ComputeInputs& in, int method, ReplacedInputs& replaced) {
    const StationClimate& st = in.station;
    MonthFlags everyMonth;
    everyMonth.fill(true);
    noteEmptyMonths(kClimateTable, st.StationName, "T", st.empty.T, everyMonth, replaced);
    noteEmptyMonths(kClimateTable, st.StationName, "P", st.empty.P, everyMonth, replaced);
    if (st.empty.Latitude && method != kETRadiation)
        replaced.addEmpty(kClimateTable, st.StationName, QStringLiteral("Latitude"));
    if (st.empty.Elevation && (method != kETTR21 || in.settings.ElevationCorrection))
        replaced.addEmpty(kClimateTable, st.StationName, QStringLiteral("Elevation"));
}

// The weather values of the method in the months of the season.
void noteWeatherGaps(const ComputeInputs& in, int method, const MonthFlags& season,
                     ReplacedInputs& replaced) {
    const WhrSite& w = in.whr;
    auto note = [&](const char* prefix, const MonthMask& empty) {
        noteEmptyMonths(kWeatherTable, w.Location, prefix, empty, season, replaced);
    };
    if (method == kETRadiation) {
        note("RS", w.empty.RS);
        note("RHa", w.empty.RHa);
    } else if (method == kETTemperature) {
        note("RHmin", w.empty.RHmin);
        note("NR", w.empty.NR);
    } else {
        return;
    }
    note("U", w.empty.U);
    note("W/R", w.empty.WR);
}

} // namespace

std::vector<ReplacedInput> computeCrop(const ComputeInputs& in, const ReferenceTables& ref,
                                       TKova& k, TCropCurve& curve, CalcMessages& messages) {
    ReplacedInputs replaced;
    readCropMembers(in.crop, cropDates(in, replaced), k);
    k.InSeason = seasonMonths(k.PlantMo, k.HarvestMo);
    const ChanceRatios ratios = chanceRatios(ref, k.AnnualPrecip);
    k.EPFactor50 = ratios.EPFactor50;
    k.EPFactor80 = ratios.EPFactor80;
    if (ratios.fromEmptyTable)
        replaced.add(
            {QStringLiteral("PcpChance"),
             {},
             {},
             0,
             QStringLiteral("the table is empty"),
             QStringLiteral("the ratios %1 and %2").arg(ratios.EPFactor50).arg(ratios.EPFactor80)});
    clearResults(k);
    // Set here as well as by the builders: a crop without a curve still has a season to draw.
    curve.StartDay = dayOfYear(k.PlantMo, k.PlantDay);
    curve.EndDay = dayOfYear(k.HarvestMo, k.HarvestDay);
    curve.Days.clear();
    curve.DailyKc.fill(0.0);

    if (buildCurve(CurveContext{k, curve, ref, messages}, in.curve) == kBuilderFailed)
        k.Kc.fill(0.0);

    const ReferenceET et(in, ref, k, messages);
    computeReferenceET(et, k);

    k.InSeason = seasonMonths(k.PlantMo, k.HarvestMo);
    noteStationGaps(in, et.method(), replaced);
    noteWeatherGaps(in, et.method(), k.InSeason, replaced);
    CarryOverBalances balances = CarryOverBalances::start(k.CarryBeg, k.CarryEnd);
    for (int i = 0; i < 12; ++i)
        computeMonth(k, (k.PlantMo - 1 + i) % 12 + 1, in.settings.PeakETMethod, balances);

    k.ETTotal = sum(k.ETMonth);
    k.EP50Total = sum(k.EP50);
    k.EP80Total = sum(k.EP80);
    k.NI50Total = sum(k.NI50);
    k.NI80Total = sum(k.NI80);
    guardResults(k, messages);
    if (!replaced.empty())
        messages.show(MessageKind::Warning, replaced.warning(in.crop.CropName));
    return replaced.items();
}

} // namespace kova::calc
