#include "jobrecord.h"

#include "calc/computecore.h"
#include "calc/precipitation.h"

#include "store/schema.h"

namespace kova::job {

using calc::TKova;

void markChanged(TKova& k) {
    if (k.JobState == kNothingToSave)
        k.JobState = kChangedJob;
}

void clearJobRecord(TKova& k) {
    for (QString* text : {&k.JobName, &k.Location, &k.Planner, &k.JobDate, &k.StationName,
                          &k.StationNo, &k.County, &k.ETMethodText, &k.Soil, &k.IrrigationType,
                          &k.CurveType, &k.BegDateText, &k.EndDateText, &k.Cut1Text, &k.CutEndText})
        text->clear();
    for (double* number :
         {&k.Elevation, &k.Latitude, &k.Longitude, &k.PrecipRatio50, &k.PrecipRatio80,
          &k.EPFactor50, &k.EPFactor80, &k.AnnualPrecip, &k.ETTotal, &k.EP50Total, &k.EP80Total,
          &k.NI50Total, &k.NI80Total, &k.NetIrr, &k.CarryBeg, &k.CarryEnd})
        *number = 0;
    k.JobState = kNothingToSave;
    k.CropCount = 0;
    k.ETIndex = 0;
    for (calc::Monthly* series :
         {&k.Precip, &k.Temp, &k.Kc, &k.EToRate, &k.ETcRate, &k.EToAdjacent, &k.ETMonth, &k.EP50,
          &k.EP80, &k.NI50, &k.NI80, &k.CarryUsed50, &k.CarryUsed80, &k.PeakET})
        series->fill(0);
    for (int* date : {&k.PlantMo, &k.PlantDay, &k.HarvestMo, &k.HarvestDay, &k.Cuttings, &k.Cut1Mo,
                      &k.Cut1Day, &k.CutEndMo, &k.CutEndDay})
        *date = 1;
    k.DaysWetDeveloped = 7;
    k.DaysWetMature = 14;
    k.FractionWetted = 1.0;
    k.StressFactor = 1.0;
    k.ASW = 1.0;
    k.Sensitive = true;
}

int widthOf(HeaderText field) {
    static const char* const names[] = {"Job Name", "Location", "Planner", "Job Date"};
    const store::FieldDef* def = store::findTable(QStringLiteral("KovaJob"))
                                     ->field(QString::fromLatin1(names[static_cast<int>(field)]));
    return def->width;
}

QString cutToWidth(HeaderText field, const QString& text) {
    return text.left(widthOf(field));
}

void copyStation(const calc::StationClimate& station, TKova& k) {
    calc::setStationMembers(k, station);
    k.PrecipRatio50 = calc::precipRatio50(k.AnnualPrecip);
    k.PrecipRatio80 = calc::precipRatio80(k.AnnualPrecip);
}

} // namespace kova::job
