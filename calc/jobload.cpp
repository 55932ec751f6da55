#include "jobload.h"

#include "compute.h"
#include "computecore.h"
#include "cropcolumns.h"
#include "rowreaders.h"

#include "store/database.h"
#include "store/table.h"

namespace kova::calc {

using store::Record;
using store::Table;

namespace {

constexpr int kHeaderStep = 10;
constexpr int kCropStep = 15;

bool positionOnJob(Table& jobs, const QString& jobName) {
    for (jobs.first(); !jobs.eof(); jobs.next())
        if (jobs.asString(QStringLiteral("Job Name")) == jobName)
            return true;
    return false;
}

void readJobHeader(const Record& r, TKova& k) {
    k.StationName = r.asString(QStringLiteral("Weather Station"));
    k.Location = r.asString(QStringLiteral("Location"));
    k.Planner = r.asString(QStringLiteral("Planner"));
    k.JobDate = r.asString(QStringLiteral("Job Date"));
    k.StationNo = r.asString(QStringLiteral("StationNo"));
    k.County = r.asString(QStringLiteral("County"));
    k.Latitude = r.asFloat(QStringLiteral("Latitude"));
    k.Longitude = r.asFloat(QStringLiteral("Longitude"));
    k.Elevation = r.asFloat(QStringLiteral("Elevation"));
    k.CropCount = r.asInt(QStringLiteral("No of Crops"));
    k.PrecipRatio50 = r.asFloat(QStringLiteral("EffPcpFact50"));
    k.PrecipRatio80 = r.asFloat(QStringLiteral("EffPcpFact80"));
    k.ETMethodText = r.asString(QStringLiteral("ETMethod"));
    k.ETIndex = r.asInt(QStringLiteral("ETIndex"));
}

// Monthly precipitation and temperature of the station the job names (nearest key: the
// stored name keeps 30 characters).
bool readStationClimate(const QString& alias, TKova& k, QString* error) {
    Table climate(QStringLiteral("Climate"), alias);
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    if (!climate.open()) {
        *error = climate.errorString();
        return false;
    }
    climate.findNearest({k.StationName});
    const StationClimate station =
        climate.isEmpty() ? StationClimate{} : stationFrom(climate.record());
    setStationClimate(k, station);
    return true;
}

bool copyCrop(const Record& saved, const TKova& k, Table& wkCrop, QString* error) {
    if (!wkCrop.append()) {
        *error = wkCrop.errorString();
        return false;
    }
    if (!copyToWorkingCrop(saved, k.ETIndex, wkCrop, error)) {
        wkCrop.cancel();
        return false;
    }
    if (!wkCrop.post()) {
        *error = wkCrop.errorString();
        wkCrop.cancel();
        return false;
    }
    return true;
}

} // namespace

LoadJobResult loadSavedJob(Calculation& calc, const QString& jobName, Table& wkCrop,
                           const LoadProgress& progress, QString* error) {
    TKova& k = calc.kova;
    if (!wkCrop.open()) {
        *error = wkCrop.errorString();
        return LoadJobResult::Failed;
    }
    const QString alias = wkCrop.database()->alias();
    Table jobs(QStringLiteral("KovaJob"), alias);
    if (!jobs.open()) {
        *error = jobs.errorString();
        return LoadJobResult::Failed;
    }
    if (!positionOnJob(jobs, jobName))
        return LoadJobResult::NoSuchJob;
    k.JobName = jobName;
    readJobHeader(jobs.record(), k);
    progress(kHeaderStep);
    if (!readStationClimate(alias, k, error))
        return LoadJobResult::Failed;
    progress(kHeaderStep);

    wkCrop.close();
    wkCrop.setIndexName({});
    if (!wkCrop.emptyTable() || !wkCrop.open()) {
        *error = wkCrop.errorString();
        return LoadJobResult::Failed;
    }
    progress(kHeaderStep);

    Table jobCrops(QStringLiteral("KovaJobCrop"), alias);
    if (!jobCrops.open()) {
        *error = jobCrops.errorString();
        return LoadJobResult::Failed;
    }
    for (jobCrops.first(); !jobCrops.eof(); jobCrops.next()) {
        const Record crop = jobCrops.record();
        if (crop.asString(QStringLiteral("Job Name")) != jobName) // exact letters and case
            continue;
        k.CropName = crop.asString(QStringLiteral("Crop Name"));
        if (!copyCrop(crop, k, wkCrop, error))
            return LoadJobResult::Failed;
        if (!calc.Compute(wkCrop)) {
            *error = calc.errorString();
            return LoadJobResult::Failed;
        }
        progress(kCropStep);
    }
    progress(kProgressComplete);
    jobCrops.close();
    wkCrop.first();
    return LoadJobResult::Loaded;
}

} // namespace kova::calc
