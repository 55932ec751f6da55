#include "countylist.h"

#include "store/table.h"

namespace kova::climedit {

namespace {

const QString kCounty = QStringLiteral("County");

QString asStored(const store::Table& table, const QString& county) {
    const store::FieldDef* field = table.def().field(kCounty);
    return field && field->width > 0 ? county.left(field->width) : county;
}

bool seekCounty(store::Table& counties, const QString& stored) {
    for (counties.first(); !counties.eof(); counties.next())
        if (counties.asString(kCounty) == stored)
            return true;
    return false;
}

} // namespace

bool ensureCountyListed(store::Table& counties, const QString& county, QString* error) {
    const QString stored = asStored(counties, county);
    if (seekCounty(counties, stored))
        return true;
    if (counties.append() && counties.setValue(kCounty, stored) && counties.post())
        return true;
    *error = counties.errorString();
    counties.cancel();
    return false;
}

int stationsInCounty(const QString& county, QString* error) {
    store::Table climate(QStringLiteral("Climate"));
    climate.setIndexName(QStringLiteral("CountyIndex"));
    if (!climate.open()) {
        *error = climate.errorString();
        return -1;
    }
    const QString stored = asStored(climate, county);
    // The index ignores case; the count does not.
    climate.setRange({stored}, {stored});
    int count = 0;
    for (climate.first(); !climate.eof(); climate.next())
        if (climate.asString(kCounty) == stored)
            ++count;
    return count;
}

bool removeCountyRow(store::Table& counties, const QString& county, QString* error) {
    if (!seekCounty(counties, asStored(counties, county)) || counties.remove())
        return true;
    *error = counties.errorString();
    return false;
}

} // namespace kova::climedit
