#pragma once
// Saved jobs: the job in work stored into KovaJob and KovaJobCrop, the lookups that keep job
// names unique, and removing a stored job. Every write is one transaction: a save or a removal
// that fails leaves the stored jobs exactly as they were.

#include "jobfeedback.h"

#include "calc/tkova.h"

#include <QString>

namespace kova::store {
class Table;
}

namespace kova::job {

enum class SaveResult {
    Saved,
    SavedAsNew,    // a changed job whose stored row was gone: stored as a new job, and said so
    NothingToSave, // state 0: nothing is written
    Refused,       // no name, or the name is another job's: said so, nothing written
    Failed,        // the database refused: said so, nothing written
};

// Stores the job of `k` with the crops of `wkCrop` by its `JobState`, then sets the state to
// 0. On refusal or failure the state is unchanged.
SaveResult saveJob(calc::TKova& k, store::Table& wkCrop, JobMessages& messages);

enum class RemoveResult { Removed, NotStored, Failed };

// Removes the stored job named exactly `jobName` with its crops (crops of jobs whose names
// differ only in letter case stay).
RemoveResult removeJob(const QString& alias, const QString& jobName, JobMessages& messages);

// A stored job has this name, letter case ignored (the name index). False with `error` when
// the job table cannot be read.
bool jobNameTaken(const QString& alias, const QString& name, bool* taken, QString* error);
// At least one job is stored.
bool hasSavedJobs(const QString& alias, bool* any, QString* error);

// Why the database refused, in the planner's words, when it is known: ": the database is
// read-only", ": the database is in use by another program; try again in a moment"; else "".
QString failureReason(const QString& technical);
// A failed save or removal: what could not be done, why, and that the stored jobs did not
// change; the technical text goes in the details.
JobMessage failureMessage(const QString& what, const QString& technical);

} // namespace kova::job
