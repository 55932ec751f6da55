#include "referencecheck.h"

#include "store/curvetables.h"
#include "store/ddl.h"

#include <QSqlError>
#include <QSqlQuery>

namespace kova::dbbuild {

namespace {

const QString kCurveName = QStringLiteral("Crop Curve Name");

// Curve tables by the type texts that created crops store; empty for other texts.
QString basalTable(const QString& basCropType) {
    const store::CurveTable* t = store::basalCurveTableOfType(basCropType);
    return t ? t->table : QString();
}

QString tr21Table(const QString& bcCropType) {
    const store::CurveTable* t = store::tr21CurveTableOfType(bcCropType);
    return t ? t->table : QString();
}

// Curve table of a working or job crop's 'Curve Index' (0..4), empty when out of range.
QString curveTableOfIndex(int curveIndex) {
    const store::CurveTable* t = store::curveTableOfIndex(curveIndex);
    return t ? t->table : QString();
}

// Job station names keep the first 30 of a station name's 35 characters.
constexpr int kJobStationWidth = 30;

} // namespace

void ReferenceCheck::run(Problems& problems) {
    problems_ = &problems;
    checkCreatedCrops();
    checkAnnualCropTypes();
    checkStations();
    checkSavedJobs();
    problems_ = nullptr;
}

void ReferenceCheck::checkCreatedCrops() {
    const QString table = QStringLiteral("KovaCrop");
    const std::vector<Row> crops =
        rows(table, {QStringLiteral("Bas Crop Type"), QStringLiteral("Bas Crop Curve Name"),
                     QStringLiteral("BC Crop Type"), QStringLiteral("BC Crop Curve Name")});
    for (const Row& crop : crops) {
        const QString basType = crop.text(0);
        const QString basCurve = crop.text(1);
        if (!basCurve.isEmpty()) {
            if (basalTable(basType).isEmpty())
                report(table, crop, QStringLiteral("Bas Crop Type"),
                       QStringLiteral("'%1' names no basal curve table").arg(basType));
            else
                requireCurve(table, crop, QStringLiteral("Bas Crop Curve Name"),
                             basalTable(basType), basCurve);
        }
        const QString bcType = crop.text(2);
        if (tr21Table(bcType).isEmpty())
            report(table, crop, QStringLiteral("BC Crop Type"),
                   QStringLiteral("'%1' names no TR21 curve table").arg(bcType));
        else
            requireCurve(table, crop, QStringLiteral("BC Crop Curve Name"), tr21Table(bcType),
                         crop.text(3));
    }
}

void ReferenceCheck::checkAnnualCropTypes() {
    const QString table = QStringLiteral("CrpAnNam");
    const QSet<QString> types = names(QStringLiteral("CrpAnTyp"), QStringLiteral("Crop Type"));
    for (const Row& curve : rows(table, {QStringLiteral("Crop Type")}))
        if (!types.contains(curve.text(0)))
            report(table, curve, QStringLiteral("Crop Type"),
                   QStringLiteral("crop type '%1' is not in CrpAnTyp").arg(curve.text(0)));
}

void ReferenceCheck::checkStations() {
    const QString table = QStringLiteral("Climate");
    const QSet<QString> sites = names(QStringLiteral("ClimWHR"), QStringLiteral("WHR Location"));
    const QSet<QString> counties = names(QStringLiteral("County"), QStringLiteral("County"));
    QSet<QString> countiesUsed;
    for (const Row& station :
         rows(table, {QStringLiteral("WHR Location"), QStringLiteral("County")})) {
        const QString site = station.text(0);
        if (!site.isEmpty() && !sites.contains(site))
            report(table, station, QStringLiteral("WHR Location"),
                   QStringLiteral("WHR site '%1' is not in ClimWHR").arg(site));
        if (!counties.contains(station.text(1)))
            report(table, station, QStringLiteral("County"),
                   QStringLiteral("county '%1' is not in County").arg(station.text(1)));
        countiesUsed.insert(station.text(1));
    }
    // The county list offers only counties that have stations: an empty one leads nowhere.
    const QString countyTable = QStringLiteral("County");
    for (const Row& county : rows(countyTable, {QStringLiteral("County")}))
        if (!countiesUsed.contains(county.text(0)))
            report(countyTable, county, QStringLiteral("County"),
                   QStringLiteral("county '%1' has no station in Climate").arg(county.text(0)));
}

void ReferenceCheck::checkSavedJobs() {
    const QString table = QStringLiteral("KovaJob");
    QSet<QString> stations;
    for (const QString& name : names(QStringLiteral("Climate"), QStringLiteral("Station Name")))
        stations.insert(name.left(kJobStationWidth));
    QSet<QString> jobNames;
    QSqlQuery count(db_);
    count.prepare(QStringLiteral("SELECT COUNT(*) FROM \"KovaJobCrop\" WHERE \"Job Name\" = ?"));
    for (const Row& job :
         rows(table, {QStringLiteral("Job Name"), QStringLiteral("Weather Station"),
                      QStringLiteral("No of Crops")})) {
        jobNames.insert(job.text(0));
        if (!stations.contains(job.text(1)))
            report(table, job, QStringLiteral("Weather Station"),
                   QStringLiteral("station '%1' is not in Climate").arg(job.text(1)));
        count.bindValue(0, job.text(0));
        if (count.exec() && count.next() && count.value(0).toInt() != job.values.at(2).toInt())
            report(table, job, QStringLiteral("No of Crops"),
                   QStringLiteral("%1, but KovaJobCrop holds %2 crops of this job")
                       .arg(job.values.at(2).toInt())
                       .arg(count.value(0).toInt()));
    }
    checkJobCrops(jobNames);
}

void ReferenceCheck::checkJobCrops(const QSet<QString>& jobNames) {
    const QString table = QStringLiteral("KovaJobCrop");
    const QSet<QString> crops = names(QStringLiteral("KovaCrop"), QStringLiteral("Cop Name"));
    for (const Row& crop :
         rows(table, {QStringLiteral("Job Name"), QStringLiteral("Crop Name"),
                      QStringLiteral("Curve Index"), QStringLiteral("Curve Name")})) {
        if (!jobNames.contains(crop.text(0)))
            report(table, crop, QStringLiteral("Job Name"),
                   QStringLiteral("job '%1' is not in KovaJob").arg(crop.text(0)));
        if (!crops.contains(crop.text(1)))
            report(table, crop, QStringLiteral("Crop Name"),
                   QStringLiteral("crop '%1' is not in KovaCrop").arg(crop.text(1)));
        const QString curveTable = curveTableOfIndex(crop.values.at(2).toInt());
        if (curveTable.isEmpty())
            report(table, crop, QStringLiteral("Curve Index"),
                   QStringLiteral("%1 is no curve kind (0 to 4)").arg(crop.text(2)));
        else
            requireCurve(table, crop, QStringLiteral("Curve Name"), curveTable, crop.text(3));
    }
}

QSet<QString> ReferenceCheck::names(const QString& table, const QString& field) {
    QSet<QString> out;
    QSqlQuery q(db_);
    q.exec(QStringLiteral("SELECT %1 FROM %2")
               .arg(store::quoteIdentifier(field), store::quoteIdentifier(table)));
    while (q.next())
        out.insert(q.value(0).toString());
    return out;
}

std::vector<ReferenceCheck::Row> ReferenceCheck::rows(const QString& table,
                                                      const QStringList& fields) {
    QStringList columns;
    for (const QString& f : fields)
        columns << store::quoteIdentifier(f);
    QSqlQuery q(db_);
    q.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
               .arg(columns.join(QLatin1Char(',')), store::quoteIdentifier(table)));
    std::vector<Row> out;
    while (q.next()) {
        Row row{q.value(0).toLongLong(), {}};
        for (int i = 0; i < fields.size(); ++i)
            row.values << q.value(i + 1);
        out.push_back(std::move(row));
    }
    return out;
}

void ReferenceCheck::requireCurve(const QString& table, const Row& row, const QString& field,
                                  const QString& curveTable, const QString& curveName) {
    auto cached = curveNames_.find(curveTable);
    if (cached == curveNames_.end())
        cached = curveNames_.emplace(curveTable, names(curveTable, kCurveName)).first;
    if (!cached->second.contains(curveName))
        report(table, row, field,
               QStringLiteral("curve '%1' is not in %2").arg(curveName, curveTable));
}

void ReferenceCheck::report(const QString& table, const Row& row, const QString& field,
                            const QString& message) {
    const auto it = loaded_.find(table);
    const QString file = it == loaded_.end() ? table + QStringLiteral(".csv") : it->second.file;
    const int line = it == loaded_.end() ? 0 : it->second.lineOf(row.id);
    problems_->push_back({file, line, field, message});
}

} // namespace kova::dbbuild
