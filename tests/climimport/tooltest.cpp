// The command-line front: a scripted import of the example files, the --yes rule for counties
// already present, and exit status 2 with the database unchanged on failure.

#include "countyfixture.h"
#include "tempdatabase.h"

#include "store/table.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kova::climimport::test;

namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

class ToolTest : public ::testing::Test {
protected:
    ToolTest() {
        for (const char* name :
             {"04013.txt", "06037.txt", "16069.txt", "20057.txt", "56013.txt", "56021.txt"})
            dirs.copyExample(QLatin1String(name));
    }
    ToolRun run(QStringList arguments) {
        QProcess tool;
        tool.setWorkingDirectory(workDir.path());
        tool.start(QStringLiteral(KOVACLIM_IMPORT_PROGRAM), arguments);
        ToolRun result;
        if (!tool.waitForFinished(60000))
            return result;
        result.status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
        result.out = QString::fromUtf8(tool.readAllStandardOutput());
        result.err = QString::fromUtf8(tool.readAllStandardError());
        return result;
    }
    QStringList withDb(QStringList arguments) {
        return QStringList{dirs.countyDir(), QStringLiteral("--db"), database.file()} + arguments;
    }
    int stations() {
        kova::store::Table climate(QStringLiteral("Climate"));
        return climate.open() ? climate.recordCount() : -1;
    }

    kova::test::TempDatabase database{kova::test::TempDatabase::Contents::EmptySchema};
    ImportDirs dirs;
    QTemporaryDir workDir;
};

TEST_F(ToolTest, ImportsEveryCountyAndPrintsProgressAndSummary) {
    const ToolRun r = run(withDb({}));
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("[1/6] 04013.txt")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("[6/6] 56021.txt")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("files: 6\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("stations converted: 6\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("stations loaded: 6\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("counties: 5\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("messages: 0\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("weather site links kept: 0\n")));
    EXPECT_EQ(stations(), 6);
}

TEST_F(ToolTest, ExistingCountiesAreSkippedUnlessYes) {
    ASSERT_EQ(run(withDb({QStringLiteral("--counties"), QStringLiteral("Laramie, WY")})).status, 0);
    const ToolRun skipped =
        run(withDb({QStringLiteral("--counties"), QStringLiteral("Laramie, WY")}));
    EXPECT_EQ(skipped.status, 1);
    EXPECT_TRUE(skipped.out.contains(
        QStringLiteral("There is already a county named Laramie, WY. Replace it? No")));
    EXPECT_TRUE(skipped.err.contains(QStringLiteral("There are no selected counties!")));

    const ToolRun replaced =
        run(withDb({QStringLiteral("--counties"), QStringLiteral("Laramie, WY;Ford, KS"),
                    QStringLiteral("--yes")}));
    EXPECT_EQ(replaced.status, 0) << replaced.err.toStdString();
    EXPECT_TRUE(replaced.out.contains(QStringLiteral("stations loaded: 2\n")));
    EXPECT_EQ(stations(), 2);
}

TEST_F(ToolTest, SummaryCountsTheWeatherSiteLinksKept) {
    ASSERT_EQ(run(withDb({QStringLiteral("--counties"), QStringLiteral("Ford, KS")})).status, 0);
    {
        kova::store::Table climate(QStringLiteral("Climate"));
        ASSERT_TRUE(climate.open());
        ASSERT_TRUE(climate.edit());
        climate.setValue(QStringLiteral("WHR Location"), QStringLiteral("Dodge City KS Airport"));
        ASSERT_TRUE(climate.post());
    }
    const ToolRun again = run(withDb(
        {QStringLiteral("--counties"), QStringLiteral("Ford, KS"), QStringLiteral("--yes")}));
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("weather site links kept: 1\n")))
        << again.out.toStdString();
}

TEST_F(ToolTest, FailuresExitWithTwoAndChangeNothing) {
    ASSERT_EQ(run(withDb({QStringLiteral("--counties"), QStringLiteral("Ford, KS")})).status, 0);
    // The same station under a second county: the load fails on the unique name.
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("20057.txt")));
    lines[2].replace("Ford", "Gray");
    dirs.writeCountyFile(QStringLiteral("20069.txt"), joinLines(lines));
    const ToolRun failed = run(withDb({QStringLiteral("--replace")}));
    EXPECT_EQ(failed.status, 2);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("error: "))) << failed.err.toStdString();
    EXPECT_EQ(stations(), 1);

    EXPECT_EQ(run({QStringLiteral("/no/such/directory")}).status, 2);
    EXPECT_EQ(run(withDb({}) << QStringLiteral("--bogus")).status, 2);
}

TEST_F(ToolTest, TwoRunsFromOneDirectoryAtOnceBothLoadEveryStation) {
    // Many county files make the two runs overlap for a while.
    QList<QByteArray> lines = linesOf(exampleFile(QStringLiteral("56021.txt")));
    const QByteArray stationLine = lines[0];
    for (int i = 0; i < 40; ++i) {
        lines[0] = QByteArray(stationLine).replace("CHEYENNE", "CHEYENNE " + QByteArray::number(i));
        dirs.writeCountyFile(QStringLiteral("%1.txt").arg(57000 + i), joinLines(lines));
    }
    kova::test::TempDatabase other{kova::test::TempDatabase::Contents::EmptySchema};
    QProcess runs[2];
    const QString files[2] = {database.file(), other.file()};
    for (int i = 0; i < 2; ++i) {
        runs[i].setWorkingDirectory(workDir.path());
        runs[i].start(QStringLiteral(KOVACLIM_IMPORT_PROGRAM),
                      {dirs.countyDir(), QStringLiteral("--db"), files[i]});
    }
    for (QProcess& run : runs) {
        ASSERT_TRUE(run.waitForFinished(60000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("stations converted: 46\n"))) << out.toStdString();
        EXPECT_TRUE(out.contains(QStringLiteral("stations loaded: 46\n"))) << out.toStdString();
    }
    EXPECT_TRUE(
        QDir(workDir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

} // namespace
