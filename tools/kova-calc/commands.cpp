#include "commands.h"

#include "calc/compute.h"
#include "calc/computecore.h"
#include "calc/cropcolumns.h"
#include "calc/jobload.h"
#include "calc/newcrop.h"
#include "calc/precipitation.h"
#include "calc/rowreaders.h"

#include "main/job/etmethod.h"

#include "store/table.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <stdexcept>

namespace kova::tools {

using calc::Calculation;
using calc::MessageList;
using store::Table;

namespace {

const QString kToolJobName = QStringLiteral("kova-calc");

[[noreturn]] void failed(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

CropResults resultsOf(const Calculation& calc, const Table& wkCrop, const MessageList& messages) {
    CropResults c;
    c.crop = wkCrop.asString(QStringLiteral("Crop Name"));
    c.cropNo = wkCrop.asInt(QStringLiteral("Crop No"));
    c.curveIndex = calc.kova.CurveIndex;
    c.kova = calc.kova;
    c.messages = messages.items;
    return c;
}

void compute(Calculation& calc, Table& wkCrop) {
    if (!calc.Compute(wkCrop))
        failed(calc.errorString());
}

QString asIs(const QString& field) {
    return field;
}

QString cropText(const QString& name) {
    return QStringLiteral("crop \"%1\"").arg(name);
}

calc::StationClimate findStation(const QString& alias, const QString& name) {
    Table climate(QStringLiteral("Climate"), alias);
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    if (!climate.open())
        failed(climate.errorString());
    if (!climate.findKey({name}))
        throw InputError{QStringLiteral("unknown station '%1'").arg(name)};
    return calc::stationFrom(climate.record());
}

calc::CreatedCrop findCreatedCrop(const QString& alias, const QString& name) {
    Table crops(QStringLiteral("KovaCrop"), alias);
    if (!crops.open())
        failed(crops.errorString());
    for (crops.first(); !crops.eof(); crops.next())
        if (crops.asString(QStringLiteral("Cop Name")) == name)
            return calc::createdCropFrom(crops.record());
    throw InputError{QStringLiteral("unknown crop '%1'").arg(name)};
}

store::Record firstRow(const QString& alias, const QString& name) {
    Table t(name, alias);
    if (!t.open())
        failed(t.errorString());
    t.first();
    return t.isEmpty() ? store::Record(&t.def()) : t.record();
}

// The overrides as the crop parameters dialog would leave them in the row.
void applyOverrides(Table& wk, const CropOverrides& o) {
    calc::WorkingCrop w = calc::workingCropFrom(wk.record());
    auto setDate = [](const std::optional<calc::MonthDay>& date, std::optional<int>& month,
                      std::optional<int>& day) {
        if (date) {
            month = date->month;
            day = date->day;
        }
    };
    setDate(o.plant, w.PlantMo, w.PlantDay);
    setDate(o.harvest, w.HarvestMo, w.HarvestDay);
    setDate(o.firstCut, w.Cut1Mo, w.Cut1Day);
    setDate(o.lastCut, w.CutEndMo, w.CutEndDay);
    w.NetIrr = o.netIrr.value_or(w.NetIrr);
    w.CarryBeg = o.carryBeg.value_or(w.CarryBeg);
    w.CarryEnd = o.carryEnd.value_or(w.CarryEnd);
    w.StressFactor = o.stress.value_or(w.StressFactor);
    w.Cuttings = o.cuttings.value_or(w.Cuttings);
    w.Soil = o.soil.value_or(w.Soil);
    if (o.irrigation) {
        w.IrrigationType = *o.irrigation;
        w.FractionWetted = calc::fractionWettedFor(*o.irrigation);
    }
    // As the crop parameters dialog writes them when it closes.
    w.BegDat = calc::monthDayText(w.PlantMo.value_or(0), w.PlantDay.value_or(0));
    w.EndDat = calc::monthDayText(w.HarvestMo.value_or(0), w.HarvestDay.value_or(0));
    QString error;
    if (!calc::writeWorkingCrop(w, wk, &error))
        failed(error);
}

} // namespace

void refuseReplacedDates(const std::vector<calc::ReplacedInput>& replaced, const QString& crop,
                         const std::function<QString(const QString&)>& fieldName) {
    QStringList faults;
    for (const calc::ReplacedInput& r : replaced)
        if (r.cropDate)
            faults << QStringLiteral("'%1': %2").arg(fieldName(r.field), r.problem);
    if (!faults.isEmpty())
        throw InputError{QStringLiteral("%1 has dates out of range (%2)")
                             .arg(crop, faults.join(QStringLiteral("; ")))};
}

QString jobCropText(const QString& crop, const QString& job) {
    return QStringLiteral("%1 of job \"%2\"").arg(cropText(crop), job);
}

JobResults runJob(const Options& options, const QString& jobName) {
    MessageList loadMessages;
    Calculation calc(loadMessages);
    calc.setWindForm(options.wind);
    Table wk(QStringLiteral("KovaWkCrop"), options.alias);
    QString error;
    switch (calc::loadSavedJob(
        calc, jobName, wk, [](int) {}, &error)) {
    case calc::LoadJobResult::NoSuchJob:
        throw InputError{QStringLiteral("unknown job '%1'").arg(jobName)};
    case calc::LoadJobResult::Failed:
        failed(error);
    case calc::LoadJobResult::Loaded:
        break;
    }
    JobResults job{jobName, calc.kova.StationName, calc.kova.ETMethodText, {}};
    // Each crop again, so its own messages and record can be printed.
    for (wk.first(); !wk.eof(); wk.next()) {
        MessageList messages;
        Calculation one(messages);
        one.setWindForm(options.wind);
        one.kova = calc.kova;
        compute(one, wk);
        refuseReplacedDates(one.replacedInputs(),
                            jobCropText(wk.asString(QStringLiteral("Crop Name")), jobName),
                            calc::savedFieldOf);
        job.crops.push_back(resultsOf(one, wk, messages));
    }
    return job;
}

JobResults runCrop(const Options& options, const QString& stationName, const QString& cropName,
                   const CropOverrides& overrides) {
    const calc::StationClimate station = findStation(options.alias, stationName);
    const calc::CreatedCrop crop = findCreatedCrop(options.alias, cropName);
    const calc::CropDefaults defaults =
        calc::cropDefaultsFrom(firstRow(options.alias, QStringLiteral("SystemDefaults")),
                               firstRow(options.alias, QStringLiteral("LocalDefaults")));
    MessageList messages;
    Calculation calc(messages);
    calc.setWindForm(options.wind);
    calc::TKova& k = calc.kova;
    k.JobName = kToolJobName;
    calc::setStationMembers(k, station);
    k.PrecipRatio50 = calc::precipRatio50(k.AnnualPrecip);
    k.PrecipRatio80 = calc::precipRatio80(k.AnnualPrecip);
    k.ETIndex = options.etIndex;
    k.ETMethodText = job::methodText(options.etIndex);

    Table wk(QStringLiteral("KovaWkCrop"), options.alias);
    if (!wk.emptyTable())
        failed(wk.errorString());
    QString error;
    if (calc::appendNewWorkingCrop(wk, crop, defaults, k, messages, &error) !=
        calc::AddCropResult::Added)
        failed(error);
    applyOverrides(wk, overrides);
    if (!wk.post())
        failed(wk.errorString());
    compute(calc, wk);
    refuseReplacedDates(calc.replacedInputs(), cropText(cropName), asIs);
    return JobResults{
        kToolJobName, station.StationName, k.ETMethodText, {resultsOf(calc, wk, messages)}};
}

namespace {

template <class Item, class Find>
std::vector<const Item*> select(const std::vector<Item>& all, const QStringList& names,
                                const QString& what, Find find) {
    std::vector<const Item*> out;
    if (names.size() == 1 && names.front() == QStringLiteral("all")) {
        for (const Item& item : all)
            out.push_back(&item);
        return out;
    }
    for (const QString& name : names) {
        const Item* item = find(name.trimmed());
        if (!item)
            throw InputError{QStringLiteral("unknown %1 '%2'").arg(what, name.trimmed())};
        out.push_back(item);
    }
    return out;
}

} // namespace

void runBatch(const Options& options, const QStringList& stationNames, const QStringList& cropNames,
              QTextStream& out, QTextStream& progress) {
    calc::BatchData data;
    QString error;
    if (!calc::BatchData::load(options.alias, &data, &error))
        failed(error);
    const auto stations = select(data.stations, stationNames, QStringLiteral("station"),
                                 [&](const QString& n) { return data.findStation(n); });
    const auto crops = select(data.crops, cropNames, QStringLiteral("crop"),
                              [&](const QString& n) { return data.findCrop(n); });
    for (const calc::CreatedCrop* crop : crops) {
        MessageList unused;
        calc::ReplacedInputs replaced;
        calc::cropDates(
            calc::stationCropInputs(data, calc::StationClimate{}, *crop, options.etIndex, unused),
            replaced);
        refuseReplacedDates(replaced.items(), cropText(crop->CopName), asIs);
    }
    const qint64 total = static_cast<qint64>(stations.size() * crops.size());
    calc::TKova k;
    calc::TCropCurve curve;
    MessageList messages;
    QElapsedTimer sinceReport;
    sinceReport.start();
    qint64 done = 0;
    out << batchHeader(options.format);
    for (const calc::StationClimate* station : stations)
        for (const calc::CreatedCrop* crop : crops) {
            messages.clear();
            BatchLine line{station->StationName, crop->CopName, job::methodText(options.etIndex),
                           calc::computeStationCrop(data, *station, *crop, options.etIndex,
                                                    options.wind, k, curve, messages),
                           messages.items};
            out << batchLine(line, options.format, done == 0);
            ++done;
            if (sinceReport.elapsed() >= 1000) {
                progress
                    << QStringLiteral("kova-calc: %1 of %2 crops computed\n").arg(done).arg(total);
                progress.flush();
                sinceReport.restart();
            }
        }
    out << batchFooter(options.format);
    progress << QStringLiteral("kova-calc: %1 of %2 crops computed\n").arg(done).arg(total);
}

} // namespace kova::tools
