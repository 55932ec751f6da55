#pragma once
// kova-calc new-job: a job built as the main window builds it (station, method, each crop
// added with its defaults and computed), printed like `job`, and stored by the save routine
// when asked.

#include "commands.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kova::tools {

struct NewJobRequest {
    QString name;
    QString station;
    QStringList crops;
    std::optional<QString> location, planner, date;
    std::optional<int> method; // an ET index; the dialog's preselected method when empty
    bool save = false;
};

// Works on the database of `options.alias` itself: the job's working rows are private to this
// run and only --save writes (the saved-job tables). Bad input throws InputError with nothing
// stored; a failure of the database throws std::runtime_error.
JobResults runNewJob(const Options& options, const NewJobRequest& request);

} // namespace kova::tools
