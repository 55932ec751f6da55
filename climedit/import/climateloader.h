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
    int stations = 0;     // `Climate` rows appended
    QStringList counties; // counties loaded, after the questions
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
    bool removeCounty(store::Table& county, store::Table& climate, const QString& name);
    bool appendCounties(store::Table& county, const QStringList& counties);
    bool loadStations(store::Table& climate, const QStringList& counties, bool addMode,
                      int* loaded);
    bool loadedEveryStation(const QStringList& counties, const QHash<QString, int>& loaded);
    bool appendStation(store::Table& climate, const RecordHeader& header,
                       StationFileReader& reader);
    bool failed(const QString& text);

    const WorkFiles& workFiles_;
    ImportMessages& messages_;
    ImportAnswerer& answerer_;
    ImportProgress progress_;
};

} // namespace kova::climimport
