#include "stationrows.h"

#include "store/fieldnames.h"
#include "store/table.h"

namespace kova::test {

namespace {

bool failed(const store::Table& table, QString* error) {
    if (error)
        *error = table.errorString();
    return false;
}

} // namespace

bool addCounty(const QString& county, QString* error) {
    store::Table counties(QStringLiteral("County"));
    if (!counties.open() || !counties.append() ||
        !counties.setValue(QStringLiteral("County"), county) || !counties.post())
        return failed(counties, error);
    return true;
}

bool addStation(const StationRow& station, QString* error) {
    store::Table counties(QStringLiteral("County"));
    if (!counties.open())
        return failed(counties, error);
    if (!counties.findKey({station.county}) && !addCounty(station.county, error))
        return false;
    store::Table climate(QStringLiteral("Climate"));
    if (!climate.open() || !climate.append())
        return failed(climate, error);
    climate.setValue(QStringLiteral("Station Name"), station.name);
    climate.setValue(QStringLiteral("County"), station.county);
    climate.setValue(QStringLiteral("Station No"), QStringLiteral("99999"));
    climate.setValue(QStringLiteral("WHR Location"), station.weatherSite);
    climate.setValue(QStringLiteral("Marked"), station.marked);
    for (const char* field : {"Latitude", "Longitude", "Elevation"})
        climate.setValue(QLatin1String(field), 4000);
    for (const char* field : {"Spr mo/dy 28", "Spr mo/dy 32", "Fall mo/dy 28", "Fall mo/dy 32"})
        climate.setValue(QLatin1String(field), QStringLiteral("05/01"));
    for (int m = 1; m <= 12; ++m) {
        climate.setValue(store::monthField(QStringLiteral("T"), m), 50);
        climate.setValue(store::monthField(QStringLiteral("P"), m), 1);
    }
    if (!climate.post())
        return failed(climate, error);
    return true;
}

} // namespace kova::test
