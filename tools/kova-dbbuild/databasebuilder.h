#pragma once
// Builds the delivered database from a folder of CSV files, one per table, named by the
// table ("Climate.csv"). The output file appears only when every row and every reference
// between tables is sound; an existing file is replaced at the very end.

#include "problem.h"

#include <QString>

namespace kova::dbbuild {

// Every fault found; empty when `outFile` has been written.
Problems buildDatabase(const QString& dataDir, const QString& outFile);

} // namespace kova::dbbuild
