// A database that is missing, not a Kova database, read-only or locked by another program:
// one clear message each, and the session stays usable where it can.

#include "jobfixture.h"
#include "readonlyfile.h"

#include "main/job/jobrecord.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace kova::job;
using kova::test::JobTest;
using kova::test::ReadOnlyFile;
using kova::test::ScriptedDialogs;
using kova::test::TempDatabase;

namespace {

void pointAliasAt(const QString& file) {
    kova::store::Database::closeAll();
    kova::store::AliasTarget target;
    target.databaseFile = file;
    kova::store::AliasRegistry::instance().define(kova::store::kDefaultAlias, target);
}

TEST(DatabaseErrors, AMissingFileOrAnotherDatabaseIsOneMessage) {
    TempDatabase db;
    JobMessageLog messages;
    ScriptedDialogs dialogs;
    pointAliasAt(db.dir() + "/gone.sqlite");
    JobSession missing(messages, dialogs);
    EXPECT_FALSE(missing.start());
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(messages.items[0].text, "The Kova database '" + db.dir() +
                                          "/gone.sqlite' cannot be opened: the file does not "
                                          "exist.");
    EXPECT_FALSE(QFileInfo::exists(db.dir() + "/gone.sqlite"));
    // The window stays usable: nothing to start or open, an empty crop grid, Exit works.
    EXPECT_FALSE(missing.hasDatabase());
    EXPECT_FALSE(missing.controls().newJob || missing.controls().prevJob);
    EXPECT_FALSE(missing.workingCrops().isOpen());
    EXPECT_FALSE(missing.hasCrops());
    EXPECT_TRUE(missing.exitProgram());

    TempDatabase other(TempDatabase::Contents::EmptySchema);
    kova::store::Database::open(kova::store::kDefaultAlias, nullptr)
        ->connection()
        .exec("DROP TABLE KovaJob");
    kova::store::Database::closeAll();
    messages.items.clear();
    JobSession incomplete(messages, dialogs);
    EXPECT_FALSE(incomplete.start());
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_TRUE(messages.items[0].text.endsWith(
        "cannot be opened: it is not a complete Kova database (KovaJob is missing)."))
        << messages.items[0].text.toStdString();
}

TEST(DatabaseErrors, AReadOnlyFileOpensJobsButSavesNothing) {
    TempDatabase db;
    ReadOnlyFile lock(db.file());
    if (!lock.readOnly())
        GTEST_SKIP() << "no way to make a file read-only for this user";
    kova::store::Database::closeAll();
    JobMessageLog messages;
    ScriptedDialogs dialogs;
    JobSession session(messages, dialogs);
    ASSERT_TRUE(session.start());
    ASSERT_EQ(messages.items.size(), 1u);
    EXPECT_EQ(messages.items[0].kind, MessageKind::Warning);
    EXPECT_TRUE(messages.items[0].text.contains("is read-only: jobs can be opened and computed"));

    dialogs.job = "Cheyenne sample job";
    ASSERT_TRUE(session.getPrevJob()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(session.workingCrops().recordCount(), 5);
    EXPECT_TRUE(session.displayCrop());
    session.siteTyped(SiteField::Elevation, 6000.0);
    EXPECT_EQ(session.saveJob(), SaveResult::Failed);
    EXPECT_EQ(messages.items.back().text,
              "The job \"Cheyenne sample job\" could not be saved: the database is read-only. "
              "The stored jobs have not been changed.");
    EXPECT_EQ(session.jobState(), kChangedJob);
    dialogs.answers = {true};
    EXPECT_FALSE(session.removeJob("Cheyenne sample job"));
    EXPECT_TRUE(messages.items.back().text.contains("could not be removed: the database is "
                                                    "read-only"));
}

class LockedDatabase : public JobTest {
protected:
    // Another program in the middle of a write; this one waits a moment instead of 10 s.
    void lockByAnotherProgram() {
        QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        c.setDatabaseName(db.file());
        ASSERT_TRUE(c.open());
        ASSERT_TRUE(QSqlQuery(c).exec("BEGIN IMMEDIATE"));
        QSqlQuery(kova::store::Database::open(kova::store::kDefaultAlias, nullptr)->connection())
            .exec("PRAGMA busy_timeout = 100");
    }
    void release() {
        {
            QSqlDatabase c = QSqlDatabase::database("other-program");
            QSqlQuery(c).exec("ROLLBACK");
            c.close();
        }
        QSqlDatabase::removeDatabase("other-program");
    }
};

TEST_F(LockedDatabase, ASaveWaitsForNothingAndSaysWhy) {
    startJob("Locked out");
    addCrops({"Barley"});
    lockByAnotherProgram();
    EXPECT_EQ(session.saveJob(), SaveResult::Failed);
    EXPECT_EQ(messages.items.back().text,
              "The job \"Locked out\" could not be saved: the database is in use by another "
              "program; try again in a moment. The stored jobs have not been changed.");
    EXPECT_EQ(session.jobState(), kNewJob);
    release();
    EXPECT_EQ(session.saveJob(), SaveResult::Saved) << messageText();
}

} // namespace
