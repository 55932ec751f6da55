#pragma once
// Reopening a saved job: its header into the calculation record, its crops into the working
// crop table, and every crop computed again (no result is stored with a job).

#include <QString>
#include <functional>

namespace kova::store {
class Table;
}

namespace kova::calc {

class Calculation;

// Loading progress on a bar of 0..100: called with the amount to advance by, or with -1 to
// set the bar to its end.
using LoadProgress = std::function<void(int advance)>;
inline constexpr int kProgressComplete = -1;

enum class LoadJobResult { Loaded, NoSuchJob, Failed };

// Loads the saved job named `jobName` (exact letters and case) into `calc.kova` and `wkCrop`
// (emptied first; left on its first row). Each crop is posted and computed in turn.
LoadJobResult loadSavedJob(Calculation& calc, const QString& jobName, store::Table& wkCrop,
                           const LoadProgress& progress, QString* error);

} // namespace kova::calc
