#pragma once
// A report data set over a table of the database: walks the rows the table shows (its current
// index order, range and filter) and reads the fields of its current row.

#include "dataset.h"

namespace kova::store {
class Table;
}

namespace kova::report {

class TableDataSet : public ReportDataSet {
public:
    explicit TableDataSet(kova::store::Table& table);

    // The table's cursor is returned to the row it was on before the report, so a grid
    // showing the same table does not jump to its end.
    void beginReport() override;
    void endReport() override;

    void first() override;
    void next() override;
    bool eof() const override;
    QVariant value(const QString& field) const override;

private:
    kova::store::Table& table_;
    qint64 savedRowId_ = -1;
};

} // namespace kova::report
