#pragma once
// The database a program works on jobs in: the shared file behind an alias, with the working
// tables of the job in work kept private to this program.

#include "jobfeedback.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace kova::store {
class Database;
}

namespace kova::job {

// The rows of the job in work: its crops and the daily curve of the crop last computed.
const QStringList& privateWorkingTables();

// Opens the database of `alias` for job work, with the working tables private (and so empty).
// A missing file, a file that is not a complete Kova database, or one another program keeps
// locked: one message, nullptr. A read-only file opens, with one message saying what cannot
// be done.
std::shared_ptr<store::Database> openJobDatabase(const QString& alias, JobMessages& messages);

} // namespace kova::job
