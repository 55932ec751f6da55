#include "jobstore.h"

#include "jobrecord.h"

#include "calc/cropcolumns.h"

#include "store/database.h"
#include "store/ddl.h"
#include "store/table.h"
#include "store/writerefusal.h"

#include <QSqlError>
#include <QSqlQuery>

namespace kova::job {

using calc::TKova;
using store::Table;

namespace {

const QString kJobs = QStringLiteral("KovaJob");
const QString kJobCrops = QStringLiteral("KovaJobCrop");
const QString kJobName = QStringLiteral("Job Name");

QString notSaved(const QString& jobName) {
    return QStringLiteral("The job %1 could not be saved").arg(text::quoted(jobName));
}

// The header of the job as 'KovaJob' keeps it ('Job Name' apart: only a new row takes it).
bool writeHeader(const TKova& k, Table& jobs, QString* error) {
    const std::pair<const char*, QVariant> fields[] = {
        {"Location", k.Location},          {"Planner", k.Planner},
        {"Job Date", k.JobDate},           {"Weather Station", k.StationName},
        {"Elevation", k.Elevation},        {"No of Crops", k.CropCount},
        {"EffPcpFact50", k.PrecipRatio50}, {"EffPcpFact80", k.PrecipRatio80},
        {"StationNo", k.StationNo},        {"County", k.County},
        {"Latitude", k.Latitude},          {"Longitude", k.Longitude},
        {"ETMethod", k.ETMethodText},      {"ETIndex", k.ETIndex},
    };
    for (const auto& [field, value] : fields)
        if (!jobs.setValue(QString::fromLatin1(field), value)) {
            *error = jobs.errorString();
            return false;
        }
    return true;
}

// Rows of `table` whose 'Job Name' is exactly `jobName` (the column compares letter case).
bool deleteRowsOfJob(store::Database& db, const QString& table, const QString& jobName,
                     int* deleted, QString* error) {
    QSqlQuery q(db.connection());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                  .arg(store::quoteIdentifier(table), store::quoteIdentifier(kJobName)));
    q.addBindValue(jobName);
    if (!q.exec()) {
        *error = QStringLiteral("%1: %2").arg(db.describeTable(table), q.lastError().text());
        return false;
    }
    if (deleted)
        *deleted = q.numRowsAffected();
    db.tableChanged(table, nullptr);
    return true;
}

// One save of the job in work, in one transaction.
class JobSaver {
public:
    JobSaver(TKova& k, Table& wkCrop) : k_(k), wkCrop_(wkCrop) {}

    SaveResult run(JobMessages& messages) {
        if (!wkCrop_.post())
            return failed(messages, wkCrop_.errorString());
        store::Database& db = *wkCrop_.database();
        store::Transaction tx(db);
        if (!tx.ok())
            return failed(messages, tx.error());
        jobs_.setIndexName(QStringLiteral("JobNameIndex"));
        if (!jobs_.open())
            return failed(messages, jobs_.errorString());
        const bool found = jobs_.findKey({k_.JobName});
        // A stored job under this name in other letters, or a new job's name stored meanwhile
        // by another program: never written over.
        if (found && (k_.JobState == kNewJob || jobs_.asString(kJobName) != k_.JobName)) {
            messages.report({MessageKind::Error, text::kJobNameUsed, {}});
            return SaveResult::Refused;
        }
        QString error;
        if (!storeHeader(found, &error) ||
            !deleteRowsOfJob(db, kJobCrops, k_.JobName, nullptr, &error) || !storeCrops(&error))
            return failed(messages, error);
        if (!tx.commit())
            return failed(messages, tx.error());
        k_.JobState = kNothingToSave;
        if (found)
            return SaveResult::Saved;
        if (storedAsNewBecauseGone_) {
            messages.report({MessageKind::Information,
                             QStringLiteral("The job %1 was no longer in the job database. It has "
                                            "been saved as a new job.")
                                 .arg(text::quoted(k_.JobName)),
                             {}});
            return SaveResult::SavedAsNew;
        }
        return SaveResult::Saved;
    }

private:
    bool storeHeader(bool found, QString* error) {
        storedAsNewBecauseGone_ = !found && k_.JobState == kChangedJob;
        const bool started = found ? jobs_.edit() : jobs_.append();
        if (!started || (!found && !jobs_.setValue(kJobName, k_.JobName)) ||
            !writeHeader(k_, jobs_, error) || !jobs_.post()) {
            if (error->isEmpty())
                *error = jobs_.errorString();
            jobs_.cancel();
            return false;
        }
        return true;
    }

    bool storeCrops(QString* error) {
        Table crops(kJobCrops, wkCrop_.database()->alias());
        if (!crops.open()) {
            *error = crops.errorString();
            return false;
        }
        for (wkCrop_.first(); !wkCrop_.eof(); wkCrop_.next()) {
            if (!crops.append() ||
                !calc::copyToSavedCrop(wkCrop_.record(), k_.JobName, crops, error) ||
                !crops.post()) {
                if (error->isEmpty())
                    *error = crops.errorString();
                crops.cancel();
                return false;
            }
        }
        wkCrop_.first();
        return true;
    }

    SaveResult failed(JobMessages& messages, const QString& technical) {
        jobs_.close();
        messages.report(failureMessage(notSaved(k_.JobName), technical));
        return SaveResult::Failed;
    }

    TKova& k_;
    Table& wkCrop_;
    Table jobs_{kJobs, wkCrop_.database()->alias()};
    bool storedAsNewBecauseGone_ = false;
};

} // namespace

QString failureReason(const QString& technical) {
    const QString reason = store::writeRefusalReason(technical);
    return reason.isEmpty() ? QString() : QStringLiteral(": ") + reason;
}

JobMessage failureMessage(const QString& what, const QString& technical) {
    return {MessageKind::Error,
            what + failureReason(technical) +
                QStringLiteral(". The stored jobs have not been changed."),
            technical};
}

SaveResult saveJob(TKova& k, Table& wkCrop, JobMessages& messages) {
    if (k.JobState == kNothingToSave)
        return SaveResult::NothingToSave;
    if (k.JobName.isEmpty()) {
        messages.report({MessageKind::Error, text::kEnterJobName, {}});
        return SaveResult::Refused;
    }
    if (!wkCrop.open()) {
        messages.report(failureMessage(notSaved(k.JobName), wkCrop.errorString()));
        return SaveResult::Failed;
    }
    return JobSaver(k, wkCrop).run(messages);
}

RemoveResult removeJob(const QString& alias, const QString& jobName, JobMessages& messages) {
    const QString what =
        QStringLiteral("The job %1 could not be removed").arg(text::quoted(jobName));
    QString error;
    auto db = store::Database::open(alias, &error);
    if (!db) {
        messages.report(failureMessage(what, error));
        return RemoveResult::Failed;
    }
    store::Transaction tx(*db);
    int removed = 0;
    if (!tx.ok() || !deleteRowsOfJob(*db, kJobCrops, jobName, nullptr, &error) ||
        !deleteRowsOfJob(*db, kJobs, jobName, &removed, &error) || !tx.commit()) {
        messages.report(failureMessage(what, error.isEmpty() ? tx.error() : error));
        return RemoveResult::Failed;
    }
    return removed > 0 ? RemoveResult::Removed : RemoveResult::NotStored;
}

bool jobNameTaken(const QString& alias, const QString& name, bool* taken, QString* error) {
    Table jobs(kJobs, alias);
    jobs.setIndexName(QStringLiteral("JobNameIndex"));
    if (!jobs.open()) {
        *error = jobs.errorString();
        return false;
    }
    *taken = jobs.findKey({name});
    return true;
}

bool hasSavedJobs(const QString& alias, bool* any, QString* error) {
    Table jobs(kJobs, alias);
    if (!jobs.open()) {
        *error = jobs.errorString();
        return false;
    }
    *any = !jobs.isEmpty();
    return true;
}

} // namespace kova::job
