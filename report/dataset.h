#pragma once
// The rows a report walks. The engine only needs a forward cursor and field values, so a
// report can run over a table of the database (TableDataSet), over computed values
// (MemoryDataSet) or over anything else that can be walked in order.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <vector>

namespace kova::report {

class ReportDataSet {
public:
    virtual ~ReportDataSet() = default;

    // Called once before the walk and once after it, so a data set shared with a window can
    // put its cursor back where the user left it.
    virtual void beginReport() {}
    virtual void endReport() {}

    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    // The value of a field of the current row; a null QVariant for an unknown field or eof.
    virtual QVariant value(const QString& field) const = 0;
};

// Rows held in memory, walked in the order they were added. Used for reports over computed
// arrays (for example twelve months of results) and by tests.
class MemoryDataSet : public ReportDataSet {
public:
    explicit MemoryDataSet(QStringList fields = {});

    // Values in the order of the field list; missing trailing values are null.
    void addRow(const QVariantList& values);
    int rowCount() const { return int(rows_.size()); }
    QStringList fields() const { return fields_; }

    void first() override;
    void next() override;
    bool eof() const override;
    QVariant value(const QString& field) const override;

private:
    QStringList fields_;
    std::vector<QVariantList> rows_;
    size_t current_ = 0;
};

} // namespace kova::report
