#pragma once
// Continue of the county selection: puts the chosen counties into `County` and their
// stations from "TmpTP.txt" into `Climate`, adding to the tables or replacing them. Questions
// first, then one transaction for the whole load: when any part fails, both tables stay
// exactly as they were.

#include "importfeedback.h"
#include "workfiles.h"

#include <QHash>
#include <QStringList>

namespace kova::store {
class Table;
}

namespace kova::climimport {

class StationFileReader;
struct RecordHeader;

enum class LoadOutcome {
    Loaded,     // committed
    NoCounties, // nothing selected (or every existing county kept): nothing changed
    Failed      // an error message was shown; nothing changed
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Failed;
    int stations = 0;         // `Climate` rows appended
    QStringList counties;     // counties loaded, after the questions
    int weatherSitesKept = 0; // stations imported again that kept their 'WHR Location'
};

// 'WHR Location' of the stations a load deletes, by 'Station Name' compared as the name index
// does (ignoring case), so a station imported again keeps the weather site chosen for it.
class WeatherSiteLinks {
public:
    void note(const store::Table& climate); // the current row, about to be deleted
    // Gives the row being appended its old link, if it had one; false with the table's error.
    bool restore(store::Table& climate);
    int kept() const { return kept_; }

private:
    QHash<QString, QString> byName_;
    int kept_ = 0;
};

class ClimateLoader {
public:
    ClimateLoader(const WorkFiles& workFiles, ImportMessages& messages, ImportAnswerer& answerer)
        : workFiles_(workFiles), messages_(messages), answerer_(answerer) {}

    void setProgress(ImportProgress progress) { progress_ = std::move(progress); }
    // `addMode` false replaces the whole climate database by the selected counties.
    LoadResult load(const QStringList& selectedCounties, bool addMode);

private:
    bool keepOrReplace(const QStringList& held, QStringList* counties, QStringList* replaced);
    bool unchangedSinceQuestions(store::Table& county, const QStringList& selection,
                                 const QStringList& held);
    bool removeAll(store::Table& county, store::Table& climate, WeatherSiteLinks& links);
    bool removeCounty(store::Table& county, store::Table& climate, const QString& name,
                      WeatherSiteLinks& links);
    bool appendCounties(store::Table& county, const QStringList& counties);
    bool loadStations(store::Table& climate, const QStringList& counties, WeatherSiteLinks& links,
                      int* loaded);
    bool loadedEveryStation(const QStringList& counties, const QHash<QString, int>& loaded);
    bool appendStation(store::Table& climate, const RecordHeader& header, StationFileReader& reader,
                       WeatherSiteLinks& links);
    bool failed(const QString& text);

    const WorkFiles& workFiles_;
    ImportMessages& messages_;
    ImportAnswerer& answerer_;
    ImportProgress progress_;
};

} // namespace kova::climimport
