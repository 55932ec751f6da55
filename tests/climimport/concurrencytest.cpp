// Imports beside other writers: two imports started from one directory at once, a work file
// that no longer holds what the scan wrote, and another program writing `County` while a
// question waits for its answer.

#include "countyfixture.h"
#include "tempdatabase.h"

#include "climedit/import/climateloader.h"
#include "climedit/import/climatescan.h"
#include "store/table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>

using namespace kova::climimport;
using namespace kova::climimport::test;
using kova::store::Table;

namespace {

// One field of every row, sorted.
QStringList column(const QString& tableName, const QString& field) {
    Table table(tableName);
    table.open();
    QStringList values;
    for (table.first(); !table.eof(); table.next())
        values << table.asString(field);
    values.sort();
    return values;
}

QStringList stationNames() {
    return column(QStringLiteral("Climate"), QStringLiteral("Station Name"));
}

QStringList counties() {
    return column(QStringLiteral("County"), QStringLiteral("County"));
}

// The program's working directory for the lifetime of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& path) : previous_(QDir::currentPath()) {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

// Another program's write, through a connection of its own.
void writeAsAnotherProgram(const QString& databaseFile, const QString& statement) {
    const QString name = QStringLiteral("another program");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseFile);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(name);
}

// Answers Yes, after letting another program write while the question was open.
class AnswerAfterAWrite : public ImportAnswerer {
public:
    explicit AnswerAfterAWrite(std::function<void()> write) : write_(std::move(write)) {}
    bool confirm(const QString& question) override {
        questions << question;
        write_();
        return true;
    }
    QStringList questions;

private:
    std::function<void()> write_;
};

class ConcurrencyTest : public ::testing::Test {
protected:
    kova::test::TempDatabase database{kova::test::TempDatabase::Contents::EmptySchema};
    RunningNumber numbers;
    MessageLog log;
    ScriptedAnswerer answerer;
};

TEST_F(ConcurrencyTest, TwoImportsFromOneDirectoryEachLoadAllTheirStations) {
    ImportDirs first, second;
    first.copyExample(QStringLiteral("56021.txt"));
    first.copyExample(QStringLiteral("04013.txt"));
    second.copyExample(QStringLiteral("06037.txt"));
    second.copyExample(QStringLiteral("20057.txt"));
    QTemporaryDir startup;
    QString workA, workB;
    {
        const WorkingDirectory here(startup.path());
        QString error;
        auto a = WorkFiles::locate(&error);
        auto b = WorkFiles::locate(&error);
        ASSERT_TRUE(a && b) << error.toStdString();
        workA = a->directory();
        workB = b->directory();
        EXPECT_NE(workA, workB);

        // Both scan before either loads, as two windows or a window and a script would.
        const ScanResult scannedA = ClimateScan(*a, numbers, log).run(first.countyDir());
        const ScanResult scannedB = ClimateScan(*b, numbers, log).run(second.countyDir());
        const LoadResult loadedA = ClimateLoader(*a, log, answerer).load(scannedA.counties, true);
        const LoadResult loadedB = ClimateLoader(*b, log, answerer).load(scannedB.counties, true);
        EXPECT_EQ(loadedA.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
        EXPECT_EQ(loadedB.outcome, LoadOutcome::Loaded) << log.texts().join('|').toStdString();
        EXPECT_EQ(loadedA.stations, 2);
        EXPECT_EQ(loadedB.stations, 3);
    }
    EXPECT_EQ(stationNames(), (QStringList{QStringLiteral("CHEYENNE"), QStringLiteral("DODGE CITY"),
                                           QStringLiteral("LONG BEACH DAUGHERTY FLD"),
                                           QStringLiteral("LOS ANGELES DWTN USC CAMPUS"),
                                           QStringLiteral("PHOENIX SKY HARBOR INTL AP")}));
    // Each import removes its own work directory and leaves nothing in the startup directory.
    EXPECT_FALSE(QFileInfo::exists(workA));
    EXPECT_FALSE(QFileInfo::exists(workB));
    EXPECT_TRUE(
        QDir(startup.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(ConcurrencyTest, AWorkFileThatLostStationsLoadsNothing) {
    ImportDirs dirs;
    dirs.copyExample(QStringLiteral("06037.txt"));
    dirs.copyExample(QStringLiteral("56021.txt"));
    const ScanResult scanned = ClimateScan(dirs.work(), numbers, log).run(dirs.countyDir());
    ASSERT_EQ(scanned.stations, 3);
    ASSERT_TRUE(ClimateLoader(dirs.work(), log, answerer)
                    .load({QStringLiteral("Laramie, WY")}, false)
                    .stations == 1);

    // Another program cut the file after its first record (Los Angeles has two).
    QByteArray text = dirs.stationFileText();
    QFile file(dirs.work().stationFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.left(text.indexOf("#2 ")));
    file.close();
    log.clear();
    const LoadResult result =
        ClimateLoader(dirs.work(), log, answerer).load(scanned.counties, false);
    EXPECT_EQ(result.outcome, LoadOutcome::Failed);
    EXPECT_EQ(log.texts(),
              QStringList{QStringLiteral(
                  "The work file TmpTP.txt no longer holds every converted station (it holds 1 "
                  "of the 2 stations of Los Angeles, CA; 0 of the 1 stations of Laramie, WY), "
                  "so nothing was loaded. Please start the import again.")});
    EXPECT_EQ(stationNames(), QStringList{QStringLiteral("CHEYENNE")});
}

// The questions come first, with no write transaction open while they wait; the load then
// finds `County` as the answers left it, or loads nothing and names the county that changed.
struct WriterCase {
    const char* what;
    const char* statement;
    const char* message;
    QStringList countiesAfter;
};

class WriterBetweenQuestionAndLoad : public ConcurrencyTest,
                                     public ::testing::WithParamInterface<WriterCase> {};

TEST_P(WriterBetweenQuestionAndLoad, LoadsNothingAndNamesTheCounty) {
    ImportDirs dirs;
    dirs.copyExample(QStringLiteral("56021.txt"));
    dirs.copyExample(QStringLiteral("04013.txt"));
    const ScanResult scanned = ClimateScan(dirs.work(), numbers, log).run(dirs.countyDir());
    ASSERT_EQ(ClimateLoader(dirs.work(), log, answerer)
                  .load({QStringLiteral("Laramie, WY")}, true)
                  .outcome,
              LoadOutcome::Loaded);

    AnswerAfterAWrite writer([this] {
        writeAsAnotherProgram(database.file(), QString::fromUtf8(GetParam().statement));
    });
    const LoadResult result = ClimateLoader(dirs.work(), log, writer).load(scanned.counties, true);
    EXPECT_EQ(writer.questions, QStringList{QStringLiteral(
                                    "There is already a county named Laramie, WY. Replace it?")});
    EXPECT_EQ(result.outcome, LoadOutcome::Failed);
    EXPECT_EQ(log.texts().last(), QString::fromUtf8(GetParam().message));
    EXPECT_EQ(stationNames(), QStringList{QStringLiteral("CHEYENNE")});
    EXPECT_EQ(counties(), GetParam().countiesAfter);
}

INSTANTIATE_TEST_SUITE_P(
    AddOrRemove, WriterBetweenQuestionAndLoad,
    ::testing::Values(
        WriterCase{"adds_a_selected_county",
                   "INSERT INTO County (County) VALUES ('Maricopa, AZ')",
                   "Another program added or removed the county Maricopa, AZ while the "
                   "questions were answered, so nothing was loaded. Please start the import "
                   "again.",
                   {QStringLiteral("Laramie, WY"), QStringLiteral("Maricopa, AZ")}},
        WriterCase{"removes_the_county_asked_about",
                   "DELETE FROM County WHERE County = 'Laramie, WY'",
                   "Another program added or removed the county Laramie, WY while the "
                   "questions were answered, so nothing was loaded. Please start the import "
                   "again.",
                   {}}),
    [](const ::testing::TestParamInfo<WriterCase>& info) { return std::string(info.param.what); });

} // namespace
