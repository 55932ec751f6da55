#include "batch.h"

#include "computecore.h"
#include "rowreaders.h"

#include "store/table.h"

namespace kova::calc {

using store::Record;
using store::Table;

namespace {

template <class Read>
bool forEachRow(const QString& alias, const QString& tableName, const QString& index, Read read,
                QString* error) {
    Table t(tableName, alias);
    t.setIndexName(index);
    if (!t.open()) {
        *error = t.errorString();
        return false;
    }
    for (t.first(); !t.eof(); t.next())
        read(t.record());
    return true;
}

const QString kName = QStringLiteral("Crop Curve Name");

bool loadCurves(const QString& alias, BatchData* d, QString* error) {
    NamedRows<Record> types;
    return forEachRow(
               alias, QStringLiteral("CrpAnTyp"), QStringLiteral("CropTypeIndex"),
               [&](const Record& r) { types.add(r.asString(QStringLiteral("Crop Type")), r); },
               error) &&
           forEachRow(
               alias, QStringLiteral("CrpAnNam"), {},
               [&](const Record& r) {
                   QString found;
                   const Record* type =
                       types.nearest(r.asString(QStringLiteral("Crop Type")), &found);
                   d->basalAnnual.add(r.asString(kName),
                                      basalAnnualFrom(r, type ? *type : Record()));
               },
               error) &&
           forEachRow(
               alias, QStringLiteral("CrpPeren"), {},
               [&](const Record& r) {
                   d->basalPerennial.add(r.asString(kName), basalPerennialFrom(r));
               },
               error) &&
           forEachRow(
               alias, QStringLiteral("CrpForag"), {},
               [&](const Record& r) { d->grass.add(r.asString(kName), grassFrom(r)); }, error) &&
           forEachRow(
               alias, QStringLiteral("CrpBCAnu"), {},
               [&](const Record& r) { d->tr21Annual.add(r.asString(kName), tr21AnnualFrom(r)); },
               error) &&
           forEachRow(
               alias, QStringLiteral("CrpBCPer"), {},
               [&](const Record& r) {
                   d->tr21Perennial.add(r.asString(kName), tr21PerennialFrom(r));
               },
               error);
}

bool loadDefaults(const QString& alias, BatchData* d, QString* error) {
    Record sys, loc;
    const bool ok = forEachRow(
                        alias, QStringLiteral("SystemDefaults"), {},
                        [&](const Record& r) { sys = sys.def() ? sys : r; }, error) &&
                    forEachRow(
                        alias, QStringLiteral("LocalDefaults"), {},
                        [&](const Record& r) { loc = loc.def() ? loc : r; }, error);
    if (ok) {
        d->defaults = cropDefaultsFrom(sys, loc);
        d->settings = settingsFrom(sys);
    }
    return ok;
}

template <class Row>
CurveRow nearestCurve(const NamedRows<Row>& rows, const QString& name, CalcMessages& messages) {
    QString found;
    const Row* row = rows.nearest(name, &found);
    if (!row)
        return std::monostate{};
    if (found.compare(name, Qt::CaseInsensitive) != 0)
        messages.show(MessageKind::Warning,
                      text::substituted(QStringLiteral("Crop curve"), name, found));
    return *row;
}

CurveRow curveFor(const BatchData& d, const WorkingCrop& crop, CalcMessages& messages) {
    if (!crop.CurveIndex)
        return std::monostate{};
    switch (*crop.CurveIndex) {
    case kCurveBasalAnnual:
        return nearestCurve(d.basalAnnual, crop.CurveName, messages);
    case kCurveBasalPerennial:
        return nearestCurve(d.basalPerennial, crop.CurveName, messages);
    case kCurveGrass:
        return nearestCurve(d.grass, crop.CurveName, messages);
    case kCurveTR21Annual:
        return nearestCurve(d.tr21Annual, crop.CurveName, messages);
    case kCurveTR21Perennial:
        return nearestCurve(d.tr21Perennial, crop.CurveName, messages);
    default:
        return std::monostate{};
    }
}

} // namespace

bool BatchData::load(const QString& alias, BatchData* out, QString* error) {
    BatchData d;
    const bool ok = forEachRow(
                        alias, QStringLiteral("Climate"), QStringLiteral("StaNameIndex"),
                        [&](const Record& r) { d.stations.push_back(stationFrom(r)); }, error) &&
                    forEachRow(
                        alias, QStringLiteral("ClimWHR"), QStringLiteral("Location Name"),
                        [&](const Record& r) {
                            d.whr.add(r.asString(QStringLiteral("WHR Location")), whrFrom(r));
                        },
                        error) &&
                    forEachRow(
                        alias, QStringLiteral("KovaCrop"), QStringLiteral("CropNameIndex"),
                        [&](const Record& r) { d.crops.push_back(createdCropFrom(r)); }, error) &&
                    loadCurves(alias, &d, error) && loadDefaults(alias, &d, error) &&
                    readReferenceTables(alias, &d.reference, error);
    if (!ok)
        return false;
    *out = std::move(d);
    return true;
}

const StationClimate* BatchData::findStation(const QString& name) const {
    for (const StationClimate& s : stations)
        if (s.StationName.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

const CreatedCrop* BatchData::findCrop(const QString& name) const {
    for (const CreatedCrop& c : crops)
        if (c.CopName == name)
            return &c;
    return nullptr;
}

ComputeInputs stationCropInputs(const BatchData& d, const StationClimate& station,
                                const CreatedCrop& crop, int etIndex, CalcMessages& messages) {
    ComputeInputs in;
    in.station = station;
    in.crop = newWorkingCrop(crop, d.defaults, etIndex);
    in.settings = d.settings;
    in.curve = curveFor(d, in.crop, messages);
    QString found;
    if (const WhrSite* site = d.whr.nearest(station.WHRLocation, &found)) {
        in.whr = *site;
        const bool used = etIndex == kETRadiation || etIndex == kETTemperature;
        if (used && found.compare(station.WHRLocation, Qt::CaseInsensitive) != 0)
            messages.show(MessageKind::Warning, text::substituted(QStringLiteral("Weather site"),
                                                                  station.WHRLocation, found));
    }
    return in;
}

StationCropResult computeStationCrop(const BatchData& d, const StationClimate& station,
                                     const CreatedCrop& crop, int etIndex, WindForm wind, TKova& k,
                                     TCropCurve& curve, CalcMessages& messages) {
    setStationMembers(k, station);
    ComputeInputs in = stationCropInputs(d, station, crop, etIndex, messages);
    in.wind = wind;
    computeCrop(in, d.reference, k, curve, messages);
    StationCropResult r{k.ETTotal, k.EP50Total, k.EP80Total, k.NI50Total, k.NI80Total, 0};
    double highest = 0;
    for (int m = 1; m <= 12; ++m)
        if (k.PeakET[static_cast<size_t>(m)] > highest) {
            highest = k.PeakET[static_cast<size_t>(m)];
            r.peakMonth = m;
        }
    return r;
}

} // namespace kova::calc
