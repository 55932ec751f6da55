#include "climateloader.h"

#include "stationfilereader.h"
#include "stationrecord.h"

#include "store/database.h"
#include "store/table.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace kova::climimport {

namespace {

const QString kCountyField = QStringLiteral("County");
const QString kNameField = QStringLiteral("Station Name");
const QString kWeatherSiteField = QStringLiteral("WHR Location");

// The county as the table keeps it: cut to the field's width.
QString asStored(const store::Table& table, const QString& county) {
    const store::FieldDef* field = table.def().field(kCountyField);
    return field && field->width > 0 ? county.left(field->width) : county;
}

// Which of `names` `County` holds now, in the order of `names`.
QStringList countiesHeld(store::Table& county, const QStringList& names) {
    QSet<QString> stored;
    for (county.first(); !county.eof(); county.next())
        stored.insert(county.asString(kCountyField));
    QStringList held;
    for (const QString& name : names)
        if (stored.contains(asStored(county, name)))
            held << name;
    return held;
}

// The names in one list and not in the other, in the order of `all`.
QStringList differing(const QStringList& all, const QStringList& a, const QStringList& b) {
    QStringList result;
    for (const QString& name : all)
        if (a.contains(name) != b.contains(name))
            result << name;
    return result;
}

// Fills the appended row from the record; false with the table's error.
bool fillStation(store::Table& climate, const StationRecord& station) {
    for (const auto& [field, value] : climateValues(station))
        if (!climate.setValue(field, value))
            return false;
    return climate.setValue(QStringLiteral("Marked"), false); // imported stations: unmarked
}

QStringList withoutRepeats(const QStringList& names) {
    QStringList result;
    for (const QString& name : names)
        if (!result.contains(name))
            result << name;
    return result;
}

} // namespace

void WeatherSiteLinks::note(const store::Table& climate) {
    const QString site = climate.asString(kWeatherSiteField);
    if (!site.isEmpty())
        byName_.insert(climate.asString(kNameField).toCaseFolded(), site);
}

bool WeatherSiteLinks::restore(store::Table& climate) {
    const auto it = byName_.constFind(climate.asString(kNameField).toCaseFolded());
    if (it == byName_.cend())
        return true;
    if (!climate.setValue(kWeatherSiteField, it.value()))
        return false;
    byName_.erase(it);
    ++kept_;
    return true;
}

bool ClimateLoader::failed(const QString& text) {
    messages_.report({MessageKind::Error, text});
    return false;
}

LoadResult ClimateLoader::load(const QStringList& selectedCounties, bool addMode) {
    LoadResult result;
    QStringList counties = withoutRepeats(selectedCounties);
    store::Table county(QStringLiteral("County"));
    store::Table climate(QStringLiteral("Climate"));
    if (!county.open()) {
        failed(county.errorString());
        return result;
    }
    if (!climate.open()) {
        failed(climate.errorString());
        return result;
    }

    // The questions come before the write transaction: a box waiting for a person must never
    // hold the write lock that other programs wait for.
    const QStringList selection = counties;
    const QStringList held = addMode ? countiesHeld(county, selection) : QStringList();
    QStringList replaced;
    if (counties.isEmpty() || (addMode && !keepOrReplace(held, &counties, &replaced))) {
        messages_.report(
            {MessageKind::Information, QStringLiteral("There are no selected counties!")});
        result.outcome = LoadOutcome::NoCounties;
        return result;
    }

    store::Transaction transaction(*county.database());
    if (!transaction.ok()) {
        failed(transaction.error());
        return result;
    }
    // Another program may have written while the questions were open.
    county.refresh();
    climate.refresh();
    if (addMode && !unchangedSinceQuestions(county, selection, held))
        return result;
    WeatherSiteLinks links;
    for (const QString& name : replaced)
        if (!removeCounty(county, climate, name, links))
            return result;
    if (!addMode && !removeAll(county, climate, links))
        return result;
    int loaded = 0;
    if (!appendCounties(county, counties) || !loadStations(climate, counties, links, &loaded))
        return result;
    if (!transaction.commit()) {
        failed(transaction.error());
        return result;
    }
    result.outcome = LoadOutcome::Loaded;
    result.stations = loaded;
    result.weatherSitesKept = links.kept();
    result.counties = counties;
    return result;
}

// Add mode: every selected county already in `County` is asked about in turn. Yes replaces
// it, No takes it out of the selection. False when the selection ends up empty.
bool ClimateLoader::keepOrReplace(const QStringList& held, QStringList* counties,
                                  QStringList* replaced) {
    const QStringList asked = *counties;
    for (const QString& name : asked) {
        if (!held.contains(name))
            continue;
        if (answerer_.confirm(QStringLiteral("There is already a county named ") + name +
                              QStringLiteral(". Replace it?"))) {
            *replaced << name;
            continue;
        }
        counties->removeOne(name);
        if (counties->isEmpty())
            return false;
    }
    return true;
}

// The answers hold only while `County` still holds the selected counties it held when they
// were asked; otherwise nothing is loaded and the changed counties are named.
bool ClimateLoader::unchangedSinceQuestions(store::Table& county, const QStringList& selection,
                                            const QStringList& held) {
    const QStringList changed = differing(selection, held, countiesHeld(county, selection));
    if (changed.isEmpty())
        return true;
    return failed(QStringLiteral("Another program added or removed %1 while the questions were "
                                 "answered, so nothing was loaded. Please start the import "
                                 "again.")
                      .arg((changed.size() == 1 ? QStringLiteral("the county ")
                                                : QStringLiteral("the counties ")) +
                           changed.join(QStringLiteral("; "))));
}

// Replace mode: both tables are emptied.
bool ClimateLoader::removeAll(store::Table& county, store::Table& climate,
                              WeatherSiteLinks& links) {
    for (climate.first(); !climate.eof(); climate.next())
        links.note(climate);
    if (!county.emptyTable())
        return failed(county.errorString());
    if (!climate.emptyTable())
        return failed(climate.errorString());
    return true;
}

bool ClimateLoader::removeCounty(store::Table& county, store::Table& climate, const QString& name,
                                 WeatherSiteLinks& links) {
    const QString stored = asStored(county, name);
    for (county.first(); !county.eof();) {
        if (county.asString(kCountyField) != stored)
            county.next();
        else if (!county.remove())
            return failed(county.errorString());
    }
    const QString previousIndex = climate.indexName();
    climate.setIndexName(QStringLiteral("CountyIndex"));
    climate.setRange({stored}, {stored});
    bool ok = true;
    // The county index ignores case; only the exact county goes.
    for (climate.first(); ok && !climate.eof();) {
        if (climate.asString(kCountyField) != stored) {
            climate.next();
            continue;
        }
        links.note(climate);
        if (!climate.remove())
            ok = failed(climate.errorString());
    }
    climate.cancelRange();
    climate.setIndexName(previousIndex);
    return ok;
}

bool ClimateLoader::appendCounties(store::Table& county, const QStringList& counties) {
    int done = 0;
    for (const QString& name : counties) {
        if (!county.append() || !county.setValue(kCountyField, name) || !county.post()) {
            const QString error = county.errorString();
            county.cancel();
            return failed(error);
        }
        ++done;
        if (progress_)
            progress_(done, int(counties.size()), name);
    }
    return true;
}

bool ClimateLoader::loadStations(store::Table& climate, const QStringList& counties,
                                 WeatherSiteLinks& links, int* loaded) {
    QFile file(workFiles_.stationFile());
    if (!file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("Can't open TmpTP.txt file for reading"));

    QHash<QString, int> perCounty;
    for (const QString& name : counties)
        perCounty.insert(name, 0);
    StationFileReader reader(file);
    QByteArray line;
    while (reader.nextRecord(&line)) {
        const auto header = parseRecordHeader(line);
        if (!header)
            return failed(QStringLiteral("1 End of file or error"));
        const auto county = perCounty.find(header->county);
        if (county == perCounty.end())
            continue;
        if (!appendStation(climate, *header, reader, links))
            return false;
        ++*county;
        ++*loaded;
    }
    return loadedEveryStation(counties, perCounty);
}

// The station file must still hold every station the scan wrote for the chosen counties: a
// file changed behind the import's back would otherwise end in success with stations missing.
bool ClimateLoader::loadedEveryStation(const QStringList& counties,
                                       const QHash<QString, int>& loaded) {
    QStringList missing;
    for (const QString& name : counties) {
        const int written = workFiles_.stationsWritten(name);
        if (loaded.value(name) != written)
            missing << QStringLiteral("%1 of the %2 stations of %3")
                           .arg(loaded.value(name))
                           .arg(written)
                           .arg(name);
    }
    if (missing.isEmpty())
        return true;
    return failed(QStringLiteral("The work file TmpTP.txt no longer holds every converted "
                                 "station (it holds %1), so nothing was loaded. Please start "
                                 "the import again.")
                      .arg(missing.join(QStringLiteral("; "))));
}

// A record that cannot be read or posted cancels its row and ends the load.
bool ClimateLoader::appendStation(store::Table& climate, const RecordHeader& header,
                                  StationFileReader& reader, WeatherSiteLinks& links) {
    StationRecord station;
    station.county = header.county;
    station.name = header.name;
    station.token = header.number;
    if (const QString problem = reader.readBody(&station); !problem.isEmpty())
        return failed(problem);
    if (!climate.append())
        return failed(climate.errorString());
    if (fillStation(climate, station) && links.restore(climate) && climate.post())
        return true;
    const QString problem = climate.errorString();
    climate.cancel();
    return failed(problem);
}

} // namespace kova::climimport
