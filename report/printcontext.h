#pragma once
// What a label or a band callback may read while its band is being printed: the current row
// of the data set, running totals, the page number and the print date.

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>

namespace kova::report {

class ReportDataSet;

class PrintContext {
public:
    // A field of the data set's current row; null when the report has no row (an empty data
    // set printed anyway, or no data set at all).
    QVariant value(const QString& field) const;
    // The running value of a total declared with Report::addTotal: at the summary band it
    // covers every detail row printed.
    double total(const QString& name) const { return totals_.value(name); }
    int pageNumber() const { return pageNumber_; }
    QDate printDate() const { return printDate_; }
    // Detail rows printed so far, the current one included while the detail band prints.
    int rowNumber() const { return rowNumber_; }

private:
    friend class Layouter;
    const ReportDataSet* data_ = nullptr;
    bool hasRow_ = false;
    QHash<QString, double> totals_;
    int pageNumber_ = 0;
    QDate printDate_;
    int rowNumber_ = 0;
};

} // namespace kova::report
