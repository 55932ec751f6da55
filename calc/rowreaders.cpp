#include "rowreaders.h"

#include "store/curvetables.h"
#include "store/fieldnames.h"
#include "store/table.h"

namespace kova::calc {

using store::monthField;
using store::Record;

namespace {

Monthly series(const Record& r, const QString& prefix, MonthMask* empty) {
    Monthly out{};
    for (int m = 1; m <= 12; ++m) {
        const QVariant v = r.value(monthField(prefix, m));
        out[static_cast<size_t>(m)] = v.toDouble();
        empty->set(static_cast<size_t>(m), v.isNull());
    }
    return out;
}

std::optional<int> optionalInt(const Record& r, const QString& field) {
    if (r.isNull(field))
        return std::nullopt;
    return r.asInt(field);
}

} // namespace

StationClimate stationFrom(const Record& r) {
    StationClimate s;
    s.StationName = r.asString(QStringLiteral("Station Name"));
    s.StationNo = r.asString(QStringLiteral("Station No"));
    s.County = r.asString(QStringLiteral("County"));
    s.WHRLocation = r.asString(QStringLiteral("WHR Location"));
    s.Latitude = r.asFloat(QStringLiteral("Latitude"));
    s.empty.Latitude = r.isNull(QStringLiteral("Latitude"));
    s.Longitude = r.asFloat(QStringLiteral("Longitude"));
    s.Elevation = r.asFloat(QStringLiteral("Elevation"));
    s.empty.Elevation = r.isNull(QStringLiteral("Elevation"));
    s.T = series(r, QStringLiteral("T"), &s.empty.T);
    s.P = series(r, QStringLiteral("P"), &s.empty.P);
    return s;
}

WhrSite whrFrom(const Record& r) {
    WhrSite w;
    w.Location = r.asString(QStringLiteral("WHR Location"));
    w.RHa = series(r, QStringLiteral("RHa"), &w.empty.RHa);
    w.RHmin = series(r, QStringLiteral("RHmin"), &w.empty.RHmin);
    w.U = series(r, QStringLiteral("U"), &w.empty.U);
    w.WR = series(r, QStringLiteral("W/R"), &w.empty.WR);
    w.RS = series(r, QStringLiteral("RS"), &w.empty.RS);
    w.NR = series(r, QStringLiteral("NR"), &w.empty.NR);
    return w;
}

SystemSettings settingsFrom(const Record& r) {
    SystemSettings s;
    s.ElevationCorrection = r.asBool(QStringLiteral("Elevation Correction"));
    s.PeakETMethod = r.asInt(QStringLiteral("Peak ET Method"));
    return s;
}

BasalAnnualCurve basalAnnualFrom(const Record& nam, const Record& typ) {
    BasalAnnualCurve c;
    c.Kcp = nam.asFloat(QStringLiteral("Kcp"));
    c.Kcm = nam.asFloat(QStringLiteral("Kcm"));
    c.Fs1 = typ.asFloat(QStringLiteral("Fs1"));
    c.Fs2 = typ.asFloat(QStringLiteral("Fs2"));
    c.Fs3 = typ.asFloat(QStringLiteral("Fs3"));
    return c;
}

BasalPerennialCurve basalPerennialFrom(const Record& r) {
    BasalPerennialCurve c;
    for (int m = 1; m <= 12; ++m)
        c.V[static_cast<size_t>(m)] = r.asFloat(store::monthFirstField(m, QStringLiteral("Kc")));
    return c;
}

GrassCurve grassFrom(const Record& r) {
    GrassCurve c;
    c.Hay = r.asBool(QStringLiteral("Hay"));
    c.PkDaysBeforeHarvest = optionalInt(r, QStringLiteral("Pk Days Before Harvest"));
    c.PkPctAfterHarvest = optionalInt(r, QStringLiteral("Pk % After Harvest (Alf)"));
    c.LowKc = r.asFloat(QStringLiteral("Low Kc"));
    c.HighKc = r.asFloat(QStringLiteral("High Kc"));
    return c;
}

TR21AnnualCurve tr21AnnualFrom(const Record& r) {
    TR21AnnualCurve c;
    for (size_t i = 0; i < store::kBCAnnualKcFields.size(); ++i)
        c.K[i] = r.asFloat(QString::fromLatin1(store::kBCAnnualKcFields[i]));
    return c;
}

TR21PerennialCurve tr21PerennialFrom(const Record& r) {
    TR21PerennialCurve c;
    for (size_t i = 0; i < store::kBCPerennialKcFields.size(); ++i)
        c.K[i] = r.asFloat(QString::fromLatin1(store::kBCPerennialKcFields[i]));
    return c;
}

std::optional<CurveTable> curveTableOf(int curveIndex) {
    const store::CurveTable* t = store::curveTableOfIndex(curveIndex);
    if (!t)
        return std::nullopt;
    return CurveTable{t->table, t->nameIndex};
}

namespace {

template <class Read>
bool readAll(const QString& alias, const QString& tableName, const QString& index, Read read,
             QString* error) {
    store::Table t(tableName, alias);
    t.setIndexName(index);
    if (!t.open()) {
        *error = t.errorString();
        return false;
    }
    for (t.first(); !t.eof(); t.next())
        read(t.record());
    t.close();
    return true;
}

} // namespace

bool readReferenceTables(const QString& alias, ReferenceTables* out, QString* error) {
    ReferenceTables ref;
    const bool ok = readAll(
                        alias, QStringLiteral("MoPctDay"), QStringLiteral("LatitudeIndex"),
                        [&](const Record& r) {
                            DaylightRow row;
                            row.LatitudeN = r.asInt(QStringLiteral("Latitude N"));
                            for (int m = 1; m <= 12; ++m)
                                row.Percent[static_cast<size_t>(m - 1)] =
                                    r.asFloat(store::monthName(m));
                            ref.daylight.push_back(row);
                        },
                        error) &&
                    readAll(
                        alias, QStringLiteral("PcpChance"), QStringLiteral("AnPrecip"),
                        [&](const Record& r) {
                            ref.chance.push_back({r.asFloat(QStringLiteral("AnPcp")),
                                                  r.asFloat(QStringLiteral("Pct50")),
                                                  r.asFloat(QStringLiteral("Pct80"))});
                        },
                        error) &&
                    readAll(
                        alias, QStringLiteral("WetSoil"), QStringLiteral("IntervalDaysIndex"),
                        [&](const Record& r) {
                            WetSoilRow row;
                            row.IntervalDays = r.asInt(QStringLiteral("Interval Days"));
                            for (size_t s = 0; s < kSoilColumns; ++s)
                                row.BySoil[s] = r.asFloat(soilNames()[s]);
                            ref.wetSoil.push_back(row);
                        },
                        error);
    if (!ok)
        return false;
    ref.sortByKeys();
    *out = std::move(ref);
    return true;
}

} // namespace kova::calc
