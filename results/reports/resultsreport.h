#pragma once
// What the results reports read and what they hand back. Every report reads the calculation
// of the crop on display (the record and the curve workspace) and the database it was
// computed in; a built report keeps the table its data set walks for as long as it lives.

#include "calc/tkova.h"

#include "report/export.h"
#include "report/report.h"
#include "report/tabledataset.h"

#include "store/table.h"

#include <QList>
#include <QString>
#include <memory>

namespace kova::results {

struct ResultsSource {
    const calc::TKova& kova;
    const calc::TCropCurve& curve;
    QString alias; // the database of the job in work
};

// One report form for one preview or export. Labels read the source when their band prints,
// so the source must outlive the report.
struct ResultsReport {
    std::unique_ptr<store::Table> table; // the report's own table, when it opened one
    std::unique_ptr<report::TableDataSet> data;
    report::Report report;
    QList<report::ExportFormat> exportFormats = report::allExportFormats();
    QString error; // the table the report needs could not be read: nothing to show
};

} // namespace kova::results
