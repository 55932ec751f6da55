#pragma once
// kova-calc report: a report of a saved job written to a file, exactly as its preview in the
// main program shows it. The job is reopened as "Get Prev Job" reopens it (every crop
// computed); a single-crop report computes its crop again first, as the Reports menu does.

#include "commands.h"

#include <QString>
#include <QStringList>

namespace kova::tools {

struct ReportRequest {
    QString job;  // empty only for the list of jobs
    QString kind; // summary, details, curves, bars, job-summary, job-list
    QString crop; // the job's crop, for the single-crop kinds
    QString out;  // the file; its extension decides the format
};

// The kinds, for the help and the messages.
QStringList reportKinds();

// Writes the report and returns the files written (one per page for a picture format of more
// than one page). Bad input and a file that cannot be written throw InputError; a failure of
// the database throws std::runtime_error.
QStringList runReport(const Options& options, const ReportRequest& request);

} // namespace kova::tools
