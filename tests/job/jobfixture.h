#pragma once
// A job session on a private copy of the delivered database, driven the way the main window
// drives it: its dialogs answer from a script and its messages are kept.

#include "tempdatabase.h"

#include "main/job/jobsession.h"

#include "store/database.h"
#include "store/table.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <deque>
#include <gtest/gtest.h>

namespace kova::test {

class ScriptedDialogs : public job::JobDialogs {
public:
    bool confirm(job::Question question, const QString& text) override {
        asked.push_back({question, text});
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    bool offerSave(const QString& jobName) override {
        offeredSaves.push_back(jobName);
        return saveWhenOffered;
    }
    std::optional<QString> pickStation(const QString& current) override {
        stationsAsked.push_back(current);
        return station;
    }
    int chooseMethod(const job::MethodChoices& choices) override {
        methodChoices.push_back(choices);
        return method ? method : job::chosenMethod(choices);
    }
    std::optional<QString> pickJob() override { return job; }
    void loading(const QString&, int percent) override { progress.push_back(percent); }
    void loadingClosed() override { ++loadingClosedCount; }

    std::deque<bool> answers; // Yes/No answers in order; none left answers No
    std::vector<std::pair<job::Question, QString>> asked;
    bool saveWhenOffered = false;
    std::vector<QString> offeredSaves;
    std::optional<QString> station;
    std::vector<QString> stationsAsked;
    int method = 0; // 0: the method the dialog preselects
    std::vector<job::MethodChoices> methodChoices;
    std::optional<QString> job;
    std::vector<int> progress;
    int loadingClosedCount = 0;
};

class JobTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session.start()) << messageText(); }

    std::string messageText() const {
        return messages.texts().join(QStringLiteral(" | ")).toStdString();
    }
    kova::calc::TKova& kova() { return session.calculation().kova; }

    // New Job, the three texts typed and left, Get New Climate at `station` (No to the site
    // question: Add New Crop would follow).
    void startJob(const QString& name, const QString& station = QStringLiteral("CHEYENNE"),
                  const QString& location = QStringLiteral("North field"),
                  const QString& planner = QStringLiteral("R. Planner")) {
        ASSERT_TRUE(session.newJob());
        type(job::HeaderField::Name, name);
        type(job::HeaderField::Location, location);
        type(job::HeaderField::Planner, planner);
        dialogs.station = station;
        ASSERT_EQ(session.getNewClimate(), job::ClimateResult::AddCrop) << messageText();
    }
    void type(job::HeaderField field, const QString& text) {
        session.fieldTyped(field, text);
        session.fieldLeft(field);
    }
    // Add New Crop, "OK" in Get Crop Name and in the crop parameters dialog.
    void addCrop(const QString& crop) {
        session.beginAddCrop();
        ASSERT_EQ(session.addCrop(crop), job::AddCropResult::Added) << messageText();
        ASSERT_TRUE(session.openCropParameters());
        ASSERT_EQ(session.closeCropParameters(), job::CropCloseResult::Computed) << messageText();
    }
    void addCrops(const QStringList& crops) {
        for (const QString& crop : crops)
            addCrop(crop);
    }
    bool moveToCrop(const QString& name) {
        store::Table& wk = session.workingCrops();
        for (wk.first(); !wk.eof(); wk.next())
            if (wk.asString(QStringLiteral("Crop Name")) == name)
                return true;
        return false;
    }
    void sql(const QString& statement) {
        QString error;
        auto db = store::Database::open(store::kDefaultAlias, &error);
        ASSERT_TRUE(db) << error.toStdString();
        QSqlQuery q(db->connection());
        ASSERT_TRUE(q.exec(statement)) << q.lastError().text().toStdString();
        db->tableChanged(QStringLiteral("KovaJob"), nullptr);
        db->tableChanged(QStringLiteral("KovaJobCrop"), nullptr);
    }

    TempDatabase db;
    job::JobMessageLog messages;
    ScriptedDialogs dialogs;
    job::JobSession session{messages, dialogs};
};

// Every stored row of a table as text, in storage order: "stored exactly as before".
inline QStringList dumpTable(const QString& table) {
    QString error;
    auto db = store::Database::open(store::kDefaultAlias, &error);
    QSqlQuery q(db->connection());
    q.exec(QStringLiteral("SELECT * FROM main.\"%1\" ORDER BY rowid").arg(table));
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values << q.value(i).toString();
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

// The crop names stored for a job (exact name), in storage order.
inline QStringList storedCrops(const QString& jobName) {
    QString error;
    auto db = store::Database::open(store::kDefaultAlias, &error);
    QSqlQuery q(db->connection());
    q.prepare(QStringLiteral(
        "SELECT \"Crop Name\" FROM \"KovaJobCrop\" WHERE \"Job Name\" = ? ORDER BY rowid"));
    q.addBindValue(jobName);
    q.exec();
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

} // namespace kova::test
