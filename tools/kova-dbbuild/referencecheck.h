#pragma once
// Checks that the rows of the built database name only rows that exist: the curves of the
// created crops, the crop types of the field and vegetable curves, the WHR site and county of
// every station (and a station for every county), and the station, crops and curves of the
// saved jobs.

#include "problem.h"
#include "tableloader.h"

#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <map>
#include <vector>

namespace kova::dbbuild {

class ReferenceCheck {
public:
    // `loaded`: table name -> where its rows came from (for the lines of the problems).
    ReferenceCheck(QSqlDatabase db, const std::map<QString, LoadedTable>& loaded)
        : db_(std::move(db)), loaded_(loaded) {}

    void run(Problems& problems);

private:
    struct Row {
        qint64 id;
        QVariantList values;
        QString text(int i) const { return values.at(i).toString(); }
    };

    void checkCreatedCrops();
    void checkAnnualCropTypes();
    void checkStations();
    void checkSavedJobs();
    void checkJobCrops(const QSet<QString>& jobNames);

    // Exact values of one text field of a table.
    QSet<QString> names(const QString& table, const QString& field);
    std::vector<Row> rows(const QString& table, const QStringList& fields);
    // "the curve 'X' is not in CrpAnNam" unless `name` is one of `table`'s curve names.
    void requireCurve(const QString& table, const Row& row, const QString& field,
                      const QString& curveTable, const QString& curveName);
    void report(const QString& table, const Row& row, const QString& field, const QString& message);

    QSqlDatabase db_;
    const std::map<QString, LoadedTable>& loaded_;
    std::map<QString, QSet<QString>> curveNames_; // cache: curve table -> its curve names
    Problems* problems_ = nullptr;
};

} // namespace kova::dbbuild
