#pragma once
// Lays a report out on pages: walks its data set once, prints the bands in their order and
// breaks pages where a band no longer fits.

#include "document.h"

namespace kova::report {

class Report;

// An empty data set gives a document without pages unless the report prints when empty.
ReportDocument layoutReport(const Report& report);

} // namespace kova::report
